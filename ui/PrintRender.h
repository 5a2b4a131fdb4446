#pragma once
// Puts a print job on paper, on the screen's preview or into a PDF file: its HTML laid out on
// pages of its size and margins, always in the job's own font (a fallback font would give PDF
// text that cannot be searched or copied).
#include <QPageLayout>

#include "core/Shell.h"

class QPagedPaintDevice;

namespace wy::ui {

QPageLayout pageLayoutOf(const PrintJob& job);
// Paints every page of the job on a device whose page layout is already set.
void paintJob(const PrintJob& job, QPagedPaintDevice& device);
// Writes the job as a PDF file; false when the file cannot be written.
bool writePdf(const PrintJob& job, const QString& file);

}  // namespace wy::ui
