#include "registry/HouseLayout.h"

#include <cmath>

#include "core/Control.h"
#include "db/TDm.h"
#include "registry/CellValues.h"

namespace wy {

namespace {

struct GridShape {
    QStringList headers;
    int dataRows;
    const char* table;
    const char* remarkColumn;
};

const GridShape& shape(LayoutGrid which) {
    static const GridShape floors{
        {"楼层号", "房型", "租赁单价/M2", "备注"}, 24, "Tb_SYS_LCSX", "LCBZ"};
    static const GridShape entrances{
        {"序号", "单元号", "单元/座", "梯户数", "备注"}, 24, "Tb_SYS_DYTH", "DYBZ2"};
    static const GridShape positions{{"单元系统号", "单元号", "梯户序号", "建筑面积", "收费面积",
                                      "房屋户型", "房屋朝向", "房屋结构", "备注"},
                                     119,
                                     "Tb_SYS_THXX",
                                     "THBZ1"};
    switch (which) {
        case LayoutGrid::Floors:
            return floors;
        case LayoutGrid::Entrances:
            return entrances;
        case LayoutGrid::Positions:
            return positions;
    }
    return floors;
}

double rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// The cell as a number of its column, or CellError pointing at it.
double number(const Control& grid, int col, int row, int decimals) {
    const auto v = cellNumber(grid.cell(col, row));
    if (!v) throw CellError(col, row, QStringLiteral("不是数字:") + grid.cell(col, row));
    return rounded(*v, decimals);
}

qint64 integer(const Control& grid, int col, int row) {
    const auto v = cellInteger(grid.cell(col, row));
    if (!v) throw CellError(col, row, QStringLiteral("不是整数:") + grid.cell(col, row));
    return *v;
}

QString text(const Control& grid, int col, int row) {
    return grid.cell(col, row).trimmed();
}

// Empties the data rows and makes room for `rows` of them (never fewer than the grid's own).
void clearRows(Control& grid, LayoutGrid which, int rows) {
    grid.setRowCount(1);
    grid.setRowCount(1 + std::max(rows, shape(which).dataRows));
}

}  // namespace

void setUpLayoutGrid(Control& grid, LayoutGrid which) {
    const GridShape& s = shape(which);
    grid.beginUpdate();
    grid.setColCount(int(s.headers.size()));
    grid.setFixedRows(1);
    grid.setRowCount(1 + s.dataRows);
    for (int c = 0; c < s.headers.size(); ++c) {
        grid.setCell(c, 0, s.headers[c]);
        grid.setColWidth(c, c == s.headers.size() - 1 ? 160 : 72);
    }
    grid.setEditableCells(true);
    grid.endUpdate();
}

void setLayoutEditable(Control& grid, LayoutGrid which, bool generated) {
    const int firstEditable = which == LayoutGrid::Positions ? 3 : 0;
    grid.setFixedCols(generated ? grid.colCount() - 1 : firstEditable);
}

bool loadLayout(TDm& dm, Control& grid, LayoutGrid which, const LayoutBuilding& b,
                QVector<qint64>& keys) {
    Rows rows;
    QVector<QStringList> proposed;
    switch (which) {
        case LayoutGrid::Floors:
            rows = dm.rows(
                "SELECT LCXH,LCFX,LCDJ,LCBZ,BH FROM Uvw_SYS_LCSX WHERE LDBH=? "
                "ORDER BY LCXH",
                {b.building});
            if (rows.isEmpty())
                for (int n = 1; n <= b.floors; ++n)
                    proposed.append({QString::number(n), QStringLiteral("住宅"), "0", ""});
            break;
        case LayoutGrid::Entrances:
            rows = dm.rows(
                "SELECT DYXH,DYBZ,DYBZ1,DYTH,DYBZ2,BH FROM Uvw_SYS_DYTH WHERE LDBH=? "
                "ORDER BY DYXH",
                {b.building});
            if (rows.isEmpty())
                for (int n = 1; n <= b.entrances; ++n)
                    proposed.append(
                        {QString::number(n), QString::number(n), QStringLiteral("单元"), "3", ""});
            break;
        case LayoutGrid::Positions:
            rows = dm.rows(
                "SELECT DYBH,DYBZ,THXH,JZMJ,SYMJ,FYHX,FYCX,FYJG,THBZ1,BH FROM Uvw_SYS_THXX "
                "WHERE LDBH=? ORDER BY DYXH,THXH",
                {b.building});
            if (rows.isEmpty())
                for (const Row& e : dm.rows("SELECT BH,DYBZ,DYTH FROM Tb_SYS_DYTH WHERE LDBH=? "
                                            "AND DYTH>0 ORDER BY DYXH,BH",
                                            {b.building}))
                    for (int p = 1; p <= e.integer(2); ++p)
                        proposed.append({e.text(0), e.text(1), QString::number(p), "0", "0",
                                         QStringLiteral("两室一厅"), QStringLiteral("南"),
                                         QStringLiteral("钢筋"), ""});
            break;
    }
    const int cols = grid.colCount();
    keys.clear();
    grid.beginUpdate();
    if (!rows.isEmpty()) {
        clearRows(grid, which, int(rows.size()));
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < cols; ++c) grid.setCell(c, r + 1, rows[r].text(c));
            keys.append(rows[r].integer(cols));
        }
    } else {
        clearRows(grid, which, int(proposed.size()));
        for (int r = 0; r < proposed.size(); ++r) {
            grid.setRow(r + 1, proposed[r]);
            keys.append(0);
        }
    }
    grid.endUpdate();
    return rows.isEmpty() && !proposed.isEmpty();
}

