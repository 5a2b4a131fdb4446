#pragma once
#include "registry/HouseRangeWindow.h"

namespace wy {

// "指定房管员的管辖范围": the houses of a place with check boxes; confirming gives the ticked
// houses to this manager (taking them from any other) and takes the unticked ones from him.
class TFrm_4_FGAZ : public HouseRangeWindow {
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

    void FormShow() override;
    void Btn_QueryClick() override;
    void Btn_SaveClick() override;

protected:
    // Ticked when they are this manager's.
    void listHouses(const QString& where) override;
};

}  // namespace wy
