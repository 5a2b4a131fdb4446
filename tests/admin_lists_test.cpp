// The list window's configurations and the administrator's commands of the main window.
#include <gtest/gtest.h>

#include "admin/TFrm_JCXX.h"
#include "app/TFrm_Main.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

// A mistyped configuration shows a wrong column under a header, or deletes by the wrong key.
TEST(ListConfigs, HeadersKeysAndStatementsFitTogether) {
    TestDb db;
    for (int selector : listSelectors()) {
        SCOPED_TRACE(selector);
        const ListConfig& c = *listConfig(selector);
        const QStringList fields = c.sortFields();
        EXPECT_EQ(c.headers.size(), fields.size());
        ASSERT_GE(c.keyPos, 1);
        ASSERT_LE(c.keyPos, fields.size());
        EXPECT_EQ(fields[c.keyPos - 1].toStdString(), "BH");
        EXPECT_NE(c.deleteSql.isEmpty(), c.noDeleteText.isEmpty());
        EXPECT_FALSE(c.modifyEditor.isEmpty());
        // Lists whose table exists already read it.
        const QString table = c.select.section(' ', -1);
        if (db.dm().tableExists(table)) {
            EXPECT_NO_THROW(
                db.dm().rows(c.select + ' ' + c.where + ' ' + c.order + ' ' + c.direction));
        }
    }
    EXPECT_EQ(listConfig(32)->sortFields().value(2).toStdString(), "DYBH");
    EXPECT_EQ(listConfig(45)->sortFields().value(10).toStdString(), "(CQZKJE-CDJE)");
}

TEST(AdminModules, OpenTheOperatorListAndTheRightsWindow) {
    TestDb db;
    db.dm().exec("INSERT INTO Tb_SYS_GLY (BH,YHBH,YHXM,YHMM) VALUES (4,'A01','张三','')");
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    QStringList opened;
    shell.play = [&opened](Window& w) {
        auto* list = qobject_cast<TFrm_JCXX*>(&w);
        opened << w.className() + (list ? QString(":%1").arg(list->selector()) : QString());
        w.Close();
    };
    TFrm_Main main(ctx);
    struct Case {
        QString operatorNo;
        qint64 module;
        QString window;
        QString message;
    };
    const QString adminOnly = QStringLiteral("只有系统管理员才有此权限(管理员帐号:SYSTEM)");
    const Case cases[] = {
        {"SYSTEM", 105, "TFrm_JCXX:15", {}},
        {"SYSTEM", 106, "TFrm_14_Soft", {}},
        {"A01", 105, {}, adminOnly},
        {"A01", 106, {}, adminOnly},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 %2").arg(c.operatorNo).arg(c.module).toStdString());
        opened.clear();
        shell.messages.clear();
        ctx.login.OperatorNo = c.operatorNo;
        main.CheckModuleAccess(c.module);
        EXPECT_EQ(opened.join(',').toStdString(), c.window.toStdString());
        EXPECT_EQ((shell.messages.empty() ? QString() : shell.messages.front().text).toStdString(),
                  c.message.toStdString());
    }
}

}  // namespace
}  // namespace wy::test
