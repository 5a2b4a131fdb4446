#include "db/Money.h"

#include <QRegularExpression>
#include <cmath>

namespace wy {

namespace {
qint64 roundDiv(qint64 v, qint64 d) {  // half away from zero
    qint64 q = v / d, r = v % d;
    if (2 * std::llabs(r) >= d) q += v < 0 ? -1 : 1;
    return q;
}
}  // namespace

Money Money::fromDouble(double yuan) {
    return Money(qint64(std::llround(yuan * kScale)));
}

std::optional<Money> Money::parse(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^\\s*([+-]?)(\\d*)(?:\\.(\\d*))?\\s*$"));
    auto m = re.match(text);
    if (!m.hasMatch()) return std::nullopt;
    QString whole = m.captured(2), frac = m.captured(3);
    if (whole.isEmpty() && frac.isEmpty()) return std::nullopt;
    if (whole.size() > 14) return std::nullopt;
    qint64 v = whole.isEmpty() ? 0 : whole.toLongLong() * kScale;
    // Digits beyond the fourth decimal round the last kept one.
    QString f = frac.left(5).leftJustified(5, '0');
    qint64 five = f.toLongLong();
    v += roundDiv(five, 10);
    if (m.captured(1) == "-") v = -v;
    return Money(v);
}

Money Money::fromVariant(const QVariant& v) {
    if (v.isNull()) return Money();
    switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return Money(v.toLongLong() * kScale);
        case QMetaType::Double:
            return fromDouble(v.toDouble());
        default: {
            auto p = parse(v.toString());
            return p ? *p : Money();
        }
    }
}

Money Money::roundedToFen() const {
    return Money(roundDiv(v_, 100) * 100);
}

QString Money::toString() const {
    qint64 fen = roundDiv(v_, 100);
    QString s = QString::number(std::llabs(fen) / 100) + '.' +
                QString::number(std::llabs(fen) % 100).rightJustified(2, '0');
    return fen < 0 ? '-' + s : s;
}

QString Money::toSql() const {
    qint64 a = std::llabs(v_);
    QString s = QString::number(a / kScale);
    qint64 frac = a % kScale;
    if (frac) {
        QString f = QString::number(frac).rightJustified(4, '0');
        while (f.endsWith('0')) f.chop(1);
        s += '.' + f;
    }
    return v_ < 0 ? '-' + s : s;
}

QString castMoney(Money amount) {
    static const QString digits = QStringLiteral("零壹贰叁肆伍陆柒捌玖");
    static const QString units = QStringLiteral("仟佰拾");  // within a group of four
    static const QString groups[] = {QString(), QStringLiteral("万"), QStringLiteral("亿"),
                                     QStringLiteral("万亿")};
    qint64 fen = roundDiv(amount.units(), 100);
    QString out;
    if (fen < 0) {
        out = QStringLiteral("负");
        fen = -fen;
    }
    qint64 yuan = fen / 100;
    int jiao = int(fen % 100 / 10), f = int(fen % 10);

    QString whole;
    if (yuan > 0) {
        // Split into groups of four digits from the right; zeros between digits read as one 零.
        QVector<int> parts;
        for (qint64 y = yuan; y > 0; y /= 10000) parts.prepend(int(y % 10000));
        bool pendingZero = false;
        for (int g = 0; g < parts.size(); ++g) {
            int part = parts[g];
            int groupIndex = int(parts.size()) - 1 - g;
            if (part == 0) {
                pendingZero = true;
                continue;
            }
            int d[4] = {part / 1000, part / 100 % 10, part / 10 % 10, part % 10};
            for (int i = 0; i < 4; ++i) {
                if (d[i] == 0) {
                    if (!whole.isEmpty()) pendingZero = true;
                    continue;
                }
                if (pendingZero) whole += digits[0];
                pendingZero = false;
                whole += digits[d[i]];
                if (i < 3) whole += units[i];
            }
            whole += groups[std::min(groupIndex, 3)];
        }
        out += whole + QStringLiteral("元");
    }
    if (jiao == 0 && f == 0) {
        if (yuan == 0) out += QStringLiteral("零元");
        return out + QStringLiteral("整");
    }
    if (jiao > 0) {
        out += digits[jiao] + QStringLiteral("角");
    } else if (yuan > 0) {
        out += digits[0];
    }
    if (f > 0)
        out += digits[f] + QStringLiteral("分");
    else
        out += QStringLiteral("整");
    return out;
}

}  // namespace wy
