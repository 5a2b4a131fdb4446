#include "ui/QtShell.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <cstdlib>

#include "ui/Binder.h"
#include "ui/PrintPreview.h"
#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {

void buildView(Window& w, QWidget* host) {
    host->setObjectName(w.className());
    host->setWindowTitle(w.caption());
    if (ViewBuilder b = viewFor(w.className()))
        b(w, host);
    else
        buildAutoView(w, host);
    QObject::connect(&w, &Window::captionChanged, host,
                     [host, &w] { host->setWindowTitle(w.caption()); });
    new Binder(w, host);
}

WindowDialog::WindowDialog(Window& w, QWidget* parent) : QDialog(parent), window_(w) {
    Qt::WindowFlags flags = windowFlags() & ~Qt::WindowContextHelpButtonHint;
    if (w.style.stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    if (w.style.maximized) flags |= Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    buildView(w, this);
    if (w.style.width > 0 && w.style.height > 0) resize(w.style.width, w.style.height);
    if (w.style.fixedSize) setFixedSize(w.style.width > 0 ? size() : sizeHint());
    connect(&w, &Window::closed, this, [this] { done(window_.modalResult()); });
}

void WindowDialog::closeEvent(QCloseEvent* e) {
    if (window_.isClosed() || window_.closeCommand())
        e->accept();
    else
        e->ignore();
}

void WindowDialog::reject() {
    if (window_.isClosed() || window_.closeCommand()) QDialog::reject();
}

WindowMainWindow::WindowMainWindow(Window& w) : window_(w) {
    buildView(w, this);
}

void WindowMainWindow::closeEvent(QCloseEvent* e) {
    if (window_.isClosed() || window_.closeCommand())
        e->accept();
    else
        e->ignore();
}

namespace {
QMessageBox::Icon qtIcon(Icon i) {
    switch (i) {
        case Icon::Info:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

class DialogProgress : public Progress {
public:
    DialogProgress(const QString& title, int maximum)
        : dialog_(title, QStringLiteral("取消"), 0, maximum, QApplication::activeWindow()) {
        dialog_.setWindowTitle(QStringLiteral("请稍候"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(300);
        dialog_.setAutoClose(true);
    }
    void setValue(int value) override { dialog_.setValue(value); }
    void setLabel(const QString& text) override { dialog_.setLabelText(text); }
    bool canceled() const override { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};
}  // namespace

void QtShell::message(const QString& text, const QString& caption, Icon icon) {
    QMessageBox box(qtIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

Answer QtShell::ask(const QString& text, const QString& caption, Icon icon, Buttons buttons) {
    QMessageBox::StandardButtons b;
    switch (buttons) {
        case Buttons::Ok:
            b = QMessageBox::Ok;
            break;
        case Buttons::OkCancel:
            b = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case Buttons::YesNo:
            b = QMessageBox::Yes | QMessageBox::No;
            break;
        case Buttons::YesNoCancel:
            b = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            break;
    }
    QMessageBox box(qtIcon(icon), caption, text, b, QApplication::activeWindow());
    switch (box.exec()) {
        case QMessageBox::Ok:
            return Answer::Ok;
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

std::optional<QString> QtShell::inputBox(const QString& caption, const QString& prompt,
                                         const QString& defaultValue) {
    bool ok = false;
    QString v = QInputDialog::getText(QApplication::activeWindow(), caption, prompt,
                                      QLineEdit::Normal, defaultValue, &ok);
    if (!ok) return std::nullopt;
    return v;
}

QString qtFileFilter(const QString& filter) {
    if (!filter.contains('|')) return filter;
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return out.join(";;");
}

QString QtShell::openFileName(const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QString(),
                                        qtFileFilter(filter));
}

QString QtShell::saveFileName(const QString& caption, const QString& filter,
                              const QString& defaultSuffix) {
    QFileDialog d(QApplication::activeWindow(), caption, QString(), qtFileFilter(filter));
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setDefaultSuffix(QString(defaultSuffix).remove(0, defaultSuffix.startsWith('.') ? 1 : 0));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
    return d.selectedFiles().first();
}

int QtShell::showModal(Window& window) {
    WindowDialog dialog(window, QApplication::activeWindow());
    window.beginShow();
    if (window.isClosed()) return window.modalResult();
    if (window.style.maximized) dialog.setWindowState(Qt::WindowMaximized);
    if (whenShown) QTimer::singleShot(0, &dialog, whenShown);
    dialog.exec();
    return window.modalResult();
}

void QtShell::runMain(Window& window) {
    WindowMainWindow main(window);
    window.beginShow();
    if (window.isClosed()) return;
    QEventLoop loop;
    QObject::connect(&window, &Window::closed, &loop, &QEventLoop::quit);
    if (window.style.maximized)
        main.showMaximized();
    else
        main.show();
    loop.exec();
}

bool QtShell::openUrl(const QString& address) {
    QUrl url(address);
    if (url.isRelative()) {
        // A document shipped with the program: copy it out of the program once, then open it.
        QString dir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        QDir().mkpath(dir);
        QString file = dir + '/' + address;
        QFile::remove(file);
        QFile::copy(":/help/" + address, file);
        QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        url = QUrl::fromLocalFile(file);
    }
    return QDesktopServices::openUrl(url);
}

void QtShell::quit() {}

void QtShell::restart() {
    // The same data file, so the new copy opens where this one worked.
    QProcess::startDetached(QCoreApplication::applicationFilePath(),
                            QCoreApplication::arguments().mid(1));
}

QString QtShell::clipboardText() {
    return QGuiApplication::clipboard()->text();
}
void QtShell::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

std::unique_ptr<Progress> QtShell::progress(const QString& title, int maximum) {
    return std::make_unique<DialogProgress>(title, maximum);
}

void QtShell::printPreview(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    auto preview = makePrintPreview(job, printer, QApplication::activeWindow());
    preview->setWindowState(Qt::WindowMaximized);
    preview->exec();
}

}  // namespace wy::ui
