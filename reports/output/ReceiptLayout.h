#pragma once
// Draws a receipt: the chosen format's HTML layout filled from temp_report and tb_bill.
#include "core/Shell.h"
#include "reports/output/ReceiptData.h"
#include "reports/output/ReceiptFormat.h"

namespace wy {

PrintJob receiptJob(const ReceiptFormat& format, const ReceiptData& data);

// How the layouts show numbers: amounts "0.00", unit prices with 2 to 4 decimals (none for 0),
// readings without trailing zeros; a header text that is not a number is shown as it is.
QString amountText(double yuan);
QString priceText(double price);
QString readingText(double reading);
QString amountText(const QString& stored);

}  // namespace wy
