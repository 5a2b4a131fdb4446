#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "db/TDm.h"

// A writer that dies right after its commit, as a program killed or a machine switched off
// would: used by the crash test to show the committed row survives.
static int crashWriter(const char* path) {
    wy::TDm::Options o;
    o.path = QString::fromLocal8Bit(path);
    o.durable = true;
    wy::TDm dm(o);
    wy::Transaction t(dm);
    dm.exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('paid before the crash')");
    t.commit();
    std::_Exit(0);  // no close, no checkpoint
}

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--crash-writer") {
        QCoreApplication app(argc, argv);
        return crashWriter(argv[2]);
    }
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
