#pragma once
// A shell for benchmarks that drive windows without a person: questions are answered Yes,
// nothing is shown, no window opens.
#include "core/Shell.h"

namespace wy::bench {

class QuietShell : public Shell {
public:
    void message(const QString&, const QString&, Icon) override {}
    Answer ask(const QString&, const QString&, Icon, Buttons) override { return Answer::Yes; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString openFileName(const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int showModal(Window&) override { return 0; }
    void runMain(Window&) override {}
    bool openUrl(const QString&) override { return true; }
    void quit() override {}
    void restart() override {}
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    std::unique_ptr<Progress> progress(const QString&, int) override { return nullptr; }
    void printPreview(const PrintJob&) override {}
};

}  // namespace wy::bench
