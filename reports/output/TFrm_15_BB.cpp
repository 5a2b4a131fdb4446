#include "reports/output/TFrm_15_BB.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_15_BB);

TFrm_15_BB::TFrm_15_BB(Context& ctx)
    : Window(ctx, "TFrm_15_BB", QStringLiteral("财务接口")),
      Lb_Title(add(ControlKind::Label, "Lb_Title", QStringLiteral("§保存报表§"))),
      Edt_BT(add(ControlKind::Edit, "Edt_BT", QStringLiteral("标题:"))),
      Edt_NR(add(ControlKind::Edit, "Edt_NR", QStringLiteral("内容:"))),
      Cmb_Share(add(ControlKind::Combo, "Cmb_Share", QStringLiteral("共享:"))),
      Cmb_LB(add(ControlKind::Combo, "Cmb_LB", QStringLiteral("类别:"))),
      Btn_Next(add(ControlKind::Button, "Btn_Next", QStringLiteral("确定"))),
      Btn_Cancel(add(ControlKind::Button, "Btn_Cancel", QStringLiteral("关闭"))) {
    style.fixedSize = true;
    style.width = 360;
    style.height = 230;
    Cmb_Share.setItems({QStringLiteral("是"), QStringLiteral("否")});
    Cmb_Share.setItemIndex(0);
    Cmb_LB.setItems({QStringLiteral("住户"), QStringLiteral("抄表"), QStringLiteral("收费"),
                     QStringLiteral("维修"), QStringLiteral("租赁"), QStringLiteral("物资"),
                     QStringLiteral("停车场"), QStringLiteral("辅助"), QStringLiteral("设置"),
                     QStringLiteral("日志")});
    Cmb_LB.setItemIndex(0);
    on(Btn_Next, Event::Click, [this] { Btn_NextClick(); });
    on(Btn_Cancel, Event::Click, [this] { Close(mrCancel); });
}

void TFrm_15_BB::Btn_NextClick() {
    Share = Cmb_Share.text();
    Category = Cmb_LB.text();
    Content = Edt_NR.text();
    Title = Edt_BT.text();
    Close(mrOk);
}

}  // namespace wy
