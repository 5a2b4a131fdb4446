#include "app/TFrm_13_TCSK.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_13_TCSK);

TFrm_13_TCSK::TFrm_13_TCSK(Context& ctx)
    : Window(ctx, "TFrm_13_TCSK", QStringLiteral("屏幕锁")),
      edtPassword(add(ControlKind::Edit, "edtPassword")),
      Lb_Prompt(add(ControlKind::Label, "Lb_Prompt", QStringLiteral("请输入密码:"))) {
    style.stayOnTop = true;
    style.fixedSize = true;
    edtPassword.setPassword(true);
    on(edtPassword, Event::Enter, [this] { edtPasswordEnter(); });
}

bool TFrm_13_TCSK::passwordMatches() {
    // The password read at login: a change made since takes effect at the next login.
    if (edtPassword.text().toUpper() == login().OperatorPassword.toUpper()) return true;
    message(QStringLiteral("密码输入不正确,请重新输入!"));
    return false;
}

void TFrm_13_TCSK::edtPasswordEnter() {
    if (!passwordMatches()) return;
    unlocked_ = true;
    Close(mrOk);
}

bool TFrm_13_TCSK::closeCommand() {
    edtPasswordEnter();
    return isClosed();
}

}  // namespace wy
