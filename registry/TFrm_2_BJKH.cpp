#include "registry/TFrm_2_BJKH.h"

#include "db/Lists.h"
#include "registry/CellValues.h"

namespace wy {

namespace {
const QString kUnknownDate = QStringLiteral("2001-01-01");
}

TFrm_2_BJKH::TFrm_2_BJKH(Context& ctx)
    : RecordEditor(ctx, "TFrm_2_BJKH", QStringLiteral("§业主资料§"), "Tb_SYS_KHXX"),
      Edt_XQMC(add(ControlKind::Edit, "Edt_XQMC", QStringLiteral("小    区:"))),
      Edt_LDMC(add(ControlKind::Edit, "Edt_LDMC", QStringLiteral("楼    栋:"))),
      Edt_FYBH(add(ControlKind::Edit, "Edt_FYBH", QStringLiteral("房    号:"))),
      Lb_FH(add(ControlKind::Label, "Lb_FH")),
      Edt_YZBH(add(ControlKind::Edit, "Edt_YZBH", QStringLiteral("业主编号:"))),
      Edt_YZMC(add(ControlKind::Edit, "Edt_YZMC", QStringLiteral("业主姓名:"))),
      Cmb_XB(add(ControlKind::Combo, "Cmb_XB", QStringLiteral("性    别:"))),
      Cmb_MZ(add(ControlKind::Combo, "Cmb_MZ", QStringLiteral("民    族:"))),
      Edt_SFZH(add(ControlKind::Edit, "Edt_SFZH", QStringLiteral("身份证号:"))),
      Dat_CSRQ(add(ControlKind::Date, "Dat_CSRQ", QStringLiteral("出生日期:"))),
      Cmb_KHLB(add(ControlKind::Combo, "Cmb_KHLB", QStringLiteral("客户类别:"))),
      Cmb_FYZT(add(ControlKind::Combo, "Cmb_FYZT", QStringLiteral("房源状态:"))),
      Cmb_JG(add(ControlKind::Combo, "Cmb_JG", QStringLiteral("籍    贯:"))),
      Edt_RZRS(add(ControlKind::Edit, "Edt_RZRS", QStringLiteral("常住人口:"))),
      Edt_YB(add(ControlKind::Edit, "Edt_YB", QStringLiteral("邮    编:"))),
      Edt_SJH(add(ControlKind::Edit, "Edt_SJH", QStringLiteral("手 机 号:"))),
      Edt_ZY(add(ControlKind::Edit, "Edt_ZY", QStringLiteral("职    业:"))),
      Edt_DH(add(ControlKind::Edit, "Edt_DH", QStringLiteral("电    话:"))),
      Edt_DPMC(add(ControlKind::Edit, "Edt_DPMC", QStringLiteral("店铺名称:"))),
      Edt_DZ(add(ControlKind::Edit, "Edt_DZ", QStringLiteral("地    址:"))),
      Dat_ZZRQ(add(ControlKind::Date, "Dat_ZZRQ", QStringLiteral("终止日期:"))),
      Dat_RZRQ(add(ControlKind::Date, "Dat_RZRQ", QStringLiteral("入住日期:"))),
      Edt_JYR(add(ControlKind::Edit, "Edt_JYR", QStringLiteral("经 营 人:"))),
      Edt_HTBH(add(ControlKind::Edit, "Edt_HTBH", QStringLiteral("合同编号:"))),
      Cmb_SFBZ(add(ControlKind::Combo, "Cmb_SFBZ", QStringLiteral("收费标准:"))) {
    setCaption(QStringLiteral("业主资料"));
    Lb_FH.setVisible(false);
    Cmb_SFBZ.setVisible(false);
    for (Control* c : {&Edt_XQMC, &Edt_LDMC, &Edt_FYBH}) c->setReadOnly(true);
    setNumberField(Edt_YZBH);
    Cmb_XB.setItems({"男", "女"});
    Cmb_MZ.setItems(
        {"汉族", "维族", "回族", "蒙古族", "俄罗斯族", "哈萨克族", "克尔克孜族", "锡伯族"});
    Cmb_KHLB.setItems({"住户", "租户", "其它"});
    Cmb_JG.setItems({"新疆", "河南", "河北", "湖南", "湖北", "广东", "广西", "青海", "甘肃", "山西",
                     "陕西", "西藏", "安徽", "江西", "江苏", "山东", "吉林", "黑龙江", "辽宁"});

    // Saved columns of the record, in the order of its insert.
    addField("KHXM", Edt_YZMC).required = true;
    addField("XB", Cmb_XB);
    addField("MZ", Cmb_MZ);
    addField("CSRQ", Dat_CSRQ, FieldKind::Date);
    addField("ZJBH", Edt_SFZH);
    addField("DHHM", Edt_DH);
    addField("SJHM", Edt_SJH);
    addField("DZ", Edt_DZ);
    addField("YB", Edt_YB);
    addField("JG", Cmb_JG);
    addField("ZY", Edt_ZY);
    addField("KHLB", Cmb_KHLB);
    addField("FYBH", Lb_FH, FieldKind::Number);
    addField("DPMC", Edt_DPMC);
    addField("RZRQ", Dat_RZRQ, FieldKind::Date);
    addField("ZZRQ", Dat_ZZRQ, FieldKind::Date);
    addField("HTBH", Edt_HTBH);
    addField("JYRXM", Edt_JYR);
    // The house's own columns shown here change the house when the record is saved.
    for (Control* c : {&Cmb_FYZT, &Edt_RZRS, &Cmb_SFBZ})
        on(*c, Event::Change, [this] { setDirty(true); });
}

bool TFrm_2_BJKH::setParam(const QString& name, const QVariant& value) {
    if (name == "KeyColumn") {
        KeyColumn = "BH";  // KHBH is the record's BH under a second name
        return true;
    }
    if (name == "FYH") {
        house_ = value.toLongLong();
        return true;
    }
    return RecordEditor::setParam(name, value);
}

void TFrm_2_BJKH::FormShow() {
    fillFromList(dm(), Cmb_FYZT, QStringLiteral("房态"));
    fillFromList(dm(), Cmb_SFBZ, QStringLiteral("房型"));
    for (Control* d : {&Dat_CSRQ, &Dat_ZZRQ, &Dat_RZRQ}) d->setText(kUnknownDate);
    Edt_YZBH.setText(KeyValue);
    RecordEditor::FormShow();
    Btn_ADD.setEnabled(false);
}

void TFrm_2_BJKH::showHouse(qint64 house) {
    house_ = house;
    Lb_FH.setText(QString::number(house));
    const Row h =
        dm().first("SELECT XQMC,LDMC,FYBH,FYZT,RZRS,FYBZ2 FROM Uvw_FYXX WHERE BH=?", {house});
    Edt_XQMC.setText(h.text("XQMC"));
    Edt_LDMC.setText(h.text("LDMC"));
    Edt_FYBH.setText(h.text("FYBH"));
    Cmb_FYZT.selectText(h.text("FYZT"));
    Edt_RZRS.setText(h.text("RZRS"));
    Cmb_SFBZ.selectText(h.text("FYBZ2"));
}

void TFrm_2_BJKH::rowShown(const Row& row) {
    Edt_YZBH.setText(row.text("BH"));
    showHouse(row.integer("FYBH"));
}

void TFrm_2_BJKH::fieldsCleared() {
    Edt_YZBH.setText(QString::number(currentKey()));
    for (Control* d : {&Dat_CSRQ, &Dat_ZZRQ, &Dat_RZRQ}) d->setText(kUnknownDate);
    showHouse(house_);
    Edt_RZRS.setText("0");
}

bool TFrm_2_BJKH::validate() {
    // A record belongs to a house, and the residents are a count.
    return !Edt_YZBH.text().trimmed().isEmpty() && !Edt_YZMC.text().trimmed().isEmpty() &&
           house_ != 0 && cellInteger(Edt_RZRS.text()).has_value();
}

void TFrm_2_BJKH::afterInsert(qint64 key) {
    dm().exec("UPDATE Tb_FYXX SET FYZT=?,YZBH=?,RZRS=?,FYBZ2=? WHERE BH=?",
              {Cmb_FYZT.text(), key, *cellInteger(Edt_RZRS.text()), Cmb_SFBZ.text(), house_});
}

void TFrm_2_BJKH::afterSaved() {
    Edt_YZBH.setText(QString::number(currentKey()));
}

WY_REGISTER_WINDOW(TFrm_2_BJKH);

}  // namespace wy
