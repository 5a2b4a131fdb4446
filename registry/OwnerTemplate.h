#pragma once
// The spreadsheet template of the owner grid: the fourteen columns that "从EXCEL粘贴" takes, in
// their order, with the house numbers of the grid filled in.
#include <QString>

namespace wy {

class Control;

// The template to open: "model.xls" in the working directory when the office keeps its own,
// otherwise a workbook written afresh into the temporary folder. Returns its path.
QString ownerTemplateFile(const Control& ownerGrid);

}  // namespace wy
