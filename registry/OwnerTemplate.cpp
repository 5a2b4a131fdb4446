#include "registry/OwnerTemplate.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFileInfo>

#include "core/Control.h"
#include "registry/OwnerGrid.h"

namespace wy {

QString ownerTemplateFile(const Control& grid) {
    const QString own = QDir::current().absoluteFilePath(QStringLiteral("model.xls"));
    if (QFileInfo::exists(own)) return own;
    static const char* headers[kPasteColumns] = {
        "房号", "姓名",     "建筑面积", "收费面积", "人口",     "性别",   "民族",
        "生日", "身份证号", "电话号码", "手机号码", "工作单位", "车库号", "开始入住日期"};
    const QString file = QDir::temp().absoluteFilePath(QStringLiteral("model.xlsx"));
    lxw_workbook* book = workbook_new(file.toUtf8().constData());
    if (!book) return file;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    for (int c = 0; c < kPasteColumns; ++c) {
        worksheet_write_string(sheet, 0, lxw_col_t(c), headers[c], bold);
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), c == 8 ? 20 : 12, nullptr);
    }
    int out = 1;
    for (int r = 1; r < grid.rowCount(); ++r) {
        const QString number = grid.cell(OwnerCol::Number, r).trimmed();
        if (number.isEmpty()) continue;
        worksheet_write_string(sheet, lxw_row_t(out++), 0, number.toUtf8().constData(), nullptr);
    }
    workbook_close(book);
    return file;
}

}  // namespace wy
