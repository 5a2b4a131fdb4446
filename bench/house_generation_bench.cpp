// Generating houses: 100 buildings of 500 houses each (25 floors, 2 entrances of 10 door
// positions), every building in its own transaction as the house wizard does it, against the
// yardstick of inserting the same 50,000 rows into Tb_FYXX with one prepared statement in one
// transaction. Runs alternate on the same data file; medians are reported.
//   build/bench/house_generation_bench [runs]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "db/PreparedStatement.h"
#include "db/TDm.h"
#include "registry/HouseGeneration.h"

namespace {

constexpr int kBuildings = 100, kFloors = 25, kEntrances = 2, kPositions = 10;
constexpr int kHouses = kBuildings * kFloors * kEntrances * kPositions;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void layOut(wy::TDm& dm) {
    wy::Transaction t(dm);
    dm.exec("INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC,SZDQ) VALUES (1,'1','测试花园','鼓楼区')");
    wy::PreparedStatement building(
        dm,
        "INSERT INTO Tb_SYS_XQLD (BH,LDBH,XQBH,LDXH,LDMC,LDCS,LDDYS,JGRQ,RZRQ,FYLB,LDBZ1) "
        "VALUES (?,?,1,?,?,?,?,'2020-06-01','2020-09-01','商品房','否')");
    wy::PreparedStatement floor(
        dm,
        "INSERT INTO Tb_SYS_LCSX (BH,LCBH,XQBH,LDBH,LCXH,LCFX,LCDJ) VALUES (?,?,1,?,?,'住宅',0)");
    wy::PreparedStatement entrance(
        dm,
        "INSERT INTO Tb_SYS_DYTH (BH,DYBH,XQBH,LDBH,DYXH,DYBZ,DYBZ1,DYTH) "
        "VALUES (?,?,1,?,?,?,'单元',?)");
    wy::PreparedStatement position(
        dm,
        "INSERT INTO Tb_SYS_THXX (BH,THBH,XQBH,LDBH,DYBH,THXH,JZMJ,SYMJ,FYHX,FYCX,FYJG) "
        "VALUES (?,?,1,?,?,?,89.5,86.25,'两室一厅','南','钢筋')");
    qint64 f = 0, e = 0, p = 0;
    for (int b = 1; b <= kBuildings; ++b) {
        building.run({b, b, b, QString::number(b), kFloors, kEntrances});
        for (int i = 1; i <= kFloors; ++i, ++f) floor.run({f + 1, f + 1, b, i});
        for (int d = 1; d <= kEntrances; ++d) {
            ++e;
            entrance.run({e, e, b, d, QString::number(d), kPositions});
            for (int i = 1; i <= kPositions; ++i, ++p) position.run({p + 1, p + 1, b, e, i});
        }
    }
    t.commit();
}

void clearHouses(wy::TDm& dm) {
    wy::Transaction t(dm);
    dm.exec("DELETE FROM Tb_FYXX");
    dm.exec("UPDATE Tb_SYS_XQLD SET LDBZ1='否'");
    t.commit();
}

double generateAll(wy::TDm& dm) {
    QElapsedTimer timer;
    timer.start();
    for (int b = 1; b <= kBuildings; ++b) {
        wy::Transaction t(dm);
        wy::generateHouses(dm, b, wy::NumberingRule::FloorAndPosition, QStringLiteral("CS"));
        t.commit();
    }
    return timer.nsecsElapsed() / 1e6;
}

// The yardstick: the same rows, written by the plainest loop there is.
double insertRows(wy::TDm& dm) {
    QElapsedTimer timer;
    timer.start();
    wy::Transaction t(dm);
    wy::PreparedStatement insert(
        dm,
        "INSERT INTO Tb_FYXX (DYBZ,BH,FYBH,DQBH,XQBH,LDBH,DYBH,LCBH,THBH,LDXH,DYXH,LCXH,THXH,FYXH,"
        "FYMC,ZJM,JZMJ,SYMJ,FYHX,FYCX,FYDJ,FYZJ,YZBH,FYJG,SHRQ,THS,JGRQ,RZRQ,FYFX,JYMB,YSES,FYZT,"
        "YXBZ,ZFY,TSLB,QPBZ,RZRS,FYBZ,FYBZ1,FYBZ2,FYBZ3,FYBZ4,SYSBH) VALUES (?,?,?,?,?,?,?,?,?,?,?,"
        "?,?,?,?,?,?,?,?,?,?,0,0,?,?,?,?,?,?,'售','新房','售','单房',1,'',0,3,'','','','','',?)");
    for (int i = 1; i <= kHouses; ++i) {
        const QString number = QString::number(i);
        insert.run({"1",
                    i,
                    number,
                    QStringLiteral("鼓楼区"),
                    1,
                    i % kBuildings + 1,
                    1,
                    1,
                    1,
                    1,
                    1,
                    1,
                    1,
                    i,
                    number,
                    number,
                    89.5,
                    86.25,
                    QStringLiteral("两室一厅"),
                    QStringLiteral("南"),
                    0.0,
                    QStringLiteral("钢筋"),
                    QStringLiteral("商品房"),
                    kPositions,
                    "2020-06-01",
                    "2020-09-01",
                    QStringLiteral("住宅"),
                    number});
    }
    t.commit();
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 5;
    QTemporaryDir dir;
    wy::TDm::Options o;
    o.path = dir.filePath("houses.db");
    o.demoData = false;
    wy::TDm dm(o);
    layOut(dm);
    std::vector<double> yard, gen, ratio;
    for (int r = 0; r < runs; ++r) {
        const double y = insertRows(dm);
        clearHouses(dm);
        const double g = generateAll(dm);
        if (dm.integer("SELECT COUNT(*) FROM Tb_FYXX") != kHouses) {
            std::fprintf(stderr, "generation made the wrong number of houses\n");
            return 1;
        }
        clearHouses(dm);
        yard.push_back(y);
        gen.push_back(g);
        ratio.push_back(g / y);
    }
    std::printf("runs: %d; %d buildings of %d houses, %d houses\n", runs, kBuildings,
                kHouses / kBuildings, kHouses);
    std::printf("yardstick, one prepared insert in one transaction: median %8.1f ms\n",
                median(yard));
    std::printf("generation, one transaction per building:          median %8.1f ms  ratio %.2f\n",
                median(gen), median(ratio));
    return 0;
}
