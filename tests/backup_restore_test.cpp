// Backup and restore of the embedded database: a restore replaces the data only with a sound
// file of this program, and anything refused, failed or cancelled leaves the data as it was.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <functional>

#include "tests/TestDb.h"

namespace wy::test {
namespace {

// Runs statements on a file outside the program, as another tool would.
void changeFile(const QString& file, const QString& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}

void overwrite(const QString& file, qint64 at, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.seek(at));
    f.write(bytes);
}

class BackupRestore : public ::testing::Test {
protected:
    void SetUp() override {
        dm().exec("INSERT INTO Tb_SYS_LOG (RZMS,RQ) VALUES ('in the backup','2026-12-01')");
        backup = db.dir() + "/a.bak";
        ASSERT_TRUE(dm().backupTo(backup));
        // What the restore must take away, or keep when it does not happen.
        dm().exec("DELETE FROM Tb_SYS_LOG");
        dm().exec("INSERT INTO Tb_SYS_LOG (RZMS,RQ) VALUES ('made later','2026-12-02')");
    }
    TDm& dm() { return db.dm(); }
    std::string logText() { return dm().text("SELECT RZMS FROM Tb_SYS_LOG").toStdString(); }
    // Nothing of a restore's work is left beside the data.
    void expectNoLeftovers() {
        const QStringList left =
            QDir(db.dir()).entryList({"*.restore*", "*.part*"}, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty()) << left.join(", ").toStdString();
    }

    TestDb db;
    QString backup;
};

TEST_F(BackupRestore, RestoreBringsBackTheDataOnTheOpenConnection) {
    auto other = db.openAgain();
    EXPECT_TRUE(dm().restoreFrom(backup));
    EXPECT_EQ(logText(), "in the backup");
    EXPECT_EQ(other->text("SELECT RZMS FROM Tb_SYS_LOG").toStdString(), "in the backup");
    EXPECT_EQ(dm().schemaVersion(), TDm::latestSchemaVersion());
    dm().exec("INSERT INTO Tb_SYS_LOG (RZMS,RQ) VALUES ('after','2026-12-03')");
    EXPECT_EQ(dm().integer("SELECT COUNT(*) FROM Tb_SYS_LOG"), 2);
    expectNoLeftovers();
}

TEST_F(BackupRestore, RefusedFilesLeaveTheDataAsItWas) {
    using Kind = TDm::OpenError::Kind;
    struct Case {
        const char* name;
        std::function<QString()> makeFile;
        Kind kind;
    };
    const QString dir = db.dir();
    auto copyOfBackup = [&](const QString& name) {
        const QString file = dir + "/" + name;
        QFile::copy(backup, file);
        return file;
    };
    const Case cases[] = {
        {"text file",
         [&] {
             QFile f(dir + "/notes.bak");
             f.open(QIODevice::WriteOnly);
             f.write("这不是数据库");
             return f.fileName();
         },
         Kind::NotDatabase},
        {"empty file",
         [&] {
             QFile f(dir + "/empty.bak");
             f.open(QIODevice::WriteOnly);
             return f.fileName();
         },
         Kind::NotDatabase},
        {"missing file", [&] { return dir + "/missing.bak"; }, Kind::CannotOpen},
        {"another program's database",
         [&] {
             const QString file = dir + "/other.db";
             changeFile(file, "CREATE TABLE Customers (Name TEXT)");
             return file;
         },
         Kind::NotOurs},
        {"newer version",
         [&] {
             const QString file = copyOfBackup("newer.bak");
             changeFile(file, "UPDATE Tb_SYS_Version SET Version=99");
             return file;
         },
         Kind::Newer},
        {"truncated",
         [&] {
             const QString file = copyOfBackup("truncated.bak");
             QFile::resize(file, QFileInfo(file).size() / 2);
             return file;
         },
         Kind::NotDatabase},
        {"a damaged page",
         [&] {
             const QString file = copyOfBackup("damaged.bak");
             overwrite(file, QFileInfo(file).size() / 2, QByteArray(8192, '\xA5'));
             return file;
         },
         Kind::NotDatabase},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = c.makeFile();
        try {
            dm().restoreFrom(file);
            ADD_FAILURE() << "restored from " << c.name;
        } catch (const TDm::OpenError& e) {
            EXPECT_EQ(e.kind, c.kind) << e.what();
            EXPECT_TRUE(e.message().contains(file)) << e.what();
        }
        EXPECT_EQ(logText(), "made later");
        expectNoLeftovers();
    }
}

TEST_F(BackupRestore, AnOlderFileIsUpgradedBeforeItReplacesTheData) {
    // A backup from before the shipped lookup lists.
    changeFile(backup,
               "DELETE FROM Tb_SYS_Param WHERE BJ IS NULL; UPDATE Tb_SYS_Version SET Version=2");
    EXPECT_TRUE(dm().restoreFrom(backup));
    EXPECT_EQ(dm().schemaVersion(), TDm::latestSchemaVersion());
    EXPECT_EQ(dm().text("SELECT CSZ FROM Tb_SYS_Param WHERE CSMC='房态' AND BH=1").toStdString(),
              "空房");
    EXPECT_EQ(logText(), "in the backup");
    expectNoLeftovers();
}

TEST_F(BackupRestore, AFileWithAnotherPageSizeIsRestored) {
    changeFile(backup, "PRAGMA page_size=1024; VACUUM");
    EXPECT_TRUE(dm().restoreFrom(backup));
    EXPECT_EQ(logText(), "in the backup");
}

TEST_F(BackupRestore, CancellingLeavesTheDataAndTheEarlierBackup) {
    // Enough pages for the copy to report progress more than once in each half.
    dm().exec("DELETE FROM Tb_SYS_LOG");
    dm().exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<3000) "
        "INSERT INTO Tb_SYS_LOG (RZMS,RQ) SELECT 'in the backup' || "
        "substr(hex(zeroblob(600)),1,1200), "
        "'2026-12-01' FROM n");
    ASSERT_TRUE(dm().backupTo(backup));
    dm().exec("DELETE FROM Tb_SYS_LOG");
    dm().exec("INSERT INTO Tb_SYS_LOG (RZMS,RQ) VALUES ('made later','2026-12-02')");
    for (int cancelFrom : {0, 50}) {
        SCOPED_TRACE(cancelFrom);
        bool asked = false;
        const bool done = dm().restoreFrom(backup, [&](int done, int total) {
            EXPECT_EQ(total, 100);
            if (done < cancelFrom || done >= 100) return true;
            asked = true;
            return false;
        });
        EXPECT_TRUE(asked);
        EXPECT_FALSE(done);
        EXPECT_EQ(logText(), "made later");
        expectNoLeftovers();
    }
    // A cancelled backup leaves the earlier one of the same name.
    EXPECT_FALSE(dm().backupTo(backup, [](int, int) { return false; }));
    expectNoLeftovers();
    EXPECT_TRUE(dm().restoreFrom(backup));
    EXPECT_EQ(dm().integer("SELECT COUNT(*) FROM Tb_SYS_LOG"), 3000);
}

TEST_F(BackupRestore, ABackupIsNeverWrittenOverTheDataFile) {
    EXPECT_THROW(dm().backupTo(db.path()), DbError);
    EXPECT_THROW(dm().backupTo(db.dir() + "/./data.db"), DbError);
    EXPECT_EQ(logText(), "made later");
}

}  // namespace
}  // namespace wy::test
