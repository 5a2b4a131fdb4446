#pragma once
// The lookup-list windows: four named lists of Tb_SYS_Param, one per page, each edited as the
// rows of a one-column grid. Seven windows share this one implementation and differ only in
// their settings (caption, page labels, list names and whether saving checks the level).
#include "core/Window.h"

namespace wy {

struct ParamWindowSettings {
    QString className;
    QString caption;
    QStringList pageLabels;  // the four tabs
    QStringList lists;       // the list of each page; empty for a page without a list
    bool checksLevel = true;
};

// The settings of one of the list windows by class name (TFrm_1_Param … TFrm_1_Param7).
const ParamWindowSettings& paramWindowSettings(const QString& className);

class ParamWindow : public Window {
    Q_OBJECT
public:
    ParamWindow(Context& ctx, const ParamWindowSettings& settings);

    // The grid shows at least this many rows; a longer list gets one row per value plus an
    // empty one, so that a save never drops a value that was not shown.
    static constexpr int kGridRows = 18;

    Control& Pg_Control;
    Control& StrGrd_Param;
    Control& Btn_Save;
    Control& Btn_Close;

    void FormShow() override;
    bool FormCloseQuery() override;

    // Shows the list of the current page.
    void LoadPage();
    // Writes the shown list back in the order shown. Returns false when nothing was saved.
    bool SaveList();

private:
    QString shownList() const { return settings_.lists.value(shownPage_); }
    void Pg_ControlChange();
    void StrGrd_ParamChange(int row);
    // Whether unsaved edits are offered for saving: not to an operator who may not save them.
    bool offersToSave() const;

    const ParamWindowSettings& settings_;
    int shownPage_ = 0;
};

}  // namespace wy
