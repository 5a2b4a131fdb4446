#pragma once
// The access check of a module and the administrator's initialisation, as the main window runs
// them for its wizard buttons; other windows that offer a module's command use the same path.
#include <QtGlobal>

namespace wy {

struct Context;

// Computes the operator's access level for the module into the login (the administrator always
// gets 4). Shows the refusal and returns false when the operator may not use the module.
bool checkModuleAccess(Context& ctx, qint64 module);

// The initialisation of module 112: for the administrator only, after a question; empties the
// house and fee data.
void runInitialisation(Context& ctx);

}  // namespace wy
