#pragma once
#include "core/Window.h"
#include "registry/PlaceCascade.h"

namespace wy {

// The house locator "定位房源": a read-only list of the houses of a place with their owners,
// narrowed by house state. A viewer: it returns nothing to its caller.
class TFrm_9_FYList : public Window {
    Q_OBJECT
public:
    explicit TFrm_9_FYList(Context& ctx);

    Control& Cmb_XX;
    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Lv_Data;

    void FormShow() override;
    void RefreshList();

private:
    PlaceCascade place_;
};

}  // namespace wy
