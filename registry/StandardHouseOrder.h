#pragma once
// The standard house order of every house list: shorter house numbers first, so that 1-2-302
// comes before 1-2-1101.
#include <QString>

namespace wy {

inline QString houseOrder() {
    return QStringLiteral("length(FYBH),FYFX,LDXH,DYXH,FYBH");
}

}  // namespace wy
