#include "db/TDm.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <cmath>

#include "db/SqlFunctions.h"

namespace wy {

namespace {

std::atomic<int> connectionCounter{0};

QStringList resourceFiles(const QString& dir) {
    QStringList files = QDir(dir).entryList({"*.sql"}, QDir::Files, QDir::Name);
    for (auto& f : files) f = dir + '/' + f;
    return files;
}

int stepNumber(const QString& file) {
    return QFileInfo(file).fileName().section('_', 0, 0).toInt();
}

QString readResource(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) throw DbError("missing " + file.toStdString());
    return QString::fromUtf8(f.readAll());
}

QString errorText(const QSqlError& e) {
    QString t = e.databaseText().trimmed();
    return t.isEmpty() ? e.text().trimmed() : t;
}

bool isLockError(const QString& text) {
    return text.contains("locked", Qt::CaseInsensitive) ||
           text.contains("busy", Qt::CaseInsensitive);
}

}  // namespace

// ---------------------------------------------------------------- Row

int Row::indexOf(const QString& column) const {
    if (!names_) return -1;
    for (int i = 0; i < names_->size(); ++i)
        if (names_->at(i).compare(column, Qt::CaseInsensitive) == 0) return i;
    return -1;
}

QString Row::raw(int col) const {
    QVariant v = value(col);
    if (v.isNull()) return {};
    if (v.typeId() == QMetaType::Double) {
        double d = v.toDouble();
        if (std::abs(d - std::round(d)) < 1e-9 && std::abs(d) < 1e15)
            return QString::number(qint64(std::llround(d)));
        return QString::number(d, 'g', 15);
    }
    return v.toString();
}

QString Row::text(int col) const {
    return raw(col).trimmed();
}

qint64 Row::integer(int col) const {
    QVariant v = value(col);
    if (v.isNull()) return 0;
    bool ok = false;
    qint64 i = v.toLongLong(&ok);
    if (ok) return i;
    double d = v.toString().trimmed().toDouble(&ok);
    return ok ? qint64(d) : 0;
}

double Row::number(int col) const {
    QVariant v = value(col);
    if (v.isNull()) return 0;
    bool ok = false;
    double d = v.toDouble(&ok);
    if (ok) return d;
    d = v.toString().trimmed().toDouble(&ok);
    return ok ? d : 0;
}

QString sqlQuote(const QString& text) {
    QString t = text;
    t.replace('\'', QLatin1String("''"));
    return '\'' + t + '\'';
}

// ---------------------------------------------------------------- opening

TDm::TDm(const Options& options) : options_(options) {
    name_ = QString("wy%1").arg(connectionCounter++);
    if (options_.engine != Engine::SQLite) {
        openServer();
    } else if (options_.createInBackground && !QFileInfo::exists(options_.path)) {
        Options builder = options_;
        builder.createInBackground = false;
        // The builder's own connection lives and dies on its thread.
        creation_ = std::async(std::launch::async, [builder] { TDm made(builder); });
        createdNow_ = true;
    } else {
        openSqlite();
    }
}

void TDm::ensureOpen() {
    if (!openFailure_.isEmpty()) throw OpenError(OpenError::Failed, openFailure_);
    if (!creation_.valid()) return;
    auto pending = std::move(creation_);
    try {
        pending.get();  // the builder's failure, if any
        openSqlite();
    } catch (const std::exception& e) {
        // Every later statement reports the same, rather than running on no connection.
        openFailure_ = QString::fromStdString(e.what());
        throw OpenError(OpenError::Failed, openFailure_);
    }
}

TDm::~TDm() {
    if (creation_.valid()) {
        try {
            creation_.get();
        } catch (...) {
        }
    }
    while (depth_ > 0) {
        try {
            rollback();
        } catch (...) {
            break;
        }
    }
    {
        QSqlDatabase none;
        db_ = none;
    }
    QSqlDatabase::removeDatabase(name_);
}

int TDm::latestSchemaVersion() {
    int latest = 0;
    for (const auto& f : resourceFiles(":/db/sql")) latest = std::max(latest, stepNumber(f));
    return latest;
}

void TDm::configureConnection() {
    if (options_.engine != Engine::SQLite) return;
    registerFunctions();
    exec("PRAGMA busy_timeout=" + QString::number(options_.busyTimeoutMs));
}

