#pragma once
// A large office for benchmarks: estates, buildings with floors, entrances and door positions,
// and generated houses with owners, written in one transaction with prepared statements.
#include <QString>

namespace wy {
class TDm;

namespace bench {

struct RegisterSize {
    int estates = 40;
    int buildingsPerEstate = 25;  // 1,000 buildings
    int entrancesPerBuilding = 2;
    int floorsPerBuilding = 5;
    int positionsPerEntrance = 5;  // 2 × 5 × 5 = 50 houses a building, 50,000 in all
    bool owners = true;
};

struct RegisterMade {
    int estates = 0;
    int buildings = 0;
    int houses = 0;
    qint64 firstBuilding = 0;  // BH of the first building made
};

RegisterMade makeLargeRegister(TDm& dm, const RegisterSize& size = {});

}  // namespace bench
}  // namespace wy
