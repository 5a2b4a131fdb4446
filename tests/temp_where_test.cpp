// Temp_Where belongs to one connection; the range picker's exclusions become the house
// condition a query wizard adds to its own.
#include <gtest/gtest.h>

#include "core/Window.h"
#include "registry/TempWhere.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

QString houses(TDm& dm, const QString& sql) {
    QStringList out;
    for (const Row& r : dm.rows(sql)) out << r.text(0);
    return out.join(',');
}

TEST(TempWhere, EachConnectionSeesOnlyItsOwnRows) {
    TestDb db;
    auto other = db.openAgain();
    for (auto [dm, house] : {std::pair<TDm*, int>{&db.dm(), 7}, {other.get(), 9}}) {
        Transaction t(*dm);
        dm->exec("Insert Into Temp_Where (FYH,TJ) Values(?,?)",
                 {house, QString("(BH<>%1)").arg(house)});
        t.commit();
    }
    EXPECT_EQ(houses(db.dm(), "Select FYH From Temp_Where"), "7");
    EXPECT_EQ(houses(*other, "Select FYH From Temp_Where"), "9");
    {
        Transaction t(*other);
        other->exec("Delete From Temp_Where");
        t.commit();
    }
    EXPECT_EQ(houses(db.dm(), "Select FYH From Temp_Where"), "7");
}

TEST(TempWhere, PickerExclusionsBecomeTheWizardCondition) {
    TestDb db;
    TDm& dm = db.dm();
    dm.exec("INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC) VALUES (1,'1','阳光小区')");
    dm.exec(
        "INSERT INTO Tb_FYXX (BH,FYBH,XQBH,LDBH,FYFX) VALUES "
        "(5,'1-1-101',1,1,'住宅'),(7,'1-1-102',1,1,'住宅'),(9,'1-1-103',1,1,'住宅')");
    // A wizard's grouping row is no exclusion.
    dm.exec("Insert Into Temp_Where (FYH,TJ,BZ,Flag) Values(1,'XQMC','小区名称',1)");
    EXPECT_EQ(excludedHousesCondition(dm), "");

    TestShell shell;
    Context ctx{dm, shell, {}};
    auto picker = createWindow("TFrm_15_1TC", ctx);
    ASSERT_TRUE(picker);
    picker->beginShow();
    picker->userSet(picker->control("Cmb_XQMC"), "阳光小区");
    Control& list = picker->control("Lv_Data");
    ASSERT_EQ(list.rowCount(), 3);
    for (int row : {1, 2}) {
        list.setRowChecked(row, false);
        picker->fire("Lv_Data", Event::Check, {row, -1});
    }
    picker->fire("Btn_Save", Event::Click);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages.front().text, "我知道了！");

    const QString condition = excludedHousesCondition(dm);
    EXPECT_EQ(condition, "(FYH In (Select BH From Uvw_FYXX Where (BH<>7) And (BH<>9)))");
    // The condition as a wizard adds it to its own, over a table that refers to houses by FYH.
    dm.exec("INSERT INTO Tb_2_AZFG (FGBH,FYH) VALUES (1,5),(1,7),(1,9)");
    EXPECT_EQ(houses(dm, "Select FYH From Tb_2_AZFG Where (FGBH=1) And " + condition), "5");
}

}  // namespace
}  // namespace wy::test
