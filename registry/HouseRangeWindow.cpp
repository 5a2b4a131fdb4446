#include "registry/HouseRangeWindow.h"

#include "registry/HouseCheckList.h"

namespace wy {

HouseRangeWindow::HouseRangeWindow(Context& ctx, const QString& className, const QString& caption,
                                   const Captions& captions)
    : Window(ctx, className, caption),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼层:"))),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_All(add(ControlKind::Button, "Btn_All", QStringLiteral("全选&A"))),
      Btn_Reset(add(ControlKind::Button, "Btn_Reset", captions.reset)),
      Btn_Query(add(ControlKind::Button, "Btn_Query", captions.query)),
      Btn_Save(add(ControlKind::Button, "Btn_Save", captions.save)),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关 闭"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC) {
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

void HouseRangeWindow::FormShow() {
    place_.fillEstates();
    Lv_Data.clearRows();
    Btn_Save.setEnabled(false);
}

void HouseRangeWindow::Btn_AllClick() {
    checkAllRows(Lv_Data, true);
    Btn_Save.setEnabled(true);
}

void HouseRangeWindow::Btn_ResetClick() {
    checkAllRows(Lv_Data, false);
    Btn_Save.setEnabled(true);
}

}  // namespace wy