// Every connection's own scratch tables: TEMP tables, so that two workstations never see each
// other's rows. One script per file in db/connection; a file of the same name in
// db/pg/connection replaces it on PostgreSQL.
void TDm::runConnectionScripts() {
    for (const auto& f : resourceFiles(":/db/connection")) {
        const QString pg = ":/db/pg/connection/" + QFileInfo(f).fileName();
        runScript(
            readResource(options_.engine == Engine::PostgreSQL && QFile::exists(pg) ? pg : f));
    }
}

void TDm::registerFunctions() {
    QVariant h = db_.driver()->handle();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0) return;
    sqlite3* handle = *static_cast<sqlite3* const*>(h.constData());
    if (handle) registerSqliteFunctions(handle);
}

void TDm::openSqlite() {
    const QString path = options_.path;
    QFileInfo info(path);
    if (!info.exists()) {
        // A new file is built beside its final place and moved there whole, so a program that
        // stops half-way never leaves a partly made data file behind.
        QDir().mkpath(info.absolutePath());
        QString temp = path + ".new" + QString::number(QCoreApplication::applicationPid());
        QFile::remove(temp);
        {
            db_ = QSqlDatabase::addDatabase("QSQLITE", name_);
            db_.setDatabaseName(temp);
            if (!db_.open())
                throw OpenError(OpenError::CannotOpen, QStringLiteral("无法建立数据文件:%1\n%2")
                                                           .arg(path, errorText(db_.lastError())));
            configureConnection();
            try {
                exec("PRAGMA journal_mode=MEMORY");
                exec("PRAGMA synchronous=FULL");
                createSchema(options_.demoData);
                // Left in write-ahead mode, so the first real open has nothing to change.
                exec("PRAGMA journal_mode=WAL");
            } catch (const std::exception& e) {
                db_.close();
                QFile::remove(temp);
                throw OpenError(OpenError::Failed,
                                QStringLiteral("无法建立数据文件:%1\n%2")
                                    .arg(path, QString::fromStdString(e.what())));
            }
            db_.close();
        }
        if (!QFile::rename(temp, path)) QFile::remove(temp);  // another program made it first
        createdNow_ = true;
        info = QFileInfo(path);
    }

    if (!info.isFile() || !info.isReadable() || !info.isWritable())
        throw OpenError(OpenError::CannotOpen, QStringLiteral("无法打开数据文件:%1").arg(path));
    {
        // Look at the header before handing the file to the engine, so that a file that is not
        // a database is never touched.
        if (!hasDatabaseHeader(path))
            throw OpenError(OpenError::NotDatabase,
                            QStringLiteral("所选文件不是数据库文件:%1").arg(path));
    }
    if (!db_.isValid()) db_ = QSqlDatabase::addDatabase("QSQLITE", name_);
    db_.setDatabaseName(path);
    if (!db_.open())
        throw OpenError(
            OpenError::CannotOpen,
            QStringLiteral("无法打开数据文件:%1\n%2").arg(path, errorText(db_.lastError())));
    configureConnection();

    int version = 0;
    try {
        if (!tableExists("Tb_SYS_Version"))
            throw OpenError(OpenError::NotOurs,
                            QStringLiteral("所选文件不是本系统的数据文件:%1").arg(path));
        version = int(integer("SELECT MAX(Version) FROM Tb_SYS_Version"));
    } catch (const DbError& e) {
        QString t = QString::fromStdString(e.what());
        if (isLockError(t))
            throw OpenError(OpenError::Locked,
                            QStringLiteral("数据文件正被其他程序占用,请稍后再试:%1").arg(path));
        throw OpenError(OpenError::NotDatabase,
                        QStringLiteral("所选文件不是数据库文件或已经损坏:%1\n%2").arg(path, t));
    }
    if (version > latestSchemaVersion())
        throw OpenError(
            OpenError::Newer,
            QStringLiteral(
                "数据文件由较新版本的程序建立(版本%1),本程序只能打开版本%2及以前的数据文件:%3")
                .arg(version)
                .arg(latestSchemaVersion())
                .arg(path));
    try {
        // Write-ahead log: readers never wait for a writer, and a commit survives a crash.
        exec("PRAGMA journal_mode=WAL");
        exec(options_.durable ? "PRAGMA synchronous=FULL" : "PRAGMA synchronous=OFF");
        upgrade();
        runConnectionScripts();
    } catch (const DbError& e) {
        QString t = QString::fromStdString(e.what());
        if (isLockError(t))
            throw OpenError(OpenError::Locked,
                            QStringLiteral("数据文件正被其他程序占用,请稍后再试:%1").arg(path));
        throw OpenError(OpenError::Failed, QStringLiteral("无法打开数据文件:%1\n%2").arg(path, t));
    }
}

