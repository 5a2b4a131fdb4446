#pragma once
// The four receipt formats the cashier chooses from (TfrmPrint). Each keeps the project-file
// name and page name the counter windows know it by, and names the layout shipped with the
// program that draws it.
#include <QString>
#include <QVector>

namespace wy {

struct ReceiptFormat {
    QString choice;       // the radio button of TfrmPrint: "rb1" … "rb4"
    QString caption;      // as the dialog shows it
    QString projectFile;  // "Report_Project.rav" …
    QString page;         // "MainPage", "MainPage1", "MainPage2"
    QString layout;       // the HTML layout resource
    double pageWidthMm;
    double pageHeightMm;
};

inline const QString kReminderProject = QStringLiteral("Report_Projcjd.rav");

const QVector<ReceiptFormat>& receiptFormats();
// The format of a project file, or nullptr for none ("" before the first choice).
const ReceiptFormat* receiptFormatOf(const QString& projectFile);

}  // namespace wy
