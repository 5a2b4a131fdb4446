#include "registry/TFrm_BJKH.h"

#include "db/TDm.h"
#include "registry/HouseOrder.h"
#include "reports/output/ExcelExport.h"

namespace wy {

TFrm_BJKH::TFrm_BJKH(Context& ctx)
    : Window(ctx, "TFrm_BJKH", QStringLiteral("编辑房源业主、租户资料")),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼层:"))),
      Cmb_XX(add(ControlKind::Combo, "Cmb_XX", QStringLiteral("选项:"))),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_Refresh(add(ControlKind::Button, "Btn_Refresh", QStringLiteral("刷  新"))),
      Btn_Edit(add(ControlKind::Button, "Btn_Edit", QStringLiteral("编辑业主"))),
      Btn_Delete(add(ControlKind::Button, "Btn_Delete", QStringLiteral("    删除业主    "))),
      Btn_Excel(add(ControlKind::Button, "Btn_Excel", QStringLiteral("导出Excel"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关  闭"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC,
             {PlaceCascade::EntranceLabel::NumberOrBlock, true}) {
    style.maximized = true;
    Cmb_XX.setItems({"显示全部业主", "显示入住业主", "显示租赁业主", "显示空房"});
    Lv_Data.setHeaders({"序号", "小区名称", "房号", "房源名称", "建筑面积", "收费面积", "人口",
                        "房态", "业主姓名", "性别", "民族", "身份证号", "籍贯", "职业", "电话",
                        "手机", "联系地址", "客户号", ""});
    const int widths[] = {50, 90,  80, 120, 70, 70,  40,  50, 70, 40,
                          50, 150, 50, 110, 90, 100, 160, 50, 0};
    for (int c = 0; c <= House; ++c) Lv_Data.setColWidth(c, widths[c]);
    // Choosing a building lists its houses.
    place_.wire([this](Control& c, std::function<void()> h) { on(c, Event::Change, std::move(h)); },
                [this](PlaceLevel level) {
                    if (level == PlaceLevel::Building) Btn_RefreshClick();
                });
    on(Btn_Refresh, Event::Click, [this] { Btn_RefreshClick(); });
    on(Lv_Data, Event::Click, [this] { Lv_DataClick(); });
    on(Lv_Data, Event::DblClick, [this] {
        if (selectedRow() >= 0) Btn_EditClick();
    });
    on(Btn_Edit, Event::Click, [this] { Btn_EditClick(); });
    on(Btn_Delete, Event::Click, [this] { Btn_DeleteClick(); });
    on(Btn_Excel, Event::Click, [this] {
        // Every house row, not the total row; the hidden key column stays out.
        ExportListToExcel(this->ctx(), Lv_Data, {true, Lv_Data.colCount() - 2});
    });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_BJKH::FormShow() {
    place_.fillEstates();
    Cmb_XX.setItemIndex(0);
    Btn_Edit.setEnabled(false);
    Btn_Delete.setEnabled(false);
}

void TFrm_BJKH::Btn_RefreshClick() {
    static const QString states[] = {QString(), QStringLiteral("入住"), QStringLiteral("租赁"),
                                     QStringLiteral("空房")};
    Lv_Data.beginUpdate();
    Lv_Data.clearRows();
    Lv_Data.setCurrent(-1);
    const QString place = place_.condition();
    if (!place.isEmpty()) {
        QString where = " WHERE " + place;
        Binds binds;
        const int option = Cmb_XX.itemIndex();
        if (option > 0 && option < 4) {
            where = " WHERE (FYZT=?) And " + place;
            binds << states[option];
        }
        const Rows rows = dm().rows(
            "SELECT XQMC,FYBH,FYMC,JZMJ,SYMJ,RZRS,FYZT,KHXM,XB,MZ,ZJBH,JG,ZY,DHHM,SJHM,DZ,YZBH,BH "
            "FROM Uvw_FY_KH" +
                where + " ORDER BY " + houseOrder(),
            binds);
        Money built, charged;
        qint64 residents = 0;
        int n = 0;
        for (const Row& r : rows) {
            QStringList cells{QString::number(++n)};
            for (int c = 0; c < r.size(); ++c) cells << r.text(c);
            Lv_Data.addRow(cells);
            built += r.money(3);
            charged += r.money(4);
            residents += r.integer(5);
        }
        Lv_Data.addRow(
            {"", "", "", "", built.toString(), charged.toString(), QString::number(residents)});
    }
    Lv_Data.endUpdate();
    Btn_Edit.setEnabled(false);
    Btn_Delete.setEnabled(false);
}

int TFrm_BJKH::selectedRow() const {
    const int row = Lv_Data.row();
    return row >= 0 && row < Lv_Data.rowCount() - 1 ? row : -1;
}

void TFrm_BJKH::Lv_DataClick() {
    const bool house = selectedRow() >= 0;
    Btn_Edit.setEnabled(house);
    Btn_Delete.setEnabled(house);
}

void TFrm_BJKH::Btn_EditClick() {
    const int row = selectedRow();
    if (row < 0 || !canModify()) return;
    const bool owned = !Lv_Data.cell(OwnerName, row).isEmpty();
    openWindow("TFrm_2_BJKH", {{"KeyColumn", "KHBH"},
                               {"KeyReadOnly", true},
                               {"KeyValue", Lv_Data.cell(OwnerNo, row)},
                               {"Mode", owned ? "MODIFY" : "ADD"},
                               {"FYH", Lv_Data.cell(House, row)}});
    Btn_RefreshClick();
}

void TFrm_BJKH::Btn_DeleteClick() {
    const int row = selectedRow();
    if (row < 0 || !canDelete()) return;
    if (!askYesNo(QStringLiteral("你要删除选中的行吗？"), QStringLiteral("提示"))) return;
    try {
        Transaction t(dm());
        dm().exec("DELETE FROM Tb_SYS_KHXX WHERE BH=?", {Lv_Data.cell(OwnerNo, row).toLongLong()});
        // The house no longer names a record: it has no owner now.
        dm().exec("UPDATE Tb_FYXX SET YZBH=0 WHERE BH=?", {Lv_Data.cell(House, row).toLongLong()});
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
    Btn_RefreshClick();
}

WY_REGISTER_WINDOW(TFrm_BJKH);

}  // namespace wy
