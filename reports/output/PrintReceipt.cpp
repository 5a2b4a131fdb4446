#include "reports/output/PrintReceipt.h"

#include "core/Window.h"
#include "reports/output/ReceiptData.h"
#include "reports/output/ReceiptLayout.h"
#include "reports/output/TfrmPrint.h"

namespace wy {

void ReceiptProject::chooseFormat(Context& ctx) {
    TfrmPrint dialog(ctx);
    dialog.ProjectFile = ProjectFile;
    ctx.shell.showModal(dialog);
    ProjectFile = dialog.ProjectFile;
}

bool ReceiptProject::isReminder() const {
    return ProjectFile == kReminderProject;
}

void PrintReceipt(Context& ctx, const ReceiptProject& project) {
    const ReceiptFormat* format = receiptFormatOf(project.ProjectFile);
    if (!format) return;
    ctx.shell.printPreview(receiptJob(*format, readReceipt(ctx.dm)));
}

}  // namespace wy
