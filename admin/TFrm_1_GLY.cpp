#include "admin/TFrm_1_GLY.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_1_GLY);

TFrm_1_GLY::TFrm_1_GLY(Context& ctx)
    : RecordEditor(ctx, "TFrm_1_GLY", QStringLiteral("§操作用户§"), "Tb_SYS_GLY"),
      Edt_YHBH(add(ControlKind::Edit, "Edt_YHBH", QStringLiteral("用户帐号:"))),
      Edt_YHXM(add(ControlKind::Edit, "Edt_YHXM", QStringLiteral("用户姓名:"))),
      Edt_DLMM(add(ControlKind::Edit, "Edt_DLMM", QStringLiteral("登陆密码:"))),
      Cmb_SZDW(add(ControlKind::Combo, "Cmb_SZDW", QStringLiteral("物业单位:"))),
      Cmb_SZBM(add(ControlKind::Combo, "Cmb_SZBM", QStringLiteral("所属部门:"))),
      Cmb_GZGW(add(ControlKind::Combo, "Cmb_GZGW", QStringLiteral("工作岗位:"))),
      Btn_QX(add(ControlKind::Button, "Btn_QX", QStringLiteral("分配操作权限"))) {
    Edt_DLMM.setPassword(true);  // kept as typed: the login compares without letter case
    // Saved columns: BH, YHBH, YHXM, YHMM, YHJS, SZDW, SZBM.
    addField("YHBH", Edt_YHBH);
    addField("YHXM", Edt_YHXM);
    addField("YHMM", Edt_DLMM);
    addField("YHJS", Cmb_GZGW).list = QStringLiteral("岗位");
    addField("SZDW", Cmb_SZDW).list = QStringLiteral("单位");
    addField("SZBM", Cmb_SZBM).list = QStringLiteral("部门");
    requireField(Edt_YHBH);
    requireField(Edt_YHXM);
    setNumberField(Edt_YHBH);
    on(Btn_QX, Event::Click, [this] { openWindow("TFrm_14_Soft"); });
}

void TFrm_1_GLY::FormShow() {
    RecordEditor::FormShow();
    if (showingAdministrator_)
        message(QStringLiteral("管理员账号SYSTEM不允许修改！"), QStringLiteral("提醒"),
                Icon::Warning);
}

void TFrm_1_GLY::rowShown(const Row& row) {
    // The administrator's number stays what it is, however his row was reached.
    showingAdministrator_ = row.text("YHBH") == kAdministrator;
    Edt_YHBH.setReadOnly(showingAdministrator_ || KeyReadOnly);
}

void TFrm_1_GLY::fieldsCleared() {
    showingAdministrator_ = false;
    Edt_YHBH.setReadOnly(KeyReadOnly);
}

bool TFrm_1_GLY::validate() {
    if (!RecordEditor::validate()) return false;
    // An operator number names one operator: a second "SYSTEM" would log in as administrator.
    return !dm().exists("Select 1 From Tb_SYS_GLY Where UPPER(YHBH)=UPPER(?) And BH<>?",
                        {Edt_YHBH.text().trimmed(), currentKey()});
}

bool TFrm_1_GLY::confirmSave() {
    return askYesNo(QStringLiteral("保存数据吗？"));
}

}  // namespace wy
