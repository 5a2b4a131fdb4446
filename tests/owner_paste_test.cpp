// Pasting a whole building's owners from a spreadsheet: a block far longer than a screenful of
// rows arrives whole, so the last houses get their owners as the first ones do; and the
// template a person fills has the columns in the order the paste takes them.
#include <gtest/gtest.h>

#include "core/Window.h"
#include "registry/OwnerGrid.h"
#include "registry/OwnerTemplate.h"
#include "tests/FileReaders.h"

namespace wy {
namespace {

TEST(OwnerPaste, ALongBlockFillsEveryHouse) {
    Control grid(ControlKind::Grid, "StrGrd_ZH", nullptr);
    setUpOwnerGrid(grid);
    const int houses = 500;
    grid.setRowCount(houses + 3);
    QString block;
    for (int i = 1; i <= houses; ++i) {
        grid.setCell(OwnerCol::Number, i, QString("1-1-%1").arg(i));
        block +=
            QString(
                "1-1-%1\t业主%1\t89.5\t86.25\t3\t男\t汉族\t1980-05-06\t11010119800506%2\t"
                "025-83000000\t13800000000\t南京市鼓楼区中山北路某某有限公司\tA-%1\t2020-09-01\r\n")
                .arg(i)
                .arg(i, 4, 10, QChar('0'));
    }
    ASSERT_GT(block.size(), 8000);
    EXPECT_TRUE(pasteOwners(grid, block));
    EXPECT_EQ(grid.cell(OwnerCol::OwnerName, houses), QString("业主%1").arg(houses));
    EXPECT_EQ(grid.cell(OwnerCol::MoveIn, houses), "2020-09-01");
    EXPECT_EQ(grid.cell(OwnerCol::Garage, houses), QString("A-%1").arg(houses));
}

TEST(OwnerPaste, TheTemplateHasThePastedColumnsAndTheHouseNumbers) {
    Control grid(ControlKind::Grid, "StrGrd_ZH", nullptr);
    setUpOwnerGrid(grid);
    grid.setRowCount(4);
    grid.setCell(OwnerCol::Number, 1, "1-1-101");
    grid.setCell(OwnerCol::Number, 2, "1-1-102");
    const auto cells = test::readFirstSheet(ownerTemplateFile(grid));
    const QStringList heads{"房号",     "姓名",     "建筑面积", "收费面积",    "人口",
                            "性别",     "民族",     "生日",     "身份证号",    "电话号码",
                            "手机号码", "工作单位", "车库号",   "开始入住日期"};
    ASSERT_EQ(heads.size(), kPasteColumns);
    for (int c = 0; c < kPasteColumns; ++c)
        EXPECT_EQ(cells.value(QString(QChar('A' + c)) + "1").text, heads[c]);
    EXPECT_EQ(cells.value("A2").text, "1-1-101");
    EXPECT_EQ(cells.value("A3").text, "1-1-102");
    EXPECT_FALSE(cells.contains("A4"));

    // A block copied from the filled template pastes back into the grid.
    QString line = "1-1-102";
    for (int c = 1; c < kPasteColumns; ++c) line += '\t' + QString::number(c);
    EXPECT_TRUE(pasteOwners(grid, line + "\r\n"));
    EXPECT_EQ(grid.cell(OwnerCol::OwnerName, 2), "1");
    EXPECT_EQ(grid.cell(OwnerCol::MoveIn, 2), "13");
}

}  // namespace
}  // namespace wy
