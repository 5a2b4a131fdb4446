#include "registry/HouseReferences.h"

#include <vector>

#include "db/TDm.h"

namespace wy {

namespace {

struct Reference {
    const char* table;
    const char* column;  // holds the house's BH
    const char* records;
};

// Every table whose rows refer to a house by its BH. A table added by a later step of the
// business gets its line here.
const std::vector<Reference> kReferences = {
    {"Tb_2_FBXX", "FYBH", "费表"},
    {"Tb_2_AZDX", "FYH", "费表"},
    {"Tb_2_CBJL", "FYH", "抄表记录"},
    {"Tb_2_ZKJL", "FYH", "应收费用"},
    {"Tb_2_CNJL", "FYH", "收费记录"},
    {"Tb_2_YSK", "FYH", "预收款"},
    {"Tb_2_YSKCD", "FYH", "冲抵记录"},
    {"Tb_2_TK", "FYH", "退款记录"},
    {"Tb_2_AZBZ", "FYH", "收费标准执行范围"},
    {"Tb_2_AZFX", "FYH", "收费项目业主范围"},
    {"Tb_2_ZLHT", "YSAJ", "租赁合同"},
    {"Tb_2_SBWX", "FYH", "维修记录"},
    {"Tb_2_TouSu", "FYH", "投诉记录"},
    {"Tb_2_KEY", "FYH", "钥匙借用记录"},
};

// The houses of the set as a sub-select with one bound value.
QString housesSelect(const HouseSet& s) {
    return s.kind == HouseSet::Kind::House ? QStringLiteral("SELECT BH FROM Tb_FYXX WHERE BH=?")
                                           : QStringLiteral("SELECT BH FROM Tb_FYXX WHERE LDBH=?");
}

}  // namespace

std::optional<HouseUse> findHouseUse(TDm& dm, const HouseSet& houses) {
    for (const Reference& r : kReferences) {
        if (!dm.tableExists(r.table)) continue;
        const QString column = QString::fromLatin1(r.column);
        const Row found =
            dm.first("SELECT " + column + " FROM " + QString::fromLatin1(r.table) + " WHERE " +
                         column + " IN (" + housesSelect(houses) + ") LIMIT 1",
                     {houses.key});
        if (found.isNull(0)) continue;
        return HouseUse{dm.text("SELECT FYBH FROM Tb_FYXX WHERE BH=?", {found.integer(0)}),
                        QString::fromUtf8(r.records)};
    }
    return std::nullopt;
}

QString houseInUseMessage(const HouseUse& use, const HouseSet& houses) {
    return (houses.kind == HouseSet::Kind::House
                ? QStringLiteral("房源%1已有%2,不能删除!")
                : QStringLiteral("本栋房源%1已有%2,不能清除本栋房源!"))
               .arg(use.houseNumber, use.records) +
           QStringLiteral("\n请先处理与该房源有关的业务记录。");
}

int deleteHouses(TDm& dm, const HouseSet& houses) {
    const QString set = housesSelect(houses);
    dm.exec("DELETE FROM Tb_SYS_KHXX WHERE FYBH IN (" + set + ")", {houses.key});
    dm.exec("DELETE FROM Tb_2_AZFG WHERE FYH IN (" + set + ")", {houses.key});
    dm.exec(houses.kind == HouseSet::Kind::House ? "DELETE FROM Tb_FYXX WHERE BH=?"
                                                 : "DELETE FROM Tb_FYXX WHERE LDBH=?",
            {houses.key});
    return dm.affected();
}

}  // namespace wy
