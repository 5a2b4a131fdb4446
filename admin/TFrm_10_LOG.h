#pragma once
#include "core/Window.h"
#include "db/TDm.h"

namespace wy {

// The system monitor: the operation log by kind, the houses charged for less than their
// building area, and the working figures of the last receivable calculation.
class TFrm_10_LOG : public Window {
    Q_OBJECT
public:
    explicit TFrm_10_LOG(Context& ctx);

    // The tree's entries after the root (node 0), in their order.
    enum Entry { Logins = 1, AreaDifferences, MeterReadings, FeeChanges, Calculations };

    Control& Tr_LEFT;
    Control& StrGrd_LOG;
    Control& Btn_Refresh;
    Control& Btn_Clear;
    Control& Btn_Close;
    Control& Stu_LOG;

    void FormShow() override;
    void ShowEntry(int node);
    void Btn_ClearClick();

private:
    void layOut(const QStringList& headers);
    void fill(const Rows& rows, bool areaDifferences);
};

}  // namespace wy
