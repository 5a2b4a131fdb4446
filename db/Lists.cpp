#include "db/Lists.h"

#include "core/Control.h"
#include "db/TDm.h"

namespace wy {

QStringList lookupList(TDm& dm, const QString& name) {
    QStringList values;
    for (const Row& r : dm.rows("Select CSZ From Tb_SYS_Param Where CSMC=? Order By BH", {name}))
        values << r.text(0);
    return values;
}

void fillFromList(TDm& dm, Control& combo, const QString& name) {
    combo.setItems(lookupList(dm, name));
    combo.setItemIndex(combo.items().isEmpty() ? -1 : 0);
}

}  // namespace wy
