#include "registry/TFrm_BJFY.h"

#include "db/TDm.h"
#include "registry/HouseOrder.h"
#include "registry/HouseReferences.h"
#include "reports/output/ExcelExport.h"

namespace wy {

TFrm_BJFY::TFrm_BJFY(Context& ctx)
    : Window(ctx, "TFrm_BJFY", QStringLiteral("小区房源信息")),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼层:"))),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_Refresh(add(ControlKind::Button, "Btn_Refresh", QStringLiteral("刷  新"))),
      Btn_Add(add(ControlKind::Button, "Btn_Add", QStringLiteral("添加单房"))),
      Btn_Modify(add(ControlKind::Button, "Btn_Modify", QStringLiteral("房源修改"))),
      Btn_Delete(add(ControlKind::Button, "Btn_Delete", QStringLiteral("    删除房源    "))),
      Btn_Excel(add(ControlKind::Button, "Btn_Excel", QStringLiteral("导出Excel"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关  闭"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC,
             {PlaceCascade::EntranceLabel::NumberOrBlock, true}) {
    style.maximized = true;
    Lv_Data.setHeaders({"序号", "房号", "房源名称", "建筑面积", "收费面积", "房源户型", "房源朝向",
                        "房源性质", "房源状态", "单价", "总价", ""});
    const int widths[] = {50, 90, 140, 80, 80, 80, 70, 70, 70, 60, 70, 0};
    for (int c = 0; c <= kHouseColumn; ++c) Lv_Data.setColWidth(c, widths[c]);
    // Choosing a building lists its houses.
    place_.wire([this](Control& c, std::function<void()> h) { on(c, Event::Change, std::move(h)); },
                [this](PlaceLevel level) {
                    if (level == PlaceLevel::Building) Btn_RefreshClick();
                });
    on(Btn_Refresh, Event::Click, [this] { Btn_RefreshClick(); });
    on(Btn_Add, Event::Click, [this] { Btn_AddClick(); });
    on(Btn_Modify, Event::Click, [this] { Btn_ModifyClick(); });
    on(Lv_Data, Event::DblClick, [this] { Btn_ModifyClick(); });
    on(Btn_Delete, Event::Click, [this] { Btn_DeleteClick(); });
    on(Btn_Excel, Event::Click, [this] { Btn_ExcelClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_BJFY::FormShow() {
    place_.fillEstates();
}

void TFrm_BJFY::Btn_RefreshClick() {
    Lv_Data.beginUpdate();
    Lv_Data.clearRows();
    Lv_Data.setCurrent(-1);
    // Without an estate there is no place to list.
    const QString condition = place_.condition();
    if (!condition.isEmpty()) {
        const Rows rows = dm().rows(
            "SELECT FYBH,FYMC,JZMJ,SYMJ,FYHX,FYCX,FYFX,FYZT,FYDJ,FYZJ,BH FROM Uvw_FYXX "
            "WHERE " +
            condition + " ORDER BY " + houseOrder());
        Money built, charged;
        int n = 0;
        for (const Row& r : rows) {
            QStringList cells{QString::number(++n)};
            for (int c = 0; c < r.size(); ++c) cells << r.text(c);
            Lv_Data.addRow(cells);
            built += r.money(2);
            charged += r.money(3);
        }
        Lv_Data.addRow({QStringLiteral("∑"), "", "", built.toString(), charged.toString()});
    }
    Lv_Data.endUpdate();
}

qint64 TFrm_BJFY::selectedHouse() const {
    const int row = Lv_Data.row();
    return row >= 0 ? Lv_Data.cell(kHouseColumn, row).toLongLong() : 0;
}

void TFrm_BJFY::Btn_AddClick() {
    if (!canModify()) return;
    openWindow("TFrm_2_FYBJ");
    Btn_RefreshClick();
}

void TFrm_BJFY::Btn_ModifyClick() {
    const qint64 house = selectedHouse();
    if (house == 0) {
        message(QStringLiteral("请在表格中点击选择要修改的行"));
        return;
    }
    if (!canModify()) return;
    openWindow("TFrm_2_FYBJ",
               {{"KeyColumn", "BH"}, {"KeyValue", QString::number(house)}, {"Mode", "MODIFY"}});
    Btn_RefreshClick();
}

void TFrm_BJFY::Btn_DeleteClick() {
    const qint64 house = selectedHouse();
    if (house == 0) {
        message(QStringLiteral("请在表格中点击选择要删除的行"));
        return;
    }
    if (!canDelete()) return;
    if (!askYesNo(QStringLiteral("你要删除选中的行吗？"), QStringLiteral("提示"))) return;
    try {
        Transaction t(dm());
        const HouseSet one = HouseSet::house(house);
        if (const auto use = findHouseUse(dm(), one)) {
            message(houseInUseMessage(*use, one), QStringLiteral("提示"), Icon::Warning);
            return;
        }
        deleteHouses(dm(), one);
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
    Btn_RefreshClick();
}

void TFrm_BJFY::Btn_ExcelClick() {
    // Every house row, not the total row; the hidden key column stays out.
    ExportListToExcel(ctx(), Lv_Data, {true, Lv_Data.colCount() - 2});
}

WY_REGISTER_WINDOW(TFrm_BJFY);

}  // namespace wy
