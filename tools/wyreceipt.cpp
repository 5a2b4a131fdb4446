// Renders the print preview of a sample receipt to a PNG (and, when asked, the receipt itself to
// a PDF), for looking at a receipt layout without a printer or a display:
//   QT_QPA_PLATFORM=offscreen build/wyreceipt out.png [rb1|rb2|rb3|rb4] [out.pdf]
#include <QApplication>
#include <QFontDatabase>
#include <QPrintPreviewWidget>
#include <QTemporaryDir>

#include "core/Session.h"
#include "db/Money.h"
#include "db/TDm.h"
#include "reports/output/ReceiptData.h"
#include "reports/output/ReceiptLayout.h"
#include "ui/PrintPreview.h"
#include "ui/PrintRender.h"

namespace {

// A payment of one house as the counter window leaves it for printing.
void fillSample(wy::TDm& dm) {
    using wy::ReceiptLine;
    const QVector<ReceiptLine> lines = {
        {QStringLiteral("水费"), QStringLiteral("吨"), QStringLiteral("2026年11月水费"), 3.2, 41.6,
         1203, 1216, 13, true},
        {QStringLiteral("电费"), QStringLiteral("度"), QStringLiteral("2026年11月电费"), 0.5283,
         95.09, 8650, 8830, 180, true},
        {QStringLiteral("物业管理费"), QStringLiteral("平方"),
         QStringLiteral("2026年第四季度物业费"), 1.2, 354.6, 0, 0, 0, false},
        {QStringLiteral("垃圾清运费"), QStringLiteral("平方"), QStringLiteral("2026年垃圾清运费"),
         0, 60, 0, 0, 0, false},
    };
    wy::Money total, other;
    QString items;
    for (const ReceiptLine& l : lines) {
        wy::addReceiptLine(dm, l);
        total += wy::Money::fromDouble(l.amount);
        if (!l.metered) other += wy::Money::fromDouble(l.amount);
        items +=
            "    " + l.summary + wy::Money::fromDouble(l.amount).toString() + QStringLiteral("元");
    }
    wy::ReceiptHeader h;
    h.date = "2026-12-11";
    h.receiptNo = "2026120003";
    h.total = total.toSql();
    h.totalInWords = wy::castMoney(total);
    h.entrance = "2";
    h.houseName = QStringLiteral("1栋2单元304");
    h.owner = QStringLiteral("王建国");
    h.residents = "3";
    h.phone = "025-84561234";
    h.floorArea = "98.5";
    h.itemText = items;
    h.chargedArea = "98.5";
    h.otherTotal = other.toSql();
    h.otherTotalInWords = wy::castMoney(other);
    h.preparedBy = QStringLiteral("李收银");
    h.cashier = QStringLiteral("李收银");
    h.paymentMethod = QStringLiteral("现金");
    wy::storeReceiptHeader(dm, h);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QFontDatabase::families().contains("Noto Sans CJK SC"))
        app.setFont(QFont("Noto Sans CJK SC", 10));
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        qWarning("usage: wyreceipt OUT.png [rb1|rb2|rb3|rb4] [OUT.pdf]");
        return 2;
    }
    const QString choice = args.value(1, "rb1");
    const wy::ReceiptFormat* format = nullptr;
    for (const auto& f : wy::receiptFormats())
        if (f.choice == choice) format = &f;
    if (!format) {
        qWarning("no receipt format %s", qPrintable(choice));
        return 2;
    }
    QTemporaryDir dir;
    wy::TDm::Options o;
    o.path = dir.filePath("data.db");
    o.demoData = false;
    o.durable = false;
    wy::TDm dm(o);
    fillSample(dm);
    const wy::PrintJob job = wy::receiptJob(*format, wy::readReceipt(dm));
    if (args.size() > 2 && !wy::ui::writePdf(job, args[2])) {
        qWarning("cannot write %s", qPrintable(args[2]));
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    auto preview = wy::ui::makePrintPreview(job, printer);
    preview->resize(1100, 640);
    preview->show();
    for (int i = 0; i < 5; ++i) app.processEvents();
    if (auto* view = preview->findChild<QPrintPreviewWidget*>()) view->fitToWidth();
    for (int i = 0; i < 5; ++i) app.processEvents();
    return preview->grab().save(args[0]) ? 0 : 1;
}
