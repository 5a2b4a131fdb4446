#pragma once
// A table model over a grid or list-view control: the view reads the control's cells directly,
// so a grid of thousands of rows costs no copying.
#include <QAbstractTableModel>

#include "core/Control.h"

namespace wy::ui {

class ControlModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ControlModel(Control& c, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // Grid rows below the fixed header rows; list views show every row.
    int firstRow() const;
    void reset();

Q_SIGNALS:
    void cellEdited(int row, int col);
    void rowChecked(int row);

private:
    Control& c_;
};

}  // namespace wy::ui
