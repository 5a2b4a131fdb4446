// The registry's conventions that later windows rely on: the standard house order, the column
// defaults that no statement writes, the occupancy date kept as text, and the registry views.
#include <gtest/gtest.h>

#include "registry/HouseOrder.h"
#include "tests/TestDb.h"

namespace wy::test {
namespace {

QStringList column(TDm& dm, const QString& sql) {
    QStringList out;
    for (const Row& r : dm.rows(sql)) out << r.text(0);
    return out;
}

class RegistryModel : public ::testing::Test {
protected:
    void SetUp() override {
        dm().exec("INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC,SZDQ) VALUES (1,'1','翠竹苑','建邺区')");
        dm().exec(
            "INSERT INTO Tb_SYS_XQLD (BH,LDBH,XQBH,LDXH,LDMC,LDCS,LDDYS,JGRQ,RZRQ) VALUES "
            "(1,1,1,1,'1',18,2,'2019-06-30','2019-09-01'),(2,2,1,2,'2',12,2,'2019-06-30','2019-09-"
            "01')");
    }
    // A house with the columns the order and the views read.
    void house(int bh, const QString& fybh, const QString& fyfx, int ldxh, int dyxh,
               const QString& rzrq = {}, int yzbh = 0) {
        dm().exec(
            "INSERT INTO Tb_FYXX (BH,FYBH,XQBH,LDBH,LDXH,DYXH,FYFX,RZRQ,YZBH) "
            "VALUES (?,?,1,?,?,?,?,?,?)",
            {bh, fybh, ldxh, ldxh, dyxh, fyfx, rzrq, yzbh});
    }
    TDm& dm() { return db_.dm(); }
    TestDb db_;
};

TEST_F(RegistryModel, StandardHouseOrderPutsShorterNumbersFirst) {
    // Text order would put 1-1-1101 before 1-1-302.
    house(1, "1-1-1101", "住宅", 1, 1);
    house(2, "1-1-302", "住宅", 1, 1);
    house(3, "1-2-1101", "住宅", 1, 2);
    house(4, "1-2-302", "住宅", 1, 2);
    house(5, "1-101", "门面", 1, 1);  // a shop on the ground floor: shortest number
    house(6, "2-1-301", "住宅", 2, 1);
    house(7, "1-1-301", "住宅", 1, 1);
    const QStringList expected = {"1-101",   "1-1-301",  "1-1-302", "1-2-302",
                                  "2-1-301", "1-1-1101", "1-2-1101"};
    EXPECT_EQ(column(dm(), "SELECT FYBH FROM Tb_FYXX ORDER BY " + houseOrder()), expected);
    // Qualified, it sorts a join in which LDXH is a column of both tables.
    EXPECT_EQ(
        column(dm(), "SELECT F.FYBH FROM Tb_FYXX F JOIN Tb_SYS_XQLD L ON L.BH=F.LDBH ORDER BY " +
                         houseOrder("F")),
        expected);
}

TEST_F(RegistryModel, ColumnsNoStatementWritesGetTheirDefaults) {
    // A new building is not generated yet; an owner's number is its serial.
    EXPECT_EQ(dm().text("SELECT LDBZ1 FROM Tb_SYS_XQLD WHERE BH=1"), QStringLiteral("否"));
    dm().exec("INSERT INTO Tb_SYS_KHXX (BH,KHXM) VALUES (7,'王芳')");
    EXPECT_EQ(dm().integer("SELECT KHBH FROM Tb_SYS_KHXX WHERE BH=7"), 7);
    dm().exec("UPDATE Tb_SYS_KHXX SET BH=8 WHERE BH=7");
    EXPECT_EQ(dm().integer("SELECT KHBH FROM Tb_SYS_KHXX WHERE BH=8"), 8);
}

TEST_F(RegistryModel, OccupancyDateOfAHouseIsText) {
    house(1, "1-1-101", "住宅", 1, 1, "2019-09-01");
    dm().exec("INSERT INTO Tb_FYXX (BH,FYBH) VALUES (2,'1-1-102')");
    EXPECT_EQ(column(dm(), "SELECT typeof(RZRQ) || ':' || RZRQ FROM Tb_FYXX ORDER BY BH"),
              (QStringList{"text:2019-09-01", "text:"}));
    // Compared as text, the way the receivable generation compares it.
    EXPECT_EQ(dm().integer("SELECT COUNT(*) FROM Tb_FYXX WHERE RZRQ<>'' AND RZRQ<='2019-12-31'"),
              1);
}

TEST_F(RegistryModel, BuildingViewRenamesTheDatesAndNamesTheEstate) {
    const Row r = dm().first("SELECT * FROM Uvw_SYS_XQLD WHERE BH=2");
    EXPECT_EQ(r.text("LDJGRQ"), "2019-06-30");
    EXPECT_EQ(r.text("LDRZRQ"), "2019-09-01");
    EXPECT_EQ(r.text("XQMC"), QStringLiteral("翠竹苑"));
    EXPECT_EQ(r.text("LDBZ1"), QStringLiteral("否"));
    EXPECT_EQ(column(dm(), "SELECT BH FROM Uvw_SYS_XQLD ORDER BY XQBH,BH"),
              (QStringList{"1", "2"}));
}

TEST_F(RegistryModel, HouseOwnerViewHasOneRowPerHouseWithOrWithoutOwner) {
    dm().exec("INSERT INTO Tb_SYS_KHXX (BH,KHXM,FYBH,RZRQ) VALUES (1,'李明',1,'2020-01-05')");
    house(1, "1-1-101", "住宅", 1, 1, "2019-09-01", 1);
    house(2, "1-1-102", "住宅", 1, 1);
    const Rows rows = dm().rows("SELECT * FROM Uvw_FY_KH ORDER BY " + houseOrder());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].text("KHXM"), QStringLiteral("李明"));
    EXPECT_EQ(rows[0].integer("KHBH"), 1);
    EXPECT_EQ(rows[0].text("RZRQ"), "2019-09-01");
    EXPECT_EQ(rows[0].text("KHRZRQ"), "2020-01-05");
    EXPECT_EQ(rows[0].text("LDMC"), "1");
    EXPECT_EQ(rows[0].text("XQMC"), QStringLiteral("翠竹苑"));
    EXPECT_EQ(rows[1].text("KHXM"), "");
    EXPECT_TRUE(rows[1].isNull(rows[1].indexOf("RZRQ_DT")));
    EXPECT_EQ(rows[1].text("RZRQ"), "");
}

}  // namespace
}  // namespace wy::test
