#pragma once
// Named lookup lists (rows of Tb_SYS_Param with one CSMC), read the one way every window uses.
#include <QStringList>

namespace wy {
class TDm;
class Control;

// The trimmed values of a list, in the order of its last save.
QStringList lookupList(TDm& dm, const QString& name);
// Fills a drop-down list with a lookup list; the first value is preselected when there is one.
void fillFromList(TDm& dm, Control& combo, const QString& name);
}  // namespace wy
