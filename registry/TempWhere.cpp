#include "registry/TempWhere.h"

#include <QStringList>

#include "db/TDm.h"

namespace wy {

QString excludedHousesCondition(TDm& dm) {
    QStringList terms;
    for (const Row& r : dm.rows("Select TJ From Temp_Where Where Flag=0 Order By XH"))
        terms << r.text(0);
    // Without rows the wrapped text would be "... Where ))": no condition at all instead.
    if (terms.isEmpty()) return {};
    return "(FYH In (Select BH From Uvw_FYXX Where " + terms.join(" And ") + "))";
}

}  // namespace wy
