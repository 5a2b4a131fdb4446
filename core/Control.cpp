#include "core/Control.h"

namespace wy {

QString controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
            return "Button";
        case ControlKind::Edit:
            return "Edit";
        case ControlKind::Memo:
            return "Memo";
        case ControlKind::Combo:
            return "Combo";
        case ControlKind::Check:
            return "Check";
        case ControlKind::Radio:
            return "Radio";
        case ControlKind::Label:
            return "Label";
        case ControlKind::Grid:
            return "Grid";
        case ControlKind::ListView:
            return "ListView";
        case ControlKind::Tree:
            return "Tree";
        case ControlKind::Pages:
            return "Pages";
        case ControlKind::Status:
            return "Status";
        case ControlKind::Date:
            return "Date";
        case ControlKind::MenuItem:
            return "MenuItem";
    }
    return {};
}

Control::Control(ControlKind kind, const QString& name, Window* owner)
    : kind_(kind), name_(name), owner_(owner) {}

void Control::touch() {
    if (updateDepth_ > 0) {
        pending_ = true;
        return;
    }
    Q_EMIT changed();
}

void Control::endUpdate() {
    if (--updateDepth_ == 0 && pending_) {
        pending_ = false;
        Q_EMIT changed();
    }
}

#define WY_SET(member, value)    \
    if (member == value) return; \
    member = value;              \
    touch()

void Control::setCaption(const QString& c) {
    WY_SET(caption_, c);
}
void Control::setEnabled(bool e) {
    WY_SET(enabled_, e);
}
void Control::setVisible(bool v) {
    WY_SET(visible_, v);
}
void Control::setReadOnly(bool r) {
    WY_SET(readOnly_, r);
}
void Control::setHint(const QString& h) {
    WY_SET(hint_, h);
}
void Control::setMaxLength(int n) {
    WY_SET(maxLength_, n);
}
void Control::setUpperCase(bool u) {
    WY_SET(upperCase_, u);
}
void Control::setPassword(bool p) {
    WY_SET(password_, p);
}
void Control::setChecked(bool c) {
    WY_SET(checked_, c);
}
void Control::setEditable(bool e) {
    WY_SET(editable_, e);
}
void Control::setCheckBoxes(bool c) {
    WY_SET(checkBoxes_, c);
}
void Control::setEditableCells(bool e) {
    WY_SET(editableCells_, e);
}
void Control::setExpanded(bool e) {
    WY_SET(expanded_, e);
}

void Control::setText(const QString& t) {
    QString v = t;
    if (upperCase_) v = v.toUpper();
    if (maxLength_ > 0 && v.size() > maxLength_) v.truncate(maxLength_);
    if (kind_ == ControlKind::Combo && !editable_) {
        // A drop-down list shows only its items: the text follows the index.
        int i = items_.indexOf(v);
        if (i != itemIndex_ || text_ != (i >= 0 ? v : QString())) {
            itemIndex_ = i;
            text_ = i >= 0 ? v : QString();
            touch();
        }
        return;
    }
    WY_SET(text_, v);
}

void Control::setItems(const QStringList& items) {
    items_ = items;
    nodeParents_.clear();
    if (kind_ == ControlKind::Tree) nodeParents_.fill(-1, items.size());
    if (itemIndex_ >= items_.size()) itemIndex_ = -1;
    if (kind_ == ControlKind::Combo && !editable_) text_ = item(itemIndex_);
    touch();
}

void Control::addItem(const QString& item) {
    items_.append(item);
    if (kind_ == ControlKind::Tree) nodeParents_.append(-1);
    touch();
}

void Control::clearItems() {
    items_.clear();
    nodeParents_.clear();
    itemIndex_ = -1;
    if (kind_ == ControlKind::Combo) text_.clear();
    touch();
}

void Control::setItemIndex(int i) {
    if (i < -1 || i >= items_.size()) i = -1;
    QString t = kind_ == ControlKind::Combo ? item(i) : text_;
    if (i == itemIndex_ && t == text_) return;
    itemIndex_ = i;
    text_ = t;
    touch();
}

void Control::selectText(const QString& t) {
    int i = items_.indexOf(t);
    if (i >= 0) {
        setItemIndex(i);
    } else if (editable_) {
        itemIndex_ = -1;
        setText(t);
    } else {
        setItemIndex(-1);
    }
}

