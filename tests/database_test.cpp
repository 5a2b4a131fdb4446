// The data file: creation, refusal of files that are not ours, upgrade in place, locking between
// two copies of the program, durability settings and transactions.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <thread>

#include "db/TDm.h"
#include "tests/TestDb.h"

namespace wy::test {
namespace {

QByteArray fileHash(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

TDm::Options optionsFor(const QString& path, int busyMs = 15000) {
    TDm::Options o;
    o.path = path;
    o.durable = false;
    o.demoData = false;
    o.busyTimeoutMs = busyMs;
    return o;
}

TEST(Database, FirstStartCreatesTheShippedDatabase) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/folder/data.db");
    TDm dm(optionsFor(path));
    EXPECT_TRUE(dm.createdNow());
    EXPECT_EQ(dm.schemaVersion(), TDm::latestSchemaVersion());
    Row admin = dm.first("SELECT BH, YHBH, YHMM FROM Tb_SYS_GLY WHERE YHBH='SYSTEM'");
    EXPECT_EQ(admin.integer("BH"), 3);
    EXPECT_EQ(admin.text("YHMM"), "");
    EXPECT_GT(dm.integer("SELECT COUNT(*) FROM Tb_SYS_BB WHERE Flag=0"), 0);
    EXPECT_GT(dm.integer("SELECT COUNT(*) FROM Tb_SYS_Param WHERE BJ=9"), 0);
    // Crash safety: a write-ahead log and full syncs.
    EXPECT_EQ(dm.text("PRAGMA journal_mode"), "wal");
    EXPECT_FALSE(
        QFile::exists(path + ".new" + QString::number(QCoreApplication::applicationPid())));
}

TEST(Database, ACommitSurvivesTheProgramDyingRightAfterIt) {
    TestDb db;
    QProcess writer;
    writer.start(QCoreApplication::applicationFilePath(), {"--crash-writer", db.path()});
    ASSERT_TRUE(writer.waitForFinished(30000));
    auto after = db.openAgain();
    EXPECT_EQ(after->text("SELECT RZMS FROM Tb_SYS_LOG"), QStringLiteral("paid before the crash"));
}

TEST(Database, ANewFileBuiltInTheBackgroundIsReadyAtTheFirstStatement) {
    QTemporaryDir dir;
    TDm::Options o = optionsFor(dir.filePath("bg.db"));
    o.createInBackground = true;
    TDm dm(o);
    EXPECT_TRUE(dm.createdNow());
    EXPECT_EQ(dm.text("SELECT YHBH FROM Tb_SYS_GLY WHERE BH=3"), "SYSTEM");
    EXPECT_EQ(dm.schemaVersion(), TDm::latestSchemaVersion());

    // A file that cannot be made is reported by every statement, not only the first.
    QFile blocker(dir.filePath("plain"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TDm::Options bad = optionsFor(dir.filePath("plain/sub/data.db"));
    bad.createInBackground = true;
    TDm failed(bad);
    EXPECT_THROW(failed.text("SELECT 1"), TDm::OpenError);
    EXPECT_THROW(failed.text("SELECT 1"), TDm::OpenError);
}

TEST(Database, ADurableFileSyncsEveryCommit) {
    QTemporaryDir dir;
    TDm::Options o = optionsFor(dir.filePath("d.db"));
    o.durable = true;
    TDm dm(o);
    EXPECT_EQ(dm.integer("PRAGMA synchronous"), 2);  // FULL
}

TEST(Database, RefusesFilesThatAreNotOursAndLeavesThemUntouched) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        std::function<void(const QString&)> make;
        TDm::OpenError::Kind kind;
    };
    const std::vector<Case> cases = {
        {"text file",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
             f.write("this is a letter, not a database\n");
         },
         TDm::OpenError::NotDatabase},
        {"empty file",
         [](const QString& p) {
             QFile f(p);
             f.open(QIODevice::WriteOnly);
         },
         TDm::OpenError::NotDatabase},
        {"other program's database",
         [](const QString& p) {
             QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
             db.setDatabaseName(p);
             db.open();
             db.exec("CREATE TABLE Songs (Title TEXT)");
             db.close();
             db = QSqlDatabase();
             QSqlDatabase::removeDatabase("other");
         },
         TDm::OpenError::NotOurs},
        {"truncated database",
         [](const QString& p) {
             QFile::copy(templateDatabase(true), p);
             QFile f(p);
             f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
             f.resize(f.size() / 3);
         },
         TDm::OpenError::NotDatabase},
        {"newer version",
         [](const QString& p) {
             QFile::copy(templateDatabase(false), p);
             QFile(p).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
             TDm dm(optionsFor(p));
             dm.exec("UPDATE Tb_SYS_Version SET Version=Version+1");
             dm.exec("PRAGMA journal_mode=DELETE");
         },
         TDm::OpenError::Newer},
    };
    for (const Case& c : cases) {
        const QString path = dir.filePath(QString("%1.db").arg(c.name));
        c.make(path);
        const QByteArray before = fileHash(path);
        try {
            TDm dm(optionsFor(path));
            ADD_FAILURE() << c.name << " was opened";
        } catch (const TDm::OpenError& e) {
            EXPECT_EQ(e.kind, c.kind) << c.name << ": " << e.what();
            EXPECT_FALSE(e.message().isEmpty());
        }
        EXPECT_EQ(fileHash(path), before) << c.name << " was changed";
    }
}

TEST(Database, AnUnreadableFileIsRefused) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    QTemporaryDir dir;
    const QString path = dir.filePath("locked.db");
    QFile::copy(templateDatabase(false), path);
    QFile(path).setPermissions(QFileDevice::Permissions());
    EXPECT_THROW(TDm dm(optionsFor(path)), TDm::OpenError);
}

