#pragma once
#include "core/Window.h"

namespace wy {

// The system settings (Tb_SYS_Param rows with BJ 9): one row per setting, its value editable.
class TFrm_1_Corp : public Window {
    Q_OBJECT
public:
    explicit TFrm_1_Corp(Context& ctx);

    Control& Lb_Title;
    Control& StrGrd_Data;
    Control& Btn_Save;
    Control& Btn_Close;

    void FormShow() override;
    void Btn_SaveClick();
};

}  // namespace wy
