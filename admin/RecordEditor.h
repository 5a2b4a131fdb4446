#pragma once
// The record editor: one row of a table at a time, with Add, first/previous/next/last by the
// serial key BH, and Save as delete-and-insert of the window's own columns in one transaction.
// A member declares its table, its fields (column, control, kind, lookup list, required) and
// its own rules by overriding the hooks below; the mechanics live here once.
#include <vector>

#include "core/Window.h"
#include "db/TDm.h"

namespace wy {

class RecordEditor : public Window {
    Q_OBJECT
public:
    enum class FieldKind { Text, Number, Date };

    struct Field {
        QString column;
        Control* control = nullptr;  // nullptr: a column written from a fixed value
        FieldKind kind = FieldKind::Text;
        QString list;  // lookup list that fills a drop-down
        bool required = false;
        QVariant fixed;        // value written when there is no control
        bool keyCopy = false;  // written equal to the key (a copy column such as LDBH)
    };

    RecordEditor(Context& ctx, const QString& className, const QString& title,
                 const QString& table);

    // Inputs from the opener.
    QString Mode;  // "ADD" for a new row, anything else an existing row
    QString KeyColumn = "BH";
    QString KeyValue;
    int KeyLength = 9;
    bool KeyReadOnly = true;
    bool setParam(const QString& name, const QVariant& value) override;

    Control& Lb_Title;
    Control& Btn_First;
    Control& Btn_Front;
    Control& Btn_Back;
    Control& Btn_Last;
    Control& Btn_ADD;
    Control& Btn_Save;
    Control& Btn_Close;

    qint64 currentKey() const { return currentKey_; }
    const QString& table() const { return table_; }
    const std::vector<Field>& fields() const { return fields_; }

    void FormShow() override;
    // Shows the row with key n; nothing changes when there is none. Returns whether it was found.
    bool ShowRow(qint64 n);
    void Add();
    void First();
    void Front();
    void Back();
    void Last();
    void Save();

protected:
    // A data field bound to a column; changing it enables Btn_Save.
    Field& addField(const QString& column, Control& control, FieldKind kind = FieldKind::Text);
    // A column the save writes from a fixed value (a mark such as BJ=2).
    void addFixedColumn(const QString& column, const QVariant& value);
    Field& requireField(Control& control);
    // A column the save carries over from the row it replaces (a mark that another window
    // sets, such as LDBZ1); a new row gets the column's default.
    void keepColumn(const QString& column) { keptColumns_ << column; }
    // The field that takes the key length and read-only flag from the opener.
    void setNumberField(Control& c) { numberField_ = &c; }

    // Hooks for a member's own rules.
    virtual bool validate();                     // default: required fields are not empty
    virtual bool confirmSave() { return true; }  // asked before the transaction
    virtual void beforeInsert(qint64 key) {}     // inside the transaction, after the delete
    virtual void afterInsert(qint64 key) {}      // inside the transaction, after the insert
    virtual void rowShown(const Row& row) {}     // after a row was shown
    virtual void fieldsCleared() {}              // after Add emptied the fields
    virtual void afterSaved() {}                 // after the commit
    // Extra condition that limits navigation to the member's rows ("FBXZ<>'户表'"); a new key is
    // still taken over the whole table.
    virtual QString scope() const { return {}; }
    // Fills the drop-downs (default: every field with a lookup list).
    virtual void fillLookups();
    // The value of a field as it is written.
    virtual QVariant fieldValue(const Field& f) const;

    bool isNewRow() const { return newRow_; }
    void setDirty(bool dirty) { Btn_Save.setEnabled(dirty); }

private:
    bool numbersValid() const;
    static void showInList(Control& combo, const QString& value);
    qint64 keyQuery(const QString& aggregate, const QString& condition);
    void navigateTo(qint64 key);

    QString table_;
    std::vector<Field> fields_;
    QStringList keptColumns_;
    Control* numberField_ = nullptr;
    qint64 currentKey_ = 0;
    bool newRow_ = false;
    bool loading_ = false;
};

}  // namespace wy
