#pragma once
#include "core/Session.h"

namespace wy {

// The program's start: the login dialog until a login succeeds, then the main window until the
// program ends. Returns when the program is to end.
void runProgram(Context& ctx);

}  // namespace wy
