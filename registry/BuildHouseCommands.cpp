// The commands of the house wizard: generating and clearing a building's houses, deleting a
// house from the owner grid, the house editor, pasting owners from a spreadsheet.
#include <QDir>

#include "db/TDm.h"
#include "registry/HouseGeneration.h"
#include "registry/HouseReferences.h"
#include "registry/OwnerGrid.h"
#include "registry/OwnerTemplate.h"
#include "registry/TFrm_1_BuildHouse.h"

namespace wy {

namespace {
// From this size on, generation shows its progress.
constexpr int kProgressFrom = 200;
}  // namespace

void TFrm_1_BuildHouse::Btn_BuildClick() {
    if (shownPage_ == Generation)
        b_.generated ? ClearHouses() : Generate();
    else if (shownPage_ == Owners)
        DeleteOwnerRow();
}

void TFrm_1_BuildHouse::Generate() {
    if (!canModify()) return;
    const QString prefix = Edt_FHQZ.text().trimmed();
    if (prefix.isEmpty() && dm().integer("SELECT COUNT(*) FROM Tb_SYS_AREA") > 1) {
        message(QStringLiteral("注意：房号前缀一栏不能为空,请阅读下面的说明！"));
        return;
    }
    if (!askYesNo(QStringLiteral("是否立即生成本栋房源？"), QStringLiteral("^!^"), Icon::Warning))
        return;
    const auto rule = NumberingRule(Cmb_FHGZ.itemIndex() + 1);
    if (rule == NumberingRule::Custom) {
        const QString site = dm().text("SELECT CSZ FROM Tb_SYS_Param WHERE CSMC=? AND BJ=9",
                                       {QStringLiteral("网站首页")});
        const QString phone = dm().text("SELECT CSZ FROM Tb_SYS_Param WHERE CSMC=? AND BJ=9",
                                        {QStringLiteral("客服电话")});
        message(QStringLiteral("请与我们联系，我们将为您定制房号规则。\n网址:%1\n客服电话:%2")
                    .arg(site, phone));
        return;
    }
    int made = 0;
    try {
        const int planned = plannedHouses(dm(), b_.building);
        std::unique_ptr<Progress> progress;
        if (planned >= kProgressFrom)
            progress = shell().progress(QStringLiteral("正在生成房源..."), planned);
        Transaction t(dm());
        made = generateHouses(dm(), b_.building, rule, prefix, [&progress](int done) {
            if (!progress) return true;
            if (done % 50 == 0) progress->setValue(done);
            return !progress->canceled();
        });
        if (made <= 0) {
            if (made == 0) message(QStringLiteral("本栋楼层或梯户尚未建立，没有可生成的房源！"));
            return;  // stopped or nothing to make: the transaction rolls back
        }
        t.commit();
    } catch (const std::exception&) {
        message(QStringLiteral("执行操作失败！"));
        return;
    }
    // The layout is frozen from now on; the step shows the new state.
    b_.generated = true;
    BuildingChosenState();
}

void TFrm_1_BuildHouse::ClearHouses() {
    if (!canModify()) return;
    if (!askYesNo(QStringLiteral("是否立即清除本栋房源？"), QStringLiteral("^!^"), Icon::Warning))
        return;
    try {
        Transaction t(dm());
        const HouseSet houses = HouseSet::building(b_.building);
        if (const auto use = findHouseUse(dm(), houses)) {
            message(houseInUseMessage(*use, houses), QStringLiteral("提示"), Icon::Warning);
            return;
        }
        deleteHouses(dm(), houses);
        markNotGenerated(dm(), b_.building);
        t.commit();
    } catch (const std::exception&) {
        message(QStringLiteral("执行操作失败！"));
        return;
    }
    b_.generated = false;
    BuildingChosenState();
}

void TFrm_1_BuildHouse::BuildingChosenState() {
    setLayoutEditable(StrGrd_LCSX, LayoutGrid::Floors, b_.generated);
    setLayoutEditable(StrGrd_DYTH, LayoutGrid::Entrances, b_.generated);
    setLayoutEditable(StrGrd_THXX, LayoutGrid::Positions, b_.generated);
    loadPage(shownPage_);
    // Until the building is chosen again, so that one click does not undo the other.
    Btn_Build.setEnabled(false);
}

void TFrm_1_BuildHouse::DeleteOwnerRow() {
    if (!canModify()) return;
    const int row = StrGrd_ZH.row();
    if (row < 1 || row >= StrGrd_ZH.rowCount()) {
        message(QStringLiteral("请在表格中点击选择要操作的行"));
        return;
    }
    if (!askYesNo(QStringLiteral("是否确定要删除所在行？"), QStringLiteral("^!^"))) return;
    const QString house = StrGrd_ZH.cell(OwnerCol::House, row).trimmed();
    const QString owner = StrGrd_ZH.cell(OwnerCol::Owner, row).trimmed();
    try {
        Transaction t(dm());
        if (!house.isEmpty()) {
            const HouseSet one = HouseSet::house(house.toLongLong());
            if (const auto use = findHouseUse(dm(), one)) {
                message(houseInUseMessage(*use, one), QStringLiteral("提示"), Icon::Warning);
                return;
            }
            deleteHouses(dm(), one);
        }
        if (!owner.isEmpty()) dm().exec("DELETE FROM Tb_SYS_KHXX WHERE BH=?", {owner.toLongLong()});
        t.commit();
    } catch (const std::exception&) {
        message(QStringLiteral("执行操作失败！"));
        return;
    }
    StrGrd_ZH.setRow(row, {});
}

void TFrm_1_BuildHouse::Btn_EditClick() {
    const int row = StrGrd_ZH.row();
    const QString house = row >= 1 ? StrGrd_ZH.cell(OwnerCol::House, row).trimmed() : QString();
    if (house.isEmpty()) {
        message(QStringLiteral("请在表格中点击选择要操作的行"));
        return;
    }
    if (!canModify()) return;
    openWindow("TFrm_2_FYBJ", {{"KeyColumn", "BH"}, {"KeyValue", house}, {"Mode", "MODIFY"}});
    BuildingChosen();
}

void TFrm_1_BuildHouse::Btn_AddFYClick() {
    if (!canModify()) return;
    openWindow("TFrm_2_FYBJ", {{"Mode", "ADD"}});
    BuildingChosen();
}

void TFrm_1_BuildHouse::Btn_PasteClick() {
    if (!pasteOwners(StrGrd_ZH, shell().clipboardText()))
        message(QStringLiteral("不够14列,请在excel文件中从左至右选择14列!"));
    Btn_Save.setEnabled(true);
}

void TFrm_1_BuildHouse::Btn_ModelClick() {
    shell().openUrl(ownerTemplateFile(StrGrd_ZH));
}

void TFrm_1_BuildHouse::Btn_AddLDClick() {
    if (!canModify()) return;
    openWindow("TFrm_1_XQLD", {{"Mode", "ADD"},
                               {"KeyColumn", "BH"},
                               {"KeyLength", 9},
                               {"KeyReadOnly", true},
                               {"AccessLevel", AccessLevel}});
    place_.select(b_.estate, b_.building);
    BuildingChosen();
}

}  // namespace wy
