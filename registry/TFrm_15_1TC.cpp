#include "registry/TFrm_15_1TC.h"

#include "db/TDm.h"
#include "registry/HouseCheckList.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_15_1TC);

TFrm_15_1TC::TFrm_15_1TC(Context& ctx)
    : Window(ctx, "TFrm_15_1TC", QStringLiteral("选择房源范围")),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼层:"))),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_All(add(ControlKind::Button, "Btn_All", QStringLiteral("全选&A"))),
      Btn_Reset(add(ControlKind::Button, "Btn_Reset", QStringLiteral("复位&R"))),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("确定&S"))),
      Btn_Query(add(ControlKind::Button, "Btn_Query", QStringLiteral("查看剔除&Q"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关 闭"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC) {
    style.width = 760;
    style.height = 520;
    setUpHouseCheckList(Lv_Data);
    place_.wire([this](Control& c, std::function<void()> h) { on(c, Event::Change, std::move(h)); },
                [this](PlaceLevel) {
                    const QString c = place_.condition();
                    listHouses(c.isEmpty() ? QString() : "Where " + c);
                });
    on(Lv_Data, Event::Click, [this] { Btn_Save.setEnabled(true); });
    on(Lv_Data, Event::Check, [this] { Btn_Save.setEnabled(true); });
    on(Btn_All, Event::Click, [this] { Btn_AllClick(); });
    on(Btn_Reset, Event::Click, [this] { Btn_ResetClick(); });
    on(Btn_Save, Event::Click, [this] { Btn_SaveClick(); });
    on(Btn_Query, Event::Click, [this] { Btn_QueryClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_15_1TC::FormShow() {
    place_.fillEstates();
    Lv_Data.clearRows();
    Btn_Save.setEnabled(false);
}

void TFrm_15_1TC::listHouses(const QString& where) {
    // Only condition rows (Flag 0) are exclusions; a wizard's grouping rows (Flag 1) carry a
    // column position in FYH, not a house.
    const QSet<qint64> excluded = houseSet(dm(), "Select FYH From Temp_Where Where Flag=0", {});
    fillHouseCheckList(dm(), Lv_Data, where, "FYFX,FYBH,BH",
                       [&excluded](qint64 house) { return !excluded.contains(house); });
}

void TFrm_15_1TC::Btn_AllClick() {
    checkAllRows(Lv_Data, true);
    Btn_Save.setEnabled(true);
}

void TFrm_15_1TC::Btn_ResetClick() {
    checkAllRows(Lv_Data, false);
    Btn_Save.setEnabled(true);
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
