#pragma once
// The shell of the real program: Qt dialogs, modal windows with their views, the desktop.
#include <QDialog>
#include <QMainWindow>
#include <functional>

#include "core/Shell.h"
#include "core/Window.h"

namespace wy::ui {

// Builds the view of a window inside host and binds it.
void buildView(Window& w, QWidget* host);

// A modal window's dialog: its close box and Esc run the window's own close command.
class WindowDialog : public QDialog {
    Q_OBJECT
public:
    explicit WindowDialog(Window& w, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    Window& window_;
};

class WindowMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit WindowMainWindow(Window& w);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    Window& window_;
};

class QtShell : public Shell {
public:
    // For start-up benchmarks: end the process as soon as the first window is on the screen.
    // Run once the first window is on the screen; it ends the process.
    std::function<void()> whenShown;

    void message(const QString& text, const QString& caption, Icon icon) override;
    Answer ask(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& defaultValue) override;
    QString openFileName(const QString& caption, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& filter,
                         const QString& defaultSuffix) override;
    int showModal(Window& window) override;
    void runMain(Window& window) override;
    bool openUrl(const QString& address) override;
    void quit() override;
    void restart() override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    std::unique_ptr<Progress> progress(const QString& title, int maximum) override;
    void printPreview(const PrintJob& job) override;
};

// Turns the old "caption|*.ext" file filters into Qt's "caption (*.ext)".
QString qtFileFilter(const QString& filter);

}  // namespace wy::ui
