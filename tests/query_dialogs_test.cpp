// The prepayment-offset condition (builder and dialog) and the save-report dialog.
#include <gtest/gtest.h>

#include "reports/output/OffsetCondition.h"
#include "reports/output/TFrm_15_BB.h"
#include "reports/output/TFrm_9_CXCD.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

const QString kDates = "Where (CDRQ Between '2026-12-01' And '2026-12-11')";

TEST(OffsetCondition, EachChosenFieldAddsItsClauseInOrder) {
    struct Case {
        const char* name;
        std::function<void(OffsetFilter&)> set;
        QString tail;
    };
    const Case cases[] = {
        {"nothing chosen: the date range only", [](OffsetFilter&) {}, ""},
        {"blank fee item and texts",
         [](OffsetFilter& f) {
             f.feeItem = "  ";
             f.houseNo = " ";
         },
         ""},
        {"fee item", [](OffsetFilter& f) { f.feeItem = "物业费"; }, " And (ZKLB='物业费')"},
        {"house number", [](OffsetFilter& f) { f.houseNo = " 1-2-304 "; },
         " And (FYBH ='1-2-304')"},
        {"owner quoted", [](OffsetFilter& f) { f.ownerName = "O'Neil"; }, " And (KHXM ='O''Neil')"},
        {"manager", [](OffsetFilter& f) { f.manager = 7; },
         " And (FYH In (Select FYH From Tb_2_AZFG Where FGBH=7))"},
        {"batch", [](OffsetFilter& f) { f.batch = 3; }, " And (RWBH=3)"},
        {"house type", [](OffsetFilter& f) { f.houseType = "商铺"; }, " And (FYFX='商铺')"},
        {"place",
         [](OffsetFilter& f) {
             f.estate = 1;
             f.building = 2;
             f.entrance = 3;
             f.floor = 4;
         },
         " And (XQBH=1) And (LDBH=2) And (DYBH=3) And (LCBH=4)"},
        {"everything, in the fixed order",
         [](OffsetFilter& f) {
             f.floor = 4;
             f.estate = 1;
             f.houseType = "住宅";
             f.batch = 3;
             f.manager = 7;
             f.ownerName = "王";
             f.houseNo = "1";
             f.feeItem = "水费";
         },
         " And (ZKLB='水费') And (FYBH ='1') And (KHXM ='王') And (FYH In (Select FYH From "
         "Tb_2_AZFG Where FGBH=7))"
         " And (RWBH=3) And (FYFX='住宅') And (XQBH=1) And (LCBH=4)"},
    };
    for (const Case& c : cases) {
        OffsetFilter f;
        f.from = "2026-12-01";
        f.to = "2026-12-11";
        c.set(f);
        EXPECT_EQ(BuildOffsetCondition(f), kDates + c.tail) << c.name;
    }
}

TEST(OffsetCondition, RunsAsSqlAndTypedQuotesFindNothingExtra) {
    TestDb db;
    TDm& dm = db.dm();
    dm.exec(
        "CREATE TEMP TABLE offsets (FYH INTEGER, FYBH TEXT, KHXM TEXT, ZKLB TEXT, RWBH INTEGER, "
        "FYFX TEXT,"
        " XQBH INTEGER, LDBH INTEGER, DYBH INTEGER, LCBH INTEGER, CDRQ TEXT)");
    Transaction t(dm);
    dm.exec(
        "INSERT INTO offsets VALUES (1,'1-1-101','张三','物业费',3,'住宅',1,2,3,4,'2026-12-05')");
    dm.exec("INSERT INTO offsets VALUES (2,'1-1-102','李四','水费',3,'住宅',1,2,3,4,'2026-12-11')");
    dm.exec("INSERT INTO offsets VALUES (3,'1-1-103','王五','水费',3,'住宅',1,2,3,4,'2026-12-12')");
    dm.exec("INSERT INTO Tb_2_AZFG (FGBH,FYH) VALUES (7,2)");
    t.commit();
    auto count = [&](const std::function<void(OffsetFilter&)>& set) {
        OffsetFilter f{"2026-12-01", "2026-12-11"};
        set(f);
        return dm.integer("Select count(*) From offsets " + BuildOffsetCondition(f));
    };
    EXPECT_EQ(count([](OffsetFilter&) {}), 2);  // the last day counts, the day after does not
    EXPECT_EQ(count([](OffsetFilter& f) { f.manager = 7; }), 1);
    EXPECT_EQ(count([](OffsetFilter& f) {
                  f.feeItem = "水费";
                  f.estate = 1;
                  f.floor = 4;
              }),
              1);
    EXPECT_EQ(count([](OffsetFilter& f) { f.houseNo = "x' Or '1'='1"; }), 0);
}

