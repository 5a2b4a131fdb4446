#pragma once
// The numbering rules of the house wizard: the house number, full name and system code that a
// generated house gets from its building, entrance, floor and door position.
#include <QString>

namespace wy {

// The rules offered by the wizard's "房号规则" list (1-based, as shown).
enum class NumberingRule { FloorAndPosition = 1, RunningNumber = 2, Full = 3, Custom = 4 };

struct HousePlace {
    qint64 estate = 0;          // the estate's BH
    QString building;           // LDMC, e.g. "1"
    int entrance = 0;           // DYXH
    QString entranceNumber;     // DYBZ, e.g. "2"
    QString entranceWord;       // DYBZ1, e.g. "单元"
    int floor = 0;              // LCXH
    int position = 0;           // THXH
    int positionsPerFloor = 0;  // DYTH of the entrance
};

struct HouseNumber {
    QString number;      // FYBH
    QString name;        // FYMC
    QString systemCode;  // SYSBH
};

// The numbers of one house under rules 1 to 3 (rule 4 has no numbers: the caller stops before).
// The prefix is the trimmed "房号前缀"; a hyphen follows it when it is not empty.
HouseNumber numberHouse(NumberingRule rule, const QString& prefix, const HousePlace& place);

}  // namespace wy
