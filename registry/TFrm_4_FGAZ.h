#pragma once
#include "core/Window.h"
#include "registry/PlaceCascade.h"

namespace wy {

// "指定房管员的管辖范围": the houses of a place with check boxes; confirming gives the ticked
// houses to this manager (taking them from any other) and takes the unticked ones from him.
class TFrm_4_FGAZ : public Window {
    Q_OBJECT
public:
    explicit TFrm_4_FGAZ(Context& ctx);

    // Inputs: the manager's BH, code and name.
    qint64 FGBH = 0;
    QString YGBH;
    QString XM;
    bool setParam(const QString& name, const QVariant& value) override;

    Control& Edt_FGBH;
    Control& Edt_FGMC;
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
    void Btn_QueryClick();
    void Btn_SaveClick();

private:
    // Lists the houses of a condition, ticked when they are this manager's.
    void listHouses(const QString& where);

    PlaceCascade place_;
};

}  // namespace wy
