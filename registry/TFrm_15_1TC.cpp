#include "registry/TFrm_15_1TC.h"

#include "db/TDm.h"
#include "registry/HouseCheckList.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_15_1TC);

TFrm_15_1TC::TFrm_15_1TC(Context& ctx)
    : HouseRangeWindow(
          ctx, "TFrm_15_1TC", QStringLiteral("选择房源范围"),
          {QStringLiteral("复位&R"), QStringLiteral("查看剔除&Q"), QStringLiteral("确定&S")}) {
    style.width = 760;
    style.height = 520;
}

void TFrm_15_1TC::listHouses(const QString& where) {
    // Only condition rows (Flag 0) are exclusions; a wizard's grouping rows (Flag 1) carry a
    // column position in FYH, not a house.
    const QSet<qint64> excluded = houseSet(dm(), "Select FYH From Temp_Where Where Flag=0", {});
    fillHouseCheckList(dm(), Lv_Data, where, "FYFX,FYBH,BH",
                       [&excluded](qint64 house) { return !excluded.contains(house); });
}

void TFrm_15_1TC::Btn_SaveClick() {
    try {
        Transaction t(dm());
        for (int row = 0; row < Lv_Data.rowCount(); ++row) {
            const qint64 house = houseOfRow(Lv_Data, row);
            dm().exec("Delete From Temp_Where Where (FYH=?) And (Flag=0)", {house});
            if (!Lv_Data.rowChecked(row))
                dm().exec("Insert Into Temp_Where (FYH,TJ) Values(?,?)",
                          {house, QString("(BH<>" + QString::number(house) + ")")});
        }
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        return;
    }
    message(QStringLiteral("我知道了！"), QStringLiteral("提示"));
    Btn_Save.setEnabled(false);
}

void TFrm_15_1TC::Btn_QueryClick() {
    listHouses(" Where (BH IN (Select FYH From Temp_Where Where Flag=0)) ");
}

}  // namespace wy
