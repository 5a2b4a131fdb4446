#include "tests/TestDb.h"

#include <QDir>
#include <QFile>
#include <map>

namespace wy::test {

QString templateDatabase(bool demo) {
    static QTemporaryDir dir;
    static std::map<bool, QString> made;
    auto it = made.find(demo);
    if (it != made.end()) return it->second;
    QString path = dir.filePath(demo ? "demo.db" : "empty.db");
    {
        TDm::Options o;
        o.path = path;
        o.demoData = demo;
        o.durable = false;
        TDm dm(o);
        dm.exec("PRAGMA wal_checkpoint(TRUNCATE)");
        dm.exec("PRAGMA journal_mode=DELETE");
    }
    made[demo] = path;
    return path;
}

TestDb::TestDb(bool demo) {
    path_ = dir_.filePath("data.db");
    QFile::copy(templateDatabase(demo), path_);
    QFile(path_).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    TDm::Options o;
    o.path = path_;
    o.durable = false;
    dm_ = std::make_unique<TDm>(o);
}

std::unique_ptr<TDm> TestDb::openAgain(int busyTimeoutMs) const {
    TDm::Options o;
    o.path = path_;
    o.durable = false;
    o.busyTimeoutMs = busyTimeoutMs;
    return std::make_unique<TDm>(o);
}

}  // namespace wy::test
