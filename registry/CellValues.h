#pragma once
// Reading the numbers and dates that a person types or pastes into a grid. A value that is not
// what its column holds is refused (CellError), never written as text into a number column.
#include <QString>
#include <optional>
#include <stdexcept>

namespace wy {

// A grid cell whose text does not fit its column; the window points the person at it.
class CellError : public std::runtime_error {
public:
    CellError(int col, int row, const QString& text)
        : std::runtime_error(text.toStdString()), col(col), row(row) {}
    int col, row;
};

std::optional<double> cellNumber(const QString& text);
std::optional<qint64> cellInteger(const QString& text);
// "YYYY-MM-DD" from the forms a spreadsheet gives ("2020-9-1", "2020/9/1", "2020.9.1",
// "2020年9月1日", "2020-09-01 00:00:00"); empty text stays empty; nothing for text that is no date.
std::optional<QString> cellDate(const QString& text);

}  // namespace wy
