// The office-server engine: when a PostgreSQL server is given in WY_TEST_PG ("host=… port=…
// user=… password=…"), a fresh database is made on it from the shipped schema and the same
// statements the windows use are run there. Without the variable the test is skipped.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>

#include "db/TDm.h"
#include "registry/HouseOrder.h"
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
    EXPECT_EQ(dm.integer("SELECT COUNT(*) FROM Uvw_FY_KH"), 0);
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

}  // namespace
}  // namespace wy::test
