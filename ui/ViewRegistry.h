#pragma once
// Views register themselves by window class name. A window without a view of its own gets the
// automatic form view, so that every window is reachable the day its logic lands.
#include <QString>
#include <functional>

class QWidget;

namespace wy {
class Window;
}

namespace wy::ui {

// Lays out the widgets of a window inside `host` (a dialog or the main window's centre).
using ViewBuilder = std::function<void(Window& window, QWidget* host)>;

void registerView(const QString& className, ViewBuilder builder);
// The registered view, or nothing.
ViewBuilder viewFor(const QString& className);
QStringList registeredViews();

template <typename T>
struct ViewRegistration {
    ViewRegistration(const char* name, ViewBuilder b) {
        registerView(QString::fromLatin1(name), std::move(b));
    }
};

}  // namespace wy::ui

#define WY_REGISTER_VIEW(Class, builder) \
    static const ::wy::ui::ViewRegistration<int> wy_view_##Class(#Class, builder)
