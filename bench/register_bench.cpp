// Builds the large register (40 estates, 1,000 buildings, 50,000 houses with owners) in a new
// data file and reports how long it took; later benchmarks start from such a file.
//   build/bench/register_bench [file]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/LargeRegister.h"
#include "db/TDm.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    wy::TDm::Options o;
    o.path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath("large.db");
    o.demoData = false;
    wy::TDm dm(o);
    QElapsedTimer t;
    t.start();
    auto made = wy::bench::makeLargeRegister(dm);
    std::printf("large register: %d estates, %d buildings, %d houses with owners in %.1f s\n",
                made.estates, made.buildings, made.houses, t.elapsed() / 1000.0);
    return 0;
}
