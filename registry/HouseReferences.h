#pragma once
// Whether houses are still used by the business (meters, receivables, payments, leases ...), and
// removing houses together with what belongs only to them. Every window that deletes houses asks
// findHouseUse first, inside the transaction that deletes, and refuses when it finds something:
// a deleted house would leave those records pointing at nothing.
#include <QString>
#include <optional>

namespace wy {

class TDm;

// The houses a check or a delete covers: one house, or every house of a building.
struct HouseSet {
    enum class Kind { House, Building } kind;
    qint64 key;
    static HouseSet house(qint64 bh) { return {Kind::House, bh}; }
    static HouseSet building(qint64 ldbh) { return {Kind::Building, ldbh}; }
};

struct HouseUse {
    QString houseNumber;  // FYBH of a house that is in use
    QString records;      // what uses it, e.g. "应收费用"
};

// The first house of the set that a business record still refers to, or nothing. Tables that
// this build does not have yet are skipped.
std::optional<HouseUse> findHouseUse(TDm& dm, const HouseSet& houses);

// The refusal shown when a house, or a building's houses, cannot be deleted.
QString houseInUseMessage(const HouseUse& use, const HouseSet& houses);

// Deletes the houses with their owner and tenant records and their house-manager assignments.
// Runs inside the caller's transaction, after findHouseUse has found nothing. Returns the number
// of houses deleted.
int deleteHouses(TDm& dm, const HouseSet& houses);

}  // namespace wy
