#pragma once
#include "core/Window.h"

namespace wy {

// The save-report dialog of the user-defined report window: title, content, shared or not and
// the report-list category. "确定" hands the four texts back; "关闭" hands nothing back.
class TFrm_15_BB : public Window {
    Q_OBJECT
public:
    explicit TFrm_15_BB(Context& ctx);

    // Outputs, set only by "确定".
    QString Share;
    QString Category;
    QString Content;
    QString Title;

    Control& Lb_Title;
    Control& Edt_BT;
    Control& Edt_NR;
    Control& Cmb_Share;
    Control& Cmb_LB;
    Control& Btn_Next;
    Control& Btn_Cancel;

    void Btn_NextClick();
};

}  // namespace wy
