#include "reports/output/TFrm_9_CXCD.h"

#include "db/Lists.h"
#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_9_CXCD);

namespace {
const QString kAllBuildings = QStringLiteral("所有楼栋");
const QString kAllEntrances = QStringLiteral("所有单元");
const QString kAllFloors = QStringLiteral("所有楼层");
const QString kOffsetTitle = QStringLiteral("查询冲抵款");
constexpr int kOffsetMode = 2;
}  // namespace

TFrm_9_CXCD::TFrm_9_CXCD(Context& ctx)
    : Window(ctx, "TFrm_9_CXCD", QStringLiteral("查询条件")),
      Lb_Title(add(ControlKind::Label, "Lb_Title", kOffsetTitle)),
      Dat_From(add(ControlKind::Date, "Dat_From", QStringLiteral("从"))),
      Dat_To(add(ControlKind::Date, "Dat_To", QStringLiteral("到"))),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区名称:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼    栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单    元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼    层:"))),
      Cmb_XX(add(ControlKind::Combo, "Cmb_XX", QStringLiteral("房源类别:"))),
      Edt_FH(add(ControlKind::Edit, "Edt_FH", QStringLiteral("房    号:"))),
      Edt_YZ(add(ControlKind::Edit, "Edt_YZ", QStringLiteral("业主姓名:"))),
      Cmb_SFZX(add(ControlKind::Combo, "Cmb_SFZX", QStringLiteral("收费专项:"))),
      Cmb_FXLB(add(ControlKind::Combo, "Cmb_FXLB", QStringLiteral("费项类别:"))),
      Cmb_SFY(add(ControlKind::Combo, "Cmb_SFY", QStringLiteral("收 费 员:"))),
      Btn_OK(add(ControlKind::Button, "Btn_OK", QStringLiteral("确 定"))),
      Btn_Cancel(add(ControlKind::Button, "Btn_Cancel", QStringLiteral("取 消"))) {
    style.fixedSize = true;
    style.width = 640;
    style.height = 320;
    on(Cmb_XQMC, Event::Change, [this] { Cmb_XQMCChange(); });
    on(Cmb_LDMC, Event::Change, [this] { Cmb_LDMCChange(); });
    on(Btn_OK, Event::Click, [this] { Btn_OKClick(); });
    on(Btn_Cancel, Event::Click, [this] { Close(mrCancel); });
}

void TFrm_9_CXCD::fill(Control& combo, QVector<qint64>& keys, const QString& sql,
                       const QVariantList& binds, const QString& suffix) {
    combo.beginUpdate();
    combo.clearItems();
    keys.clear();
    for (const Row& r : dm().rows(sql, binds)) {
        combo.addItem(r.text(1) + suffix);
        keys.append(r.integer(0));
    }
    combo.endUpdate();
}

std::optional<qint64> TFrm_9_CXCD::chosenKey(const Control& combo, const QVector<qint64>& keys) {
    const int i = combo.itemIndex();
    if (i < 0 || i >= keys.size()) return std::nullopt;  // nothing chosen, or the "所有…" entry
    return keys[i];
}

void TFrm_9_CXCD::FormShow() {
    Dat_From.setText(ctx().today());
    Dat_To.setText(ctx().today());
    fill(Cmb_XQMC, estateKeys_, "Select BH,XQMC,SZDQ From Tb_SYS_AREA Order BY BH", {});
    Cmb_LDMC.clearItems();
    Cmb_DYMC.clearItems();
    Cmb_LCMC.clearItems();

    Cmb_XX.setItems(QStringList{QStringLiteral("全部业主")} +
                    lookupList(dm(), QStringLiteral("房型")));
    Cmb_XX.setItemIndex(0);
    Cmb_FXLB.setItems(QStringList{QStringLiteral("  ")} + lookupList(dm(), QStringLiteral("费项")));

    // "全部" first, then the batches (managers) with their keys: key i belongs to item i + 1.
    fill(Cmb_SFZX, batchKeys_, "Select BH,RWMC From Tb_2_SFRW Order BY BH", {});
    Cmb_SFZX.setItems(QStringList{QStringLiteral("全部")} + Cmb_SFZX.items());
    batchKeys_.prepend(0);
    Cmb_SFZX.setItemIndex(0);
    fill(Cmb_SFY, managerKeys_, "Select BH,XM From Tb_SYS_DWYG Where BJ=2", {});
    Cmb_SFY.setItems(QStringList{QStringLiteral("全部")} + Cmb_SFY.items());
    managerKeys_.prepend(0);
    Cmb_SFY.setItemIndex(0);
}

void TFrm_9_CXCD::Cmb_XQMCChange() {
    const auto estate = chosenKey(Cmb_XQMC, estateKeys_);
    if (!estate) return;
    const QString shown = Cmb_LDMC.text();
    fill(Cmb_LDMC, buildingKeys_, "Select BH,LDMC,LDXH From Tb_SYS_XQLD WHERE XQBH=? Order BY BH",
         {*estate});
    Cmb_LDMC.addItem(kAllBuildings);
    // The building of the same name stays chosen when the new estate has one.
    const int same = Cmb_LDMC.items().indexOf(shown);
    Cmb_LDMC.setItemIndex(same);
    loadEntrancesAndFloors();
    Cmb_DYMC.setItemIndex(-1);
}

void TFrm_9_CXCD::Cmb_LDMCChange() {
    loadEntrancesAndFloors();
}

void TFrm_9_CXCD::loadEntrancesAndFloors() {
    const auto building = chosenKey(Cmb_LDMC, buildingKeys_);
    if (!building) {
        Cmb_DYMC.clearItems();
        Cmb_LCMC.clearItems();
        entranceKeys_.clear();
        floorKeys_.clear();
        return;
    }
    fill(Cmb_DYMC, entranceKeys_, "Select BH,DYXH From Tb_SYS_DYTH WHERE LDBH=? Order BY BH",
         {*building}, QStringLiteral("单元"));
    Cmb_DYMC.addItem(kAllEntrances);
    fill(Cmb_LCMC, floorKeys_, "Select BH,LCXH From Tb_SYS_LCSX WHERE LDBH=? Order BY BH",
         {*building}, QStringLiteral("层"));
    Cmb_LCMC.addItem(kAllFloors);
}

OffsetFilter TFrm_9_CXCD::filter() const {
    OffsetFilter f;
    f.from = Dat_From.text();
    f.to = Dat_To.text();
    f.feeItem = Cmb_FXLB.text();
    f.houseNo = Edt_FH.text();
    f.ownerName = Edt_YZ.text();
    if (Cmb_SFY.itemIndex() > 0) f.manager = chosenKey(Cmb_SFY, managerKeys_);
    if (Cmb_SFZX.itemIndex() > 0) f.batch = chosenKey(Cmb_SFZX, batchKeys_);
    if (Cmb_XX.itemIndex() > 0) f.houseType = Cmb_XX.text();
    f.estate = chosenKey(Cmb_XQMC, estateKeys_);
    f.building = chosenKey(Cmb_LDMC, buildingKeys_);
    f.entrance = chosenKey(Cmb_DYMC, entranceKeys_);
    f.floor = chosenKey(Cmb_LCMC, floorKeys_);
    return f;
}

void TFrm_9_CXCD::Btn_OKClick() {
    Condition = BuildOffsetCondition(filter());
    Mode = kOffsetMode;
    if (Tag == 1)
        openWindow("TFrm_5_Report",
                   {{"Condition", Condition}, {"Title", kOffsetTitle}, {"Mode", Mode}});
    Close(mrOk);
}

}  // namespace wy
