// Receipt printing: the format dialog, and each format's receipt for a house rendered to PDF and
// read back as text, the way a cashier would check the paper.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "db/Money.h"
#include "reports/output/HtmlTemplate.h"
#include "reports/output/PrintReceipt.h"
#include "reports/output/ReceiptData.h"
#include "reports/output/ReceiptFormat.h"
#include "tests/FileReaders.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"
#include "ui/PrintRender.h"

namespace wy::test {
namespace {

struct PaidLine {
    QString item, summary, amount;
    QString metered;  // N7 as SQL: "1", "0" or "NULL"
};

// A payment of house 1栋2单元304 as the counter window leaves it for printing: two metered
// lines and two others, one of them with N7 never set.
const PaidLine kLines[] = {
    {"水费", "2026年11月水费", "41.60", "1"},
    {"电费", "2026年11月电费", "95.09", "1"},
    {"物业管理费", "2026年第四季度物业费", "354.60", "0"},
    {"垃圾清运费", "2026年垃圾清运费", "60.00", "NULL"},
};
const QString kTotalInWords = "伍佰伍拾壹元贰角玖分";

class ReceiptPrint : public ::testing::Test {
protected:
    void SetUp() override {
        QString items;
        Transaction t(db.dm());
        for (const PaidLine& l : kLines) {
            db.dm().exec(
                "insert into tb_bill (L1,L2,L3,L4,L5,N1,N2,N3,N4,N5,N6,N7,Id) "
                "Values(?,'平方',?,'','',0,?,0,0,0,0," +
                    l.metered + ",1)",
                {l.item, l.summary, l.amount.toDouble()});
            items += "    " + l.summary + l.amount + "元";
        }
        t.commit();
        ReceiptHeader h;
        h.date = "2026-12-11";
        h.receiptNo = "2026120003";
        h.total = "551.29";
        h.totalInWords = castMoney(Money::fromUnits(5512900));
        h.houseName = "1栋2单元304";
        h.owner = "王建国";
        h.floorArea = "98.5";
        h.itemText = items;
        h.chargedArea = "98.5";
        h.otherTotal = "414.6";
        h.otherTotalInWords = castMoney(Money::fromUnits(4146000));
        h.preparedBy = "李收银";
        h.cashier = "李收银";
        h.paymentMethod = "现金";
        storeReceiptHeader(db.dm(), h);
    }

