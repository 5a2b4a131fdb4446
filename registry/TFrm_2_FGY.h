#pragma once
#include "admin/RecordEditor.h"

namespace wy {

// The house-manager editor "§小区收费员§": staff rows of Tb_SYS_DWYG marked BJ=2, with the way
// to the manager's houses ("设置此房管收费范围") once the record exists.
class TFrm_2_FGY : public RecordEditor {
    Q_OBJECT
public:
    explicit TFrm_2_FGY(Context& ctx);

    Control& Edt_FGBH;
    Control& Edt_XM;
    Control& Cmb_XB;
    Control& Cmb_BMMC;
    Control& Cmb_DWMC;
    Control& Cmb_GWMC;
    Control& Btn_FGFW;
    Control& Lb_Hint;
    Control& Lb_Note;

    void FormShow() override;
    void Btn_FGFWClick();

protected:
    void rowShown(const Row& row) override { Btn_FGFW.setEnabled(true); }
    void fieldsCleared() override { Btn_FGFW.setEnabled(false); }
    void afterSaved() override { Btn_FGFW.setEnabled(true); }
};

}  // namespace wy
