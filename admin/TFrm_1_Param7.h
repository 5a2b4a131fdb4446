#pragma once
#include "admin/ParamWindow.h"

namespace wy {

// The company, department, district and post lists, with the administrator's initialisation
// of the system at hand for the day the office starts real work.
class TFrm_1_Param7 : public ParamWindow {
    Q_OBJECT
public:
    explicit TFrm_1_Param7(Context& ctx);

    Control& btn112;
};

}  // namespace wy
