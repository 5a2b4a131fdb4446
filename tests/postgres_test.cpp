// The office-server engine: when a PostgreSQL server is given in WY_TEST_PG ("host=… port=…
// user=… password=…"), a fresh database is made on it from the shipped schema and the same
// statements the windows use are run there. Without the variable the test is skipped.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>

#include "core/Control.h"
#include "db/TDm.h"
#include "registry/HouseGeneration.h"
#include "registry/HouseLayout.h"
#include "registry/HouseOrder.h"
#include "registry/HouseReferences.h"
#include "registry/OwnerGrid.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

QString serverConnection() {
    return qEnvironmentVariable("WY_TEST_PG");
}

// Drops and makes the database `name` on the server, then returns its connection text.
QString freshDatabase(const QString& name) {
    QString admin = serverConnection() + " dbname=postgres";
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "pgadmin");
        TDm::setServerConnection(db, admin);
        if (!db.open()) return {};
        QSqlQuery q(db);
        q.exec("DROP DATABASE IF EXISTS " + name);
        q.exec("CREATE DATABASE " + name);
        db.close();
    }
    QSqlDatabase::removeDatabase("pgadmin");
    return serverConnection() + " dbname=" + name;
}

TEST(PostgreSql, TheShippedSchemaAndTheWindowsStatementsRunOnTheServer) {
    if (serverConnection().isEmpty()) GTEST_SKIP() << "no server given in WY_TEST_PG";
    TDm::Options o;
    o.engine = TDm::Engine::PostgreSQL;
    o.path = freshDatabase("wy_schema_test");
    ASSERT_FALSE(o.path.isEmpty());
    TDm dm(o);
    EXPECT_TRUE(dm.createdNow());
    EXPECT_EQ(dm.schemaVersion(), TDm::latestSchemaVersion());
    Row admin = dm.first(
        "Select YHBH,YHXM,YHMM From Tb_SYS_GLY Where (UPPER(YHBH)=UPPER(?)) And "
        "(UPPER(COALESCE(YHMM,''))=UPPER(?))",
        {"system", QString()});
    EXPECT_EQ(admin.text("YHBH"), "SYSTEM");
    EXPECT_EQ(dm.text("select castMoney(1001.50)"), QStringLiteral("壹仟零壹元伍角整"));
    EXPECT_EQ(dm.text("select castMoney(120003000.7)"), QStringLiteral("壹亿贰仟万零叁仟元柒角整"));
    EXPECT_EQ(dm.text("select castMoney(0.05)"), QStringLiteral("伍分"));
    EXPECT_EQ(dm.text("select castMoney(NULL)"), QStringLiteral("零元整"));
    {
        Transaction t(dm);
        // The demonstration office may already hold estates.
        EXPECT_EQ(dm.nextKey("Tb_SYS_AREA"),
                  dm.integer("SELECT COALESCE(MAX(BH),0) FROM Tb_SYS_AREA") + 1);
        dm.exec("Insert Into Tb_SYS_LOG (RZMS,CZR,RQ,RZBZ1) Values(?,?,?,1)",
                {"x", "y", "2026-12-11"});
        t.commit();
    }
    EXPECT_EQ(dm.integer("SELECT COUNT(*) FROM Uvw_FY_KH"), 398);  // the demonstration houses
    EXPECT_EQ(dm.text("Select XQMC From Uvw_SYS_XQLD Where BH=?", {5}), QStringLiteral("金陵花园"));
    EXPECT_NO_THROW(dm.rows("Select FYBH From Uvw_FYXX Order By " + houseOrder()));
    {
        // A record editor's save: keys and numbers bound as integers, a kept column carried over.
        dm.exec("Update Tb_SYS_XQLD Set LDBZ1='是' Where BH=2");
        TestShell shell;
        Context ctx{dm, shell, {}};
        auto w = createWindow("TFrm_1_XQLD", ctx);
        w->setParams({{"Mode", "MODIFY"}, {"KeyValue", "2"}});
        w->beginShow();
        w->userSet(w->control("Edt_LDMC"), QStringLiteral("2号楼"));
        w->fire("Btn_Save", Event::Click);
        EXPECT_TRUE(shell.messages.empty());
        EXPECT_EQ(dm.text("Select LDMC || ',' || CAST(LDCS AS VARCHAR(9)) || ',' || LDBZ1 From "
                          "Tb_SYS_XQLD Where BH=2"),
                  QStringLiteral("2号楼,18,是"));
    }
    EXPECT_EQ(dm.rows("Select BT From Tb_SYS_BB Where (LB=?) And ((Share='是') Or (CZR=?)) "
                      "Order By XH,Flag,BH,CZR,Share",
                      {QStringLiteral("住户"), QString()})
                  .size(),
              4);
}

