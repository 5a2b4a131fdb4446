#pragma once
// Exact money: ten-thousandths of a yuan in a 64-bit integer. Amounts read from the database
// are rounded to four decimals at the boundary; shown amounts are rounded to the fen.
#include <QString>
#include <QVariant>
#include <compare>
#include <optional>

namespace wy {

class Money {
public:
    static constexpr qint64 kScale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 tenThousandths) { return Money(tenThousandths); }
    static Money fromDouble(double yuan);
    // Parses "1234.5", "-0.01", " 12 "; nothing for text that is not a plain decimal number.
    static std::optional<Money> parse(const QString& text);
    // A database value: NULL and empty text read as 0.
    static Money fromVariant(const QVariant& v);

    qint64 units() const { return v_; }
    double toDouble() const { return double(v_) / kScale; }
    // "0.00": rounded half away from zero to the fen.
    QString toString() const;
    // Plain decimal text with up to four decimals, for SQL text and binding.
    QString toSql() const;
    Money roundedToFen() const;
    bool isZero() const { return v_ == 0; }
    // What shows as "0.00" never counts as owed.
    bool isZeroAtFen() const { return roundedToFen().v_ == 0; }

    Money operator+(Money o) const { return Money(v_ + o.v_); }
    Money operator-(Money o) const { return Money(v_ - o.v_); }
    Money operator-() const { return Money(-v_); }
    Money& operator+=(Money o) {
        v_ += o.v_;
        return *this;
    }
    Money& operator-=(Money o) {
        v_ -= o.v_;
        return *this;
    }
    auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 v) : v_(v) {}
    qint64 v_ = 0;
};

// The amount in Chinese capital numerals as a receipt shows it: 1001.50 → 壹仟零壹元伍角整.
QString castMoney(Money amount);

}  // namespace wy
