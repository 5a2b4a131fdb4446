#pragma once
// The owner list "编辑房源业主、租户资料": every house of the chosen place with its owner or
// tenant, filtered by house state, with a total row; editing and deleting owners, and export.
#include "core/Window.h"
#include "registry/PlaceCascade.h"

namespace wy {

class TFrm_BJKH : public Window {
    Q_OBJECT
public:
    explicit TFrm_BJKH(Context& ctx);

    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Cmb_XX;
    Control& Lv_Data;
    Control& Btn_Refresh;
    Control& Btn_Edit;
    Control& Btn_Delete;
    Control& Btn_Excel;
    Control& Btn_Close;

    enum Column { OwnerName = 8, OwnerNo = 17, House = 18 };

protected:
    void FormShow() override;

private:
    void Btn_RefreshClick();
    void Lv_DataClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    // The selected house row (not the total row), or -1.
    int selectedRow() const;

    PlaceCascade place_;
};

}  // namespace wy
