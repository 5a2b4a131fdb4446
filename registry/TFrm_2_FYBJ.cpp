#include "registry/TFrm_2_FYBJ.h"

#include "registry/CellValues.h"

namespace wy {

TFrm_2_FYBJ::TFrm_2_FYBJ(Context& ctx)
    : RecordEditor(ctx, "TFrm_2_FYBJ", QStringLiteral("§房源资料§"), "Tb_FYXX"),
      Edt_SYSBH(add(ControlKind::Edit, "Edt_SYSBH", QStringLiteral("系统编号:"))),
      Edt_FYBH(add(ControlKind::Edit, "Edt_FYBH", QStringLiteral("房源房号:"))),
      Edt_FYMC(add(ControlKind::Edit, "Edt_FYMC", QStringLiteral("房源名称:"))),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("所在小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("所属楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("所属单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("所属楼层:"))),
      Cmb_FYCX(add(ControlKind::Combo, "Cmb_FYCX", QStringLiteral("房屋朝向:"))),
      Cmb_FYHX(add(ControlKind::Combo, "Cmb_FYHX", QStringLiteral("房屋户型:"))),
      Cmb_FYJG(add(ControlKind::Combo, "Cmb_FYJG", QStringLiteral("房屋结构:"))),
      Cmb_FYLB(add(ControlKind::Combo, "Cmb_FYLB", QStringLiteral("房源类别:"))),
      Cmb_FYZT(add(ControlKind::Combo, "Cmb_FYZT", QStringLiteral("房源状态:"))),
      Cmb_FYXZ(add(ControlKind::Combo, "Cmb_FYXZ", QStringLiteral("房源性质:"))),
      Cmb_ZSBZ(add(ControlKind::Combo, "Cmb_ZSBZ", QStringLiteral("交易方式:"))),
      Cmb_YSES(add(ControlKind::Combo, "Cmb_YSES", QStringLiteral("新房旧房:"))),
      Edt_JZMJ(add(ControlKind::Edit, "Edt_JZMJ", QStringLiteral("建筑面积:"))),
      Edt_SYMJ(add(ControlKind::Edit, "Edt_SYMJ", QStringLiteral("收费面积:"))),
      Edt_ZJM(add(ControlKind::Edit, "Edt_ZJM", QStringLiteral("助 记 码:"))),
      Edt_BZ(add(ControlKind::Edit, "Edt_BZ", QStringLiteral("房源备注:"))),
      Edt_FYDJ(add(ControlKind::Edit, "Edt_FYDJ", QStringLiteral("租售单价:"))),
      Edt_FYZJ(add(ControlKind::Edit, "Edt_FYZJ", QStringLiteral("房源总价:"))),
      Edt_THXH(add(ControlKind::Edit, "Edt_THXH", QStringLiteral("梯户序号:"))),
      Dat_JGRQ(add(ControlKind::Date, "Dat_JGRQ", QStringLiteral("交工日期:"))),
      Lb_Tip1(add(ControlKind::Label, "Lb_Tip1",
                  QStringLiteral("房源房号须遵循统一规则且易懂、易读、唯一"))),
      Lb_Tip2(add(ControlKind::Label, "Lb_Tip2",
                  QStringLiteral("提醒:红色栏位是必填项；房号至少包含所属楼栋号和房号，并且不能\n"
                                 "重复，有多个小区的最好在房号中包含所属小区代号，方便操作"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC,
             {PlaceCascade::EntranceLabel::NumberAndWord, false}) {
    Mode = "ADD";  // opened without inputs, the editor adds a house
    KeyLength = 12;
    setNumberField(Edt_SYSBH);
    for (Control* hidden : {&Edt_SYSBH, &Edt_FYDJ, &Edt_FYZJ, &Edt_THXH, &Dat_JGRQ})
        hidden->setVisible(false);
    Cmb_FYCX.setItems({"东", "西", "南", "北", "东南", "西南", "东北", "西北"});
    Cmb_FYJG.setItems({"砖混", "钢筋", "其它"});
    Cmb_ZSBZ.setItems({"售", "租"});
    Cmb_YSES.setItems({"新房", "旧房"});

    // Saved columns in the order of the house table; the place, the owner and what this window
    // does not show are written after the insert (afterInsert).
    addField("FYBH", Edt_FYBH).required = true;
    addFixedColumn("THBH", 0);
    addFixedColumn("THXH", 0);
    addField("FYXH", Edt_THXH, FieldKind::Number);
    addField("FYMC", Edt_FYMC).required = true;
    addField("ZJM", Edt_ZJM);
    addField("JZMJ", Edt_JZMJ, FieldKind::Number);
    addField("SYMJ", Edt_SYMJ, FieldKind::Number);
    addField("FYHX", Cmb_FYHX).list = QStringLiteral("户型");
    addField("FYCX", Cmb_FYCX);
    addField("FYDJ", Edt_FYDJ, FieldKind::Number);
    addField("FYZJ", Edt_FYZJ, FieldKind::Number);
    addField("FYJG", Cmb_FYJG);
    addField("SHRQ", Cmb_FYLB).list = QStringLiteral("楼型");
    addFixedColumn("THS", 0);
    addField("JGRQ", Dat_JGRQ, FieldKind::Date);
    addField("FYFX", Cmb_FYXZ).list = QStringLiteral("房型");
    addField("JYMB", Cmb_ZSBZ);
    addField("YSES", Cmb_YSES);
    addField("FYZT", Cmb_FYZT).list = QStringLiteral("房态");
    addFixedColumn("YXBZ", QStringLiteral("单房"));
    addFixedColumn("ZFY", 1);
    addFixedColumn("TSLB", QString(""));
    addFixedColumn("QPBZ", 0);
    addField("FYBZ", Edt_BZ);
    addFixedColumn("FYBZ1", QString(""));
    addFixedColumn("FYBZ3", QString(""));
    addFixedColumn("FYBZ4", QString(""));
    // Set by the owner windows, the wizard's owner grid and leases: never changed here.
    for (const char* kept : {"YZBH", "RZRS", "RZRQ", "DYBZ", "FYBZ2"}) keepColumn(kept);

    for (const Field& f : fields())
        if (f.control) on(*f.control, Event::Change, [this] { Changed(); });
    on(Edt_FYBH, Event::Change, [this] { Edt_FYBHChange(); });
    place_.wire([this](Control& c, std::function<void()> h) { on(c, Event::Change, std::move(h)); },
                [this](PlaceLevel) { Changed(); });
}

void TFrm_2_FYBJ::FormShow() {
    place_.fillEstates();
    RecordEditor::FormShow();
}

bool TFrm_2_FYBJ::requiredFilled() const {
    return place_.estateKey() != 0 && place_.buildingKey() != 0 &&
           !Edt_FYBH.text().trimmed().isEmpty() && !Edt_FYMC.text().trimmed().isEmpty();
}

void TFrm_2_FYBJ::Changed() {
    setDirty(requiredFilled());
}

void TFrm_2_FYBJ::Edt_FYBHChange() {
    // The name follows the number while it is the shorter one, as people type numbers first.
    if (Edt_FYMC.text().size() < Edt_FYBH.text().size()) Edt_FYMC.setText(Edt_FYBH.text());
    Changed();
}

bool TFrm_2_FYBJ::validate() {
    if (Edt_SYSBH.text().trimmed().isEmpty() || !requiredFilled()) return false;
    for (Control* n : {&Edt_JZMJ, &Edt_SYMJ, &Edt_FYDJ, &Edt_FYZJ})
        if (!cellNumber(n->text())) return false;
    return bool(cellInteger(Edt_THXH.text()));
}

void TFrm_2_FYBJ::afterInsert(qint64 key) {
    dm().exec(
        "UPDATE Tb_FYXX SET DQBH=?,XQBH=?,LDBH=?,DYBH=?,LCBH=?,LDXH=?,DYXH=?,LCXH=?,SYSBH=? "
        "WHERE BH=?",
        {place_.estateDistrict(), place_.estateKey(), place_.buildingKey(), place_.entranceKey(),
         place_.floorKey(), place_.buildingSerial(), place_.entranceSerial(), place_.floorSerial(),
         QString::number(key), key});
}

void TFrm_2_FYBJ::rowShown(const Row& row) {
    // The place is shown by its keys, so that an entrance called A座 or a second building of the
    // same name is found as well.
    place_.select(row.integer("XQBH"), row.integer("LDBH"), row.integer("DYBH"),
                  row.integer("LCBH"));
    Edt_SYSBH.setText(row.text("BH"));
    // The door serial is shown from the position and written as the house's serial.
    Edt_THXH.setText(QString::number(row.integer("THXH")));
}

void TFrm_2_FYBJ::fieldsCleared() {
    Edt_SYSBH.setText(QString::number(currentKey()));
}

void TFrm_2_FYBJ::afterSaved() {
    Edt_SYSBH.setText(QString::number(currentKey()));
}

WY_REGISTER_WINDOW(TFrm_2_FYBJ);

}  // namespace wy
