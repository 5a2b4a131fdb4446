// The receipt scratch tables belong to each connection: two workstations printing at the same
// time each print their own lines and header.
#include <gtest/gtest.h>

#include "reports/output/ReceiptData.h"
#include "tests/TestDb.h"

namespace wy::test {
namespace {

void fill(TDm& dm, const QString& receiptNo, const QStringList& items) {
    Transaction t(dm);
    dm.exec("Delete From TB_BILL");
    for (const QString& item : items)
        addReceiptLine(dm, {item, "平方", item + "摘要", 0, 10, 0, 0, 0, false});
    ReceiptHeader h;
    h.receiptNo = receiptNo;
    storeReceiptHeader(dm, h);
    t.commit();
}

QStringList itemsOf(const ReceiptData& d) {
    QStringList out;
    for (const ReceiptLine& l : d.otherLines + d.meteredLines) out << l.item;
    return out;
}

TEST(ScratchTables, EachConnectionPrintsOnlyItsOwnLines) {
    TestDb db;
    auto second = db.openAgain();
    TDm& first = db.dm();

    fill(first, "2026120001", {"物业管理费", "垃圾清运费"});
    fill(*second, "2026120002", {"水费"});
    // The first cashier prints again: emptying the lines must not touch the second one's.
    fill(first, "2026120003", {"电费"});

    const ReceiptData a = readReceipt(first);
    const ReceiptData b = readReceipt(*second);
    EXPECT_EQ(a.header.receiptNo, "2026120003");
    EXPECT_EQ(itemsOf(a), QStringList{"电费"});
    EXPECT_EQ(b.header.receiptNo, "2026120002");
    EXPECT_EQ(itemsOf(b), QStringList{"水费"});

    // A workstation that starts later finds the tables empty, not someone else's receipt.
    auto third = db.openAgain();
    const ReceiptData c = readReceipt(*third);
    EXPECT_FALSE(c.hasHeader);
    EXPECT_TRUE(itemsOf(c).isEmpty());
}

}  // namespace
}  // namespace wy::test
