#include "reports/output/ReceiptData.h"

#include "db/TDm.h"

namespace wy {

namespace {

ReceiptLine lineOf(const Row& r) {
    ReceiptLine l;
    l.item = r.text("L1");
    l.unit = r.text("L2");
    l.summary = r.text("L3");
    l.price = r.number("N1");
    l.amount = r.number("N2");
    l.previous = r.number("N3");
    l.current = r.number("N4");
    l.consumption = r.number("N5");
    l.metered = r.number("N7") != 0;
    return l;
}

QVector<ReceiptLine> linesOf(const Rows& rows) {
    QVector<ReceiptLine> out;
    out.reserve(rows.size());
    for (const Row& r : rows) out.append(lineOf(r));
    return out;
}

}  // namespace

void storeReceiptHeader(TDm& dm, const ReceiptHeader& h) {
    Transaction t(dm);
    dm.exec("Delete From Temp_Report");
    dm.exec(
        "Insert Into Temp_Report (Line1,Line2,Line3,Line4,Line5,"
        "Line6,Line7,Line8,Line9,Line10,"
        "Line19,Line12,Line13,"
        "Line14,Line15,Line16,Line17) Values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
        {h.date, h.receiptNo, h.total, h.totalInWords, h.entrance, h.houseName, h.owner,
         h.residents, h.phone, h.floorArea, h.itemText, h.chargedArea, h.otherTotal,
         h.otherTotalInWords, h.preparedBy, h.cashier, h.paymentMethod});
    t.commit();
}

void addReceiptLine(TDm& dm, const ReceiptLine& l) {
    Transaction t(dm);
    dm.exec(
        "Insert Into TB_BILL (L1,L2,L3,L4,L5,N1,N2,N3,N4,N5,N6,N7,Id) "
        "Values(?,?,?,'','',?,?,?,?,?,0,?,1)",
        {l.item, l.unit, l.summary, l.price, l.amount, l.previous, l.current, l.consumption,
         l.metered ? 1 : 0});
    t.commit();
}

ReceiptData readReceipt(TDm& dm) {
    ReceiptData d;
    const Rows head = dm.rows("Select * From Temp_Report");
    if (!head.isEmpty()) {
        const Row& r = head.first();
        ReceiptHeader& h = d.header;
        d.hasHeader = true;
        h.date = r.text("Line1");
        h.receiptNo = r.text("Line2");
        h.total = r.text("Line3");
        h.totalInWords = r.text("Line4");
        h.entrance = r.text("Line5");
        h.houseName = r.text("Line6");
        h.owner = r.text("Line7");
        h.residents = r.text("Line8");
        h.phone = r.text("Line9");
        h.floorArea = r.text("Line10");
        h.itemText = r.raw(r.indexOf("Line19"));
        h.chargedArea = r.text("Line12");
        h.otherTotal = r.text("Line13");
        h.otherTotalInWords = r.text("Line14");
        h.preparedBy = r.text("Line15");
        h.cashier = r.text("Line16");
        h.paymentMethod = r.text("Line17");
    }
    d.otherLines = linesOf(dm.rows("Select * From TB_BILL where COALESCE(N7,0)=0"));
    d.meteredLines = linesOf(dm.rows("Select * From TB_BILL where COALESCE(N7,0)<>0"));
    return d;
}

}  // namespace wy
