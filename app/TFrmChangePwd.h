#pragma once
#include "core/Window.h"

namespace wy {

// Change password: the old password, checked on Enter, unlocks the new and repeated fields.
class TFrmChangePwd : public Window {
    Q_OBJECT
public:
    explicit TFrmChangePwd(Context& ctx);

    Control& LbeGh;
    Control& LbeName;
    Control& LbeOldPwd;
    Control& LbeNewPwd;
    Control& LbeRepeat;
    Control& BtnSure;
    Control& BtnReturn;
    Control& Lb_Tip;

    void FormShow() override;
    void LbeOldPwdEnter();
    void BtnSureClick();

private:
    QString storedPassword();
};

}  // namespace wy
