#include "registry/TFrm_2_FGY.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_2_FGY);

TFrm_2_FGY::TFrm_2_FGY(Context& ctx)
    : RecordEditor(ctx, "TFrm_2_FGY", QStringLiteral("§小区收费员§"), "Tb_SYS_DWYG"),
      Edt_FGBH(add(ControlKind::Edit, "Edt_FGBH", QStringLiteral("房管代号:"))),
      Edt_XM(add(ControlKind::Edit, "Edt_XM", QStringLiteral("姓    名:"))),
      Cmb_XB(add(ControlKind::Combo, "Cmb_XB", QStringLiteral("性    别:"))),
      Cmb_BMMC(add(ControlKind::Combo, "Cmb_BMMC", QStringLiteral("所在部门:"))),
      Cmb_DWMC(add(ControlKind::Combo, "Cmb_DWMC", QStringLiteral("所在单位:"))),
      Cmb_GWMC(add(ControlKind::Combo, "Cmb_GWMC", QStringLiteral("工作岗位:"))),
      Btn_FGFW(add(ControlKind::Button, "Btn_FGFW", QStringLiteral("设置此房管收费范围"))),
      Lb_Hint(add(
          ControlKind::Label, "Lb_Hint",
          QStringLiteral("房管范围即此房管员负责收费的房源片区；不同房管一般负责不同片区或费项"))),
      Lb_Note(add(ControlKind::Label, "Lb_Note",
                  QStringLiteral("没有配备专职收费员／房管员的不用输入"))) {
    Cmb_XB.setItems({QStringLiteral("男"), QStringLiteral("女")});
    addField("YGBH", Edt_FGBH);
    addField("XM", Edt_XM);
    addField("XB", Cmb_XB);
    addField("SZBM", Cmb_BMMC).list = QStringLiteral("部门");
    addField("SZDW", Cmb_DWMC).list = QStringLiteral("单位");
    addField("GZGW", Cmb_GWMC).list = QStringLiteral("岗位");
    addFixedColumn("BJ", 2);
    requireField(Edt_FGBH);
    requireField(Edt_XM);
    on(Btn_FGFW, Event::Click, [this] { Btn_FGFWClick(); });
}

void TFrm_2_FGY::FormShow() {
    // The key itself is never typed here; the caller's length limit applies to the code.
    Edt_FGBH.setMaxLength(KeyLength);
    RecordEditor::FormShow();
}

void TFrm_2_FGY::Btn_FGFWClick() {
    openWindow("TFrm_4_FGAZ", {{"AccessLevel", AccessLevel},
                               {"FGBH", currentKey()},
                               {"YGBH", Edt_FGBH.text().trimmed()},
                               {"XM", Edt_XM.text().trimmed()}});
}

}  // namespace wy
