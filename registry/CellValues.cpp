#include "registry/CellValues.h"

#include <QDate>
#include <QRegularExpression>
#include <cmath>

namespace wy {

std::optional<double> cellNumber(const QString& text) {
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(d)) return std::nullopt;
    return d;
}

std::optional<qint64> cellInteger(const QString& text) {
    bool ok = false;
    const qint64 i = text.trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;
    return i;
}

std::optional<QString> cellDate(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return QString();
    static const QRegularExpression form(QStringLiteral(
        "^(\\d{4})[-/.年](\\d{1,2})[-/.月](\\d{1,2})日?(\\s+\\d{1,2}:\\d{2}(:\\d{2})?)?$"));
    const auto m = form.match(t);
    if (!m.hasMatch()) return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid()) return std::nullopt;
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

}  // namespace wy
