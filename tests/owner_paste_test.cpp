// Pasting a whole building's owners from a spreadsheet: a block far longer than a screenful of
// rows arrives whole, so the last houses get their owners as the first ones do.
#include <gtest/gtest.h>

#include "core/Window.h"
#include "registry/OwnerGrid.h"

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

}  // namespace
}  // namespace wy
