#include "db/InitSystem.h"

#include <QStringList>

#include "db/TDm.h"

namespace wy {

namespace {
// The tables of the registry and of the fee, lease and service business. A table that this
// build does not have yet is skipped.
const QStringList kBusinessTables = {
    // registry
    "Tb_SYS_AREA",
    "Tb_SYS_XQLD",
    "Tb_SYS_LCSX",
    "Tb_SYS_DYTH",
    "Tb_SYS_THXX",
    "Tb_FYXX",
    "Tb_SYS_KHXX",
    "Tb_2_AZFG",
    // metering
    "Tb_2_FBXX",
    "Tb_2_CBRW",
    "Tb_2_CBJL",
    "Tb_2_GGFB",
    "Tb_2_AZDX",
    // fees and collection
    "Tb_2_SFRW",
    "Tb_2_ZKJL",
    "Tb_2_CNJL",
    "Tb_2_CNMX",
    "Tb_2_YSK",
    "Tb_2_YSKCD",
    "Tb_2_TK",
    "Tb_SYS_FYFW",
    "Tb_SYS_SFLOG",
    // lease
    "Tb_2_ZLHT",
    "Tb_2_ZLHTFY",
    "Tb_2_ZLSK",
    // services
    "Tb_2_TouSu",
    "Tb_2_KEY",
    "Tb_2_SBWX",
    "Tb_2_SBWXSF",
    "Tb_2_SBWXXSWP",
};
}  // namespace

void initSystem(TDm& dm) {
    Transaction t(dm);
    for (const QString& table : kBusinessTables)
        if (dm.tableExists(table)) dm.exec("DELETE FROM " + table);
    t.commit();
}

}  // namespace wy