void TDm::setServerConnection(QSqlDatabase& db, const QString& connection) {
    // "host=… port=… dbname=… user=… password=…"
    for (const QString& part : connection.split(' ', Qt::SkipEmptyParts)) {
        const QString key = part.section('=', 0, 0), value = part.section('=', 1);
        if (key == "host")
            db.setHostName(value);
        else if (key == "port")
            db.setPort(value.toInt());
        else if (key == "dbname")
            db.setDatabaseName(value);
        else if (key == "user")
            db.setUserName(value);
        else if (key == "password")
            db.setPassword(value);
    }
}

void TDm::openServer() {
    db_ = QSqlDatabase::addDatabase("QPSQL", name_);
    setServerConnection(db_, options_.path);
    if (!db_.open())
        throw OpenError(OpenError::CannotOpen,
                        QStringLiteral("无法连接数据库服务器:%1").arg(errorText(db_.lastError())));
    try {
        if (!tableExists("Tb_SYS_Version")) {
            Transaction t(*this);
            createSchema(options_.demoData);
            t.commit();
            createdNow_ = true;
        }
        if (schemaVersion() > latestSchemaVersion())
            throw OpenError(OpenError::Newer,
                            QStringLiteral("数据库由较新版本的程序建立,请使用新版本程序。"));
        upgrade();
        for (const auto& f : resourceFiles(":/db/pg")) exec(readResource(f));
        runConnectionScripts();
    } catch (const DbError& e) {
        throw OpenError(OpenError::Failed, QString::fromStdString(e.what()));
    }
}

int TDm::schemaVersion() {
    return int(integer("SELECT MAX(Version) FROM Tb_SYS_Version"));
}

void TDm::createSchema(bool demo) {
    bool own = depth_ == 0;
    if (own) begin();
    for (const auto& f : resourceFiles(":/db/sql")) runScript(readResource(f));
    exec("INSERT INTO Tb_SYS_Version (Version) VALUES (?)", {latestSchemaVersion()});
    if (demo)
        for (const auto& f : resourceFiles(":/db/demo")) runScript(readResource(f));
    if (own) commit();
}

void TDm::upgrade() {
    const auto steps = resourceFiles(":/db/sql");
    for (const auto& f : steps) {
        int step = stepNumber(f);
        if (step <= schemaVersion()) continue;
        Transaction t(*this);
        // Another program may have upgraded while this one waited for the lock.
        if (step <= schemaVersion()) continue;
        runScript(readResource(f));
        exec("DELETE FROM Tb_SYS_Version");
        exec("INSERT INTO Tb_SYS_Version (Version) VALUES (?)", {step});
        t.commit();
    }
}

// ---------------------------------------------------------------- statements

QSqlQuery TDm::prepared(const QString& sql, const Binds& binds) {
    ensureOpen();
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (binds.isEmpty()) {
        if (!q.exec(sql)) throw DbError(errorText(q.lastError()).toStdString());
        return q;
    }
    if (!q.prepare(sql)) throw DbError(errorText(q.lastError()).toStdString());
    for (int i = 0; i < binds.size(); ++i) {
        // Text from an empty field is empty text, never NULL.
        const QVariant& v = binds[i];
        if (v.typeId() == QMetaType::QString && v.toString().isNull())
            q.bindValue(i, QString(""));
        else
            q.bindValue(i, v);
    }
    if (!q.exec()) throw DbError(errorText(q.lastError()).toStdString());
    return q;
}

void TDm::exec(const QString& sql, const Binds& binds) {
    QSqlQuery q = prepared(sql, binds);
    affected_ = q.numRowsAffected();
}

