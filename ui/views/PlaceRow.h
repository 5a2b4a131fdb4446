#pragma once
// The place cascade as views show it: estate, building, entrance and floor drop-downs in one
// row, each after its label. Only the levels the window has are laid out.
#include <QHBoxLayout>

#include "core/Window.h"

namespace wy::ui {

QHBoxLayout* placeRow(Window& w);

}  // namespace wy::ui
