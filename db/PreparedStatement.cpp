#include "db/PreparedStatement.h"

#include <QSqlError>

namespace wy {

namespace {
std::string errorText(const QSqlError& e) {
    const QString t = e.databaseText().trimmed();
    return (t.isEmpty() ? e.text().trimmed() : t).toStdString();
}
}  // namespace

PreparedStatement::PreparedStatement(TDm& dm, const QString& sql) : query_(dm.connection()) {
    query_.setForwardOnly(true);
    if (!query_.prepare(sql)) throw DbError(errorText(query_.lastError()));
}

void PreparedStatement::run(const Binds& values) {
    for (int i = 0; i < values.size(); ++i) {
        // Text from an empty field is empty text, never NULL (as TDm binds it).
        const QVariant& v = values[i];
        if (v.typeId() == QMetaType::QString && v.toString().isNull())
            query_.bindValue(i, QString(""));
        else
            query_.bindValue(i, v);
    }
    if (!query_.exec()) throw DbError(errorText(query_.lastError()));
}

}  // namespace wy