class Dialogs : public ::testing::Test {
protected:
    Dialogs() {
        ctx.now = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); };
    }

    // Opens the window, lets `play` work it as the person would, and returns it once closed.
    template <typename T>
    std::unique_ptr<T> run(qint64 tag, std::function<void(T&)> play) {
        auto w = std::make_unique<T>(ctx);
        w->Tag = tag;
        shell.play = [&](Window& shown) { play(static_cast<T&>(shown)); };
        shell.showModal(*w);
        EXPECT_TRUE(w->isClosed());
        return w;
    }

    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {kAdministrator}};
};

TEST_F(Dialogs, OffsetConditionDialogFollowsThePlaceCascadeAndHandsBackItsCondition) {
    TDm& dm = db.dm();
    dm.exec("CREATE TABLE IF NOT EXISTS Tb_2_SFRW (BH INTEGER PRIMARY KEY, RWMC VARCHAR(100))");
    Transaction t(dm);
    dm.runScript(
        "INSERT INTO Tb_SYS_AREA (BH,XQMC) VALUES (1,'阳光小区'),(2,'金色家园');"
        "INSERT INTO Tb_SYS_XQLD (BH,XQBH,LDXH,LDMC) VALUES "
        "(11,1,1,'1栋'),(12,1,2,'2栋'),(21,2,1,'1栋');"
        "INSERT INTO Tb_SYS_DYTH (BH,LDBH,DYXH) VALUES (111,11,1),(211,21,1),(212,21,2);"
        "INSERT INTO Tb_SYS_LCSX (BH,LDBH,LCXH) VALUES (1101,11,1),(2101,21,1),(2102,21,2);"
        "INSERT INTO Tb_2_SFRW (BH,RWMC) VALUES (5,'2026年物业费');"
        "INSERT INTO Tb_SYS_DWYG (BH,XM,BJ) VALUES (6,'钱会计',1),(7,'赵管家',2);"
        "DELETE FROM Tb_SYS_Param WHERE CSMC IN ('房型','费项');"
        "INSERT INTO Tb_SYS_Param (BH,CSMC,CSZ) VALUES "
        "(1,'房型','住宅'),(2,'房型','商铺'),(3,'费项','物业费')");
    t.commit();

    auto w = run<TFrm_9_CXCD>(2, [](TFrm_9_CXCD& d) {
        EXPECT_EQ(d.Dat_From.text(), "2026-12-11");
        EXPECT_EQ(d.Cmb_XX.items(), (QStringList{"全部业主", "住宅", "商铺"}));
        EXPECT_EQ(d.Cmb_XX.text(), "全部业主");
        EXPECT_EQ(d.Cmb_SFZX.items(), (QStringList{"全部", "2026年物业费"}));
        EXPECT_EQ(d.Cmb_SFY.items(), (QStringList{"全部", "赵管家"}));
        EXPECT_EQ(d.Cmb_FXLB.items(), (QStringList{"  ", "物业费"}));
        EXPECT_EQ(BuildOffsetCondition(d.filter()),
                  "Where (CDRQ Between '2026-12-11' And '2026-12-11')");

        d.userSet(d.Cmb_XQMC, "阳光小区");
        EXPECT_EQ(d.Cmb_LDMC.items(), (QStringList{"1栋", "2栋", "所有楼栋"}));
        d.userSet(d.Cmb_LDMC, "1栋");
        EXPECT_EQ(d.Cmb_DYMC.items(), (QStringList{"1单元", "所有单元"}));
        EXPECT_EQ(d.Cmb_LCMC.items(), (QStringList{"1层", "所有楼层"}));
        d.userSet(d.Cmb_DYMC, "1单元");

        // Another estate keeps the building of the same name and reloads its entrances.
        d.userSet(d.Cmb_XQMC, "金色家园");
        EXPECT_EQ(d.Cmb_LDMC.text(), "1栋");
        EXPECT_EQ(d.Cmb_DYMC.items(), (QStringList{"1单元", "2单元", "所有单元"}));
        EXPECT_EQ(d.Cmb_DYMC.itemIndex(), -1);
        d.userSet(d.Cmb_LCMC, "2层");

        d.userSet(d.Dat_From, "2026-12-01");
        d.userSet(d.Edt_FH, "1-1-101");
        d.userSet(d.Cmb_SFY, "赵管家");
        d.userSet(d.Cmb_SFZX, "2026年物业费");
        d.userSet(d.Cmb_XX, "商铺");
        d.fire("Btn_OK", Event::Click);
    });
    EXPECT_EQ(w->modalResult(), mrOk);
    EXPECT_EQ(w->Mode, 2);
    EXPECT_EQ(w->Condition,
              kDates +
                  " And (FYBH ='1-1-101') And (FYH In (Select FYH From Tb_2_AZFG Where FGBH=7))"
                  " And (RWBH=5) And (FYFX='商铺') And (XQBH=2) And (LDBH=21) And (LCBH=2102)");

    // "所有楼栋" empties the entrances and floors and drops the building.
    w = run<TFrm_9_CXCD>(2, [](TFrm_9_CXCD& d) {
        d.userSet(d.Cmb_XQMC, "阳光小区");
        d.userSet(d.Cmb_LDMC, "1栋");
        d.userSet(d.Cmb_LDMC, "所有楼栋");
        EXPECT_TRUE(d.Cmb_DYMC.items().isEmpty());
        EXPECT_TRUE(d.Cmb_LCMC.items().isEmpty());
        d.fire("Btn_OK", Event::Click);
    });
    EXPECT_EQ(w->Condition, "Where (CDRQ Between '2026-12-11' And '2026-12-11') And (XQBH=1)");

    w = run<TFrm_9_CXCD>(2, [](TFrm_9_CXCD& d) { d.fire("Btn_Cancel", Event::Click); });
    EXPECT_EQ(w->modalResult(), mrCancel);
    EXPECT_TRUE(w->Condition.isEmpty());
    EXPECT_TRUE(shell.messages.empty());
}

