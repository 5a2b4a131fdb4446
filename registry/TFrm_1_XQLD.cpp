#include "registry/TFrm_1_XQLD.h"

#include "db/Lists.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_1_XQLD);

namespace {
const QString kBuildingType = QStringLiteral("楼型");
const QString kDefaultType = QStringLiteral("商品房");
}  // namespace

TFrm_1_XQLD::TFrm_1_XQLD(Context& ctx)
    : RecordEditor(ctx, "TFrm_1_XQLD", QStringLiteral("§楼栋资料§"), "Tb_SYS_XQLD"),
      Edt_LDBH(add(ControlKind::Edit, "Edt_LDBH", QStringLiteral("系统编号:"))),
      Edt_LDXH(add(ControlKind::Edit, "Edt_LDXH", QStringLiteral("楼栋序号:"))),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("所在小区:"))),
      Edt_LDMC(add(ControlKind::Edit, "Edt_LDMC", QStringLiteral("楼 栋 号:"))),
      Edt_LDCS(add(ControlKind::Edit, "Edt_LDCS", QStringLiteral("楼栋层数:"))),
      Edt_LDDYS(add(ControlKind::Edit, "Edt_LDDYS", QStringLiteral("单 元 数:"))),
      Edt_ZHS(add(ControlKind::Edit, "Edt_ZHS", QStringLiteral("总 户 数:"))),
      Cmb_FYLB(add(ControlKind::Combo, "Cmb_FYLB", QStringLiteral("楼栋类别:"))),
      Dat_JGRQ(add(ControlKind::Date, "Dat_JGRQ", QStringLiteral("交工日期:"))),
      Dat_RZRQ(add(ControlKind::Date, "Dat_RZRQ", QStringLiteral("起售日期:"))),
      Button1(add(ControlKind::Button, "Button1", QStringLiteral("类别设置"))) {
    Edt_LDBH.setUpperCase(true);
    Cmb_FYLB.setEditable(true);  // keeps "商品房" even before the list holds it
    for (Control* c : {&Edt_LDBH, &Edt_LDXH, &Edt_ZHS, &Dat_JGRQ, &Dat_RZRQ}) c->setVisible(false);

    // The save writes the columns in this order after BH. LDBH and LDXH are copies of BH.
    addField("LDBH", Edt_LDBH).keyCopy = true;
    addFixedColumn("XQBH", {});  // the key of the estate chosen by name, see fieldValue
    addField("LDXH", Edt_LDXH).keyCopy = true;
    addField("LDMC", Edt_LDMC);
    addField("LDCS", Edt_LDCS, FieldKind::Number);
    addField("LDDYS", Edt_LDDYS, FieldKind::Number);
    // Loaded with the row, so a re-save keeps the days the building was entered with; the
    // house wizard copies RZRQ into every generated house.
    addField("JGRQ", Dat_JGRQ, FieldKind::Date);
    addField("RZRQ", Dat_RZRQ, FieldKind::Date);
    addField("ZHS", Edt_ZHS, FieldKind::Number);
    addField("FYLB", Cmb_FYLB);
    for (Control* c : {&Edt_LDBH, &Edt_LDXH, &Edt_LDCS, &Edt_LDDYS, &Edt_ZHS, &Cmb_FYLB, &Edt_LDMC})
        requireField(*c);
    // Set by the house wizard; a re-save must not unlock a generated building's layout.
    keepColumn("LDBZ1");
    setNumberField(Edt_LDBH);

    // The estate list shows names but stands for keys, so it is loaded and read here rather
    // than as a field of its own column.
    on(Cmb_XQMC, Event::Change, [this] { setDirty(true); });
    on(Edt_LDCS, Event::Change, [this] { keepDigits(Edt_LDCS); });
    on(Edt_LDDYS, Event::Change, [this] { keepDigits(Edt_LDDYS); });

    on(Button1, Event::Click, [this] { Button1Click(); });
}

void TFrm_1_XQLD::FormShow() {
    setDatesToday();
    RecordEditor::FormShow();
}

void TFrm_1_XQLD::fillLookups() {
    RecordEditor::fillLookups();
    QStringList names;
    estateKeys_.clear();
    for (const Row& r : dm().rows("Select BH,XQMC From Tb_SYS_AREA Order BY BH")) {
        estateKeys_ << r.integer("BH");
        names << r.text("XQMC");
    }
    Cmb_XQMC.setItems(names);
    Cmb_XQMC.setItemIndex(names.isEmpty() ? -1 : 0);
    fillCategories();
    Cmb_FYLB.setItemIndex(Cmb_FYLB.items().isEmpty() ? -1 : 0);
}

void TFrm_1_XQLD::fillCategories() {
    const QString current = Cmb_FYLB.text();
    Cmb_FYLB.setItems(lookupList(dm(), kBuildingType));
    Cmb_FYLB.selectText(current);
}

void TFrm_1_XQLD::fieldsCleared() {
    Edt_LDBH.setText(QString::number(currentKey()));
    Edt_LDXH.setText(Edt_LDBH.text());
    // Floors and entrances are left empty so that they must be typed.
    Edt_LDCS.setText({});
    Edt_LDDYS.setText({});
    Cmb_FYLB.selectText(kDefaultType);
    setDatesToday();
    lockLayout(false);
}

void TFrm_1_XQLD::rowShown(const Row& row) {
    // The estate is chosen by its key: two estates may carry the same name.
    Cmb_XQMC.setItemIndex(estateKeys_.indexOf(row.integer("XQBH")));
    lockLayout(row.text("LDBZ1") == QStringLiteral("是"));
}

void TFrm_1_XQLD::lockLayout(bool generated) {
    // The houses of a generated building carry its estate, floors and entrances; those stay
    // fixed until the houses are cleared in the house wizard.
    for (Control* c : {&Cmb_XQMC, &Edt_LDCS, &Edt_LDDYS}) c->setEnabled(!generated);
}

void TFrm_1_XQLD::keepDigits(Control& c) {
    // Floors and entrances take digits only; any other key is swallowed.
    QString digits;
    for (QChar ch : c.text())
        if (ch >= '0' && ch <= '9') digits += ch;
    if (digits != c.text()) c.setText(digits);
    setDirty(true);
}

bool TFrm_1_XQLD::validate() {
    Edt_LDXH.setText(Edt_LDBH.text());
    const int estate = Cmb_XQMC.itemIndex();
    return RecordEditor::validate() && estate >= 0 && estate < estateKeys_.size();
}

QVariant TFrm_1_XQLD::fieldValue(const Field& f) const {
    if (f.column == "XQBH") return estateKeys_.value(Cmb_XQMC.itemIndex());
    return RecordEditor::fieldValue(f);
}

void TFrm_1_XQLD::afterSaved() {
    // A new building takes its key under the write lock; show the key it got.
    Edt_LDBH.setText(QString::number(currentKey()));
    Edt_LDXH.setText(Edt_LDBH.text());
}

void TFrm_1_XQLD::Button1Click() {
    openWindow("TFrm_1_Param", {{"AccessLevel", login().AccessLevel}});
    fillCategories();
}

void TFrm_1_XQLD::setDatesToday() {
    for (Control* d : {&Dat_JGRQ, &Dat_RZRQ}) d->setText(ctx().today());
}

}  // namespace wy
