#include "registry/TFrm_1_BuildHouse.h"

#include "db/TDm.h"
#include "registry/CellValues.h"
#include "registry/OwnerGrid.h"

namespace wy {

TFrm_1_BuildHouse::TFrm_1_BuildHouse(Context& ctx)
    : Window(ctx, "TFrm_1_BuildHouse", QStringLiteral("录入房源")),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_XQLD(add(ControlKind::Combo, "Cmb_XQLD", QStringLiteral("楼栋:"))),
      Pg_Control(add(ControlKind::Pages, "Pg_Control")),
      StrGrd_LCSX(add(ControlKind::Grid, "StrGrd_LCSX")),
      StrGrd_DYTH(add(ControlKind::Grid, "StrGrd_DYTH")),
      StrGrd_THXX(add(ControlKind::Grid, "StrGrd_THXX")),
      Me_Result(add(ControlKind::Memo, "Me_Result")),
      Cmb_FHGZ(add(ControlKind::Combo, "Cmb_FHGZ", QStringLiteral("房号规则:"))),
      Edt_FHQZ(add(ControlKind::Edit, "Edt_FHQZ", QStringLiteral("房号前缀:"))),
      StrGrd_ZH(add(ControlKind::Grid, "StrGrd_ZH")),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("保存[&S]"))),
      Btn_Build(add(ControlKind::Button, "Btn_Build", QStringLiteral("清除房源[&S]"))),
      Btn_Edit(add(ControlKind::Button, "Btn_Edit", QStringLiteral("修改[&M]"))),
      Btn_Paste(add(ControlKind::Button, "Btn_Paste", QStringLiteral("从EXCEL粘贴[&X]"))),
      Btn_AddFY(add(ControlKind::Button, "Btn_AddFY", QStringLiteral("添加房源[&E]"))),
      Btn_Model(add(ControlKind::Button, "Btn_Model", QStringLiteral("模版"))),
      Btn_AddLD(add(ControlKind::Button, "Btn_AddLD", QStringLiteral("建立楼栋[&B]"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关闭[&C]"))),
      place_(ctx.dm, Cmb_XQMC, &Cmb_XQLD, nullptr, nullptr) {
    style.width = 1040;
    style.height = 700;
    Pg_Control.setItems({QStringLiteral("第1步、楼层"), QStringLiteral("第2步、单元"),
                         QStringLiteral("第3步、梯户"), QStringLiteral("第4步、生成房源"),
                         QStringLiteral("第5步、住户")});
    Btn_AddLD.setVisible(false);
    place_.wire([this](Control& c, std::function<void()> h) { on(c, Event::Change, std::move(h)); },
                [this](PlaceLevel level) { PlaceChosen(level); });
    on(Pg_Control, Event::Change, [this] { PageChanged(); });
    for (Control* g : {&StrGrd_LCSX, &StrGrd_DYTH, &StrGrd_THXX, &StrGrd_ZH})
        on(*g, Event::Change, [this, g](const EventArgs& a) { CellEdited(*g, a); });
    on(Btn_Save, Event::Click, [this] { Btn_SaveClick(); });
    on(Btn_Build, Event::Click, [this] { Btn_BuildClick(); });
    on(Btn_Edit, Event::Click, [this] { Btn_EditClick(); });
    on(Btn_Paste, Event::Click, [this] { Btn_PasteClick(); });
    on(Btn_AddFY, Event::Click, [this] { Btn_AddFYClick(); });
    on(Btn_Model, Event::Click, [this] { Btn_ModelClick(); });
    on(Btn_AddLD, Event::Click, [this] { Btn_AddLDClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

bool TFrm_1_BuildHouse::setParam(const QString& name, const QVariant& value) {
    if (name == "XQBH")
        openEstate_ = value.toLongLong();
    else if (name == "LDBH")
        openBuilding_ = value.toLongLong();
    else if (name == "Page")
        openPage_ = value.toInt();
    else
        return Window::setParam(name, value);
    return true;
}

void TFrm_1_BuildHouse::FormShow() {
    setUpLayoutGrid(StrGrd_LCSX, LayoutGrid::Floors);
    setUpLayoutGrid(StrGrd_DYTH, LayoutGrid::Entrances);
    setUpLayoutGrid(StrGrd_THXX, LayoutGrid::Positions);
    setUpOwnerGrid(StrGrd_ZH);
    Me_Result.setReadOnly(true);
    Cmb_FHGZ.setItems(
        {QStringLiteral("1、比如:1栋2单元3层4号梯户；房号：1-2-304（楼号-单元号-楼层+梯户）"),
         QStringLiteral("2、比如:1栋2单元2层4号梯户；房号：1-208（楼号-单元号+序号）"),
         QStringLiteral(
             "3、比如:1栋2单元3层4号梯户；房号：1-2-3-4（小区号-楼号-单元号-楼层-梯户）"),
         customRuleText()});
    Cmb_FHGZ.setItemIndex(0);
    place_.fillEstates();
    Pg_Control.setItemIndex(Floors);
    Pg_Control.setEnabled(false);
    updateButtons();
    if (openEstate_ != 0) {
        place_.select(openEstate_, openBuilding_, 0, 0);
        if (openPage_ >= 1 && openPage_ <= 5) Pg_Control.setItemIndex(openPage_ - 1);
        shownPage_ = Pg_Control.itemIndex();
        BuildingChosen();
    }
}

QString TFrm_1_BuildHouse::customRuleText() const {
    const QString phone = dm().text("SELECT CSZ FROM Tb_SYS_Param WHERE CSMC=? AND BJ=9",
                                    {QStringLiteral("客服电话")});
    return QStringLiteral("4、以上规则都不适合？请联系客服为您定制房号规则，电话:") + phone;
}

Control& TFrm_1_BuildHouse::layoutGrid(int page) {
    return page == Floors ? StrGrd_LCSX : page == Entrances ? StrGrd_DYTH : StrGrd_THXX;
}

void TFrm_1_BuildHouse::PlaceChosen(PlaceLevel level) {
    // A new estate shows its building of the same name, which is another building: load it.
    if (level == PlaceLevel::Building || place_.buildingKey() != b_.building || allBuildings())
        BuildingChosen();
}

void TFrm_1_BuildHouse::BuildingChosen() {
    b_ = LayoutBuilding{};
    b_.estate = place_.estateKey();
    b_.estateName = Cmb_XQMC.text();
    if (allBuildings()) {
        // Only the owners of the whole estate can be shown; the layout needs one building.
        Pg_Control.setEnabled(true);
        Pg_Control.setItemIndex(Owners);
    } else if (place_.buildingKey() != 0) {
        const Row r = dm().first("SELECT LDCS,LDDYS,LDBZ1,LDMC FROM Tb_SYS_XQLD WHERE BH=?",
                                 {place_.buildingKey()});
        b_.building = place_.buildingKey();
        b_.buildingName = r.text("LDMC");
        b_.floors = int(r.integer("LDCS"));
        b_.entrances = int(r.integer("LDDYS"));
        b_.generated = r.text("LDBZ1") == QStringLiteral("是");
        Pg_Control.setEnabled(true);
    } else {
        Pg_Control.setEnabled(false);
    }
    setLayoutEditable(StrGrd_LCSX, LayoutGrid::Floors, b_.generated);
    setLayoutEditable(StrGrd_DYTH, LayoutGrid::Entrances, b_.generated);
    setLayoutEditable(StrGrd_THXX, LayoutGrid::Positions, b_.generated);
    shownPage_ = Pg_Control.itemIndex();
    loadPage(shownPage_);
}

void TFrm_1_BuildHouse::PageChanged() {
    const int leaving = shownPage_, next = Pg_Control.itemIndex();
    if (leaving == next) return;
    // Rows not saved yet are saved on the way out (the owners only when the person says so);
    // an operator who may not change anything leaves them unsaved without being asked.
    const bool mayWrite = AccessLevel >= 2 || login().isAdministrator();
    if (Btn_Save.enabled() && mayWrite) {
        const bool save = leaving != Owners || askYesNo(QStringLiteral("保存改动吗?"),
                                                        QStringLiteral("提醒"), Icon::Warning);
        if (save && !savePage(leaving)) {
            // Stay where the rows that could not be written are still shown.
            Pg_Control.setItemIndex(leaving);
            return;
        }
    }
    shownPage_ = next;
    loadPage(next);
}

void TFrm_1_BuildHouse::loadPage(int page) {
    Btn_Save.setEnabled(false);
    if (page <= Positions) {
        Control& grid = layoutGrid(page);
        if (b_.building == 0) {
            grid.setRowCount(1);
            keys_[page].clear();
        } else {
            // Rows proposed from the building's counts can be saved as they are.
            const bool proposed = loadLayout(dm(), grid, LayoutGrid(page), b_, keys_[page]);
            Btn_Save.setEnabled(proposed && !b_.generated);
        }
    } else if (page == Generation) {
        Me_Result.setText(b_.building == 0 ? QString() : readinessReport(dm(), b_));
    } else if (buildingChosen()) {
        loadOwners(dm(), StrGrd_ZH, b_.estate, b_.building);
    }
    updateButtons();
}

void TFrm_1_BuildHouse::updateButtons() {
    const int page = shownPage_;
    const bool chosen = buildingChosen();
    Btn_Build.setEnabled(chosen && (page == Owners || (page == Generation && b_.building != 0)));
    if (page == Generation)
        Btn_Build.setCaption(b_.generated ? QStringLiteral("取消生成")
                                          : QStringLiteral("生成房源"));
    else
        Btn_Build.setCaption(QStringLiteral("删除"));
    for (Control* b : {&Btn_Edit, &Btn_Paste, &Btn_AddFY, &Btn_Model})
        b->setEnabled(chosen && page == Owners);
}

void TFrm_1_BuildHouse::CellEdited(Control& grid, const EventArgs& a) {
    if (a.col < grid.fixedCols()) return;
    // A generated building keeps its layout; only remarks change then.
    const bool remark = a.col == grid.colCount() - 1;
    if (!b_.generated || &grid == &StrGrd_ZH || remark) Btn_Save.setEnabled(true);
}

void TFrm_1_BuildHouse::Btn_SaveClick() {
    if (!canModify()) return;
    if (savePage(shownPage_)) loadPage(shownPage_);
}

bool TFrm_1_BuildHouse::savePage(int page) {
    if (page == Generation) return true;
    Control& grid = page == Owners ? StrGrd_ZH : layoutGrid(page);
    try {
        Transaction t(dm());
        if (page == Owners)
            saveOwners(dm(), grid);
        else if (b_.generated)
            saveLayoutRemarks(dm(), grid, LayoutGrid(page), keys_[page]);
        else
            saveLayout(dm(), grid, LayoutGrid(page), b_);
        t.commit();
    } catch (const CellError& e) {
        grid.setCurrent(e.row, e.col);
        message(QStringLiteral("数据写入失败!"));
        return false;
    } catch (const std::exception&) {
        message(QStringLiteral("数据写入失败!"));
        return false;
    }
    Btn_Save.setEnabled(false);
    return true;
}

WY_REGISTER_WINDOW(TFrm_1_BuildHouse);

}  // namespace wy