    // Prints with the given project file and returns the PDF's text.
    QString printedText(const QString& projectFile) {
        ReceiptProject project{projectFile};
        PrintReceipt(ctx, project);
        EXPECT_EQ(shell.printed.size(), 1u);
        if (shell.printed.empty()) return {};
        const QString pdf = dir.filePath("receipt.pdf");
        EXPECT_TRUE(ui::writePdf(shell.printed.back(), pdf));
        shell.printed.clear();
        return pdfText(pdf);
    }

    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    QTemporaryDir dir;
};

bool hasLineWith(const QString& text, const QString& a, const QString& b) {
    for (const QString& line : text.split('\n'))
        if (line.contains(a) && line.contains(b)) return true;
    return false;
}

TEST_F(ReceiptPrint, EveryFormatShowsTheHouseEachLineWithItsAmountAndTheTotalInFiguresAndCapitals) {
    ASSERT_EQ(receiptFormats().size(), 4);
    for (const ReceiptFormat& format : receiptFormats()) {
        SCOPED_TRACE(format.caption.toStdString());
        const QString text = printedText(format.projectFile);
        const bool reminder = format.projectFile == kReminderProject;
        EXPECT_EQ(text.contains("2026120003"), !reminder)
            << text.toStdString();  // no receipt number on a reminder
        EXPECT_TRUE(text.contains("1栋2单元304")) << text.toStdString();
        EXPECT_TRUE(text.contains("王建国"));
        for (const PaidLine& l : kLines)
            EXPECT_TRUE(hasLineWith(text, l.summary, l.amount)) << l.summary.toStdString();
        EXPECT_TRUE(text.contains("551.29"));
        EXPECT_TRUE(text.contains(kTotalInWords)) << text.toStdString();
    }
}

TEST_F(ReceiptPrint, TheStandardReceiptIsTwentyTwoByNinePointTwoFiveCentimetres) {
    ReceiptProject project{"Report_Project.rav"};
    PrintReceipt(ctx, project);
    ASSERT_EQ(shell.printed.size(), 1u);
    EXPECT_EQ(shell.printed[0].pageWidthMm, 220);
    EXPECT_EQ(shell.printed[0].pageHeightMm, 92.5);
    EXPECT_EQ(shell.printed[0].fontFamily, "WenQuanYi Micro Hei");
}

TEST_F(ReceiptPrint, LinesSplitIntoMeteredAndOtherWithAnUnsetMarkCountingAsOther) {
    const ReceiptData d = readReceipt(db.dm());
    ASSERT_EQ(d.meteredLines.size(), 2);
    EXPECT_EQ(d.meteredLines[0].item, "水费");
    EXPECT_EQ(d.meteredLines[1].item, "电费");
    ASSERT_EQ(d.otherLines.size(), 2);
    EXPECT_EQ(d.otherLines[0].item, "物业管理费");
    EXPECT_EQ(d.otherLines[1].item, "垃圾清运费");
}

TEST_F(ReceiptPrint, WithoutAHouseTheLinesStillPrint) {
    Transaction t(db.dm());
    db.dm().exec("delete From Temp_Report");
    t.commit();
    const QString text = printedText("Report_Project.rav");
    EXPECT_TRUE(hasLineWith(text, "2026年11月水费", "41.60"));
    EXPECT_FALSE(text.contains("王建国"));
}

TEST_F(ReceiptPrint, FormatDialogKeepsTheLastChoiceWhenClosedWithoutChoosing) {
    ReceiptProject project;
    QString choose;  // the radio button to pick, or empty to close the dialog with its close box
    shell.play = [&](Window& w) {
        EXPECT_TRUE(w.control("rb1").checked());
        if (choose.isEmpty()) {
            w.closeCommand();
            return;
        }
        w.userSet(w.control(choose), "true");
        w.fire("btnOk", Event::Click);
        EXPECT_TRUE(w.isClosed());
    };

    project.chooseFormat(ctx);  // first print, closed: no format, nothing printed
    EXPECT_EQ(project.ProjectFile, "");
    PrintReceipt(ctx, project);
    EXPECT_TRUE(shell.printed.empty());

    choose = "rb2";
    project.chooseFormat(ctx);
    EXPECT_EQ(project.ProjectFile, "Report_Projcjd.rav");
    EXPECT_TRUE(project.isReminder());

    choose.clear();
    project.chooseFormat(ctx);
    EXPECT_EQ(project.ProjectFile, "Report_Projcjd.rav");

    choose = "rb4";
    project.chooseFormat(ctx);
    EXPECT_EQ(project.ProjectFile, "Report_Projejh.rav");
    EXPECT_FALSE(project.isReminder());
}

TEST(HtmlTemplate, EscapesValuesRepeatsRowsAndRefusesAPlaceholderWithoutValue) {
    const QString layout =
        "<p>${owner}</p><!--rows:line--><i>${item}:${owner}</i><!--end:line--><b>${total}</b>";
    EXPECT_EQ(fillTemplate(layout, {{"owner", "A&B <x>"}, {"total", "3"}},
                           {{"line", {{{"item", "水"}}, {{"item", "电"}, {"owner", "o"}}}}}),
              "<p>A&amp;B &lt;x&gt;</p><i>水:A&amp;B &lt;x&gt;</i><i>电:o</i><b>3</b>");
    EXPECT_EQ(fillTemplate(layout, {{"owner", ""}, {"total", ""}}), "<p></p><b></b>");
    EXPECT_THROW(fillTemplate(layout, {{"owner", ""}}), std::runtime_error);
}

}  // namespace
}  // namespace wy::test
