#pragma once
// A control of a headless window: the state a Qt widget shows, held without any widget.
// One class serves every kind; each kind uses the part of the state that fits it.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

namespace wy {

class Window;

enum class ControlKind {
    Button,    // Btn_: caption, click
    Edit,      // Edt_: text, Enter, change
    Memo,      // Mm_: multi-line text
    Combo,     // Cmb_: items, itemIndex, text
    Check,     // Chk_: checked
    Radio,     // rb_: checked within its parent group
    Label,     // Lb_: caption
    Grid,      // StrGrd_: cells with fixed rows/columns (Delphi indexes: row 0 is the header)
    ListView,  // Lv_: columns, rows, check boxes, selected row
    Tree,      // Tr_: nodes with a parent each
    Pages,     // Pg_/Pc_: page captions and the active page
    Status,    // Stu_: panel texts
    Date,      // Dat_: "YYYY-MM-DD"
    MenuItem,  // Mn_: caption, Tag, shown or hidden
};

QString controlKindName(ControlKind kind);

class Control : public QObject {
    Q_OBJECT
public:
    Control(ControlKind kind, const QString& name, Window* owner);

    ControlKind kind() const { return kind_; }
    const QString& name() const { return name_; }
    Window* owner() const { return owner_; }

    // --- common state
    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    QString text() const { return text_; }
    void setText(const QString& t);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool r);
    QString hint() const { return hint_; }
    void setHint(const QString& h);
    qint64 tag() const { return tag_; }
    void setTag(qint64 t) { tag_ = t; }
    // The group a radio button or menu item belongs to (its parent control's name).
    QString group() const { return group_; }
    void setGroup(const QString& g) { group_ = g; }

    // --- edits
    int maxLength() const { return maxLength_; }
    void setMaxLength(int n);
    bool upperCase() const { return upperCase_; }
    void setUpperCase(bool u);
    bool password() const { return password_; }
    void setPassword(bool p);

    // --- check boxes, radio buttons
    bool checked() const { return checked_; }
    void setChecked(bool c);

    // --- combos, pages, status panels: items with a current index
    const QStringList& items() const { return items_; }
    void setItems(const QStringList& items);
    void addItem(const QString& item);
    void clearItems();
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    bool editable() const { return editable_; }  // combo: typed text allowed
    void setEditable(bool e);
    // Selects the item equal to t (or, for an editable combo, keeps t as the text).
    void selectText(const QString& t);
    QString item(int i) const { return i >= 0 && i < items_.size() ? items_[i] : QString(); }
    void setItem(int i, const QString& value);  // grows the list as needed

    // --- grids and list views
    int rowCount() const { return int(cells_.size()); }
    void setRowCount(int n);
    int colCount() const { return colCount_; }
    void setColCount(int n);
    int fixedRows() const { return fixedRows_; }
    void setFixedRows(int n);
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int n);
    QString cell(int col, int row) const;  // Delphi order: Cells[col, row]
    void setCell(int col, int row, const QString& value);
    const QStringList& rowCells(int row) const { return cells_[row]; }
    void setRow(int row, const QStringList& values);
    int addRow(const QStringList& values = {});  // returns its index
    void removeRow(int row);
    void clearRows() { setRowCount(0); }
    QStringList headers() const { return headers_; }  // list views: column captions
    void setHeaders(const QStringList& headers);
    int colWidth(int col) const { return col < colWidths_.size() ? colWidths_[col] : 64; }
    void setColWidth(int col, int width);
    const QVector<int>& colWidths() const { return colWidths_; }
    int row() const { return row_; }  // grid: current row; list view: selected row or -1
    int col() const { return col_; }
    void setCurrent(int row, int col = -1);
    bool checkBoxes() const { return checkBoxes_; }
    void setCheckBoxes(bool c);
    bool rowChecked(int row) const { return row < rowChecked_.size() && rowChecked_[row]; }
    void setRowChecked(int row, bool c);
    bool editableCells() const { return editableCells_; }
    void setEditableCells(bool e);

    // --- trees: nodes in insertion order, each with a parent (-1 for a root)
    int addNode(const QString& text, int parent = -1);
    int nodeParent(int node) const { return nodeParents_.value(node, -1); }
    int nodeCount() const { return int(items_.size()); }
    bool expanded() const { return expanded_; }
    void setExpanded(bool e);

    // Applies a value typed or chosen by a person, the way the view would deliver it.
    void setValue(const QString& v);
    // The value a person sees (text, checked state, current item ...).
    QString value() const;

    // Bulk changes (a grid refill) notify once.
    void beginUpdate() { ++updateDepth_; }
    void endUpdate();

Q_SIGNALS:
    void changed();

private:
    void touch();

    ControlKind kind_;
    QString name_;
    Window* owner_;
    QString caption_, text_, hint_, group_;
    bool enabled_ = true, visible_ = true, readOnly_ = false;
    qint64 tag_ = 0;
    int maxLength_ = 0;
    bool upperCase_ = false, password_ = false, checked_ = false, editable_ = false;
    QStringList items_;
    int itemIndex_ = -1;
    QVector<QStringList> cells_;
    int colCount_ = 0, fixedRows_ = 0, fixedCols_ = 0;
    QStringList headers_;
    QVector<int> colWidths_;
    int row_ = -1, col_ = -1;
    bool checkBoxes_ = false, editableCells_ = false, expanded_ = false;
    QVector<bool> rowChecked_;
    QVector<int> nodeParents_;
    int updateDepth_ = 0;
    bool pending_ = false;
};

}  // namespace wy
