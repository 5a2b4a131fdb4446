#pragma once
#include "registry/HouseRangeWindow.h"

namespace wy {

// The range picker "选择房源范围": the houses of a place with check boxes; the unticked ones are
// written to Temp_Where as excluded from the calling wizard's query.
class TFrm_15_1TC : public HouseRangeWindow {
    Q_OBJECT
public:
    explicit TFrm_15_1TC(Context& ctx);

    void Btn_SaveClick() override;
    void Btn_QueryClick() override;

protected:
    // Ticked unless Temp_Where excludes them.
    void listHouses(const QString& where) override;
};

}  // namespace wy
