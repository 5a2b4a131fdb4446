#pragma once
// The house list "小区房源信息": the houses of an estate, building, entrance or floor with their
// areas and a total row, opening the house editor, deleting houses and exporting the list.
#include "core/Window.h"
#include "registry/PlaceCascade.h"

namespace wy {

class TFrm_BJFY : public Window {
    Q_OBJECT
public:
    explicit TFrm_BJFY(Context& ctx);

    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Lv_Data;
    Control& Btn_Refresh;
    Control& Btn_Add;
    Control& Btn_Modify;
    Control& Btn_Delete;
    Control& Btn_Excel;
    Control& Btn_Close;

    // Column of the house's BH (not shown).
    static constexpr int kHouseColumn = 11;

protected:
    void FormShow() override;

private:
    void Btn_RefreshClick();
    void Btn_AddClick();
    void Btn_ModifyClick();
    void Btn_DeleteClick();
    void Btn_ExcelClick();
    // The BH of the selected house, or 0 (no row, or the total row).
    qint64 selectedHouse() const;

    PlaceCascade place_;
};

}  // namespace wy
