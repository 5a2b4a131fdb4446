#pragma once
// The place lists of the house windows: estate, building, entrance and floor, each drop-down
// with the keys of its items beside it, and the place condition built from the choice.
// (Kept apart from the windows so that the shared place cascade can take its place.)
#include <QString>
#include <QVector>

namespace wy {

class Control;
class TDm;

class PlaceChoice {
public:
    // How an entrance is shown: "1单元" (DYXH), "1单元"/"A座" (DYBZ, 座 when it is not the
    // serial), or DYBZ followed by its own word DYBZ1 (the house editor).
    enum class EntranceText { Serial, Numbered, Worded };

    // entrances and floors may be null (the house wizard chooses only estate and building).
    // With allItems the building, entrance and floor lists end with "所有楼栋", "所有单元",
    // "所有楼层".
    PlaceChoice(TDm& dm, Control& estates, Control& buildings, Control* entrances, Control* floors,
                bool allItems, EntranceText entranceText);

    void fillEstates();
    // Refills the buildings of the chosen estate, keeping the building name shown before when
    // the estate has one of that name, and refills entrances and floors for it.
    void estateChosen();
    void buildingChosen();

    qint64 estate() const { return key(estates_, estateKeys_); }
    qint64 building() const { return key(buildings_, buildingKeys_); }  // 0: none or all
    qint64 entrance() const { return entrances_ ? key(*entrances_, entranceKeys_) : 0; }
    qint64 floor() const { return floors_ ? key(*floors_, floorKeys_) : 0; }
    bool allBuildings() const;
    QString district() const;       // SZDQ of the estate
    qint64 buildingSerial() const;  // LDXH
    int entranceSerial() const;     // DYXH
    int floorSerial() const;        // LCXH

    // Shows the place of a house, by its keys.
    void select(qint64 estate, qint64 building, qint64 entrance, qint64 floor);
    // "(XQBH=1) And (LDBH=4)": the chosen estate and each level not on its "all" item; empty
    // when no estate is chosen. Keys are numbers read from the database.
    QString condition() const;

private:
    static qint64 key(const Control& c, const QVector<qint64>& keys);
    static int index(const QVector<qint64>& keys, qint64 key);

    TDm& dm_;
    Control& estates_;
    Control& buildings_;
    Control* entrances_;
    Control* floors_;
    bool allItems_;
    EntranceText entranceText_;
    QVector<qint64> estateKeys_, buildingKeys_, entranceKeys_, floorKeys_;
    QStringList districts_;
    QVector<qint64> buildingSerials_;
    QVector<int> entranceSerials_, floorSerials_;
};

}  // namespace wy
