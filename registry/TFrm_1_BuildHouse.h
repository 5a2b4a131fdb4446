#pragma once
// The house wizard "录入房源": lays out one building at a time in five steps (floors, entrances,
// door positions, generation of the houses, the owners of the houses).
#include <array>

#include "core/Window.h"
#include "registry/HouseLayout.h"
#include "registry/PlaceCascade.h"

namespace wy {

class TFrm_1_BuildHouse : public Window {
    Q_OBJECT
public:
    explicit TFrm_1_BuildHouse(Context& ctx);
    // Besides the access level, an opener may open the wizard on a building: XQBH (estate),
    // LDBH (building) and Page (step 1 to 5).
    bool setParam(const QString& name, const QVariant& value) override;

    Control& Cmb_XQMC;
    Control& Cmb_XQLD;
    Control& Pg_Control;
    Control& StrGrd_LCSX;
    Control& StrGrd_DYTH;
    Control& StrGrd_THXX;
    Control& Me_Result;
    Control& Cmb_FHGZ;
    Control& Edt_FHQZ;
    Control& StrGrd_ZH;
    Control& Btn_Save;
    Control& Btn_Build;
    Control& Btn_Edit;
    Control& Btn_Paste;
    Control& Btn_AddFY;
    Control& Btn_Model;
    Control& Btn_AddLD;
    Control& Btn_Close;

    enum Page { Floors, Entrances, Positions, Generation, Owners };

protected:
    void FormShow() override;

private:
    // Choosing the place, moving between steps.
    void PlaceChosen(PlaceLevel level);
    void BuildingChosen();
    void PageChanged();
    void CellEdited(Control& grid, const EventArgs& a);
    void loadPage(int page);
    void updateButtons();
    // "所有楼栋" is chosen: only the owners of the whole estate can be shown.
    bool allBuildings() const { return Cmb_XQLD.itemIndex() >= 0 && place_.buildingKey() == 0; }
    bool buildingChosen() const { return b_.building != 0 || allBuildings(); }

    // Saving a step ("保存[&S]", and leaving a step with unsaved rows).
    void Btn_SaveClick();
    bool savePage(int page);

    // The commands (BuildHouseCommands.cpp).
    void Btn_BuildClick();
    void BuildingChosenState();
    void Generate();
    void ClearHouses();
    void DeleteOwnerRow();
    void Btn_EditClick();
    void Btn_AddFYClick();
    void Btn_PasteClick();
    void Btn_ModelClick();
    void Btn_AddLDClick();
    QString customRuleText() const;

    Control& layoutGrid(int page);

    PlaceCascade place_;
    LayoutBuilding b_;
    std::array<QVector<qint64>, 3> keys_;  // keys of the stored layout rows shown
    int shownPage_ = Floors;
    qint64 openEstate_ = 0, openBuilding_ = 0;
    int openPage_ = 0;
};

}  // namespace wy
