#pragma once
#include "core/Window.h"

namespace wy {

// The login dialog: checks an operator number and password against Tb_SYS_GLY. Every press of
// "确定" ends the dialog's run with OK; a successful login also sets Tag to 1.
class TFrm_Login : public Window {
    Q_OBJECT
public:
    explicit TFrm_Login(Context& ctx);

    Control& Edt_XTYH;
    Control& Edt_YHMM;
    Control& Btn_OK;
    Control& Btn_Cancel;
    Control& Lb_User;
    Control& Lb_Pwd;

    void Btn_OKClick();
    void Btn_CancelClick();
};

}  // namespace wy
