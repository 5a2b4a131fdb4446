#pragma once
// The headless window: named controls, event handlers by control and event, the window's
// life (show, close query, close) and its inputs from the opener. A view binds to it by name.
#include <QObject>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/Control.h"
#include "core/Session.h"
#include "core/Shell.h"

namespace wy {

class TDm;

enum class Event {
    Click,
    DblClick,
    Enter,        // Enter pressed in the control
    Change,       // the person changed the value (typing, choosing, ticking, cell edit)
    HeaderClick,  // column header of a grid or list view; args.col
    Select,       // current cell / row / node moved; args.row, args.col
    Check,        // a list-view row's check box; args.row
};

QString eventName(Event e);

struct EventArgs {
    int row = -1;
    int col = -1;
};

// Delphi's modal results, as openers compare them.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

struct WindowStyle {
    bool maximized = false;
    bool stayOnTop = false;
    bool fixedSize = false;
    bool mainWindow = false;  // shown as the program's main window (menu, tool bar, status bar)
    int width = 0;            // preferred size in pixels; 0 lets the view decide
    int height = 0;
};

using Params = QVariantMap;

class Window : public QObject {
    Q_OBJECT
public:
    Window(Context& ctx, const QString& className, const QString& caption);
    ~Window() override;

    const QString& className() const { return className_; }
    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    WindowStyle style;

    // Inputs from the opener.
    qint64 Tag = 0;
    qint64 AccessLevel = 0;
    // Sets an input by name ("Tag", "AccessLevel" and what the window adds). Returns false for
    // a name the window does not know.
    virtual bool setParam(const QString& name, const QVariant& value);
    void setParams(const Params& params);

    // Controls, in declaration order.
    const std::vector<Control*>& controls() const { return order_; }
    Control* find(const QString& name) const;
    Control& control(const QString& name) const;  // throws for an unknown name

    // Events. fire() runs a handler the way the toolkit would: an error that escapes it is
    // shown as a message. Returns false when the control has no handler for the event.
    bool fire(const QString& control, Event event, const EventArgs& args = {});
    bool hasHandler(const QString& control, Event event) const;
    // What a person's typing or choosing does: sets the value (a chosen radio button clears the
    // others of its group) and fires Change.
    void userSet(Control& c, const QString& value);

    // Life of the window.
    void beginShow();                   // called by the shell: resets the result, runs FormShow
    bool Close(int result = mrCancel);  // asks FormCloseQuery; true when the window closed
    bool isClosed() const { return closed_; }
    int modalResult() const { return modalResult_; }
    // The window's own close command (close box, Alt+F4); the same as Close by default.
    virtual bool closeCommand() { return Close(mrCancel); }

    Control* focused() const { return focus_; }
    void setFocus(Control& c);

    // The long hint of the control under the mouse (the main window shows it).
    virtual void ApplicationHint(const QString& hint) {}

    Context& ctx() const { return ctx_; }
    TDm& dm() const;
    Shell& shell() const { return ctx_.shell; }
    LoginContext& login() const { return ctx_.login; }

Q_SIGNALS:
    void closed();
    void focusRequested(wy::Control* control);
    void captionChanged();

protected:
    virtual void FormShow() {}
    virtual bool FormCloseQuery() { return true; }
    virtual void FormClose() {}

    Control& add(ControlKind kind, const QString& name, const QString& caption = {});
    void on(Control& c, Event e, std::function<void()> handler);
    void on(Control& c, Event e, std::function<void(const EventArgs&)> handler);

    // Short forms of the shell's dialogs.
    void message(const QString& text, const QString& caption = QStringLiteral("提示"),
                 Icon icon = Icon::Info) const;
    bool askYesNo(const QString& text, const QString& caption = QStringLiteral("提示"),
                  Icon icon = Icon::Question) const;
    bool askOkCancel(const QString& text, const QString& caption = QStringLiteral("提示"),
                     Icon icon = Icon::Warning) const;

    // Access levels given by the main window: changing commands need 2, deleting 3; the
    // administrator is never refused. Each shows the refusal and returns false.
    bool canModify() const;
    bool canDelete() const;

    // Opens another window modally with the given inputs; returns it after it has closed (to
    // read its outputs), or nothing when no such window is installed.
    std::unique_ptr<Window> openWindow(const QString& name, const Params& params = {});

private:
    Context& ctx_;
    QString className_;
    QString caption_;
    std::map<QString, std::unique_ptr<Control>> controls_;
    std::vector<Control*> order_;
    std::map<std::pair<QString, Event>, std::function<void(const EventArgs&)>> handlers_;
    Control* focus_ = nullptr;
    bool closed_ = false;
    int modalResult_ = mrNone;
};

// Windows register themselves by class name, so that openers, the view registry, the
// scenario runner and the view test find every window without a central list.
using WindowFactory = std::function<std::unique_ptr<Window>(Context&)>;
void registerWindow(const QString& className, WindowFactory factory);
std::unique_ptr<Window> createWindow(const QString& className, Context& ctx);
bool isWindowRegistered(const QString& className);
QStringList registeredWindows();

template <typename T>
struct WindowRegistration {
    explicit WindowRegistration(const char* name) {
        registerWindow(QString::fromLatin1(name), [](Context& c) -> std::unique_ptr<Window> {
            return std::make_unique<T>(c);
        });
    }
};

}  // namespace wy

#define WY_REGISTER_WINDOW(Class) \
    static const ::wy::WindowRegistration<Class> wy_registration_##Class(#Class)
