#pragma once
// The one seam between window logic and the person at the screen. The Qt shell shows real
// dialogs; the test shell answers from a script and records what was shown.
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace wy {

class Window;

enum class Icon { None, Info, Warning, Error, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

// A long piece of work shows its progress; the person may cancel it where the work allows.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setValue(int value) = 0;
    virtual void setLabel(const QString& text) = 0;
    virtual bool canceled() const = 0;
};

// A printable document: an HTML layout and its page size in millimetres.
struct PrintJob {
    QString title;
    QString html;
    double pageWidthMm = 210;
    double pageHeightMm = 297;
    bool landscape = false;
    double marginMm = 10;  // on every side
    QString fontFamily = "WenQuanYi Micro Hei";
};

class Shell {
public:
    virtual ~Shell() = default;

    virtual void message(const QString& text, const QString& caption = QStringLiteral("提示"),
                         Icon icon = Icon::Info) = 0;
    virtual Answer ask(const QString& text, const QString& caption, Icon icon, Buttons buttons) = 0;
    // Returns nothing when the person cancels.
    virtual std::optional<QString> inputBox(const QString& caption, const QString& prompt,
                                            const QString& defaultValue) = 0;
    // Return an empty name when the person cancels.
    virtual QString openFileName(const QString& caption, const QString& filter) = 0;
    virtual QString saveFileName(const QString& caption, const QString& filter,
                                 const QString& defaultSuffix) = 0;

    // Shows a window modally; returns when it has closed, with its modal result.
    virtual int showModal(Window& window) = 0;
    // Shows the main window and returns when the program is to end.
    virtual void runMain(Window& window) = 0;

    // Opens a web address or a local file with the desktop's program for it; false when none
    // could be started.
    virtual bool openUrl(const QString& address) = 0;
    virtual void quit() = 0;     // end the program
    virtual void restart() = 0;  // start the program again, then end
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual std::unique_ptr<Progress> progress(const QString& title, int maximum) = 0;
    virtual void printPreview(const PrintJob& job) = 0;
};

}  // namespace wy
