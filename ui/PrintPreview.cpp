#include "ui/PrintPreview.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QToolBar>

#include "ui/PrintRender.h"

namespace wy::ui {

namespace {

void saveAsPdf(const PrintJob& job, QWidget* parent) {
    QString file = QFileDialog::getSaveFileName(
        parent, QStringLiteral("另存为PDF"), job.title + ".pdf", QStringLiteral("PDF文件 (*.pdf)"));
    if (file.isEmpty()) return;
    if (!file.endsWith(".pdf", Qt::CaseInsensitive)) file += ".pdf";
    if (!writePdf(job, file))
        QMessageBox::warning(parent, QStringLiteral("提示"),
                             QStringLiteral("无法写入文件:%1").arg(file));
}

}  // namespace

std::unique_ptr<QPrintPreviewDialog> makePrintPreview(const PrintJob& job, QPrinter& printer,
                                                      QWidget* parent) {
    printer.setDocName(job.title);
    printer.setPageLayout(pageLayoutOf(job));
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setWindowTitle(job.title);
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested,
                     [job](QPrinter* p) { paintJob(job, *p); });
    if (auto* bar = preview->findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(QStringLiteral("另存为PDF"));
        pdf->setObjectName("Act_SavePdf");
        QWidget* owner = preview.get();
        QObject::connect(pdf, &QAction::triggered, owner, [job, owner] { saveAsPdf(job, owner); });
    }
    return preview;
}

}  // namespace wy::ui
