#include "registry/OwnerGrid.h"

#include <cmath>

#include "core/Control.h"
#include "db/PreparedStatement.h"
#include "db/TDm.h"
#include "registry/CellValues.h"
#include "registry/HouseOrder.h"

namespace wy {

namespace {

const QStringList& headers() {
    static const QStringList h{"房源系统号", "客户系统号",   "房号",        "全称",     "建筑面积",
                               "收费面积",   "房型",         "房态",        "姓名",     "人口",
                               "性别",       "民族",         "生日",        "身份证号", "电话号码",
                               "手机号码",   "联系地址",     "邮编",        "籍贯",     "工作单位",
                               "车库号",     "开始入住日期", "房源交易日期"};
    return h;
}

// The grid columns that cells 2 to 14 of a pasted line go to.
const int kPasteTargets[kPasteColumns - 1] = {
    OwnerCol::OwnerName, OwnerCol::Built,  OwnerCol::Charged,  OwnerCol::Residents,
    OwnerCol::Sex,       OwnerCol::Nation, OwnerCol::Birthday, OwnerCol::IdCard,
    OwnerCol::Phone,     OwnerCol::Mobile, OwnerCol::Work,     OwnerCol::Garage,
    OwnerCol::MoveIn};

QString cell(const Control& g, int col, int row) {
    return g.cell(col, row).trimmed();
}

double area(const Control& g, int col, int row) {
    const auto v = cellNumber(cell(g, col, row));
    if (!v) throw CellError(col, row, QStringLiteral("面积不是数字:") + cell(g, col, row));
    return std::round(*v * 1000) / 1000;
}

QString date(const Control& g, int col, int row) {
    const auto v = cellDate(cell(g, col, row));
    if (!v) throw CellError(col, row, QStringLiteral("日期格式不对:") + cell(g, col, row));
    return *v;
}

qint64 residents(const Control& g, int row) {
    const QString t = cell(g, OwnerCol::Residents, row);
    if (t.isEmpty()) return 0;
    const auto v = cellInteger(t);
    if (!v || *v < 0)
        throw CellError(OwnerCol::Residents, row, QStringLiteral("人口不是整数:") + t);
    return *v;
}

}  // namespace

void setUpOwnerGrid(Control& grid) {
    grid.beginUpdate();
    grid.setColCount(OwnerCol::Count);
    grid.setFixedRows(1);
    grid.setFixedCols(2);
    grid.setRowCount(3);
    for (int c = 0; c < OwnerCol::Count; ++c) {
        grid.setCell(c, 0, headers()[c]);
        grid.setColWidth(c, 72);
    }
    grid.setColWidth(OwnerCol::House, 0);
    grid.setColWidth(OwnerCol::Owner, 0);
    grid.setColWidth(OwnerCol::Birthday, 0);
    grid.setColWidth(OwnerCol::Name, 110);
    grid.setColWidth(OwnerCol::IdCard, 140);
    grid.setColWidth(OwnerCol::Address, 140);
    grid.setColWidth(OwnerCol::Work, 110);
    grid.setColWidth(OwnerCol::MoveIn, 90);
    grid.setColWidth(OwnerCol::Deal, 90);
    grid.setEditableCells(true);
    grid.endUpdate();
}

void loadOwners(TDm& dm, Control& grid, qint64 estate, qint64 building) {
    QString sql =
        "SELECT BH,KHBH,FYBH,FYMC,JZMJ,SYMJ,FYFX,FYZT,KHXM,RZRS,XB,MZ,CSRQ,ZJBH,DHHM,SJHM,DZ,YB,"
        "JG,ZY,HTBH,RZRQ,ZZRQ FROM Uvw_FY_KH WHERE (XQBH=?)";
    Binds binds{estate};
    if (building != 0) {
        sql += " AND (LDBH=?)";
        binds << building;
    }
    const Rows rows = dm.rows(sql + " ORDER BY " + houseOrder(), binds);
    grid.beginUpdate();
    grid.setRowCount(1);
    grid.setRowCount(int(rows.size()) + 3);
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < OwnerCol::Count; ++c) grid.setCell(c, r + 1, rows[r].text(c));
    grid.setCurrent(1, OwnerCol::Number);
    grid.endUpdate();
}

