#pragma once
// The print preview of a print job: Qt's preview with its printer dialog, plus "另存为PDF".
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "core/Shell.h"

namespace wy::ui {

// The printer must outlive the dialog; it is set to the job's page size and margins.
std::unique_ptr<QPrintPreviewDialog> makePrintPreview(const PrintJob& job, QPrinter& printer,
                                                      QWidget* parent = nullptr);

}  // namespace wy::ui
