// The spreadsheet export, checked by reading the written workbook back: where the grid or list
// lands, what hidden columns and totals rows leave out, the footer, and the two failures.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "core/Control.h"
#include "reports/output/ExcelExport.h"
#include "tests/FileReaders.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"

namespace wy::test {
namespace {

class ExcelExport : public ::testing::Test {
protected:
    ExcelExport() {
        ctx.now = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); };
    }
    ~ExcelExport() override {
        for (const QString& f : written) QFile::remove(f);
    }

    // Exports and reads the workbook back; checks that the written file is what was opened.
    QMap<QString, SheetCell> sheetOf(const QString& file) {
        EXPECT_FALSE(file.isEmpty());
        written << file;
        EXPECT_EQ(shell.urls, QStringList{QUrl::fromLocalFile(file).toString()});
        EXPECT_TRUE(shell.messages.empty());
        return readFirstSheet(file);
    }

    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    QStringList written;
};

QString text(const QMap<QString, SheetCell>& cells, const QString& ref) {
    return cells.value(ref).text;
}

TEST_F(ExcelExport, GridLandsFromRowTwoWithFooterThreeRowsBelowAndHiddenColumnEmpty) {
    Control grid(ControlKind::Grid, "StrGrd_Data", nullptr);
    grid.setColCount(4);
    grid.setFixedRows(1);
    grid.setColWidth(0, 0);  // the hidden key column
    grid.setRow(0, {"key", " 房号 ", "金额", "备注"});
    for (int r = 1; r < 10; ++r)
        grid.setRow(r, {QString::number(100 + r), QString("1-2-30%1").arg(r), "12.50", ""});
    grid.setRow(9, {"109", "007", "-3", "合计"});

    const auto cells = sheetOf(ExportGridToExcel(ctx, grid));

    EXPECT_EQ(text(cells, "D1"), "[自 定 义 报 表 标 题]");
    EXPECT_EQ(text(cells, "B2"), "房号");  // trimmed header
    EXPECT_EQ(text(cells, "B3"), "1-2-301");
    EXPECT_EQ(text(cells, "C11"), "-3");
    EXPECT_EQ(text(cells, "D11"), "合计");
    EXPECT_EQ(text(cells, "A14"), "注：本表所计数据截止2026-12-11");
    for (const QString& ref : cells.keys()) {  // the hidden column holds nothing but the footer
        if (ref.startsWith('A')) {
            EXPECT_EQ(ref, "A14");
        }
    }
    for (int row = 12; row <= 13; ++row)
        for (const char* col : {"A", "B", "C", "D"})
            EXPECT_FALSE(cells.contains(col + QString::number(row)));
    // Amounts are numbers the sheet can add up; house numbers, leading zeros stay text.
    EXPECT_TRUE(cells.value("C3").number);
    EXPECT_EQ(cells.value("C3").text.toDouble(), 12.5);
    EXPECT_FALSE(cells.value("B3").number);
    EXPECT_FALSE(cells.value("B11").number);
    EXPECT_EQ(text(cells, "B11"), "007");
}

TEST_F(ExcelExport, ListVariants) {
    // Caption, then sub-items 0..3 in columns 1..4; column 2 (sub-item 1) is hidden.
    Control list(ControlKind::ListView, "Lv_Data", nullptr);
    list.setHeaders({"序", "房号", "系统号", "业主", "面积"});
    list.setColWidth(2, 0);
    list.addRow({"1", "1-1-101", "k1", "张三", "80.5"});
    list.addRow({"2", "1-1-102", "k2", "李四", "90"});
    list.addRow({"∑", "", "", "", "170.5"});

    struct Case {
        const char* name;
        ListExport range;
        int lastRow;                // last exported sheet row
        QString lastSubItemColumn;  // rightmost sheet column written
        QString footer;             // where the footer goes
    };
    const Case cases[] = {
        {"every row, every sub-item", {}, 4, "E", "A7"},
        {"totals row left out", {true, -1}, 3, "E", "A6"},
        {"sub-items up to 2", {false, 2}, 4, "D", "A7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shell.urls.clear();
        const auto cells = sheetOf(ExportListToExcel(ctx, list, c.range));
        EXPECT_FALSE(cells.contains("A1"));  // the headers are not exported
        EXPECT_EQ(text(cells, "A2"), "1");
        EXPECT_EQ(text(cells, "B2"), "1-1-101");
        EXPECT_FALSE(cells.contains("C2"));  // the hidden column's sub-item
        EXPECT_EQ(text(cells, "D2"), "张三");
        EXPECT_EQ(cells.contains("E2"), c.lastSubItemColumn == "E");
        EXPECT_EQ(text(cells, "A" + QString::number(c.lastRow)), c.lastRow == 4 ? "∑" : "2");
        EXPECT_FALSE(cells.contains("A" + QString::number(c.lastRow + 1)));
        EXPECT_EQ(text(cells, c.footer), "注：本表所计数据截止2026-12-11");
    }
}

TEST_F(ExcelExport, FailuresAreToldAndNothingIsOpened) {
    Control grid(ControlKind::Grid, "StrGrd_Data", nullptr);
    grid.setRow(0, {"a"});

    // No program to open the workbook.
    shell.desktopOpens = false;
    const QString file = ExportGridToExcel(ctx, grid);
    EXPECT_TRUE(file.isEmpty());
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "无法打开Microsoft Excel");
    EXPECT_EQ(shell.messages[0].caption, "提示");
    EXPECT_EQ(shell.messages[0].icon, Icon::Error);
    shell.messages.clear();
    shell.urls.clear();
    shell.desktopOpens = true;

    // No place where the workbook can be made.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const bool hadTmp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", blocker.fileName().toUtf8());
    EXPECT_TRUE(ExportGridToExcel(ctx, grid).isEmpty());
    if (hadTmp)
        qputenv("TMPDIR", tmp);
    else
        qunsetenv("TMPDIR");
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages[0].text, "没有Excel格式的文件，请检查！");
    EXPECT_TRUE(shell.urls.isEmpty());
}

}  // namespace
}  // namespace wy::test
