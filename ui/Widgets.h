#pragma once
// Small helpers that views use to make the widget of a control: the widget carries the
// control's name, and the binder does the rest.
#include <QBoxLayout>
#include <QFormLayout>
#include <QWidget>

#include "core/Window.h"

namespace wy::ui {

// The widget that fits a control of this kind, named after it.
QWidget* makeWidget(Control& c, QWidget* parent = nullptr);
// makeWidget for the named control of the window.
QWidget* widget(Window& w, const QString& name, QWidget* parent = nullptr);
// A row of buttons, right-aligned.
QHBoxLayout* buttonRow(Window& w, const QStringList& names);
// "label: field" rows for the named controls, their captions as the labels.
QFormLayout* formRows(Window& w, const QStringList& names);
// A bold, centred title: a text of the view's own, or a window's title label control.
QWidget* titleLabel(const QString& text, QWidget* parent = nullptr);
QWidget* titleWidget(Window& w, const QString& name = QStringLiteral("Lb_Title"));
// A plain label that belongs to the view only.
QWidget* textLabel(const QString& text, QWidget* parent = nullptr);

// The automatic form: fields in label/field rows (two columns when there are many), grids and
// lists below them, buttons in a row at the bottom.
void buildAutoView(Window& w, QWidget* host);

}  // namespace wy::ui
