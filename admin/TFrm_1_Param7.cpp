#include "admin/TFrm_1_Param7.h"

#include "app/ModuleAccess.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_1_Param7);

TFrm_1_Param7::TFrm_1_Param7(Context& ctx)
    : ParamWindow(ctx, paramWindowSettings("TFrm_1_Param7")),
      btn112(add(ControlKind::Button, "btn112",
                 QStringLiteral("初始化系统:正式启用前先清除全部演示数据"))) {
    // The same path as the main window's wizard button of module 112.
    on(btn112, Event::Click, [this] {
        if (checkModuleAccess(this->ctx(), 112)) runInitialisation(this->ctx());
    });
}

}  // namespace wy