TEST(Database, SchemaStepsAreNumberedWithoutGaps) {
    // A file at version N skips every step numbered N or below: a gap filled later would never
    // run on it.
    const QStringList steps = QDir(":/db/sql").entryList({"*.sql"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(steps.isEmpty());
    for (int i = 0; i < steps.size(); ++i)
        EXPECT_EQ(steps[i].section('_', 0, 0).toInt(), i + 1) << steps[i].toStdString();
    EXPECT_EQ(TDm::latestSchemaVersion(), steps.size());
}

TEST(Database, AnOlderFileIsUpgradedInPlaceKeepingItsData) {
    TestDb db;
    const int latest = TDm::latestSchemaVersion();
    ASSERT_GE(latest, 2);
    // Make the file look as an earlier build left it: without the last step's tables.
    db.dm().exec("INSERT INTO Tb_SYS_GLY (BH,YHBH,YHXM,YHMM) VALUES (7,'K7','留下','')");
    const QString path = db.path();
    {
        auto other = db.openAgain();
        other->exec("DROP VIEW Uvw_FY_KH");
        other->exec("DROP VIEW Uvw_FYXX");
        other->exec("DROP VIEW Uvw_SYS_XQLD");
        other->exec("DROP VIEW Uvw_SYS_LCSX");
        other->exec("DROP VIEW Uvw_SYS_DYTH");
        other->exec("DROP VIEW Uvw_SYS_THXX");
        for (const char* t :
             {"Tb_SYS_DQXX", "Tb_SYS_AREA", "Tb_SYS_XQLD", "Tb_SYS_LCSX", "Tb_SYS_DYTH",
              "Tb_SYS_THXX", "Tb_FYXX", "Tb_SYS_KHXX", "Tb_SYS_DWYG", "Tb_2_AZFG"})
            if (other->tableExists(t)) other->exec(QString("DROP TABLE ") + t);
        other->exec("UPDATE Tb_SYS_Version SET Version=1");
    }
    // Every step above 1 is run again on open; the steps after the registry need its tables.
    TDm upgraded(optionsFor(path));
    EXPECT_FALSE(upgraded.createdNow());
    EXPECT_EQ(upgraded.schemaVersion(), latest);
    EXPECT_TRUE(upgraded.tableExists("Tb_FYXX"));
    EXPECT_TRUE(upgraded.tableExists("Uvw_FY_KH"));
    EXPECT_EQ(upgraded.text("SELECT YHXM FROM Tb_SYS_GLY WHERE BH=7"), QStringLiteral("留下"));
}

TEST(Database, ASecondProgramWaitsForTheLockInsteadOfFailing) {
    TestDb db;
    auto second = db.openAgain(10000);
    db.dm().begin();
    db.dm().exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('first')");
    std::thread releaser([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        db.dm().commit();
    });
    // Blocks on the write lock until the first commits, then goes on.
    EXPECT_NO_THROW({
        Transaction t(*second);
        second->exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('second')");
        t.commit();
    });
    releaser.join();
    EXPECT_EQ(second->integer("SELECT COUNT(*) FROM Tb_SYS_LOG"), 2);
}

TEST(Database, ALockHeldPastTheWaitIsAClearErrorNotAHang) {
    TestDb db;
    auto second = db.openAgain(200);
    Transaction hold(db.dm());
    db.dm().exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('held')");
    EXPECT_THROW(second->begin(), DbError);
    EXPECT_EQ(second->transactionDepth(), 0);
}

TEST(Database, TransactionsRollBackUnlessCommittedAndNestAsSavepoints) {
    TestDb db;
    TDm& dm = db.dm();
    {
        Transaction outer(dm);
        dm.exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('kept')");
        {
            Transaction inner(dm);
            dm.exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('dropped')");
        }  // inner rolled back only
        outer.commit();
    }
    EXPECT_EQ(dm.text("SELECT group_concat(RZMS) FROM Tb_SYS_LOG"), "kept");
    try {
        Transaction t(dm);
        dm.exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES ('lost')");
        dm.exec("INSERT INTO No_Such_Table VALUES (1)");
        t.commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(dm.integer("SELECT COUNT(*) FROM Tb_SYS_LOG"), 1);
    EXPECT_EQ(dm.transactionDepth(), 0);
}

TEST(Database, NullReadsAsZeroOrEmptyAndKeysStartAtOne) {
    TestDb db;
    TDm& dm = db.dm();
    EXPECT_EQ(dm.integer("SELECT MAX(BH) FROM Tb_SYS_AREA"), 0);
    Row r = dm.first("SELECT NULL AS A, NULL AS B");
    EXPECT_EQ(r.text("a"), "");
    EXPECT_EQ(r.integer("B"), 0);
    EXPECT_EQ(dm.first("SELECT 1 WHERE 1=0").text(0), "");
    Transaction t(dm);
    EXPECT_EQ(dm.nextKey("Tb_SYS_AREA"), 1);
    EXPECT_EQ(dm.nextKey("Tb_SYS_GLY"), 4);
}

TEST(Database, BoundTextIsNeverPartOfTheStatement) {
    TestDb db;
    TDm& dm = db.dm();
    const QString evil = "x'); DELETE FROM Tb_SYS_GLY; --";
    Transaction t(dm);
    dm.exec("INSERT INTO Tb_SYS_LOG (RZMS) VALUES (?)", {evil});
    t.commit();
    EXPECT_EQ(dm.text("SELECT RZMS FROM Tb_SYS_LOG"), evil);
    EXPECT_EQ(dm.integer("SELECT COUNT(*) FROM Tb_SYS_GLY"), 1);
    EXPECT_EQ(sqlQuote("O'Brien"), "'O''Brien'");
}

TEST(Database, ScriptsSplitOnSemicolonsOutsideQuotesAndComments) {
    const QStringList s = TDm::splitStatements(
        "CREATE TABLE A (X TEXT); -- a comment; still a comment\n"
        "INSERT INTO A VALUES ('a;b');\n\n;INSERT INTO A VALUES ('it''s')");
    ASSERT_EQ(s.size(), 3);
    EXPECT_TRUE(s[1].contains("'a;b'"));
    EXPECT_TRUE(s[2].contains("'it''s'"));
}

}  // namespace
}  // namespace wy::test
