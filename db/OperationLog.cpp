#include "db/OperationLog.h"

#include "core/Session.h"
#include "db/TDm.h"

namespace wy {

void writeLog(Context& ctx, const QString& text, LogKind kind) {
    Transaction t(ctx.dm);
    switch (kind) {
        case LogKind::Login:
            ctx.dm.exec("INSERT INTO Tb_SYS_LOG (RZMS,CZR,RQ,RZBZ1) VALUES (?,?,?,1)",
                        {text, ctx.login.OperatorName, ctx.today()});
            break;
        case LogKind::MeterReading:
            ctx.dm.exec("INSERT INTO Tb_SYS_LOG (RZMS,RQ,RZBZ1) VALUES (?,?,3)",
                        {text, ctx.today()});
            break;
        case LogKind::FeeChange:
            ctx.dm.exec("INSERT INTO Tb_SYS_LOG (RZMS,RQ) VALUES (?,?)", {text, ctx.today()});
            break;
    }
    t.commit();
}

}  // namespace wy
