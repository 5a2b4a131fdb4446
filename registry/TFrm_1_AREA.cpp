#include "registry/TFrm_1_AREA.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_1_AREA);

TFrm_1_AREA::TFrm_1_AREA(Context& ctx)
    : RecordEditor(ctx, "TFrm_1_AREA", QStringLiteral("§建立小区名称§"), "Tb_SYS_AREA"),
      Edt_XQBH(add(ControlKind::Edit, "Edt_XQBH", QStringLiteral("小区编号:"))),
      Edt_XQMC(add(ControlKind::Edit, "Edt_XQMC", QStringLiteral("小区名称:"))),
      Cmb_SZDQ(add(ControlKind::Combo, "Cmb_SZDQ", QStringLiteral("所在辖区:"))),
      Edt_SZDD(add(ControlKind::Edit, "Edt_SZDD", QStringLiteral("所处地段:"))),
      Edt_SJMJ(add(ControlKind::Edit, "Edt_SJMJ", QStringLiteral("设计面积:"))),
      Dat_JGRQ(add(ControlKind::Date, "Dat_JGRQ", QStringLiteral("施工日期:"))),
      Dat_ZSRQ(add(ControlKind::Date, "Dat_ZSRQ", QStringLiteral("销售日期:"))),
      Dat_RZRQ(add(ControlKind::Date, "Dat_RZRQ", QStringLiteral("完工日期:"))),
      Me_JYHJ(add(ControlKind::Memo, "Me_JYHJ", QStringLiteral("教育环境:"))),
      Me_GWHJ(add(ControlKind::Memo, "Me_GWHJ", QStringLiteral("购物环境:"))),
      Me_CWSS(add(ControlKind::Memo, "Me_CWSS", QStringLiteral("车位设施:"))),
      Me_KLSS(add(ControlKind::Memo, "Me_KLSS", QStringLiteral("康乐设施:"))),
      Me_JTHJ(add(ControlKind::Memo, "Me_JTHJ", QStringLiteral("交通环境:"))),
      Me_QDNR(add(ControlKind::Memo, "Me_QDNR", QStringLiteral("物业管理:"))),
      Me_JDJL(add(ControlKind::Memo, "Me_JDJL", QStringLiteral("进度记录:"))),
      Me_XQTS(add(ControlKind::Memo, "Me_XQTS", QStringLiteral("小区特色:"))),
      Me_XGWJ(add(ControlKind::Memo, "Me_XGWJ", QStringLiteral("相关文件:"))) {
    Cmb_SZDQ.setEditable(true);  // a district not in the list may be typed
    for (Control* d : {&Dat_JGRQ, &Dat_ZSRQ, &Dat_RZRQ}) d->setVisible(false);

    // The save writes the columns in this order after BH.
    addField("XQBH", Edt_XQBH);
    addField("XQMC", Edt_XQMC);
    addField("SZDQ", Cmb_SZDQ);
    addField("SJMJ", Edt_SJMJ, FieldKind::Number);
    addField("XQDD", Edt_SZDD);
    addField("JGRQ", Dat_JGRQ, FieldKind::Date);
    addField("FSRQ", Dat_ZSRQ, FieldKind::Date);
    addField("RZRQ", Dat_RZRQ, FieldKind::Date);
    addField("JYHJ", Me_JYHJ);
    addField("GWHJ", Me_GWHJ);
    addField("CWSS", Me_CWSS);
    addField("KLSS", Me_KLSS);
    addField("JTHJ", Me_JTHJ);
    addField("QDNR", Me_QDNR);
    addField("JDJL", Me_JDJL);
    addField("XQTS", Me_XQTS);
    addField("XGWJ", Me_XGWJ);
    requireField(Edt_XQBH);
    requireField(Edt_XQMC);
    setNumberField(Edt_XQBH);
}

void TFrm_1_AREA::FormShow() {
    setDatesToday();
    RecordEditor::FormShow();
}

void TFrm_1_AREA::fillLookups() {
    RecordEditor::fillLookups();
    QStringList districts;
    for (const Row& r : dm().rows("Select DQMC From Tb_SYS_DQXX Order BY BH"))
        districts << r.text(0);
    Cmb_SZDQ.setItems(districts);
    Cmb_SZDQ.setItemIndex(districts.isEmpty() ? -1 : 0);
}

void TFrm_1_AREA::fieldsCleared() {
    // The estate code proposed for a new estate is its serial number.
    Edt_XQBH.setText(QString::number(currentKey()));
    setDatesToday();
}

void TFrm_1_AREA::beforeInsert(qint64 key) {
    // Another workstation may have taken the proposed serial meanwhile: a code that is still
    // the proposal follows the key the estate really gets.
    if (isNewRow() && Edt_XQBH.text().trimmed() == QString::number(currentKey()))
        Edt_XQBH.setText(QString::number(key));
}

void TFrm_1_AREA::setDatesToday() {
    for (Control* d : {&Dat_JGRQ, &Dat_ZSRQ, &Dat_RZRQ}) d->setText(ctx().today());
}

}  // namespace wy
