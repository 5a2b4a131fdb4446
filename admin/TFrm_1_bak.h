#pragma once
#include "core/Window.h"

namespace wy {

// Backup and restore of the whole data: the backup is the database's online copy into a file;
// the restore replaces the data with a checked backup of this program in one step.
class TFrm_1_bak : public Window {
    Q_OBJECT
public:
    explicit TFrm_1_bak(Context& ctx);

    Control& Lb_Title;
    Control& rb_bf;
    Control& rb_hf;
    Control& lbPath;
    Control& edtPath;
    Control& btnBrowse;
    Control& Btn_Save;
    Control& Btn_Close;

    void OperationChange();
    void btnBrowseClick();
    void Btn_SaveClick();

private:
    bool restoring() const { return rb_hf.checked(); }
    void backup(const QString& file);
    void restore(const QString& file);
};

}  // namespace wy
