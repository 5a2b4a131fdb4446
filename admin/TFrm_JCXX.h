#pragma once
#include "admin/TFrm_JCXX_Lists.h"
#include "core/Window.h"

namespace wy {

// The list window of the record-editor family: the rows of one table, chosen by the input
// Selector, with add, modify and delete through the list's editor, and sorting by a header.
class TFrm_JCXX : public Window {
    Q_OBJECT
public:
    explicit TFrm_JCXX(Context& ctx);
    bool setParam(const QString& name, const QVariant& value) override;

    Control& Lv_Data;
    Control& Btn_Add;
    Control& Btn_Modify;
    Control& Btn_Delete;
    Control& Btn_Refresh;
    Control& Btn_Close;
    Control& Stu_Main;

    int selector() const { return config_ ? config_->selector : 0; }

    void FormShow() override;
    void Reload();
    void Btn_AddClick();
    void Btn_ModifyClick();
    void Btn_DeleteClick();
    void Lv_DataHeaderClick(int col);

private:
    QString statement() const;
    QString selectedKey() const;
    void setRowButtons(bool enabled);
    void fitColumns();
    void openEditor(const QString& editor, const QString& mode, const QString& key, int keyLength);
    void deleteRow(const QString& key);

    const ListConfig* config_ = nullptr;
    QStringList sortFields_;
    QString order_;
    QString direction_;
    int lastSortCol_ = -1;
};

}  // namespace wy
