// Exact money and the amount in Chinese capitals, as receipts print it.
#include "db/Money.h"

#include <gtest/gtest.h>

#include "tests/TestDb.h"

namespace wy::test {
namespace {

TEST(Money, ParsesAndShowsToTheFen) {
    struct Case {
        const char* text;
        const char* shown;
        const char* sql;
    };
    const Case cases[] = {
        {"0", "0.00", "0"},
        {"12.5", "12.50", "12.5"},
        {" 1001.50 ", "1001.50", "1001.5"},
        {"-0.01", "-0.01", "-0.01"},
        {"0.005", "0.01", "0.005"},
        {"0.00005", "0.00", "0.0001"},
        {"2.675", "2.68", "2.675"},
        {".5", "0.50", "0.5"},
        {"123456789.1234", "123456789.12", "123456789.1234"},
    };
    for (const Case& c : cases) {
        auto m = Money::parse(c.text);
        ASSERT_TRUE(m) << c.text;
        EXPECT_EQ(m->toString().toStdString(), c.shown) << c.text;
        EXPECT_EQ(m->toSql().toStdString(), c.sql) << c.text;
    }
    for (const char* bad : {"", "abc", "1.2.3", "1,000", "--1"})
        EXPECT_FALSE(Money::parse(bad)) << bad;
}

TEST(Money, SumsOfDatabaseDoublesAgreeToTheFen) {
    // 0.1 + 0.2 in floating point is 0.30000000000000004: read at the boundary it is exact.
    Money sum;
    for (int i = 0; i < 1000; ++i) sum += Money::fromVariant(QVariant(0.1));
    EXPECT_EQ(sum.toString(), "100.00");
    EXPECT_TRUE(Money::fromVariant(QVariant(0.004)).isZeroAtFen());
    EXPECT_FALSE(Money::fromVariant(QVariant(0.005)).isZeroAtFen());
    EXPECT_EQ(Money::fromVariant(QVariant()).units(), 0);
    EXPECT_EQ(Money::fromVariant(QVariant(QString(""))).units(), 0);
}

TEST(Money, CapitalsAsReceiptsPrintThem) {
    struct Case {
        const char* amount;
        const char* words;
    };
    const Case cases[] = {
        {"1001.50", "壹仟零壹元伍角整"},
        {"0", "零元整"},
        {"0.5", "伍角整"},
        {"0.05", "伍分"},
        {"100", "壹佰元整"},
        {"1001.05", "壹仟零壹元零伍分"},
        {"1010", "壹仟零壹拾元整"},
        {"10", "壹拾元整"},
        {"15.36", "壹拾伍元叁角陆分"},
        {"100000", "壹拾万元整"},
        {"100010", "壹拾万零壹拾元整"},
        {"1000001", "壹佰万零壹元整"},
        {"10000000", "壹仟万元整"},
        {"100000000", "壹亿元整"},
        {"120003000.7", "壹亿贰仟万零叁仟元柒角整"},
        {"-25.5", "负贰拾伍元伍角整"},
        {"0.999", "壹元整"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(castMoney(*Money::parse(c.amount)).toStdString(), c.words) << c.amount;
}

TEST(Money, CapitalsAreAFunctionOfTheDatabase) {
    TestDb db;
    EXPECT_EQ(db.dm().text("select castMoney(1001.50)"), QStringLiteral("壹仟零壹元伍角整"));
    EXPECT_EQ(db.dm().text("select castMoney('88')"), QStringLiteral("捌拾捌元整"));
    EXPECT_EQ(db.dm().text("select castMoney(NULL)"), QStringLiteral("零元整"));
}

}  // namespace
}  // namespace wy::test
