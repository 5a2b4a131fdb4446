#pragma once
#include "core/Window.h"
#include "registry/PlaceCascade.h"

namespace wy {

// A window that lists the houses of a place with check boxes and saves what is ticked: the
// range picker and the manager's assignment window. It holds the place lists, the checked
// house list and the buttons both share; a member says which houses start ticked, what
// "查看" lists and what saving writes.
class HouseRangeWindow : public Window {
    Q_OBJECT
public:
    struct Captions {
        QString reset;
        QString query;
        QString save;
    };
    HouseRangeWindow(Context& ctx, const QString& className, const QString& caption,
                     const Captions& captions);

    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Lv_Data;
    Control& Btn_All;
    Control& Btn_Reset;
    Control& Btn_Query;
    Control& Btn_Save;
    Control& Btn_Close;

    void FormShow() override;
    void Btn_AllClick();
    void Btn_ResetClick();
    virtual void Btn_QueryClick() = 0;
    virtual void Btn_SaveClick() = 0;

protected:
    // Lists the houses of a condition ("Where …"), ticked as the member says.
    virtual void listHouses(const QString& where) = 0;

    PlaceCascade place_;
};

}  // namespace wy
