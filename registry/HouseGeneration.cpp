#include "registry/HouseGeneration.h"

#include <cmath>
#include <vector>

#include "db/PreparedStatement.h"
#include "db/TDm.h"

namespace wy {

namespace {

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

struct Floor {
    qint64 bh;
    int number;
    double price;
    QString nature;
};

const char* kInsertHouse =
    "INSERT INTO Tb_FYXX (DYBZ,BH,FYBH,DQBH,XQBH,LDBH,DYBH,LCBH,THBH,LDXH,DYXH,LCXH,THXH,FYXH,"
    "FYMC,ZJM,JZMJ,SYMJ,FYHX,FYCX,FYDJ,FYZJ,YZBH,FYJG,SHRQ,THS,JGRQ,RZRQ,FYFX,JYMB,YSES,FYZT,"
    "YXBZ,ZFY,TSLB,QPBZ,RZRS,FYBZ,FYBZ1,FYBZ2,FYBZ3,FYBZ4,SYSBH) VALUES (?,?,?,?,?,?,?,?,?,?,?,"
    "?,?,?,?,?,?,?,?,?,?,0,0,?,?,?,?,?,?,'售','新房','售','单房',1,'',0,3,'','','','','',?)";

}  // namespace

int plannedHouses(TDm& dm, qint64 building) {
    return int(dm.integer("SELECT COUNT(*) FROM Tb_SYS_LCSX WHERE LDBH=?", {building}) *
               dm.integer("SELECT COUNT(*) FROM Tb_SYS_THXX WHERE LDBH=?", {building}));
}

int generateHouses(TDm& dm, qint64 building, NumberingRule rule, const QString& prefix,
                   const GenerationProgress& progress) {
    const Row b = dm.first(
        "SELECT L.XQBH,L.LDMC,L.FYLB,L.JGRQ,L.RZRQ,A.SZDQ FROM Tb_SYS_XQLD L "
        "LEFT JOIN Tb_SYS_AREA A ON A.BH=L.XQBH WHERE L.BH=?",
        {building});
    const qint64 estate = b.integer("XQBH");
    const QString buildingName = b.text("LDMC"), category = b.text("FYLB"),
                  district = b.text("SZDQ"), handover = b.text("JGRQ").left(10),
                  occupancy = b.text("RZRQ").left(10);

    // Floors from the lowest up, door positions by entrance and position: the order a person
    // reads the building in, so running numbers follow it.
    std::vector<Floor> floors;
    for (const Row& r : dm.rows("SELECT BH,LCXH,LCDJ,LCFX FROM Tb_SYS_LCSX WHERE LDBH=? "
                                "ORDER BY LCXH,BH",
                                {building}))
        floors.push_back({r.integer(0), int(r.integer(1)), r.number(2), r.text(3)});
    const Rows positions = dm.rows(
        "SELECT BH,DYBH,THXH,JZMJ,SYMJ,FYHX,FYCX,FYJG,DYXH,DYBZ,DYBZ1,DYTH FROM Uvw_SYS_THXX "
        "WHERE LDBH=? ORDER BY DYXH,THXH,BH",
        {building});

    const qint64 firstKey = dm.nextKey("Tb_FYXX");
    PreparedStatement insert(dm, QString::fromUtf8(kInsertHouse));
    int n = 0;
    for (const Floor& f : floors) {
        for (const Row& p : positions) {
            HousePlace place;
            place.estate = estate;
            place.building = buildingName;
            place.entrance = int(p.integer(8));
            place.entranceNumber = p.text(9);
            place.entranceWord = p.text(10);
            place.floor = f.number;
            place.position = int(p.integer(2));
            place.positionsPerFloor = int(p.integer(11));
            const HouseNumber h = numberHouse(rule, prefix, place);
            insert.run({place.entranceNumber,
                        firstKey + n,
                        h.number,
                        district,
                        estate,
                        building,
                        p.integer(1),
                        f.bh,
                        p.integer(0),
                        building,
                        place.entrance,
                        f.number,
                        place.position,
                        n + 1,
                        h.name,
                        h.number,
                        rounded(p.number(3), 3),
                        rounded(p.number(4), 3),
                        p.text(5),
                        p.text(6),
                        rounded(f.price, 2),
                        p.text(7),
                        category,
                        place.positionsPerFloor,
                        handover,
                        occupancy,
                        f.nature,
                        h.systemCode});
            ++n;
            if (progress && !progress(n)) return -1;
        }
    }
    // A building with no floor or no door position stays not generated: there is nothing in it.
    if (n > 0) dm.exec("UPDATE Tb_SYS_XQLD SET LDBZ1='是' WHERE BH=?", {building});
    return n;
}

void markNotGenerated(TDm& dm, qint64 building) {
    dm.exec("UPDATE Tb_SYS_XQLD SET LDBZ1='否' WHERE BH=?", {building});
}

}  // namespace wy
