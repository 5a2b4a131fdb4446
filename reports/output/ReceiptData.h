#pragma once
// What a printed receipt shows: the header row of temp_report and the receipt lines of tb_bill,
// read in the two sets the layouts print (other fees, metered fees). Both tables are the
// connection's own scratch tables, so a receipt only ever holds this workstation's lines.
#include <QString>
#include <QVector>

namespace wy {

class TDm;

// The header row, by meaning. storeReceiptHeader writes it into the temp_report columns
// Line1..Line10, Line19, Line12..Line17 in this order.
struct ReceiptHeader {
    QString date;               // 收费日期 (Line1)
    QString receiptNo;          // 收据号码 (Line2)
    QString total;              // total of all lines (Line3)
    QString totalInWords;       // the total in Chinese capitals (Line4)
    QString entrance;           // DYXH (Line5)
    QString houseName;          // FYMC (Line6)
    QString owner;              // KHXM (Line7)
    QString residents;          // RZRS (Line8)
    QString phone;              // DHHM (Line9)
    QString floorArea;          // JZMJ (Line10)
    QString itemText;           // "    summary amount元" per paid line (Line19)
    QString chargedArea;        // 收费面积 (Line12)
    QString otherTotal;         // total of the lines that are not metered (Line13)
    QString otherTotalInWords;  // (Line14)
    QString preparedBy;         // 制单 (Line15)
    QString cashier;            // 出纳 (Line16)
    QString paymentMethod;      // 付费方式 (Line17)
};

// One row of tb_bill.
struct ReceiptLine {
    QString item;            // L1 fee item
    QString unit;            // L2 unit of measure
    QString summary;         // L3
    double price = 0;        // N1 unit price
    double amount = 0;       // N2 amount paid (on a reminder: outstanding)
    double previous = 0;     // N3 previous reading
    double current = 0;      // N4 current reading
    double consumption = 0;  // N5
    bool metered = false;    // N7 <> 0
};

struct ReceiptData {
    bool hasHeader = false;  // false when no house was chosen (temp_report empty)
    ReceiptHeader header;
    QVector<ReceiptLine> otherLines;    // "Select * From TB_BILL where isnull(N7,0)=0"
    QVector<ReceiptLine> meteredLines;  // "... isnull(N7,0)<>0"
};

// Replaces the header row (empties temp_report, then inserts the one row), in one transaction.
void storeReceiptHeader(TDm& dm, const ReceiptHeader& header);
// Adds one line to tb_bill, as the counter windows fill it (L4, L5 and N6 empty, Id 1).
void addReceiptLine(TDm& dm, const ReceiptLine& line);
// Everything the layouts print.
ReceiptData readReceipt(TDm& dm);

}  // namespace wy
