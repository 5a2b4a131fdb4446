#include "ui/PrintRender.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>

namespace wy::ui {

namespace {

// The layout is made at a fixed 96 dots per inch and scaled to the device, so a job looks the
// same on the screen's preview, on any printer and in a PDF (pixel sizes in the HTML included).
constexpr double kLayoutDpi = 96;

}  // namespace

QPageLayout pageLayoutOf(const PrintJob& job) {
    const QPageSize size(QSizeF(job.pageWidthMm, job.pageHeightMm), QPageSize::Millimeter,
                         QString(), QPageSize::ExactMatch);
    const QMarginsF margins(job.marginMm, job.marginMm, job.marginMm, job.marginMm);
    return QPageLayout(size, job.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       margins, QPageLayout::Millimeter);
}

void paintJob(const PrintJob& job, QPagedPaintDevice& device) {
    QImage layoutDevice(1, 1, QImage::Format_RGB32);
    layoutDevice.setDotsPerMeterX(qRound(kLayoutDpi / 0.0254));
    layoutDevice.setDotsPerMeterY(qRound(kLayoutDpi / 0.0254));

    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&layoutDevice);
    doc.setDefaultFont(QFont(job.fontFamily, 10));
    doc.setHtml(job.html);
    QTextFrameFormat frame = doc.rootFrame()->frameFormat();
    frame.setMargin(0);
    doc.rootFrame()->setFrameFormat(frame);
    const QSizeF page = device.pageLayout().paintRect(QPageLayout::Inch).size() * kLayoutDpi;
    doc.setPageSize(page);

    QPainter p(&device);
    p.scale(device.logicalDpiX() / kLayoutDpi, device.logicalDpiY() / kLayoutDpi);
    for (int i = 0; i < doc.pageCount(); ++i) {
        if (i > 0) device.newPage();
        p.save();
        p.translate(0, -i * page.height());
        doc.drawContents(&p, QRectF(QPointF(0, i * page.height()), page));
        p.restore();
    }
}

bool writePdf(const PrintJob& job, const QString& file) {
    {
        QFile probe(file);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPdfWriter pdf(file);
    pdf.setTitle(job.title);
    pdf.setResolution(300);
    if (!pdf.setPageLayout(pageLayoutOf(job))) return false;
    paintJob(job, pdf);
    return true;
}

}  // namespace wy::ui
