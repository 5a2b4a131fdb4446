#pragma once
#include "core/Window.h"

namespace wy {

// The screen lock: closes only on the login password, typed in any letter case.
class TFrm_13_TCSK : public Window {
    Q_OBJECT
public:
    explicit TFrm_13_TCSK(Context& ctx);

    Control& edtPassword;
    Control& Lb_Prompt;

    void edtPasswordEnter();
    bool closeCommand() override;

protected:
    bool FormCloseQuery() override { return unlocked_; }

private:
    bool passwordMatches();
    bool unlocked_ = false;
};

}  // namespace wy
