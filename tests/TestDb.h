#pragma once
// Fresh databases for tests: the shipped schema (with or without the demonstration office) is
// built once per test program and copied for every test.
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "db/TDm.h"

namespace wy::test {

class TestDb {
public:
    explicit TestDb(bool demo = false);
    TDm& dm() { return *dm_; }
    QString path() const { return path_; }
    QString dir() const { return dir_.path(); }
    // A second connection to the same file, as a second copy of the program would open it.
    std::unique_ptr<TDm> openAgain(int busyTimeoutMs = 15000) const;

private:
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<TDm> dm_;
};

// A template file made once per process.
QString templateDatabase(bool demo);

}  // namespace wy::test
