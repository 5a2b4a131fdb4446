#include "tests/TestShell.h"

namespace wy::test {

namespace {
class RecordedProgress : public Progress {
public:
    void setValue(int) override {}
    void setLabel(const QString&) override {}
    bool canceled() const override { return false; }
};
}  // namespace

void TestShell::message(const QString& text, const QString& caption, Icon icon) {
    messages.push_back({text, caption, icon});
}

QString TestShell::nextAnswer(const QString& question) {
    if (answers.empty()) throw ScenarioFailure{"no answer given for: " + question};
    QString a = answers.front();
    answers.pop_front();
    return a;
}

Answer TestShell::ask(const QString& text, const QString& caption, Icon, Buttons buttons) {
    // A question is also a message the person saw; record it so a scenario can check its text.
    messages.push_back({text, caption, Icon::Question});
    const QString a = nextAnswer(text);
    const bool yesNo = buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel;
    if (a == "yes" && yesNo) return Answer::Yes;
    if (a == "no" && yesNo) return Answer::No;
    if (a == "ok" && !yesNo) return Answer::Ok;
    if (a == "cancel" && buttons != Buttons::YesNo && buttons != Buttons::Ok) return Answer::Cancel;
    throw ScenarioFailure{"answer '" + a + "' does not fit the question: " + text};
}

std::optional<QString> TestShell::inputBox(const QString& caption, const QString& prompt,
                                           const QString&) {
    messages.push_back({prompt, caption, Icon::Question});
    const QString a = nextAnswer(prompt);
    if (a == "cancel") return std::nullopt;
    if (!a.startsWith("text:")) throw ScenarioFailure{"input box expects 'answer text', got " + a};
    return a.mid(5);
}

QString TestShell::openFileName(const QString& caption, const QString&) {
    const QString a = nextAnswer(caption);
    if (a == "cancel") return {};
    if (!a.startsWith("file:"))
        throw ScenarioFailure{"file chooser expects 'answer file', got " + a};
    return a.mid(5);
}

QString TestShell::saveFileName(const QString& caption, const QString& filter, const QString&) {
    return openFileName(caption, filter);
}

int TestShell::showModal(Window& window) {
    stack.push_back(&window);
    struct Pop {
        std::vector<Window*>& s;
        ~Pop() { s.pop_back(); }
    } pop{stack};
    window.beginShow();
    if (!window.isClosed()) play(window);
    return window.modalResult();
}

void TestShell::runMain(Window& window) {
    showModal(window);
}

std::unique_ptr<Progress> TestShell::progress(const QString& title, int maximum) {
    progressShown.emplace_back(title, maximum);
    return std::make_unique<RecordedProgress>();
}

}  // namespace wy::test
