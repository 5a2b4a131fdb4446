#pragma once
#include "core/Window.h"

namespace wy {

// The auxiliary list window: the entries of one auxiliary module as large icons. An entry's
// EVENT text names the window it opens, optionally followed by ";Name=Value" inputs.
class TFrm_9_FZGL : public Window {
    Q_OBJECT
public:
    explicit TFrm_9_FZGL(Context& ctx);

    Control& Lv_Data;
    Control& Btn_Open;
    Control& Btn_Cancel;

    void FormShow() override;
    void Btn_OpenClick();
};

}  // namespace wy
