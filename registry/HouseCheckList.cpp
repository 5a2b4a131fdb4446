#include "registry/HouseCheckList.h"

#include "core/Control.h"
#include "db/TDm.h"

namespace wy {

namespace {
const int kHouseColumn = 8;
}

void setUpHouseCheckList(Control& list) {
    list.setCheckBoxes(true);
    list.setHeaders({QStringLiteral("序号"), QStringLiteral("房号"), QStringLiteral("房源名称"),
                     QStringLiteral("业主姓名"), QStringLiteral("面积"), QStringLiteral("房源户型"),
                     QStringLiteral("房源性质"), QStringLiteral("房源状态"), QString()});
    const int widths[] = {50, 90, 140, 90, 70, 90, 80, 80, 0};
    for (int col = 0; col <= kHouseColumn; ++col) list.setColWidth(col, widths[col]);
}

void fillHouseCheckList(TDm& dm, Control& list, const QString& where, const QString& order,
                        const std::function<bool(qint64 house)>& checked) {
    list.beginUpdate();
    list.clearRows();
    list.setCurrent(-1);
    if (!where.isEmpty()) {
        const Rows rows = dm.rows("Select FYBH,FYMC,KHXM,JZMJ,FYHX,FYFX,FYZT,BH From Uvw_FY_KH " +
                                  where + " Order By " + order);
        for (const Row& r : rows) {
            QStringList cells{QString::number(list.rowCount() + 1)};
            for (int col = 0; col < r.size(); ++col) cells << r.text(col);
            const int row = list.addRow(cells);
            list.setRowChecked(row, checked(r.integer("BH")));
        }
    }
    list.endUpdate();
}

qint64 houseOfRow(const Control& list, int row) {
    return list.cell(kHouseColumn, row).toLongLong();
}

void checkAllRows(Control& list, bool checked) {
    list.beginUpdate();
    for (int row = 0; row < list.rowCount(); ++row) list.setRowChecked(row, checked);
    list.endUpdate();
}

QSet<qint64> houseSet(TDm& dm, const QString& sql, const QVariantList& binds) {
    QSet<qint64> houses;
    for (const Row& r : dm.rows(sql, binds)) houses.insert(r.integer(0));
    return houses;
}

}  // namespace wy
