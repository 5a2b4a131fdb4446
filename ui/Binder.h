#pragma once
// The one binder between a headless window and its Qt view: controls and widgets are matched by
// name; values, states, items and grids flow both ways, widget signals call the handlers.
#include <QObject>
#include <QPointer>
#include <vector>

#include "core/Window.h"

class QWidget;

namespace wy::ui {

// Whether a widget (or action) is of a kind that can show a control of this kind.
bool widgetFits(ControlKind kind, QObject* object);
// The widget or action named after the control inside a view.
QObject* findBound(QWidget* root, const QString& name);

class Binder : public QObject {
    Q_OBJECT
public:
    // Binds every control of the window to the widget of the same name under root. A control
    // without a widget is left unbound (and reported by the view test).
    Binder(Window& window, QWidget* root);

    // Brings every widget up to its control's state.
    void syncAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bind(Control& c, QObject* target);
    void sync(Control& c, QObject* target);

    Window& window_;
    QWidget* root_;
    std::vector<std::pair<Control*, QPointer<QObject>>> bound_;
    int syncing_ = 0;
};

}  // namespace wy::ui