void saveLayout(TDm& dm, const Control& grid, LayoutGrid which, const LayoutBuilding& b) {
    const QString table = QString::fromLatin1(shape(which).table);
    dm.exec("DELETE FROM " + table + " WHERE LDBH=?", {b.building});
    // Door positions belong to the entrances by their keys, which a new save replaces.
    if (which == LayoutGrid::Entrances)
        dm.exec("DELETE FROM Tb_SYS_THXX WHERE LDBH=?", {b.building});
    qint64 key = dm.nextKey(table);
    for (int r = 1; r < grid.rowCount(); ++r) {
        if (text(grid, 0, r).isEmpty()) continue;
        switch (which) {
            case LayoutGrid::Floors:
                dm.exec(
                    "INSERT INTO Tb_SYS_LCSX (BH,LCBH,XQBH,LDBH,LCXH,LCDJ,LCFX,LCBZ) "
                    "VALUES (?,?,?,?,?,?,?,?)",
                    {key, key, b.estate, b.building, integer(grid, 0, r), number(grid, 2, r, 2),
                     text(grid, 1, r), text(grid, 3, r)});
                break;
            case LayoutGrid::Entrances:
                dm.exec(
                    "INSERT INTO Tb_SYS_DYTH (BH,DYBH,XQBH,LDBH,DYXH,DYTH,DYBZ,DYBZ1,DYBZ2) "
                    "VALUES (?,?,?,?,?,?,?,?,?)",
                    {key, key, b.estate, b.building, integer(grid, 0, r), integer(grid, 3, r),
                     text(grid, 1, r), text(grid, 2, r), text(grid, 4, r)});
                break;
            case LayoutGrid::Positions:
                dm.exec(
                    "INSERT INTO Tb_SYS_THXX (BH,THBH,XQBH,LDBH,DYBH,THXH,JZMJ,SYMJ,FYCX,"
                    "FYHX,FYJG,THBZ1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)",
                    {key, key, b.estate, b.building, integer(grid, 0, r), integer(grid, 2, r),
                     number(grid, 3, r, 3), number(grid, 4, r, 3), text(grid, 6, r),
                     text(grid, 5, r), text(grid, 7, r), text(grid, 8, r)});
                break;
        }
        ++key;
    }
}

void saveLayoutRemarks(TDm& dm, const Control& grid, LayoutGrid which,
                       const QVector<qint64>& keys) {
    const GridShape& s = shape(which);
    const int col = grid.colCount() - 1;
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i] > 0)
            dm.exec("UPDATE " + QString::fromLatin1(s.table) + " SET " +
                        QString::fromLatin1(s.remarkColumn) + "=? WHERE BH=?",
                    {text(grid, col, i + 1), keys[i]});
}

QString readinessReport(TDm& dm, const LayoutBuilding& b) {
    const qint64 floors = dm.integer("SELECT COUNT(*) FROM Tb_SYS_LCSX WHERE LDBH=?", {b.building});
    const qint64 entrances =
        dm.integer("SELECT COUNT(*) FROM Tb_SYS_DYTH WHERE LDBH=?", {b.building});
    const qint64 wanted =
        dm.integer("SELECT COALESCE(SUM(DYTH),0) FROM Tb_SYS_DYTH WHERE LDBH=?", {b.building});
    const qint64 positions =
        dm.integer("SELECT COUNT(*) FROM Tb_SYS_THXX WHERE LDBH=?", {b.building});
    const bool complete = floors == b.floors && entrances == b.entrances && positions == wanted;
    QStringList l{"", "", ""};
    l << QStringLiteral("楼号:") + b.estateName + "/" + b.buildingName;
    l << QStringLiteral("    1、本栋楼宇是否已经生成房源？") +
             (b.generated ? QStringLiteral("是") : QStringLiteral("否"))
      << "";
    l << QStringLiteral("    2、楼层数: %1层 ,已建立：%2层。").arg(b.floors).arg(floors) << "";
    l << QStringLiteral("    3、单元数: %1个单元 ,已建立：%2个单元。")
             .arg(b.entrances)
             .arg(entrances)
      << "";
    l << QStringLiteral("    4、梯户数：%1个梯户 ,已建立：%2个梯户。").arg(wanted).arg(positions)
      << "";
    if (complete && !b.generated)
        l << QStringLiteral("    恭喜！现在可以批量生成此楼栋的房源信息了！");
    else if (complete)
        l << QStringLiteral("    本栋房源已批量生成！");
    else
        l << QStringLiteral(
            "    对不起！现在还不能批量生成本栋房源！(楼层、单元、梯户要建立完整才可以生成房源，"
            "请在本窗口第1-3步标签页中补充建立本楼栋资料)");
    l << ""
      << ""
      << "";
    l << QStringLiteral("说明:")
      << QStringLiteral(
             "    "
             "房号规则:"
             "生成房源时将按你选择的房号规则编制房号，毕竟各个物业单位的房号编制方法可能不一样·")
      << QStringLiteral(
             "    "
             "房号前缀:如果我们需要使用本软件管理两个以上的小区,"
             "建议生成房源时在房号前面加一个前缀用以区别不同小区")
      << QStringLiteral(
             "             "
             "比如要生成南湖小区的房源可以在房号前面加NH,要生成旭东小区的房源可以加XD.")
      << QStringLiteral("    何为梯户数？指同一单元同一楼层的房源数")
      << QStringLiteral(
             "    "
             "建筑面积和收费面积的区别？主要针对收费计算面积与建筑面积不同的情况!如果面积没有规律,"
             "可以在生成房源后通过excel资料导入更新!");
    return l.join('\n');
}

}  // namespace wy
