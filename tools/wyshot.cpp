// Renders one window with its view to a PNG, on a copy of the demonstration database, logged in
// as the administrator. For looking at a window as a user would, without a display:
//   QT_QPA_PLATFORM=offscreen build/wyshot out.png TFrm_JCXX Selector=23 AccessLevel=4
// With --data FILE the window opens on that data file instead. Arguments "set:Control=Value" and
// "click:Control" act on the shown window in order, as a person would (choose, type, press).
#include <QApplication>
#include <QFontDatabase>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTimer>

#include "core/Window.h"
#include "db/TDm.h"
#include "ui/QtShell.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QFontDatabase::families().contains("Noto Sans CJK SC"))
        app.setFont(QFont("Noto Sans CJK SC", 10));
    QStringList args = app.arguments().mid(1);
    QString data;
    if (args.size() >= 2 && args[0] == "--data") {
        data = args[1];
        args = args.mid(2);
    }
    if (args.size() < 2) {
        qWarning(
            "usage: wyshot [--data FILE] OUT.png WINDOW [Name=Value ...] [set:C=V ...] [click:C "
            "...]");
        return 2;
    }
    QTemporaryDir dir;
    wy::TDm::Options o;
    o.path = data.isEmpty() ? dir.filePath("demo.db") : data;
    o.durable = false;
    wy::TDm dm(o);
    // Messages and questions go to the terminal: nobody is there to answer a dialog.
    struct NoDialogs : wy::ui::QtShell {
        void message(const QString& text, const QString& caption, wy::Icon) override {
            qWarning("[%s] %s", qPrintable(caption), qPrintable(text));
        }
        wy::Answer ask(const QString& text, const QString& caption, wy::Icon,
                       wy::Buttons b) override {
            qWarning("[%s] %s -> no", qPrintable(caption), qPrintable(text));
            return b == wy::Buttons::YesNo ? wy::Answer::No : wy::Answer::Cancel;
        }
    } shell;
    wy::Context ctx{dm, shell, {}};
    ctx.logInAsAdministrator();
    auto w = wy::createWindow(args[1], ctx);
    if (!w) {
        qWarning("no window %s", qPrintable(args[1]));
        return 2;
    }
    wy::Params p;
    QStringList actions;
    for (int i = 2; i < args.size(); ++i) {
        if (args[i].startsWith("set:") || args[i].startsWith("click:"))
            actions << args[i];
        else
            p[args[i].section('=', 0, 0)] = args[i].section('=', 1);
    }
    w->setParams(p);
    std::unique_ptr<QWidget> host;
    if (w->style.mainWindow)
        host = std::make_unique<QMainWindow>();
    else
        host = std::make_unique<wy::ui::WindowDialog>(*w);
    if (w->style.mainWindow) wy::ui::buildView(*w, host.get());
    w->beginShow();
    for (const QString& a : actions) {
        const QString target = a.section(':', 1).section('=', 0, 0);
        if (a.startsWith("set:"))
            w->userSet(w->control(target), a.section('=', 1));
        else
            w->fire(target, wy::Event::Click);
    }
    if (w->style.maximized || w->style.mainWindow)
        host->resize(1280, 800);
    else if (w->style.width > 0)
        host->resize(w->style.width, w->style.height);
    host->show();
    for (int i = 0; i < 5; ++i) app.processEvents();
    host->grab().save(args[0]);
    return 0;
}
