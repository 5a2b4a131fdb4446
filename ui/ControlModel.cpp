#include "ui/ControlModel.h"

namespace wy::ui {

ControlModel::ControlModel(Control& c, QObject* parent) : QAbstractTableModel(parent), c_(c) {}

int ControlModel::firstRow() const {
    return c_.kind() == ControlKind::Grid ? std::min(c_.fixedRows(), c_.rowCount()) : 0;
}

int ControlModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : c_.rowCount() - firstRow();
}

int ControlModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return c_.kind() == ControlKind::ListView ? std::max<int>(c_.colCount(), c_.headers().size())
                                              : c_.colCount();
}

QVariant ControlModel::data(const QModelIndex& index, int role) const {
    const int row = index.row() + firstRow();
    if (role == Qt::DisplayRole || role == Qt::EditRole) return c_.cell(index.column(), row);
    if (role == Qt::CheckStateRole && c_.checkBoxes() && index.column() == 0)
        return c_.rowChecked(row) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::BackgroundRole && c_.kind() == ControlKind::Grid &&
        index.column() < c_.fixedCols())
        return QVariant();
    return {};
}

QVariant ControlModel::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Vertical) return section + 1;
    if (c_.kind() == ControlKind::ListView) return c_.headers().value(section);
    return c_.fixedRows() > 0 ? c_.cell(section, 0) : QString();
}

Qt::ItemFlags ControlModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (c_.editableCells() && !c_.readOnly() && index.column() >= c_.fixedCols())
        f |= Qt::ItemIsEditable;
    if (c_.checkBoxes() && index.column() == 0) f |= Qt::ItemIsUserCheckable;
    return f;
}

bool ControlModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const int row = index.row() + firstRow();
    if (role == Qt::EditRole) {
        c_.setCell(index.column(), row, value.toString());
        Q_EMIT cellEdited(row, index.column());
        return true;
    }
    if (role == Qt::CheckStateRole) {
        c_.setRowChecked(row, value.toInt() == Qt::Checked);
        Q_EMIT rowChecked(row);
        return true;
    }
    return false;
}

void ControlModel::reset() {
    beginResetModel();
    endResetModel();
}

}  // namespace wy::ui
