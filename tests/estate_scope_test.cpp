// The estate restriction every query window applies: which estates an operator is offered, the
// condition his result statements get, and the refusal when he may query none.
#include <gtest/gtest.h>

#include "admin/EstateScope.h"
#include "core/Session.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

// Three estates with one house each. A01 may query 东苑 and 南苑, O'NE 西苑; B01 has module
// rows only, C01 a row without AREAID.
class EstateScopeTest : public ::testing::Test {
protected:
    void SetUp() override {
        TDm& dm = db.dm();
        dm.exec(
            "INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC) VALUES (1,'01','东苑'),(2,'02','西苑'),"
            "(3,'03','南苑')");
        dm.exec("INSERT INTO Tb_FYXX (BH,FYBH,XQBH) VALUES (1,'东-1',1),(2,'西-1',2),(3,'南-1',3)");
        dm.exec(
            "INSERT INTO Tb_SYS_GLY_Trant (GH,Mod,AREAID) VALUES ('A01','南苑',3),"
            "('A01','东苑',1),('A01','202',-4),('B01','202',-4),('B01','203',0),"
            "('O''NE','西苑',2),('C01','东苑',NULL)");
    }

    static LoginContext as(const QString& operatorNo) {
        LoginContext lc;
        lc.OperatorNo = operatorNo;
        return lc;
    }
    QString estatesOf(const QString& operatorNo) {
        const EstateScope scope(db.dm(), as(operatorNo));
        QStringList names;
        for (const Row& r : scope.estates()) names << r.text("XQMC");
        return names.join(',');
    }
    QString housesOf(const QString& operatorNo) {
        EstateScope scope(db.dm(), as(operatorNo));
        QStringList houses;
        for (const Row& r : db.dm().rows("Select FYBH From Tb_FYXX Where 1=1" + scope.condition() +
                                         " Order By BH"))
            houses << r.text(0);
        return houses.join(',');
    }

    TestDb db;
};

TEST_F(EstateScopeTest, EachOperatorIsOfferedAndShownOnlyHisTickedEstates) {
    struct Case {
        QString operatorNo;
        QString estates;
        QString houses;
    };
    const Case cases[] = {
        {"SYSTEM", "东苑,西苑,南苑", "东-1,西-1,南-1"},
        {"A01", "东苑,南苑", "东-1,南-1"},
        {" A01 ", "东苑,南苑", "东-1,南-1"},
        {"O'NE", "西苑", "西-1"},
        {"B01", "", ""},
        {"C01", "", ""},
        {"X' OR '1'='1", "", ""},  // a number is quoted, never read as SQL
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operatorNo.toStdString());
        EXPECT_EQ(estatesOf(c.operatorNo).toStdString(), c.estates.toStdString());
        EXPECT_EQ(housesOf(c.operatorNo).toStdString(), c.houses.toStdString());
    }
}

TEST_F(EstateScopeTest, OnlyAnOperatorWithoutEstatesIsRefusedTheResult) {
    TestShell shell;
    EXPECT_TRUE(EstateScope(db.dm(), as("A01")).allowsQuery(shell));
    EXPECT_TRUE(shell.messages.empty());

    EXPECT_FALSE(EstateScope(db.dm(), as("B01")).allowsQuery(shell));
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages.front().text.toStdString(), "无小区查询权限:请联系管理员");

    // The administrator is never restricted, not even before any estate exists.
    shell.messages.clear();
    db.dm().exec("DELETE FROM Tb_SYS_AREA");
    EXPECT_TRUE(EstateScope(db.dm(), as("SYSTEM")).allowsQuery(shell));
    EXPECT_TRUE(shell.messages.empty());
}

}  // namespace
}  // namespace wy::test
