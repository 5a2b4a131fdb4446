#pragma once
#include "admin/RecordEditor.h"

namespace wy {

// The operator editor: number, name, password, company, department and post of an operator.
// The administrator's number "SYSTEM" cannot be changed; the rights are set in TFrm_14_Soft.
class TFrm_1_GLY : public RecordEditor {
    Q_OBJECT
public:
    explicit TFrm_1_GLY(Context& ctx);

    Control& Edt_YHBH;
    Control& Edt_YHXM;
    Control& Edt_DLMM;
    Control& Cmb_SZDW;
    Control& Cmb_SZBM;
    Control& Cmb_GZGW;
    Control& Btn_QX;

    void FormShow() override;

protected:
    bool validate() override;
    bool confirmSave() override;
    void rowShown(const Row& row) override;
    void fieldsCleared() override;

private:
    bool showingAdministrator_ = false;
};

}  // namespace wy