bool pasteOwners(Control& grid, const QString& text) {
    QStringList lines = text.split('\n');
    // A copied block ends with a line break; the empty rest is no line of data.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) lines.removeLast();
    grid.beginUpdate();
    bool complete = true;
    for (QString line : lines) {
        if (line.endsWith('\r')) line.chop(1);
        const QStringList cells = line.split('\t', Qt::KeepEmptyParts);
        if (cells.size() != kPasteColumns) {
            complete = false;
            break;
        }
        const QString number = cells[0].trimmed();
        for (int r = 1; r < grid.rowCount(); ++r) {
            if (number.isEmpty() || cell(grid, OwnerCol::Number, r) != number) continue;
            for (int i = 0; i < kPasteColumns - 1; ++i)
                grid.setCell(kPasteTargets[i], r, cells[i + 1].trimmed());
            break;
        }
    }
    grid.endUpdate();
    return complete;
}

void saveOwners(TDm& dm, const Control& grid) {
    PreparedStatement updateHouse(
        dm,
        "UPDATE Tb_FYXX SET FYZT=?,FYFX=?,JZMJ=?,SYMJ=?,FYMC=?,FYBH=?,RZRQ=?,RZRS=?,YZBH=? "
        "WHERE BH=?");
    PreparedStatement deleteOwner(dm, "DELETE FROM Tb_SYS_KHXX WHERE BH=?");
    PreparedStatement insertOwner(
        dm,
        "INSERT INTO Tb_SYS_KHXX (BH,KHXM,XB,MZ,CSRQ,ZJBH,DHHM,SJHM,DZ,YB,JG,ZY,HTBH,RZRQ,"
        "ZZRQ,FYBH,KHLB,DPMC,JYRXM) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
    qint64 nextOwner = dm.nextKey("Tb_SYS_KHXX");
    for (int r = 1; r < grid.rowCount(); ++r) {
        const auto house = cellInteger(cell(grid, OwnerCol::House, r));
        if (!house) continue;
        const QString number = cell(grid, OwnerCol::Number, r);
        if (number.isEmpty()) throw CellError(OwnerCol::Number, r, QStringLiteral("房号不能为空"));
        const QString name = cell(grid, OwnerCol::OwnerName, r);
        const QString moveIn = date(grid, OwnerCol::MoveIn, r);
        const QString birthday = date(grid, OwnerCol::Birthday, r);
        const QString deal = date(grid, OwnerCol::Deal, r);

        // The record loaded with the row is replaced. What the grid does not show (category,
        // shop, shop keeper) goes over to the new record while the name stays the same.
        QString category, shop, keeper;
        if (const auto old = cellInteger(cell(grid, OwnerCol::Owner, r))) {
            const Row o =
                dm.first("SELECT KHXM,KHLB,DPMC,JYRXM FROM Tb_SYS_KHXX WHERE BH=?", {*old});
            if (o.text(0) == name) {
                category = o.text(1);
                shop = o.text(2);
                keeper = o.text(3);
            }
            deleteOwner.run({*old});
        }
        qint64 owner = 0;
        if (!name.isEmpty()) {
            owner = nextOwner++;
            insertOwner.run({owner, name, cell(grid, OwnerCol::Sex, r),
                             cell(grid, OwnerCol::Nation, r), birthday,
                             cell(grid, OwnerCol::IdCard, r), cell(grid, OwnerCol::Phone, r),
                             cell(grid, OwnerCol::Mobile, r), cell(grid, OwnerCol::Address, r),
                             cell(grid, OwnerCol::Postcode, r), cell(grid, OwnerCol::Native, r),
                             cell(grid, OwnerCol::Work, r), cell(grid, OwnerCol::Garage, r), moveIn,
                             deal, *house, category, shop, keeper});
        }
        updateHouse.run({cell(grid, OwnerCol::State, r), cell(grid, OwnerCol::Nature, r),
                         area(grid, OwnerCol::Built, r), area(grid, OwnerCol::Charged, r),
                         cell(grid, OwnerCol::Name, r), number, moveIn, residents(grid, r), owner,
                         *house});
    }
}

}  // namespace wy