TEST_F(Dialogs, SaveReportDialogHandsBackItsFourTextsOnlyOnConfirm) {
    auto w = run<TFrm_15_BB>(0, [](TFrm_15_BB& d) {
        EXPECT_EQ(d.Cmb_Share.text(), "是");
        EXPECT_EQ(d.Cmb_LB.text(), "住户");
        EXPECT_EQ(d.Cmb_LB.items().size(), 10);
        d.userSet(d.Edt_BT, "月度欠费");
        d.userSet(d.Edt_NR, "各户欠费");
        d.userSet(d.Cmb_Share, "否");
        d.userSet(d.Cmb_LB, "收费");
        d.fire("Btn_Next", Event::Click);
    });
    EXPECT_EQ(w->modalResult(), mrOk);
    EXPECT_EQ((QStringList{w->Share, w->Category, w->Content, w->Title}),
              (QStringList{"否", "收费", "各户欠费", "月度欠费"}));

    w = run<TFrm_15_BB>(0, [](TFrm_15_BB& d) {
        d.userSet(d.Edt_BT, "月度欠费");
        d.fire("Btn_Cancel", Event::Click);
    });
    EXPECT_EQ(w->modalResult(), mrCancel);
    EXPECT_TRUE(w->Title.isEmpty());
    EXPECT_TRUE(w->Category.isEmpty());
}

}  // namespace
}  // namespace wy::test
