#include "reports/output/ReceiptFormat.h"

namespace wy {

const QVector<ReceiptFormat>& receiptFormats() {
    // The standard receipt and the reminder are printed on 2 to 4 part paper of 22 × 9.25 cm,
    // the second standard receipt on A5 across, the simplified one on a third of an A4 sheet.
    static const QVector<ReceiptFormat> formats = {
        {"rb1", QStringLiteral("标准收据(2-4联纸 22x9.25cm)格式"), "Report_Project.rav", "MainPage",
         ":/reports/output/layouts/receipt.html", 220, 92.5},
        {"rb2", QStringLiteral("催缴通知单(2-4联纸 22x9.25cm)格式"), kReminderProject, "MainPage1",
         ":/reports/output/layouts/reminder.html", 220, 92.5},
        {"rb3", QStringLiteral("标准收据格式(二)"), "Report_Projbzd.rav", "MainPage2",
         ":/reports/output/layouts/receipt2.html", 210, 148},
        {"rb4", QStringLiteral("简化收据格式"), "Report_Projejh.rav", "MainPage2",
         ":/reports/output/layouts/simple.html", 210, 99},
    };
    return formats;
}

const ReceiptFormat* receiptFormatOf(const QString& projectFile) {
    for (const ReceiptFormat& f : receiptFormats())
        if (f.projectFile == projectFile) return &f;
    return nullptr;
}

}  // namespace wy
