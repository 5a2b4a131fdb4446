#pragma once
// Export of what a list or statistics window shows into a new Excel workbook, opened with the
// desktop's program for .xlsx files, where the operator formats, prints or saves it. One export
// serves every window: a grid or a list view in, a workbook file out.
//
// The sheet: "[自 定 义 报 表 标 题]" in D1 for the operator to overwrite, the rows from row 2,
// and "注：本表所计数据截止" with today's date three rows below the last. Columns hidden in the
// window (5 pixels wide or less) stay empty. Plain numbers are written as numbers, so the sheet
// can add them up; everything else (house numbers, dates, numbers with leading zeros) as text.
#include <QString>

namespace wy {

struct Context;
class Control;

// Every grid row from the header on. Returns the workbook written, or an empty text when the
// export failed (the operator has been told why).
QString ExportGridToExcel(Context& ctx, const Control& grid);

// Which part of a list view is exported; the column headers never are.
struct ListExport {
    bool leaveTotalsRow = false;  // the last row is a totals row ("∑") and is left out
    int lastSubItem = -1;         // the last sub-item exported; -1 for all
};
QString ExportListToExcel(Context& ctx, const Control& list, const ListExport& range = {});

}  // namespace wy
