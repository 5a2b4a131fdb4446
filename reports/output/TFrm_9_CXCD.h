#pragma once
#include <QVector>

#include "core/Window.h"
#include "reports/output/OffsetCondition.h"

namespace wy {

// The condition dialog of the prepayment-offset query. With Tag 1 it opens the result window
// TFrm_5_Report with the condition, the title "查询冲抵款" and mode 2; with Tag 2 (opened by that
// window) it hands Condition and Mode back to it.
class TFrm_9_CXCD : public Window {
    Q_OBJECT
public:
    explicit TFrm_9_CXCD(Context& ctx);

    // Outputs, set by "确 定".
    QString Condition;
    int Mode = 0;

    Control& Lb_Title;
    Control& Dat_From;
    Control& Dat_To;
    Control& Cmb_XQMC;
    Control& Cmb_LDMC;
    Control& Cmb_DYMC;
    Control& Cmb_LCMC;
    Control& Cmb_XX;
    Control& Edt_FH;
    Control& Edt_YZ;
    Control& Cmb_SFZX;
    Control& Cmb_FXLB;
    Control& Cmb_SFY;
    Control& Btn_OK;
    Control& Btn_Cancel;

    void FormShow() override;
    void Cmb_XQMCChange();
    void Cmb_LDMCChange();
    void Btn_OKClick();
    // What the fields hold, as the condition builder takes it.
    OffsetFilter filter() const;

private:
    // Fills a combo with "text, key" rows; the keys are kept beside the items.
    void fill(Control& combo, QVector<qint64>& keys, const QString& sql, const QVariantList& binds,
              const QString& suffix = {});
    void loadEntrancesAndFloors();
    static std::optional<qint64> chosenKey(const Control& combo, const QVector<qint64>& keys);

    QVector<qint64> estateKeys_, buildingKeys_, entranceKeys_, floorKeys_, batchKeys_, managerKeys_;
};

}  // namespace wy
