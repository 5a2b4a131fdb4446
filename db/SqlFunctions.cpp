#include "db/SqlFunctions.h"

#include <sqlite3.h>

#include "db/Money.h"

namespace wy {

namespace {

Money moneyArg(sqlite3_value* v) {
    switch (sqlite3_value_type(v)) {
        case SQLITE_INTEGER:
            return Money::fromUnits(sqlite3_value_int64(v) * Money::kScale);
        case SQLITE_FLOAT:
            return Money::fromDouble(sqlite3_value_double(v));
        case SQLITE_NULL:
            return Money();
        default: {
            auto m = Money::parse(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(v))));
            return m ? *m : Money();
        }
    }
}

// castMoney(amount): the amount in Chinese capital numerals, for receipts.
void castMoneyFunction(sqlite3_context* ctx, int, sqlite3_value** argv) {
    QByteArray text = castMoney(moneyArg(argv[0])).toUtf8();
    sqlite3_result_text(ctx, text.constData(), int(text.size()), SQLITE_TRANSIENT);
}

}  // namespace

void registerSqliteFunctions(sqlite3* db) {
    sqlite3_create_function_v2(db, "castMoney", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               castMoneyFunction, nullptr, nullptr, nullptr);
}

}  // namespace wy
