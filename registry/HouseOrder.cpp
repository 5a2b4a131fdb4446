#include "registry/HouseOrder.h"

#include <QStringList>

namespace wy {

QString houseOrder(const QString& alias) {
    const QString p = alias.isEmpty() ? QString() : alias + ".";
    return QStringList{"length(" + p + "FYBH)", p + "FYFX", p + "LDXH", p + "DYXH", p + "FYBH"}
        .join(',');
}

}  // namespace wy