// The house wizard's statements on the server: generation with its prepared insert, the
// layout, the owner grid, the house order and the reference guard, and the demonstration houses.
TEST(PostgreSql, HouseEntryRunsOnTheServer) {
    if (serverConnection().isEmpty()) GTEST_SKIP() << "no server given in WY_TEST_PG";
    TDm::Options o;
    o.engine = TDm::Engine::PostgreSQL;
    o.path = freshDatabase("wy_house_test");
    o.demoData = false;
    ASSERT_FALSE(o.path.isEmpty());
    TDm dm(o);
    LayoutBuilding b;
    b.estate = 91;
    b.building = 91;
    b.floors = 2;
    b.entrances = 1;
    {
        Transaction t(dm);
        dm.exec("INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC,SZDQ) VALUES (91,'91','测试小区','鼓楼区')");
        dm.exec(
            "INSERT INTO Tb_SYS_XQLD (BH,LDBH,XQBH,LDXH,LDMC,LDCS,LDDYS,RZRQ) "
            "VALUES (91,91,91,91,'1',2,1,'2020-09-01')");
        Control floors(ControlKind::Grid, "StrGrd_LCSX", nullptr);
        setUpLayoutGrid(floors, LayoutGrid::Floors);
        QVector<qint64> keys;
        EXPECT_TRUE(loadLayout(dm, floors, LayoutGrid::Floors, b, keys));
        saveLayout(dm, floors, LayoutGrid::Floors, b);
        dm.exec(
            "INSERT INTO Tb_SYS_DYTH (BH,DYBH,XQBH,LDBH,DYXH,DYBZ,DYBZ1,DYTH) "
            "VALUES (91,91,91,91,1,'1','单元',2)");
        Control positions(ControlKind::Grid, "StrGrd_THXX", nullptr);
        setUpLayoutGrid(positions, LayoutGrid::Positions);
        EXPECT_TRUE(loadLayout(dm, positions, LayoutGrid::Positions, b, keys));
        saveLayout(dm, positions, LayoutGrid::Positions, b);
        EXPECT_EQ(generateHouses(dm, 91, NumberingRule::FloorAndPosition, "T"), 4);
        t.commit();
    }
    b.generated = true;
    EXPECT_EQ(readinessReport(dm, b).split('\n').value(12),
              QStringLiteral("    本栋房源已批量生成！"));
    Control grid(ControlKind::Grid, "StrGrd_ZH", nullptr);
    setUpOwnerGrid(grid);
    loadOwners(dm, grid, 91, 91);
    ASSERT_EQ(grid.cell(OwnerCol::Number, 1), "T-1-1-101");
    grid.setCell(OwnerCol::OwnerName, 1, QStringLiteral("王伟"));
    grid.setCell(OwnerCol::MoveIn, 1, "2021/3/8");
    {
        Transaction t(dm);
        saveOwners(dm, grid);
        t.commit();
    }
    EXPECT_EQ(dm.text("SELECT KHXM FROM Uvw_FY_KH WHERE FYBH='T-1-1-101'"), QStringLiteral("王伟"));
    EXPECT_EQ(dm.text("SELECT RZRQ FROM Tb_FYXX WHERE FYBH='T-1-1-101'"), "2021-03-08");
    dm.exec("CREATE TABLE Tb_2_ZKJL (XH INTEGER, FYH INTEGER)");
    dm.exec("INSERT INTO Tb_2_ZKJL (XH,FYH) SELECT 1,BH FROM Tb_FYXX WHERE FYBH='T-1-1-202'");
    {
        Transaction t(dm);
        const auto use = findHouseUse(dm, HouseSet::building(91));
        ASSERT_TRUE(use.has_value());
        EXPECT_EQ(use->houseNumber, "T-1-1-202");
        const qint64 first = dm.integer("SELECT BH FROM Tb_FYXX WHERE FYBH='T-1-1-101'");
        EXPECT_FALSE(findHouseUse(dm, HouseSet::house(first)).has_value());
        EXPECT_EQ(deleteHouses(dm, HouseSet::house(first)), 1);
        t.commit();
    }
    EXPECT_EQ(dm.integer("SELECT COUNT(*) FROM Tb_SYS_KHXX"), 0);
}

}  // namespace
}  // namespace wy::test
