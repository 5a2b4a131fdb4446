// The operation log helper: each kind lands where the monitor looks for it, and a line written
// inside a command that rolls back disappears with it.
#include <gtest/gtest.h>

#include "db/OperationLog.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

TEST(OperationLog, EachKindIsWrittenAsTheMonitorReadsIt) {
    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    ctx.login.OperatorName = QStringLiteral("张三");
    ctx.now = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 0)); };
    writeLog(ctx, QStringLiteral("登陆"), LogKind::Login);
    writeLog(ctx, QStringLiteral("读数"), LogKind::MeterReading);
    writeLog(ctx, QStringLiteral("减免"), LogKind::FeeChange);
    EXPECT_EQ(db.dm().text("SELECT RZMS FROM Tb_SYS_LOG WHERE RZBZ1=1 AND CZR='张三' AND "
                           "RQ='2026-12-11'"),
              QStringLiteral("登陆"));
    EXPECT_EQ(db.dm().text("SELECT RZMS FROM Tb_SYS_LOG WHERE RZBZ1=3 AND CZR IS NULL"),
              QStringLiteral("读数"));
    EXPECT_EQ(db.dm().text("SELECT RZMS FROM Tb_SYS_LOG WHERE RZBZ1 IS NULL AND CZR IS NULL"),
              QStringLiteral("减免"));
    {
        Transaction t(db.dm());
        writeLog(ctx, QStringLiteral("未完成的收费"), LogKind::FeeChange);
    }
    EXPECT_EQ(db.dm().integer("SELECT COUNT(*) FROM Tb_SYS_LOG"), 3);
}

}  // namespace
}  // namespace wy::test
