// Backup and restore of the embedded database with SQLite's online backup: pages are copied
// while the program runs, and the receiving database changes in one write transaction.
#include <sqlite3.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <filesystem>
#include <optional>

#include "db/TDm.h"

namespace wy {

namespace {

// A connection of the engine itself, for files that are not the program's data.
class RawDb {
public:
    RawDb(const QString& file, int flags, int busyTimeoutMs) {
        rc_ = sqlite3_open_v2(file.toUtf8().constData(), &db_, flags, nullptr);
        if (rc_ == SQLITE_OK) sqlite3_busy_timeout(db_, busyTimeoutMs);
    }
    ~RawDb() { sqlite3_close(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    bool ok() const { return rc_ == SQLITE_OK; }
    sqlite3* get() const { return db_; }
    QString error() const { return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString(); }
    bool exec(const QString& sql) {
        return sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    // The first column of the first row as text; nothing when the statement fails.
    std::optional<QString> value(const QString& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &st, nullptr) != SQLITE_OK)
            return std::nullopt;
        std::optional<QString> out;
        int rc = sqlite3_step(st);
        if (rc == SQLITE_ROW)
            out = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
        else if (rc == SQLITE_DONE)
            out = QString();
        sqlite3_finalize(st);
        return out;
    }

private:
    sqlite3* db_ = nullptr;
    int rc_ = SQLITE_ERROR;
};

constexpr int kReadOnly = SQLITE_OPEN_READONLY;
constexpr int kCreate = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;

// A database file and the engine's companion files.
void removeDatabaseFiles(const QString& file) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) QFile::remove(file + suffix);
}

struct RemovedAtEnd {
    QString file;
    ~RemovedAtEnd() { removeDatabaseFiles(file); }
};

bool sameFile(const QString& a, const QString& b) {
    QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

enum class CopyEnd { Done, Canceled };

// Copies every page of `from` into `to`. The destination changes in one write transaction that
// rolls back when the copy fails or is cancelled. Waits for another program's lock up to
// waitMs. Throws DbError with the engine's text.
CopyEnd copyPages(sqlite3* from, sqlite3* to, const TDm::ProgressFn& progress, int waitMs) {
    sqlite3_backup* b = sqlite3_backup_init(to, "main", from, "main");
    if (!b) throw DbError(QString::fromUtf8(sqlite3_errmsg(to)).toStdString());
    QElapsedTimer waiting;
    int rc;
    for (;;) {
        rc = sqlite3_backup_step(b, 256);
        if (rc == SQLITE_DONE) break;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            if (!waiting.isValid()) waiting.start();
            if (waiting.elapsed() > waitMs) break;
            sqlite3_sleep(50);
            continue;
        }
        if (rc != SQLITE_OK) break;
        waiting.invalidate();
        const int total = sqlite3_backup_pagecount(b);
        if (progress && !progress(total - sqlite3_backup_remaining(b), total)) {
            sqlite3_backup_finish(b);
            return CopyEnd::Canceled;
        }
    }
    sqlite3_backup_finish(b);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        throw DbError(QStringLiteral("数据文件正被其他程序占用,请稍后再试。").toStdString());
    if (rc != SQLITE_DONE) throw DbError(sqlite3_errstr(rc));
    if (progress) progress(1, 1);
    return CopyEnd::Done;
}

// Reports one half of a two-part piece of work as per cent of the whole.
TDm::ProgressFn half(const TDm::ProgressFn& progress, int offset) {
    if (!progress) return {};
    return [progress, offset](int done, int total) {
        return progress(offset + (total > 0 ? int(qint64(done) * 50 / total) : 50), 100);
    };
}

// The schema version of a file chosen for a restore. Throws OpenError when the file is not a
// database, not ours, damaged or from a newer build.
int restorableVersion(const QString& file, int busyTimeoutMs) {
    using E = TDm::OpenError;
    if (!QFileInfo(file).isFile())
        throw E(E::CannotOpen, QStringLiteral("找不到所选文件:%1").arg(file));
    if (!TDm::hasDatabaseHeader(file))
        throw E(E::NotDatabase, QStringLiteral("所选文件不是数据库文件:%1").arg(file));
    RawDb src(file, kReadOnly, busyTimeoutMs);
    const auto damaged = [&] {
        return E(E::NotDatabase,
                 QStringLiteral("所选文件不是数据库文件或已经损坏:%1\n%2").arg(file, src.error()));
    };
    if (!src.ok()) throw damaged();
    auto ours = src.value(
        "SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND lower(name)='tb_sys_version'");
    if (!ours) throw damaged();
    if (ours->toInt() == 0)
        throw E(E::NotOurs, QStringLiteral("所选文件不是本系统的数据文件:%1").arg(file));
    auto version = src.value("SELECT MAX(Version) FROM Tb_SYS_Version");
    if (!version) throw damaged();
    if (version->toInt() > TDm::latestSchemaVersion())
        throw E(E::Newer,
                QStringLiteral("所选文件由较新版本的程序建立(版本%1),请使用新版本的程序恢复:%2")
                    .arg(version->toInt())
                    .arg(file));
    return version->toInt();
}

}  // namespace

