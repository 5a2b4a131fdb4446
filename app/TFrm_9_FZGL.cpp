#include "app/TFrm_9_FZGL.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_9_FZGL);

TFrm_9_FZGL::TFrm_9_FZGL(Context& ctx)
    : Window(ctx, "TFrm_9_FZGL", QStringLiteral("辅助管理窗口")),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_Open(add(ControlKind::Button, "Btn_Open", QStringLiteral("打 开"))),
      Btn_Cancel(add(ControlKind::Button, "Btn_Cancel", QStringLiteral("取 消"))) {
    style.width = 520;
    style.height = 360;
    Lv_Data.setHeaders({QStringLiteral("名称"), QStringLiteral("图标"), QStringLiteral("事件")});
    Lv_Data.setColWidth(0, 200);
    Lv_Data.setColWidth(1, 0);
    Lv_Data.setColWidth(2, 0);
    on(Btn_Open, Event::Click, [this] { Btn_OpenClick(); });
    on(Lv_Data, Event::DblClick, [this] { Btn_OpenClick(); });
    on(Btn_Cancel, Event::Click, [this] { Close(); });
}

void TFrm_9_FZGL::FormShow() {
    Lv_Data.beginUpdate();
    Lv_Data.clearRows();
    for (const Row& r : dm().rows("Select SUB_SYSTEM,ICON,EVENT From Tb_SYS_MODUL_SUB Where "
                                  "(FLAG=?) And (Visual=1) Order by ID",
                                  {Tag}))
        Lv_Data.addRow({r.text(0), r.text(1), r.text(2)});
    Lv_Data.setCurrent(-1);
    Lv_Data.endUpdate();
}

void TFrm_9_FZGL::Btn_OpenClick() {
    int row = Lv_Data.row();
    if (row < 0) return;
    const QStringList parts = Lv_Data.cell(2, row).split(';', Qt::SkipEmptyParts);
    if (parts.isEmpty()) return;
    Params params;
    for (int i = 1; i < parts.size(); ++i)
        params[parts[i].section('=', 0, 0).trimmed()] = parts[i].section('=', 1).trimmed();
    params["AccessLevel"] = login().AccessLevel;
    openWindow(parts[0].trimmed(), params);
}

}  // namespace wy
