// Refreshing the house list of one building on the large register (40 estates, 1,000
// buildings, 50,000 houses with owners): the list window's "刷  新", from its statement to the
// filled list with its total row, against the bare indexed query of the same houses read row by
// row. Both are timed in turn; medians are reported. The list of a whole estate ("所有楼栋") is
// timed as well, for scale.
//   build/bench/house_list_bench [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "bench/LargeRegister.h"
#include "bench/QuietShell.h"
#include "core/Window.h"
#include "db/TDm.h"

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The yardstick: the houses of the building by the index, every column the list shows read.
double bareQuery(wy::TDm& dm, qint64 estate, qint64 building) {
    QElapsedTimer timer;
    timer.start();
    QSqlQuery q(dm.connection());
    q.setForwardOnly(true);
    q.prepare(QString("SELECT FYBH,FYMC,JZMJ,SYMJ,FYHX,FYCX,FYFX,FYZT,FYDJ,FYZJ,BH FROM Tb_FYXX "
                      "WHERE XQBH=?") +
              (building ? " AND LDBH=?" : ""));
    q.bindValue(0, estate);
    if (building) q.bindValue(1, building);
    q.exec();
    int n = 0;
    while (q.next())
        for (int c = 0; c < 11; ++c) n += q.value(c).isValid();
    if (n == 0) std::fprintf(stderr, "no houses read\n");
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(5, atoi(argv[1])) : 31;
    QTemporaryDir dir;
    wy::TDm::Options o;
    o.path = dir.filePath("large.db");
    o.demoData = false;
    wy::TDm dm(o);
    const auto made = wy::bench::makeLargeRegister(dm);
    wy::bench::QuietShell shell;
    wy::Context ctx{dm, shell, {}};
    ctx.logInAsAdministrator();
    auto list = wy::createWindow("TFrm_BJFY", ctx);
    list->beginShow();

    // A building in the middle of the register, chosen the way a person does.
    const wy::Row b = dm.first(
        "SELECT L.BH,L.XQBH,L.LDMC,A.XQMC FROM Tb_SYS_XQLD L JOIN "
        "Tb_SYS_AREA A ON A.BH=L.XQBH WHERE L.BH=?",
        {made.firstBuilding + made.buildings / 2});
    list->userSet(list->control("Cmb_XQMC"), b.text("XQMC"));
    list->userSet(list->control("Cmb_LDMC"), b.text("LDMC"));
    const int listed = list->control("Lv_Data").rowCount() - 1;

    auto measure = [&](qint64 building, const char* what, int houses) {
        std::vector<double> bare, refresh, ratio;
        for (int r = 0; r < runs; ++r) {
            const double y = bareQuery(dm, b.integer("XQBH"), building);
            QElapsedTimer timer;
            timer.start();
            list->fire("Btn_Refresh", wy::Event::Click);
            const double w = timer.nsecsElapsed() / 1e6;
            bare.push_back(y);
            refresh.push_back(w);
            ratio.push_back(w / y);
        }
        std::printf("%s (%d houses):\n", what, houses);
        std::printf("  bare indexed query:   median %7.2f ms\n", median(bare));
        std::printf("  house list refresh:   median %7.2f ms  ratio %.2f\n", median(refresh),
                    median(ratio));
    };
    std::printf("runs: %d; register of %d houses\n", runs, made.houses);
    measure(b.integer("BH"), "one building", listed);
    list->userSet(list->control("Cmb_LDMC"), QStringLiteral("所有楼栋"));
    measure(0, "a whole estate", list->control("Lv_Data").rowCount() - 1);
    return 0;
}
