#pragma once
// Functions the program's SQL relies on that SQLite lacks, registered on each connection.
// The same functions exist on the server as PostgreSQL functions (db/pg/).
struct sqlite3;

namespace wy {
void registerSqliteFunctions(sqlite3* db);
}
