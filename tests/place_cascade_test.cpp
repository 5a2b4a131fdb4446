// The place cascade on bare controls: the entrance-label variants, the lists without the
// "所有…" items, and the condition text of a fully chosen place.
#include <gtest/gtest.h>

#include <map>

#include "registry/PlaceCascade.h"
#include "tests/TestDb.h"

namespace wy::test {
namespace {

struct Lists {
    Control estates{ControlKind::Combo, "Cmb_XQMC", nullptr};
    Control buildings{ControlKind::Combo, "Cmb_LDMC", nullptr};
    Control entrances{ControlKind::Combo, "Cmb_DYMC", nullptr};
    Control floors{ControlKind::Combo, "Cmb_LCMC", nullptr};
    std::map<Control*, std::function<void()>> handlers;

    void wire(PlaceCascade& place) {
        place.wire([this](Control& c, std::function<void()> h) { handlers[&c] = std::move(h); },
                   {});
    }
    // What a person choosing an item does.
    void choose(Control& c, const QString& item) {
        c.selectText(item);
        ASSERT_NE(c.itemIndex(), -1) << item.toStdString();
        handlers.at (&c)();
    }
};

void addPlaces(TDm& dm) {
    dm.exec("INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC,SZDQ) VALUES (1,'1','阳光小区','鼓楼区')");
    dm.exec("INSERT INTO Tb_SYS_XQLD (BH,LDBH,XQBH,LDXH,LDMC) VALUES (4,4,1,4,'4栋')");
    dm.exec(
        "INSERT INTO Tb_SYS_DYTH (BH,DYBH,XQBH,LDBH,DYXH,DYBZ,DYBZ1) VALUES "
        "(21,21,1,4,1,'1','单元'),(22,22,1,4,2,'A','座')");
    dm.exec("INSERT INTO Tb_SYS_LCSX (BH,LCBH,XQBH,LDBH,LCXH) VALUES (31,31,1,4,1),(32,32,1,4,2)");
}

TEST(PlaceCascade, EntranceLabelsAndAllItemsFollowTheOptions) {
    using L = PlaceCascade::EntranceLabel;
    struct Case {
        L label;
        bool allItems;
        const char* buildings;
        const char* entrances;
        const char* floors;
    };
    const Case cases[] = {
        {L::Serial, true, "4栋|所有楼栋", "1单元|2单元|所有单元", "1层|2层|所有楼层"},
        {L::NumberOrBlock, true, "4栋|所有楼栋", "1单元|A座|所有单元", "1层|2层|所有楼层"},
        {L::NumberAndWord, false, "4栋", "1单元|A座", "1层|2层"},
    };
    TestDb db;
    addPlaces(db.dm());
    for (const Case& c : cases) {
        Lists lists;
        PlaceCascade place(db.dm(), lists.estates, &lists.buildings, &lists.entrances,
                           &lists.floors, {c.label, c.allItems});
        lists.wire(place);
        place.fillEstates();
        lists.choose(lists.estates, "阳光小区");
        EXPECT_EQ(lists.buildings.items().join('|').toStdString(), c.buildings);
        lists.choose(lists.buildings, "4栋");
        EXPECT_EQ(lists.entrances.items().join('|').toStdString(), c.entrances);
        EXPECT_EQ(lists.floors.items().join('|').toStdString(), c.floors);
    }
}

TEST(PlaceCascade, AFullyChosenPlaceGivesEveryLevelItsKey) {
    TestDb db;
    addPlaces(db.dm());
    Lists lists;
    PlaceCascade place(db.dm(), lists.estates, &lists.buildings, &lists.entrances, &lists.floors);
    lists.wire(place);
    place.fillEstates();
    EXPECT_EQ(place.condition(), "");
    lists.choose(lists.estates, "阳光小区");
    lists.choose(lists.buildings, "4栋");
    lists.choose(lists.entrances, "2单元");
    lists.choose(lists.floors, "2层");
    EXPECT_EQ(place.condition(), "(XQBH=1) And (LDBH=4) And (DYBH=22) And (LCBH=32)");
    EXPECT_EQ(place.houseCondition(),
              "(FYH In (Select BH From Uvw_FYXX Where (XQBH=1) And (LDBH=4) And (DYBH=22) And "
              "(LCBH=32)))");
    EXPECT_EQ(place.buildingSerial(), 4);
    EXPECT_EQ(place.entranceSerial(), 2);
    EXPECT_EQ(place.floorSerial(), 2);
    EXPECT_EQ(place.estateDistrict(), "鼓楼区");
    lists.choose(lists.floors, "所有楼层");
    EXPECT_EQ(place.condition(), "(XQBH=1) And (LDBH=4) And (DYBH=22)");
}

}  // namespace
}  // namespace wy::test
