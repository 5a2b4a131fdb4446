#include "admin/TFrm_1_Corp.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_1_Corp);

TFrm_1_Corp::TFrm_1_Corp(Context& ctx)
    : Window(ctx, "TFrm_1_Corp", QStringLiteral("系统参数设置")),
      Lb_Title(add(ControlKind::Label, "Lb_Title", QStringLiteral("§系统参数设置§"))),
      StrGrd_Data(add(ControlKind::Grid, "StrGrd_Data")),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("确定[&S]"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关闭"))) {
    style.width = 420;
    style.height = 320;
    StrGrd_Data.setColCount(2);
    StrGrd_Data.setFixedRows(1);
    // The names are the settings' keys: only the values are edited.
    StrGrd_Data.setFixedCols(1);
    StrGrd_Data.setEditableCells(true);
    StrGrd_Data.setColWidth(0, 200);
    StrGrd_Data.setColWidth(1, 170);
    on(Btn_Save, Event::Click, [this] { Btn_SaveClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_1_Corp::FormShow() {
    const Rows rows = dm().rows("SELECT CSMC,CSZ FROM Tb_SYS_Param WHERE BJ=9 ORDER BY BH");
    StrGrd_Data.beginUpdate();
    StrGrd_Data.setRowCount(0);
    StrGrd_Data.setRow(0, {QStringLiteral("参数名称"), QStringLiteral("参数值")});
    for (const Row& r : rows) StrGrd_Data.addRow({r.text(0), r.text(1)});
    StrGrd_Data.addRow();
    StrGrd_Data.setCurrent(1, 1);
    StrGrd_Data.endUpdate();
}

void TFrm_1_Corp::Btn_SaveClick() {
    try {
        Transaction t(dm());
        for (int r = 1; r < StrGrd_Data.rowCount(); ++r)
            dm().exec("UPDATE Tb_SYS_Param SET CSZ=? WHERE CSMC=? AND BJ=9",
                      {StrGrd_Data.cell(1, r).trimmed(), StrGrd_Data.cell(0, r).trimmed()});
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromUtf8(e.what()), QStringLiteral("错误"), Icon::Error);
        return;
    }
    message(QStringLiteral("参数已被更新！"));
}

}  // namespace wy
