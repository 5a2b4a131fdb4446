#pragma once
// Receipt printing of the counter windows. A counter window keeps one ReceiptProject (the
// format the cashier chose last) and prints in three steps:
//   1. project.chooseFormat(ctx)        the format dialog TfrmPrint;
//   2. the window refills tb_bill and temp_report (the reminder, project.isReminder(), takes
//      the house's receivables instead of the payment's lines);
//   3. PrintReceipt(ctx, project)        the chosen layout in the print preview.
#include <QString>

namespace wy {

struct Context;

struct ReceiptProject {
    // The project file of the chosen format; empty until the cashier first chooses one.
    QString ProjectFile;

    // Shows TfrmPrint with the current choice. "确定选择" sets the chosen format; closing the
    // dialog otherwise keeps the one chosen last.
    void chooseFormat(Context& ctx);
    bool isReminder() const;
};

// Reads temp_report and both sets of tb_bill and shows them in the chosen format's layout in the
// print preview. Without a chosen format nothing is printed.
void PrintReceipt(Context& ctx, const ReceiptProject& project);

}  // namespace wy
