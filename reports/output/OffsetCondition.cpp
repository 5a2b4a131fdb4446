#include "reports/output/OffsetCondition.h"

#include "db/TDm.h"

namespace wy {

QString BuildOffsetCondition(const OffsetFilter& f) {
    QString w = "Where (CDRQ Between " + sqlQuote(f.from) + " And " + sqlQuote(f.to) + ")";
    if (!f.feeItem.trimmed().isEmpty()) w += " And (ZKLB=" + sqlQuote(f.feeItem.trimmed()) + ")";
    if (!f.houseNo.trimmed().isEmpty()) w += " And (FYBH =" + sqlQuote(f.houseNo.trimmed()) + ")";
    if (!f.ownerName.trimmed().isEmpty())
        w += " And (KHXM =" + sqlQuote(f.ownerName.trimmed()) + ")";
    if (f.manager)
        w += " And (FYH In (Select FYH From Tb_2_AZFG Where FGBH=" + QString::number(*f.manager) +
             "))";
    if (f.batch) w += " And (RWBH=" + QString::number(*f.batch) + ")";
    if (!f.houseType.trimmed().isEmpty())
        w += " And (FYFX=" + sqlQuote(f.houseType.trimmed()) + ")";
    if (f.estate) w += " And (XQBH=" + QString::number(*f.estate) + ")";
    if (f.building) w += " And (LDBH=" + QString::number(*f.building) + ")";
    if (f.entrance) w += " And (DYBH=" + QString::number(*f.entrance) + ")";
    if (f.floor) w += " And (LCBH=" + QString::number(*f.floor) + ")";
    return w;
}

}  // namespace wy