bool TDm::hasDatabaseHeader(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return false;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

sqlite3* TDm::sqliteHandle() {
    ensureOpen();
    if (options_.engine != Engine::SQLite)
        throw DbError(QStringLiteral("备份与恢复由数据库服务器完成。").toStdString());
    QVariant h = db_.driver()->handle();
    sqlite3* handle = h.isValid() && qstrcmp(h.typeName(), "sqlite3*") == 0
                          ? *static_cast<sqlite3* const*>(h.constData())
                          : nullptr;
    if (!handle) throw DbError("the data file is not open");
    return handle;
}

bool TDm::backupTo(const QString& file, const ProgressFn& progress) {
    sqlite3* live = sqliteHandle();
    if (sameFile(file, options_.path))
        throw DbError(QStringLiteral("不能备份到正在使用的数据文件:%1").arg(file).toStdString());
    // Written beside the target and moved there whole: a failed or cancelled backup leaves an
    // earlier backup of the same name as it was.
    const QString part = file + ".part" + QString::number(QCoreApplication::applicationPid());
    RemovedAtEnd cleanup{part};
    removeDatabaseFiles(part);
    {
        RawDb dst(part, kCreate, options_.busyTimeoutMs);
        if (!dst.ok())
            throw DbError(
                QStringLiteral("无法写入备份文件:%1\n%2").arg(file, dst.error()).toStdString());
        if (copyPages(live, dst.get(), progress, options_.busyTimeoutMs) == CopyEnd::Canceled)
            return false;
        // A backup is one self-contained file, without a write-ahead log beside it.
        if (!dst.exec("PRAGMA journal_mode=DELETE"))
            throw DbError(
                QStringLiteral("无法写入备份文件:%1\n%2").arg(file, dst.error()).toStdString());
    }
    std::error_code ec;
    std::filesystem::rename(part.toStdString(), file.toStdString(), ec);
    if (ec)
        throw DbError(QStringLiteral("无法写入备份文件:%1\n%2")
                          .arg(file, QString::fromStdString(ec.message()))
                          .toStdString());
    return true;
}

bool TDm::restoreFrom(const QString& file, const ProgressFn& progress) {
    sqlite3* live = sqliteHandle();
    if (depth_ > 0) throw DbError("a restore cannot run inside a transaction");
    const int version = restorableVersion(file, options_.busyTimeoutMs);

    // The file is copied beside the data and checked there; nothing of the data changes yet.
    const QString work =
        options_.path + ".restore" + QString::number(QCoreApplication::applicationPid());
    RemovedAtEnd cleanup{work};
    removeDatabaseFiles(work);
    {
        RawDb src(file, kReadOnly, options_.busyTimeoutMs);
        RawDb copy(work, kCreate, options_.busyTimeoutMs);
        if (!copy.ok())
            throw DbError(
                QStringLiteral("无法建立临时文件:%1\n%2").arg(work, copy.error()).toStdString());
        try {
            if (copyPages(src.get(), copy.get(), half(progress, 0), options_.busyTimeoutMs) ==
                CopyEnd::Canceled)
                return false;
        } catch (const DbError& e) {
            throw OpenError(OpenError::NotDatabase,
                            QStringLiteral("所选文件无法读取或已经损坏:%1\n%2")
                                .arg(file, QString::fromUtf8(e.what())));
        }
        if (copy.value("PRAGMA quick_check") != QStringLiteral("ok"))
            throw OpenError(OpenError::NotDatabase,
                            QStringLiteral("所选文件已经损坏:%1").arg(file));
        copy.exec("PRAGMA journal_mode=DELETE");
        // The data's page size cannot change while it keeps its write-ahead log.
        const QString pageSize = QString::number(integer("PRAGMA page_size"));
        if (copy.value("PRAGMA page_size") != pageSize &&
            !copy.exec("PRAGMA page_size=" + pageSize + ";VACUUM"))
            throw DbError(copy.error().toStdString());
    }
    if (version < latestSchemaVersion()) {
        // An older file is brought up to this build's schema on the copy, so that the data is
        // never left half-upgraded.
        Options o;
        o.path = work;
        o.demoData = false;
        o.durable = false;
        o.busyTimeoutMs = options_.busyTimeoutMs;
        try {
            TDm upgraded(o);
        } catch (const OpenError& e) {
            throw OpenError(
                OpenError::Failed,
                QStringLiteral("所选文件无法升级到本程序的版本:%1\n%2").arg(file, e.message()));
        }
    }

    // The checked copy replaces the data in one transaction.
    RawDb checked(work, SQLITE_OPEN_READWRITE, options_.busyTimeoutMs);
    if (!checked.ok()) throw DbError(checked.error().toStdString());
    return copyPages(checked.get(), live, half(progress, 50), options_.busyTimeoutMs) ==
           CopyEnd::Done;
}

}  // namespace wy
