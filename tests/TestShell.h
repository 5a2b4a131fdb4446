#pragma once
// The shell of the tests: answers from a queue, records what the person would have seen, and
// plays a modal window by handing control back to the scenario until the window closes.
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "core/Shell.h"
#include "core/Window.h"

namespace wy::test {

// A failed expectation. Deliberately not a std::exception, so that no window handler that
// catches errors can swallow it.
struct ScenarioFailure {
    QString text;
};
// The script ran out while windows were still open: unwind them.
struct ScriptEnded {};

struct ShownMessage {
    QString text;
    QString caption;
    Icon icon;
};

class TestShell : public Shell {
public:
    // Called with the window just shown; returns when the window has closed.
    std::function<void(Window&)> play;

    std::deque<ShownMessage> messages;
    std::deque<QString> answers;  // "yes", "no", "ok", "cancel", "text:…", "file:…"
    std::vector<Window*> stack;   // open windows, top last
    QStringList urls;
    bool desktopOpens = true;  // false: the desktop has no program for what is opened
    bool quitCalled = false;
    bool restartCalled = false;
    QString clipboard;
    std::vector<PrintJob> printed;
    std::vector<std::pair<QString, int>> progressShown;

    void message(const QString& text, const QString& caption, Icon icon) override;
    Answer ask(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                    const QString& defaultValue) override;
    QString openFileName(const QString& caption, const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& filter,
                         const QString& defaultSuffix) override;
    int showModal(Window& window) override;
    void runMain(Window& window) override;
    bool openUrl(const QString& address) override {
        urls << address;
        return desktopOpens;
    }
    void quit() override { quitCalled = true; }
    void restart() override {
        restartCalled = true;
        quitCalled = true;
    }
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    std::unique_ptr<Progress> progress(const QString& title, int maximum) override;
    void printPreview(const PrintJob& job) override { printed.push_back(job); }

    Window* top() const { return stack.empty() ? nullptr : stack.back(); }

private:
    QString nextAnswer(const QString& question);
};

}  // namespace wy::test
