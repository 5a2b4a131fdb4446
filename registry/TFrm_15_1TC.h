#pragma once
#include "core/Window.h"
#include "registry/PlaceCascade.h"

namespace wy {

// The range picker "选择房源范围": the houses of a place with check boxes; the unticked ones are
// written to Temp_Where as excluded from the calling wizard's query.
class TFrm_15_1TC : public Window {
    Q_OBJECT
public:
    explicit TFrm_15_1TC(Context& ctx);

    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Lv_Data;
    Control& Btn_All;
    Control& Btn_Reset;
    Control& Btn_Save;
    Control& Btn_Query;
    Control& Btn_Close;

    void FormShow() override;
    void Btn_AllClick();
    void Btn_ResetClick();
    void Btn_SaveClick();
    void Btn_QueryClick();

private:
    // Lists the houses of a condition, ticked unless Temp_Where excludes them.
    void listHouses(const QString& where);

    PlaceCascade place_;
};

}  // namespace wy
