#include "registry/TFrm_4_FGAZ.h"

#include "db/TDm.h"
#include "registry/HouseCheckList.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_4_FGAZ);

TFrm_4_FGAZ::TFrm_4_FGAZ(Context& ctx)
    : Window(ctx, "TFrm_4_FGAZ", QStringLiteral("指定房管员的管辖范围")),
      Edt_FGBH(add(ControlKind::Edit, "Edt_FGBH", QStringLiteral("房管编号:"))),
      Edt_FGMC(add(ControlKind::Edit, "Edt_FGMC", QStringLiteral("房管名称:"))),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼层:"))),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_All(add(ControlKind::Button, "Btn_All", QStringLiteral("全选&A"))),
      Btn_Reset(add(ControlKind::Button, "Btn_Reset", QStringLiteral("取消勾选&R"))),
      Btn_Query(add(ControlKind::Button, "Btn_Query", QStringLiteral("查看&Q"))),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("确定OK&S"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关 闭"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC) {
    style.width = 760;
    style.height = 540;
    Edt_FGBH.setReadOnly(true);
    Edt_FGMC.setReadOnly(true);
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
    on(Btn_Query, Event::Click, [this] { Btn_QueryClick(); });
    on(Btn_Save, Event::Click, [this] { Btn_SaveClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

bool TFrm_4_FGAZ::setParam(const QString& name, const QVariant& value) {
    if (name == "FGBH")
        FGBH = value.toLongLong();
    else if (name == "YGBH")
        YGBH = value.toString();
    else if (name == "XM")
        XM = value.toString();
    else
        return Window::setParam(name, value);
    return true;
}

void TFrm_4_FGAZ::FormShow() {
    Edt_FGBH.setText(YGBH);
    Edt_FGMC.setText(XM);
    place_.fillEstates();
    Lv_Data.clearRows();
    Btn_Save.setEnabled(false);
}

void TFrm_4_FGAZ::listHouses(const QString& where) {
    const QSet<qint64> mine = houseSet(dm(), "Select FYH From Tb_2_AZFG Where FGBH=?", {FGBH});
    fillHouseCheckList(dm(), Lv_Data, where, "BH",
                       [&mine](qint64 house) { return mine.contains(house); });
}

void TFrm_4_FGAZ::Btn_AllClick() {
    checkAllRows(Lv_Data, true);
    Btn_Save.setEnabled(true);
}

void TFrm_4_FGAZ::Btn_ResetClick() {
    checkAllRows(Lv_Data, false);
    Btn_Save.setEnabled(true);
}

void TFrm_4_FGAZ::Btn_QueryClick() {
    listHouses("Where BH IN (Select FYH From Tb_2_AZFG Where (FGBH=" + QString::number(FGBH) +
               "))");
}

void TFrm_4_FGAZ::Btn_SaveClick() {
    try {
        Transaction t(dm());
        for (int row = 0; row < Lv_Data.rowCount(); ++row) {
            const qint64 house = houseOfRow(Lv_Data, row);
            dm().exec("Delete From Tb_2_AZFG Where (FGBH=?) And (FYH=?)", {FGBH, house});
            if (Lv_Data.rowChecked(row)) {
                // A house has one manager: it leaves any other manager it had.
                dm().exec("Delete From Tb_2_AZFG Where (FYH=?)", {house});
                dm().exec("Insert Into Tb_2_AZFG (FGBH,FYH) Values(?,?)", {FGBH, house});
            }
        }
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        return;
    }
    message(QStringLiteral("恭喜你！房管员分配成功！"), QStringLiteral("提示"));
    Btn_Save.setEnabled(false);
}

}  // namespace wy
