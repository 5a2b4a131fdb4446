#pragma once
// The data module: the one database connection of the program and the way every window runs
// SQL on it. Values are always bound; results are read whole, so no query stays open between
// commands; NULL reads as 0 or as empty text.
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <QVector>
#include <functional>
#include <future>
#include <memory>
#include <stdexcept>

#include "db/Money.h"

struct sqlite3;

namespace wy {

class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One result row. Columns are found by position or, ignoring letter case, by name.
class Row {
public:
    Row() = default;
    Row(QVector<QVariant> values, std::shared_ptr<const QStringList> names)
        : values_(std::move(values)), names_(std::move(names)) {}

    int size() const { return int(values_.size()); }
    int indexOf(const QString& column) const;
    bool isNull(int col) const { return col < 0 || col >= size() || values_[col].isNull(); }
    QVariant value(int col) const { return col >= 0 && col < size() ? values_[col] : QVariant(); }
    QVariant value(const QString& column) const { return value(indexOf(column)); }

    // Trimmed text; NULL reads as empty text. Numbers read as the database would show them.
    QString text(int col) const;
    QString text(const QString& column) const { return text(indexOf(column)); }
    // Untrimmed text.
    QString raw(int col) const;
    // Integer; NULL or non-numeric text reads as 0.
    qint64 integer(int col) const;
    qint64 integer(const QString& column) const { return integer(indexOf(column)); }
    double number(int col) const;
    double number(const QString& column) const { return number(indexOf(column)); }
    Money money(int col) const { return Money::fromVariant(value(col)); }
    Money money(const QString& column) const { return money(indexOf(column)); }
    QStringList columns() const { return names_ ? *names_ : QStringList(); }

private:
    QVector<QVariant> values_;
    std::shared_ptr<const QStringList> names_;
};

using Rows = QVector<Row>;
using Binds = QVariantList;

class TDm {
public:
    enum class Engine { SQLite, PostgreSQL };

    struct Options {
        // SQLite: the data file. PostgreSQL: a connection text "host=… port=… dbname=… user=…
        // password=…" (server mode).
        QString path;
        Engine engine = Engine::SQLite;
        bool demoData = true;       // a new file gets the demonstration office
        bool durable = true;        // every commit reaches the disk before it returns
        int busyTimeoutMs = 15000;  // how long a statement waits for another program's lock
        // A new data file is built on a thread of its own while the program goes on (the login
        // window shows at once); the first statement waits for it and reports its failure.
        bool createInBackground = false;
    };

    // Why a data file was refused. The file is left as it was in every case.
    struct OpenError : std::runtime_error {
        enum Kind { CannotOpen, NotDatabase, NotOurs, Newer, Locked, Failed } kind;
        OpenError(Kind k, const QString& message)
            : std::runtime_error(message.toStdString()), kind(k) {}
        QString message() const { return QString::fromStdString(what()); }
    };

    // Opens the data, creating a new file from the shipped schema when it does not exist and
    // upgrading an older one in place. Throws OpenError.
    explicit TDm(const Options& options);
    ~TDm();
    TDm(const TDm&) = delete;
    TDm& operator=(const TDm&) = delete;

    // Applies a server connection text ("host=… port=… dbname=… user=… password=…").
    static void setServerConnection(QSqlDatabase& db, const QString& connection);

    Engine engine() const { return options_.engine; }
    const Options& options() const { return options_; }
    QSqlDatabase& connection() {
        ensureOpen();
        return db_;
    }
    int schemaVersion();
    static int latestSchemaVersion();
    bool createdNow() const { return createdNow_; }

    // Runs one statement with bound values ("?" placeholders). Throws DbError.
    void exec(const QString& sql, const Binds& binds = {});
    // Number of rows the last exec() changed.
    int affected() const { return affected_; }
    Rows rows(const QString& sql, const Binds& binds = {});
    // The first row, or an empty row (every column reads NULL) when there is none.
    Row first(const QString& sql, const Binds& binds = {});
    bool exists(const QString& sql, const Binds& binds = {});
    // The first column of the first row.
    QString text(const QString& sql, const Binds& binds = {});
    qint64 integer(const QString& sql, const Binds& binds = {});
    Money money(const QString& sql, const Binds& binds = {});

    // Transactions: BEGIN takes the write lock at once (a second program waits for it, up to
    // the busy time-out), so keys computed inside never collide. Nested levels are savepoints.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return depth_; }

    // The next serial key of a table: the largest plus one (1 for an empty table). Call inside
    // a transaction, and insert before committing.
    qint64 nextKey(const QString& table, const QString& column = QStringLiteral("BH"));

    bool tableExists(const QString& table);

    // Runs a script of statements separated by ";" (schema steps, data).
    void runScript(const QString& script);
    static QStringList splitStatements(const QString& script);

    // Backup and restore of the embedded database (db/TDmBackup.cpp). `progress` is told the
    // work done and the total; returning false cancels, which leaves everything as it was and
    // makes the call return false.
    using ProgressFn = std::function<bool(int done, int total)>;
    // The database's online copy of the whole data into one file, written beside it and put in
    // place only when complete. Throws DbError.
    bool backupTo(const QString& file, const ProgressFn& progress = {});
    // Replaces the whole data with a file made by this program. The file is checked (a database,
    // ours, not from a newer build, not damaged), copied aside and upgraded to this build's
    // schema before the data is replaced in one transaction, so a refused, failed or cancelled
    // restore leaves the data exactly as it was. Throws OpenError for a refused file, DbError
    // when the replacement fails.
    bool restoreFrom(const QString& file, const ProgressFn& progress = {});
    // Whether the file starts like an SQLite database.
    static bool hasDatabaseHeader(const QString& file);

private:
    void openSqlite();
    void ensureOpen();
    void openServer();
    void configureConnection();
    void runConnectionScripts();
    void createSchema(bool demo);
    void upgrade();
    void registerFunctions();
    QSqlQuery prepared(const QString& sql, const Binds& binds);
    sqlite3* sqliteHandle();

    Options options_;
    QString name_;
    QSqlDatabase db_;
    int depth_ = 0;
    int affected_ = 0;
    bool createdNow_ = false;
    std::future<void> creation_;  // a new file being built in the background
    QString openFailure_;
};

// RAII guard: rolls the transaction back unless commit() was called.
class Transaction {
public:
    explicit Transaction(TDm& dm) : dm_(dm) { dm_.begin(); }
    ~Transaction() {
        if (!done_) {
            try {
                dm_.rollback();
            } catch (...) {
            }
        }
    }
    void commit() {
        dm_.commit();
        done_ = true;
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    TDm& dm_;
    bool done_ = false;
};

// A text value as an SQL string literal, for the few places where a condition text must be
// composed (place pickers, the query wizard). Everything else binds its values.
QString sqlQuote(const QString& text);

}  // namespace wy
