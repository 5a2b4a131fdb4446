#include "reports/output/ExcelExport.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include "core/Window.h"

namespace wy {

namespace {

constexpr int kHiddenWidth = 5;  // a column this narrow is hidden in the window

struct Cell {
    int row;  // 1-based, as the sheet shows it
    int col;
    QString text;
};

struct Sheet {
    QVector<Cell> cells;
    QVector<int> widths;  // pixels of sheet column 1, 2, …; 0 for a hidden one
};

bool shown(const Control& c, int col) {
    return c.colWidth(col) > kHiddenWidth;
}

void addTitleAndFooter(Sheet& s, int exportedRows, const QString& date) {
    s.cells.prepend({1, 4, QStringLiteral("[自 定 义 报 表 标 题]")});
    s.cells.append({exportedRows + 4, 1, QStringLiteral("注：本表所计数据截止") + date});
}

QVector<int> widthsOf(const Control& c) {
    QVector<int> w;
    for (int col = 0; col < c.colCount(); ++col) w.append(shown(c, col) ? c.colWidth(col) : 0);
    return w;
}

Sheet gridSheet(const Control& grid, const QString& date) {
    Sheet s;
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.colCount(); ++c)
            if (shown(grid, c)) s.cells.append({r + 2, c + 1, grid.cell(c, r).trimmed()});
    s.widths = widthsOf(grid);
    addTitleAndFooter(s, grid.rowCount(), date);
    return s;
}

// A list row is its caption (column 0) and its sub-items: sub-item k is shown in column k + 1.
Sheet listSheet(const Control& list, const ListExport& range, const QString& date) {
    Sheet s;
    const int rows = std::max(0, list.rowCount() - (range.leaveTotalsRow ? 1 : 0));
    const int lastSubItem = range.lastSubItem >= 0 ? range.lastSubItem : list.colCount() - 2;
    for (int i = 0; i < rows; ++i) {
        s.cells.append({i + 2, 1, list.cell(0, i).trimmed()});
        for (int k = 0; k <= lastSubItem; ++k)
            if (shown(list, k + 1)) s.cells.append({i + 2, k + 2, list.cell(k + 1, i).trimmed()});
    }
    s.widths = widthsOf(list);
    addTitleAndFooter(s, rows, date);
    return s;
}

// Plain decimal numbers become numbers; a leading zero, a sign of +, or more digits than a
// spreadsheet keeps exactly, leave the text as it is.
bool isPlainNumber(const QString& t) {
    static const QRegularExpression number(QStringLiteral("^-?(0|[1-9][0-9]*)(\\.[0-9]+)?$"));
    if (!number.match(t).hasMatch()) return false;
    int digits = 0;
    for (QChar ch : t) digits += ch.isDigit() ? 1 : 0;
    return digits <= 15;
}

bool writeWorkbook(const QString& file, const Sheet& sheet) {
    lxw_workbook* wb = workbook_new(QFile::encodeName(file).constData());
    if (!wb) return false;
    lxw_worksheet* ws = workbook_add_worksheet(wb, nullptr);
    QMap<int, lxw_format*> decimalsFormat;  // "0", "0.0", "0.00" … as the window showed it
    auto formatFor = [&](int decimals) {
        if (!decimalsFormat.contains(decimals)) {
            lxw_format* f = workbook_add_format(wb);
            const QByteArray pattern =
                decimals > 0 ? "0." + QByteArray(decimals, '0') : QByteArray("0");
            format_set_num_format(f, pattern.constData());
            decimalsFormat[decimals] = f;
        }
        return decimalsFormat[decimals];
    };
    bool ok = ws != nullptr;
    for (int c = 0; ok && c < sheet.widths.size(); ++c)
        if (sheet.widths[c] > 0)
            worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), sheet.widths[c] / 7.0, nullptr);
    for (const Cell& cell : sheet.cells) {
        if (!ok) break;
        if (cell.text.isEmpty()) continue;
        const auto row = lxw_row_t(cell.row - 1);
        const auto col = lxw_col_t(cell.col - 1);
        lxw_error e;
        if (isPlainNumber(cell.text)) {
            const qsizetype dot = cell.text.indexOf('.');
            const int decimals = dot < 0 ? 0 : int(cell.text.size() - dot - 1);
            e = worksheet_write_number(ws, row, col, cell.text.toDouble(), formatFor(decimals));
        } else {
            e = worksheet_write_string(ws, row, col, cell.text.toUtf8().constData(), nullptr);
        }
        ok = e == LXW_NO_ERROR;
    }
    return workbook_close(wb) == LXW_NO_ERROR && ok;
}

// A new, uniquely named file for the workbook, named after the window that exports.
QString newWorkbookFile(const Control& source) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation) + "/wygl-excel";
    if (!QDir().mkpath(dir)) return {};
    QString name = source.owner() ? source.owner()->caption().trimmed() : QString();
    name.remove(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|§\\s]")));
    if (name.isEmpty()) name = QStringLiteral("报表");
    QTemporaryFile file(dir + '/' + name + "-XXXXXX.xlsx");
    file.setAutoRemove(false);
    if (!file.open()) return {};
    return file.fileName();
}

QString exportSheet(Context& ctx, const Control& source, const Sheet& sheet) {
    const QString file = newWorkbookFile(source);
    if (file.isEmpty()) {
        ctx.shell.message(QStringLiteral("没有Excel格式的文件，请检查！"), QStringLiteral("提示"),
                          Icon::Error);
        return {};
    }
    if (!writeWorkbook(file, sheet)) {
        QFile::remove(file);
        ctx.shell.message(QStringLiteral("无法打开Microsoft Excel"), QStringLiteral("提示"),
                          Icon::Error);
        return {};
    }
    if (!ctx.shell.openUrl(QUrl::fromLocalFile(file).toString())) {
        QFile::remove(file);
        ctx.shell.message(QStringLiteral("无法打开Microsoft Excel"), QStringLiteral("提示"),
                          Icon::Error);
        return {};
    }
    return file;
}

}  // namespace

QString ExportGridToExcel(Context& ctx, const Control& grid) {
    return exportSheet(ctx, grid, gridSheet(grid, ctx.today()));
}

QString ExportListToExcel(Context& ctx, const Control& list, const ListExport& range) {
    return exportSheet(ctx, list, listSheet(list, range, ctx.today()));
}

}  // namespace wy