void Control::setItem(int i, const QString& value) {
    if (i < 0) return;
    while (items_.size() <= i) items_.append(QString());
    items_[i] = value;
    touch();
}

void Control::setRowCount(int n) {
    n = std::max(n, 0);
    if (n == cells_.size()) return;
    int old = int(cells_.size());
    cells_.resize(n);
    for (int r = old; r < n; ++r) cells_[r] = QStringList(QVector<QString>(colCount_));
    rowChecked_.resize(n);
    if (row_ >= n) row_ = kind_ == ControlKind::ListView ? -1 : n - 1;
    touch();
}

void Control::setColCount(int n) {
    n = std::max(n, 0);
    if (n == colCount_) return;
    colCount_ = n;
    for (auto& r : cells_) {
        while (r.size() < n) r.append(QString());
        while (r.size() > n) r.removeLast();
    }
    colWidths_.resize(n, 64);
    touch();
}

void Control::setFixedRows(int n) {
    WY_SET(fixedRows_, n);
}
void Control::setFixedCols(int n) {
    WY_SET(fixedCols_, n);
}

QString Control::cell(int col, int row) const {
    if (row < 0 || row >= cells_.size() || col < 0 || col >= cells_[row].size()) return {};
    return cells_[row][col];
}

void Control::setCell(int col, int row, const QString& value) {
    if (row < 0 || col < 0) return;
    if (col >= colCount_) setColCount(col + 1);
    if (row >= cells_.size()) setRowCount(row + 1);
    if (cells_[row][col] == value) return;
    cells_[row][col] = value;
    touch();
}

void Control::setRow(int row, const QStringList& values) {
    if (row < 0) return;
    if (values.size() > colCount_) setColCount(int(values.size()));
    if (row >= cells_.size()) setRowCount(row + 1);
    QStringList r = values;
    while (r.size() < colCount_) r.append(QString());
    cells_[row] = r;
    touch();
}

int Control::addRow(const QStringList& values) {
    int r = rowCount();
    beginUpdate();
    setRowCount(r + 1);
    setRow(r, values);
    endUpdate();
    return r;
}

void Control::removeRow(int row) {
    if (row < 0 || row >= cells_.size()) return;
    cells_.removeAt(row);
    rowChecked_.removeAt(row);
    if (row_ >= cells_.size()) row_ = kind_ == ControlKind::ListView ? -1 : int(cells_.size()) - 1;
    touch();
}

void Control::setHeaders(const QStringList& headers) {
    headers_ = headers;
    if (headers.size() > colCount_) setColCount(int(headers.size()));
    touch();
}

void Control::setColWidth(int col, int width) {
    if (col >= colWidths_.size()) colWidths_.resize(col + 1, 64);
    WY_SET(colWidths_[col], width);
}

void Control::setCurrent(int row, int col) {
    if (row == row_ && col == col_) return;
    row_ = row;
    col_ = col;
    touch();
}

void Control::setRowChecked(int row, bool c) {
    if (row < 0 || row >= rowCount()) return;
    if (rowChecked_.size() < rowCount()) rowChecked_.resize(rowCount());
    WY_SET(rowChecked_[row], c);
}

int Control::addNode(const QString& text, int parent) {
    items_.append(text);
    nodeParents_.append(parent);
    touch();
    return int(items_.size()) - 1;
}

void Control::setValue(const QString& v) {
    switch (kind_) {
        case ControlKind::Check:
        case ControlKind::Radio:
            setChecked(v == "1" || v.compare("true", Qt::CaseInsensitive) == 0);
            break;
        case ControlKind::Combo:
            selectText(v);
            break;
        case ControlKind::Pages:
        case ControlKind::Tree:
            setItemIndex(v.toInt());
            break;
        default:
            setText(v);
            break;
    }
}

QString Control::value() const {
    switch (kind_) {
        case ControlKind::Check:
        case ControlKind::Radio:
            return checked_ ? "true" : "false";
        case ControlKind::Pages:
        case ControlKind::Tree:
            return QString::number(itemIndex_);
        case ControlKind::Button:
        case ControlKind::Label:
        case ControlKind::MenuItem:
            return caption_;
        default:
            return text_;
    }
}

}  // namespace wy
