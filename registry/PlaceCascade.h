#pragma once
// The place cascade: the estate, building, entrance and floor drop-downs by which windows narrow
// a list of houses, each list with its parallel keys, and the place condition built from them.
// A window creates its four combos (Cmb_XQMC, Cmb_LDMC, Cmb_DYMC, Cmb_LCMC), hands them to one
// PlaceCascade, wires it, and calls fillEstates() when it is shown.
#include <functional>
#include <vector>

#include "core/Control.h"

namespace wy {

class TDm;

enum class PlaceLevel { Estate, Building, Entrance, Floor };

class PlaceCascade {
public:
    // How an entrance is named in the entrance list.
    enum class EntranceLabel {
        Serial,         // DYXH + "单元" (the pickers)
        NumberOrBlock,  // DYBZ + "单元" when DYBZ is the serial as text, else DYBZ + "座"
        NumberAndWord,  // DYBZ + DYBZ1 (the house editor)
    };
    struct Options {
        EntranceLabel entranceLabel = EntranceLabel::Serial;
        // "所有楼栋", "所有单元" and "所有楼层" as the last item of their lists (key 0).
        bool allItems = true;
    };

    // The lower levels may be left out (nullptr) by windows that show fewer of them.
    PlaceCascade(TDm& dm, Control& estates, Control* buildings, Control* entrances, Control* floors,
                 Options options);
    PlaceCascade(TDm& dm, Control& estates, Control* buildings, Control* entrances, Control* floors)
        : PlaceCascade(dm, estates, buildings, entrances, floors, Options{}) {}

    // Binds the Change events of the combos through the window's own `on` and reports each
    // choice, after the lower lists have followed it.
    using ChangeBinder = std::function<void(Control&, std::function<void()>)>;
    void wire(const ChangeBinder& bindChange, std::function<void(PlaceLevel)> changed);

    // On opening: fills the estates (nothing chosen) and empties the lower lists.
    void fillEstates();

    // Keys of the chosen items; 0 when nothing is chosen or the "所有…" item is.
    qint64 estateKey() const { return keyOf(estateItems_, estateList_); }
    qint64 buildingKey() const { return keyOf(buildingItems_, buildingList_); }
    qint64 entranceKey() const { return keyOf(entranceItems_, entranceList_); }
    qint64 floorKey() const { return keyOf(floorItems_, floorList_); }
    // LDXH, DYXH and LCXH of the chosen building, entrance and floor; SZDQ of the estate.
    qint64 buildingSerial() const { return itemOf(buildingItems_, buildingList_).serial; }
    qint64 entranceSerial() const { return itemOf(entranceItems_, entranceList_).serial; }
    qint64 floorSerial() const { return itemOf(floorItems_, floorList_).serial; }
    QString estateDistrict() const { return itemOf(estateItems_, estateList_).district; }

    // "(XQBH=1) And (LDBH=3) And (DYBH=7) And (LCBH=12)" for the chosen place, over the house
    // views; levels not chosen, or at their "所有…" item, add nothing. Empty without an estate.
    QString condition() const;
    // The chosen houses for tables that refer to a house by FYH:
    // "(FYH In (Select BH From Uvw_FYXX Where " condition "))". Empty without an estate.
    QString houseCondition() const;

private:
    struct Item {
        qint64 key = 0;
        qint64 serial = 0;  // LDXH, DYXH, LCXH
        QString label;      // the item text shown
        QString district;   // estates: SZDQ
    };
    using Items = std::vector<Item>;

    void estateChanged();
    void buildingChanged();
    void fillBuildings();
    void fillLowerLevels();  // entrances and floors of the chosen building, or empty
    void fillEntrances(qint64 building);
    void fillFloors(qint64 building);
    // Replaces a list's items (nothing chosen), adding the "所有…" item when the options ask.
    void setList(Control* list, Items& target, Items items, const QString& allItem);

    static const Item& itemOf(const Items& items, const Control* c);
    static qint64 keyOf(const Items& items, const Control* c) { return itemOf(items, c).key; }

    TDm& dm_;
    Control* estateList_;
    Control* buildingList_;
    Control* entranceList_;
    Control* floorList_;
    Options options_;
    Items estateItems_, buildingItems_, entranceItems_, floorItems_;
    std::function<void(PlaceLevel)> changed_;
};

}  // namespace wy
