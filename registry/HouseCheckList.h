#pragma once
// The checked list of houses of the range picker and the manager's assignment window: one row
// per house of Uvw_FY_KH with a check box, the house's BH in a hidden last column.
#include <QSet>
#include <QString>
#include <QVariantList>
#include <functional>

namespace wy {

class Control;
class TDm;

// Columns "序号", "房号", "房源名称", "业主姓名", "面积", "房源户型", "房源性质", "房源状态" and
// the hidden BH.
void setUpHouseCheckList(Control& list);
// Lists the houses of Uvw_FY_KH for a condition ("Where …"; empty lists nothing) in the given
// order; a row is checked when `checked` says so of its house.
void fillHouseCheckList(TDm& dm, Control& list, const QString& where, const QString& order,
                        const std::function<bool(qint64 house)>& checked);
// The house (BH) of a row.
qint64 houseOfRow(const Control& list, int row);
void checkAllRows(Control& list, bool checked);
// The houses (FYH) a statement lists in its first column, for the check states.
QSet<qint64> houseSet(TDm& dm, const QString& sql, const QVariantList& binds);

}  // namespace wy
