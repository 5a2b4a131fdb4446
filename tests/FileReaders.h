#pragma once
// Reading back what the program wrote: the first sheet of an .xlsx workbook (unzip) and the text
// of a PDF file (pdftotext), for tests that check the files a person would open.
#include <QMap>
#include <QString>

namespace wy::test {

struct SheetCell {
    QString text;         // the shown value: a shared string or the number as stored
    bool number = false;  // written as a number
};

// Cells of the first sheet by reference ("A1", "D14"). Throws std::runtime_error when the
// workbook cannot be read.
QMap<QString, SheetCell> readFirstSheet(const QString& xlsx);

// The text of every page, laid out as on the page (pdftotext -layout).
QString pdfText(const QString& pdf);

}  // namespace wy::test
