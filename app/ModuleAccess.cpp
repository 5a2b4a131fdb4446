#include "app/ModuleAccess.h"

#include "core/Session.h"
#include "core/Shell.h"
#include "db/InitSystem.h"
#include "db/TDm.h"

namespace wy {

bool checkModuleAccess(Context& ctx, qint64 module) {
    LoginContext& login = ctx.login;
    const bool adminOnly = module == 105 || module == 106 || module == 101 || module == 112;
    if (adminOnly && !login.isAdministrator()) {
        ctx.shell.message(QStringLiteral("只有系统管理员才有此权限(管理员帐号:SYSTEM)"));
        return false;
    }
    if (login.isAdministrator()) {
        login.AccessLevel = 4;
        return true;
    }
    Row r = ctx.dm.first(
        "Select Mod,AREAID From Tb_SYS_GLY_Trant Where COALESCE(AREAID,0)<=0 AND (GH=?) "
        "AND (Mod=?)",
        {login.OperatorNo.trimmed(), QString::number(module)});
    qint64 v = r.integer(1);
    if (r.isNull(0) || v == 0) {
        login.AccessLevel = 0;
        ctx.shell.message(QStringLiteral("你无此模块的操作权限(请联系管理员:SYSTEM)"));
        return false;
    }
    login.AccessLevel = -v;
    return true;
}

void runInitialisation(Context& ctx) {
    if (!ctx.login.isAdministrator()) {
        ctx.shell.message(QStringLiteral("不是管理员，没有此项权限 管理员帐号:SYSTEM "));
        return;
    }
    if (ctx.shell.ask(QStringLiteral("初始化后现有房源和收费数据将会被清空,并且不可恢复,是否继续?"),
                      QStringLiteral("提醒"), Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    initSystem(ctx.dm);
    ctx.shell.message(QStringLiteral("初始化已经完成,数据已被清除!"));
}

}  // namespace wy