Rows TDm::rows(const QString& sql, const Binds& binds) {
    QSqlQuery q = prepared(sql, binds);
    Rows out;
    QSqlRecord rec = q.record();
    auto names = std::make_shared<QStringList>();
    for (int i = 0; i < rec.count(); ++i) names->append(rec.fieldName(i));
    while (q.next()) {
        QVector<QVariant> values(rec.count());
        for (int i = 0; i < rec.count(); ++i) values[i] = q.value(i);
        out.append(Row(std::move(values), names));
    }
    if (q.lastError().isValid()) throw DbError(errorText(q.lastError()).toStdString());
    return out;
}

Row TDm::first(const QString& sql, const Binds& binds) {
    QSqlQuery q = prepared(sql, binds);
    QSqlRecord rec = q.record();
    auto names = std::make_shared<QStringList>();
    for (int i = 0; i < rec.count(); ++i) names->append(rec.fieldName(i));
    QVector<QVariant> values(rec.count());
    if (q.next())
        for (int i = 0; i < rec.count(); ++i) values[i] = q.value(i);
    return Row(std::move(values), names);
}

bool TDm::exists(const QString& sql, const Binds& binds) {
    QSqlQuery q = prepared(sql, binds);
    return q.next();
}

QString TDm::text(const QString& sql, const Binds& binds) {
    return first(sql, binds).text(0);
}
qint64 TDm::integer(const QString& sql, const Binds& binds) {
    return first(sql, binds).integer(0);
}
Money TDm::money(const QString& sql, const Binds& binds) {
    return first(sql, binds).money(0);
}

bool TDm::tableExists(const QString& table) {
    if (options_.engine == Engine::SQLite)
        return exists(
            "SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND lower(name)=lower(?)",
            {table});
    return exists("SELECT 1 FROM information_schema.tables WHERE lower(table_name)=lower(?)",
                  {table});
}

// ---------------------------------------------------------------- transactions

void TDm::begin() {
    if (depth_ == 0)
        exec(options_.engine == Engine::SQLite ? "BEGIN IMMEDIATE" : "BEGIN");
    else
        exec(QString("SAVEPOINT wy%1").arg(depth_));
    ++depth_;
}

void TDm::commit() {
    if (depth_ <= 0) throw DbError("commit without a transaction");
    if (depth_ == 1)
        exec("COMMIT");
    else
        exec(QString("RELEASE SAVEPOINT wy%1").arg(depth_ - 1));
    --depth_;
}

void TDm::rollback() {
    if (depth_ <= 0) return;
    --depth_;
    if (depth_ == 0) {
        exec("ROLLBACK");
    } else {
        exec(QString("ROLLBACK TO SAVEPOINT wy%1").arg(depth_));
        exec(QString("RELEASE SAVEPOINT wy%1").arg(depth_));
    }
}

qint64 TDm::nextKey(const QString& table, const QString& column) {
    if (depth_ == 0) throw DbError("a new key is taken inside a transaction");
    if (options_.engine == Engine::PostgreSQL)
        exec("LOCK TABLE " + table + " IN SHARE ROW EXCLUSIVE MODE");
    return integer("SELECT MAX(" + column + ") FROM " + table) + 1;
}

// ---------------------------------------------------------------- scripts

QStringList TDm::splitStatements(const QString& script) {
    QStringList out;
    QString cur;
    bool inString = false;
    for (int i = 0; i < script.size(); ++i) {
        QChar c = script[i];
        if (!inString && c == '-' && i + 1 < script.size() && script[i + 1] == '-') {
            while (i < script.size() && script[i] != '\n') ++i;
            cur += '\n';
            continue;
        }
        if (c == '\'') inString = !inString;
        if (c == ';' && !inString) {
            if (!cur.trimmed().isEmpty()) out << cur.trimmed();
            cur.clear();
            continue;
        }
        cur += c;
    }
    if (!cur.trimmed().isEmpty()) out << cur.trimmed();
    return out;
}

void TDm::runScript(const QString& script) {
    if (options_.engine == Engine::SQLite) {
        // The engine runs the whole script in one call: far quicker than a statement at a time,
        // which matters for the first start.
        char* error = nullptr;
        if (sqlite3_exec(sqliteHandle(), script.toUtf8().constData(), nullptr, nullptr, &error) !=
            SQLITE_OK) {
            const std::string text = error ? error : "script failed";
            sqlite3_free(error);
            throw DbError(text);
        }
        return;
    }
    for (const auto& s : splitStatements(script)) exec(s);
}

}  // namespace wy
