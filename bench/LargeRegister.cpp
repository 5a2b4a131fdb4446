#include "bench/LargeRegister.h"

#include "db/PreparedStatement.h"
#include "db/TDm.h"

namespace wy::bench {

RegisterMade makeLargeRegister(TDm& dm, const RegisterSize& size) {
    static const char* surnames[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"};
    static const char* given[] = {"伟", "芳", "娜", "敏", "静", "强",
                                  "磊", "军", "洋", "勇", "艳", "杰"};
    RegisterMade made;
    Transaction t(dm);
    qint64 area = dm.nextKey("Tb_SYS_AREA"), building = dm.nextKey("Tb_SYS_XQLD"),
           floor = dm.nextKey("Tb_SYS_LCSX"), entrance = dm.nextKey("Tb_SYS_DYTH"),
           position = dm.nextKey("Tb_SYS_THXX"), house = dm.nextKey("Tb_FYXX"),
           owner = dm.nextKey("Tb_SYS_KHXX");
    made.firstBuilding = building;
    PreparedStatement qArea(dm,
                            "INSERT INTO Tb_SYS_AREA (BH,XQBH,XQMC,SZDQ,SJMJ) VALUES (?,?,?,?,?)");
    PreparedStatement qBuilding(
        dm,
        "INSERT INTO Tb_SYS_XQLD (BH,LDBH,XQBH,LDXH,LDMC,LDCS,LDDYS,ZHS,JGRQ,RZRQ,FYLB,LDBZ1) "
        "VALUES (?,?,?,?,?,?,?,0,'2020-06-01','2020-09-01','商品房','是')");
    PreparedStatement qFloor(
        dm,
        "INSERT INTO Tb_SYS_LCSX (BH,LCBH,XQBH,LDBH,LCXH,LCFX,LCDJ,LCBZ) VALUES "
        "(?,?,?,?,?,'住宅',0,'')");
    PreparedStatement qEntrance(
        dm,
        "INSERT INTO Tb_SYS_DYTH (BH,DYBH,XQBH,LDBH,DYXH,DYBZ,DYBZ1,DYTH,DYBZ2) VALUES "
        "(?,?,?,?,?,?,'单元',?,'')");
    PreparedStatement qPosition(
        dm,
        "INSERT INTO Tb_SYS_THXX (BH,THBH,XQBH,LDBH,DYBH,THXH,JZMJ,SYMJ,FYHX,FYCX,FYJG,THBZ1) "
        "VALUES (?,?,?,?,?,?,?,?,'两室一厅','南','钢筋','')");
    PreparedStatement qHouse(
        dm,
        "INSERT INTO Tb_FYXX "
        "(DYBZ,BH,FYBH,DQBH,XQBH,LDBH,DYBH,LCBH,THBH,LDXH,DYXH,LCXH,THXH,FYXH,FYMC,ZJM,"
        "JZMJ,SYMJ,FYHX,FYCX,FYDJ,FYZJ,YZBH,FYJG,SHRQ,THS,JGRQ,RZRQ,FYFX,JYMB,YSES,FYZT,"
        "YXBZ,ZFY,TSLB,QPBZ,"
        "RZRS,FYBZ,FYBZ1,FYBZ2,FYBZ3,FYBZ4,SYSBH) VALUES "
        "(?,?,?,'鼓楼区',?,?,?,?,?,?,?,?,?,?,?,?,?,?,"
        "'两室一厅','南',0,0,?,'钢筋','商品房',?,'2020-06-01','2020-09-01','住宅','售','"
        "新房','入住','单房',1,'',0,3,"
        "'','','住宅','','',?)");
    PreparedStatement qOwner(dm,
                             "INSERT INTO Tb_SYS_KHXX (BH,KHXM,XB,FYBH,DHHM,RZRQ,KHLB) VALUES "
                             "(?,?,?,?,?,'2020-09-01','住户')");

    int serial = 0;
    for (int e = 0; e < size.estates; ++e, ++area) {
        qArea.run(
            {area, QString::number(area), QString("测试花园%1期").arg(e + 1), "鼓楼区", 50000});
        ++made.estates;
        for (int b = 0; b < size.buildingsPerEstate; ++b, ++building) {
            const QString ldmc = QString::number(b + 1);
            qBuilding.run({building, building, area, building, ldmc, size.floorsPerBuilding,
                           size.entrancesPerBuilding});
            ++made.buildings;
            std::vector<qint64> floors;
            for (int f = 1; f <= size.floorsPerBuilding; ++f, ++floor) {
                qFloor.run({floor, floor, area, building, f});
                floors.push_back(floor);
            }
            for (int d = 1; d <= size.entrancesPerBuilding; ++d, ++entrance) {
                std::vector<qint64> positions;
                for (int p = 1; p <= size.positionsPerEntrance; ++p, ++position) {
                    qPosition.run({position, position, area, building, entrance, p, 89.5, 86.25});
                    positions.push_back(position);
                }
                qEntrance.run({entrance, entrance, area, building, d, QString::number(d),
                               size.positionsPerEntrance});
                for (int f = 1; f <= size.floorsPerBuilding; ++f) {
                    for (int p = 1; p <= size.positionsPerEntrance; ++p, ++house) {
                        const QString number =
                            QString("%1-%2-%3%4").arg(ldmc).arg(d).arg(f).arg(p, 2, 10, QChar('0'));
                        const qint64 ownerKey = size.owners ? owner++ : 0;
                        qHouse.run({QString::number(d),
                                    house,
                                    number,
                                    area,
                                    building,
                                    entrance,
                                    floors[f - 1],
                                    positions[p - 1],
                                    building,
                                    d,
                                    f,
                                    p,
                                    ++serial,
                                    QString("%1栋%2单元%3%4")
                                        .arg(ldmc)
                                        .arg(d)
                                        .arg(f)
                                        .arg(p, 2, 10, QChar('0')),
                                    number,
                                    89.5,
                                    86.25,
                                    ownerKey,
                                    size.positionsPerEntrance,
                                    QString("%1-%2").arg(area).arg(number)});
                        if (size.owners) {
                            const QString name = QString::fromUtf8(surnames[house % 10]) +
                                                 QString::fromUtf8(given[house % 12]) +
                                                 QString::fromUtf8(given[(house / 12) % 12]);
                            qOwner.run(
                                {ownerKey, name, house % 2 ? "男" : "女", house,
                                 QString("1380000%1").arg(house % 10000, 4, 10, QChar('0'))});
                        }
                        ++made.houses;
                    }
                }
            }
        }
    }
    t.commit();
    return made;
}

}  // namespace wy::bench
