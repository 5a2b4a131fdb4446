#include "admin/RecordEditor.h"

#include <optional>

#include "db/Lists.h"

namespace wy {

RecordEditor::RecordEditor(Context& ctx, const QString& className, const QString& title,
                           const QString& table)
    : Window(ctx, className, title),
      Lb_Title(add(ControlKind::Label, "Lb_Title", title)),
      Btn_First(add(ControlKind::Button, "Btn_First", QStringLiteral("首条"))),
      Btn_Front(add(ControlKind::Button, "Btn_Front", QStringLiteral("前条"))),
      Btn_Back(add(ControlKind::Button, "Btn_Back", QStringLiteral("后条"))),
      Btn_Last(add(ControlKind::Button, "Btn_Last", QStringLiteral("末条"))),
      Btn_ADD(add(ControlKind::Button, "Btn_ADD", QStringLiteral("添 加"))),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("保 存"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关闭"))),
      table_(table) {
    style.fixedSize = true;
    on(Btn_First, Event::Click, [this] { First(); });
    on(Btn_Front, Event::Click, [this] { Front(); });
    on(Btn_Back, Event::Click, [this] { Back(); });
    on(Btn_Last, Event::Click, [this] { Last(); });
    on(Btn_ADD, Event::Click, [this] { Add(); });
    on(Btn_Save, Event::Click, [this] { Save(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

bool RecordEditor::setParam(const QString& name, const QVariant& value) {
    if (name == "Mode")
        Mode = value.toString();
    else if (name == "KeyColumn")
        KeyColumn = value.toString();
    else if (name == "KeyValue")
        KeyValue = value.toString();
    else if (name == "KeyLength")
        KeyLength = value.toInt();
    else if (name == "KeyReadOnly")
        KeyReadOnly = value.toBool();
    else
        return Window::setParam(name, value);
    return true;
}

RecordEditor::Field& RecordEditor::addField(const QString& column, Control& control,
                                            FieldKind kind) {
    fields_.push_back({column, &control, kind, {}, false, {}, false});
    on(control, Event::Change, [this] {
        if (!loading_) setDirty(true);
    });
    return fields_.back();
}

void RecordEditor::addFixedColumn(const QString& column, const QVariant& value) {
    fields_.push_back({column, nullptr, FieldKind::Text, {}, false, value, false});
}

RecordEditor::Field& RecordEditor::requireField(Control& control) {
    for (auto& f : fields_)
        if (f.control == &control) {
            f.required = true;
            return f;
        }
    throw std::invalid_argument("not a field: " + control.name().toStdString());
}

void RecordEditor::fillLookups() {
    for (const Field& f : fields_)
        if (f.control && !f.list.isEmpty()) fillFromList(dm(), *f.control, f.list);
}

void RecordEditor::FormShow() {
    loading_ = true;
    if (numberField_) {
        numberField_->setMaxLength(KeyLength);
        numberField_->setReadOnly(KeyReadOnly);
    }
    fillLookups();
    loading_ = false;
    if (Mode != "ADD")
        ShowRow(KeyValue.trimmed().toLongLong());
    else
        Add();
    Btn_ADD.setEnabled(Mode == "ADD");
    setDirty(false);
}

bool RecordEditor::ShowRow(qint64 n) {
    Row r = dm().first("Select * From " + table_ + " Where " + KeyColumn + "=?", {n});
    if (r.isNull(r.indexOf(KeyColumn))) return false;
    loading_ = true;
    for (const Field& f : fields_) {
        if (!f.control) continue;
        QString v = r.text(f.column);
        if (f.kind == FieldKind::Date) v = v.left(10);
        if (f.control->kind() == ControlKind::Check)
            f.control->setChecked(v == "1" || v == QStringLiteral("是"));
        else if (f.control->kind() == ControlKind::Combo)
            showInList(*f.control, v);
        else
            f.control->setText(v);
    }
    currentKey_ = n;
    newRow_ = false;
    rowShown(r);
    loading_ = false;
    return true;
}

void RecordEditor::showInList(Control& combo, const QString& value) {
    // A value the lookup list no longer holds is kept (added to the list), so that saving any
    // other change of the row does not silently erase it.
    if (!combo.editable() && !value.isEmpty() && !combo.items().contains(value))
        combo.addItem(value);
    combo.selectText(value);
}

qint64 RecordEditor::keyQuery(const QString& aggregate, const QString& condition) {
    QStringList where;
    if (!condition.isEmpty()) where << condition;
    if (!scope().isEmpty()) where << "(" + scope() + ")";
    QString sql = "Select " + aggregate + "(" + KeyColumn + ") As Int_Value From " + table_;
    if (!where.isEmpty()) sql += " WHERE " + where.join(" AND ");
    return dm().integer(sql, condition.isEmpty() ? Binds{} : Binds{currentKey_});
}

void RecordEditor::Add() {
    const qint64 key =
        dm().integer("Select Max(" + KeyColumn + ") As Int_Value From " + table_) + 1;
    loading_ = true;
    for (const Field& f : fields_) {
        if (!f.control) continue;
        if (f.control->kind() == ControlKind::Check)
            f.control->setChecked(false);
        else if (f.control->kind() == ControlKind::Combo && !f.control->editable())
            f.control->setItemIndex(f.control->items().isEmpty() ? -1 : 0);
        else
            f.control->setText(f.kind == FieldKind::Number ? QStringLiteral("0") : QString());
    }
    currentKey_ = key;
    newRow_ = true;
    fieldsCleared();
    loading_ = false;
}

void RecordEditor::navigateTo(qint64 key) {
    if (key != 0) ShowRow(key);
    setDirty(false);
}

void RecordEditor::First() {
    navigateTo(keyQuery("Min", {}));
}
void RecordEditor::Last() {
    navigateTo(keyQuery("Max", {}));
}
void RecordEditor::Front() {
    navigateTo(keyQuery("Max", KeyColumn + "<?"));
}
void RecordEditor::Back() {
    navigateTo(keyQuery("Min", KeyColumn + ">?"));
}

bool RecordEditor::validate() {
    for (const Field& f : fields_)
        if (f.required && f.control && f.control->value().trimmed().isEmpty()) return false;
    return true;
}

namespace {
// A number field's text as the value written: empty is 0, anything else must be a number.
std::optional<QVariant> numberValue(const QString& text) {
    if (text.isEmpty()) return QVariant(0);
    bool ok = false;
    const qint64 i = text.toLongLong(&ok);
    if (ok) return QVariant(i);
    const double d = text.toDouble(&ok);
    if (ok) return QVariant(d);
    return std::nullopt;
}
}  // namespace

bool RecordEditor::numbersValid() const {
    for (const Field& f : fields_)
        if (f.control && f.kind == FieldKind::Number && !numberValue(f.control->text().trimmed()))
            return false;
    return true;
}

QVariant RecordEditor::fieldValue(const Field& f) const {
    if (!f.control) return f.fixed;
    if (f.control->kind() == ControlKind::Check) return f.control->checked() ? 1 : 0;
    QString v = f.control->text().trimmed();
    switch (f.kind) {
        case FieldKind::Number:
            return numberValue(v).value_or(QVariant(0));
        case FieldKind::Date:
            return v.left(10);
        case FieldKind::Text:
            return v;
    }
    return v;
}

void RecordEditor::Save() {
    // Typed text in a number field that is no number is refused here, not written as 0.
    if (!Btn_Save.enabled() || !numbersValid() || !validate()) {
        message(QStringLiteral("数据可能不完整或违反规则，不能保存，请重新检查！"),
                QStringLiteral("提示"), Icon::Warning);
        setDirty(false);
        return;
    }
    if (!confirmSave()) return;
    try {
        Transaction t(dm());
        // A new row takes its key under the write lock, so that two workstations adding at the
        // same moment never write the same key.
        qint64 key = newRow_ ? dm().nextKey(table_, KeyColumn) : currentKey_;
        // Columns that other windows set survive the delete-and-insert.
        Row kept;
        if (!keptColumns_.isEmpty())
            kept = dm().first("Select " + KeyColumn + "," + keptColumns_.join(',') + " From " +
                                  table_ + " Where " + KeyColumn + "=?",
                              {key});
        dm().exec("Delete From " + table_ + " Where " + KeyColumn + "=?", {key});
        beforeInsert(key);
        QStringList columns{KeyColumn}, marks{"?"};
        Binds values{key};
        for (const Field& f : fields_) {
            if (f.column.compare(KeyColumn, Qt::CaseInsensitive) == 0) continue;
            columns << f.column;
            marks << "?";
            values << (f.keyCopy ? QVariant(key) : fieldValue(f));
        }
        if (!kept.isNull(0))
            for (const QString& c : keptColumns_) {
                columns << c;
                marks << "?";
                values << kept.value(c);
            }
        dm().exec("Insert Into " + table_ + " (" + columns.join(',') + ") Values(" +
                      marks.join(',') + ")",
                  values);
        afterInsert(key);
        t.commit();
        currentKey_ = key;
        newRow_ = false;
        setDirty(false);
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        return;
    }
    afterSaved();
}

}  // namespace wy
