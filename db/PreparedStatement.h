#pragma once
// One statement prepared once and run many times with new values: the way bulk work (house
// generation, batch postings) writes thousands of rows without parsing the text each time.
// Runs on the TDm's connection, inside the caller's Transaction.
#include <QSqlQuery>

#include "db/TDm.h"

namespace wy {

class PreparedStatement {
public:
    PreparedStatement(TDm& dm, const QString& sql);
    // Binds the values in order and runs the statement. Throws DbError.
    void run(const Binds& values);

private:
    QSqlQuery query_;
};

}  // namespace wy
