#include "reports/output/ReceiptLayout.h"

#include <QFile>
#include <stdexcept>

#include "db/Money.h"
#include "reports/output/HtmlTemplate.h"

namespace wy {

namespace {

QString withoutTrailingZeros(QString t, int keepDecimals) {
    const qsizetype dot = t.indexOf('.');
    if (dot < 0) return t;
    while (t.size() > dot + 1 + keepDecimals && t.endsWith('0')) t.chop(1);
    if (t.endsWith('.')) t.chop(1);
    return t;
}

QString readLayout(const QString& resource) {
    QFile f(resource);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing layout " + resource.toStdString());
    return QString::fromUtf8(f.readAll());
}

TemplateValues lineValues(const ReceiptLine& l) {
    return {{"item", l.item},
            {"unit", l.unit},
            {"summary", l.summary},
            {"price", priceText(l.price)},
            {"amount", amountText(l.amount)},
            {"previous", readingText(l.previous)},
            {"current", readingText(l.current)},
            {"consumption", readingText(l.consumption)}};
}

QVector<TemplateValues> linesValues(const QVector<ReceiptLine>& lines) {
    QVector<TemplateValues> out;
    for (const ReceiptLine& l : lines) out.append(lineValues(l));
    return out;
}

Money sumOf(const QVector<ReceiptLine>& lines) {
    Money sum;
    for (const ReceiptLine& l : lines) sum += Money::fromDouble(l.amount);
    return sum;
}

}  // namespace

QString amountText(double yuan) {
    return Money::fromDouble(yuan).toString();
}

QString priceText(double price) {
    // A line without a unit price (a fixed amount) leaves the price empty.
    return price == 0 ? QString() : withoutTrailingZeros(QString::number(price, 'f', 4), 2);
}

QString readingText(double reading) {
    return withoutTrailingZeros(QString::number(reading, 'f', 4), 0);
}

QString amountText(const QString& stored) {
    const auto m = Money::parse(stored);
    return m ? m->toString() : stored;
}

PrintJob receiptJob(const ReceiptFormat& format, const ReceiptData& data) {
    const ReceiptHeader& h = data.header;
    // The metered subtotal is not part of the header row: it is what the metered lines add up to.
    const Money metered = sumOf(data.meteredLines);
    const TemplateValues values = {
        {"date", h.date},
        {"receiptNo", h.receiptNo},
        {"total", amountText(h.total)},
        {"totalInWords", h.totalInWords},
        {"entrance", h.entrance},
        {"houseName", h.houseName},
        {"owner", h.owner},
        {"residents", h.residents},
        {"phone", h.phone},
        {"floorArea", amountText(h.floorArea)},
        {"itemText", h.itemText.trimmed()},
        {"chargedArea", amountText(h.chargedArea)},
        {"otherTotal", amountText(h.otherTotal)},
        {"otherTotalInWords", h.otherTotalInWords},
        {"meteredTotal", metered.toString()},
        {"meteredTotalInWords", castMoney(metered)},
        {"preparedBy", h.preparedBy},
        {"cashier", h.cashier},
        {"paymentMethod", h.paymentMethod},
    };
    const TemplateRows rows = {{"metered", linesValues(data.meteredLines)},
                               {"other", linesValues(data.otherLines)}};

    PrintJob job;
    job.title = format.caption + (h.receiptNo.isEmpty() ? QString() : " " + h.receiptNo);
    job.html = fillTemplate(readLayout(format.layout), values, rows);
    job.pageWidthMm = format.pageWidthMm;
    job.pageHeightMm = format.pageHeightMm;
    return job;
}

}  // namespace wy
