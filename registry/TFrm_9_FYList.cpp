#include "registry/TFrm_9_FYList.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_9_FYList);

namespace {

// The options of "选项:" and the house state each one shows (none: every house).
struct StateOption {
    const char* text;
    const char* state;
};
const StateOption kOptions[] = {
    {"显示全部业主", nullptr},
    {"显示入住业主", "入住"},
    {"显示租赁业主", "租赁"},
    {"显示空房", "空房"},
};

}  // namespace

TFrm_9_FYList::TFrm_9_FYList(Context& ctx)
    : Window(ctx, "TFrm_9_FYList", QStringLiteral("定位房源")),
      Cmb_XX(add(ControlKind::Combo, "Cmb_XX", QStringLiteral("选项:"))),
      Cmb_XQMC(add(ControlKind::Combo, "Cmb_XQMC", QStringLiteral("小区:"))),
      Cmb_LDMC(add(ControlKind::Combo, "Cmb_LDMC", QStringLiteral("楼栋:"))),
      Cmb_DYMC(add(ControlKind::Combo, "Cmb_DYMC", QStringLiteral("单元:"))),
      Cmb_LCMC(add(ControlKind::Combo, "Cmb_LCMC", QStringLiteral("楼层:"))),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      place_(ctx.dm, Cmb_XQMC, &Cmb_LDMC, &Cmb_DYMC, &Cmb_LCMC) {
    style.width = 900;
    style.height = 520;
    QStringList options;
    for (const StateOption& o : kOptions) options << QString::fromUtf8(o.text);
    Cmb_XX.setItems(options);
    Cmb_XX.setItemIndex(0);
    Lv_Data.setHeaders({QStringLiteral("序"), QStringLiteral("小区名称"), QStringLiteral("房号"),
                        QStringLiteral("房源名称"), QStringLiteral("面积"),
                        QStringLiteral("入住日期"), QStringLiteral("房态"),
                        QStringLiteral("业主姓名"), QStringLiteral("性别"), QStringLiteral("民族"),
                        QStringLiteral("身份证号"), QStringLiteral("电话"), QString(), QString(),
                        QString()});
    const int widths[] = {40, 100, 80, 120, 60, 80, 50, 80, 40, 50, 140, 100, 0, 0, 0};
    for (int col = 0; col < int(std::size(widths)); ++col) Lv_Data.setColWidth(col, widths[col]);

    // The list follows a building (not "所有楼栋"), an entrance or a floor; an estate alone
    // only refills the lists below it.
    place_.wire([this](Control& c, std::function<void()> h) { on(c, Event::Change, std::move(h)); },
                [this](PlaceLevel level) {
                    if (level == PlaceLevel::Estate) return;
                    if (level == PlaceLevel::Building && place_.buildingKey() == 0) return;
                    RefreshList();
                });
    on(Cmb_XX, Event::Change, [this] { RefreshList(); });
}

void TFrm_9_FYList::FormShow() {
    place_.fillEstates();
    Lv_Data.clearRows();
}

void TFrm_9_FYList::RefreshList() {
    Lv_Data.beginUpdate();
    Lv_Data.clearRows();
    Lv_Data.setCurrent(-1);
    const QString place = place_.condition();
    // Without an estate there is no place to list.
    if (!place.isEmpty()) {
        QString where = "Where ";
        const int option = Cmb_XX.itemIndex();
        if (option > 0 && option < int(std::size(kOptions)))
            where += "(FYZT=" + sqlQuote(QString::fromUtf8(kOptions[option].state)) + ") And ";
        const Rows rows = dm().rows(
            "Select XQMC,FYBH,FYMC,JZMJ,RZRQ,FYZT,KHXM,XB,MZ,ZJBH,DHHM,BH,ZJM,YZBH From "
            "Uvw_FY_KH " +
            where + place + " Order By BH");
        for (const Row& r : rows) {
            QStringList cells{QString::number(Lv_Data.rowCount() + 1)};
            for (int col = 0; col < r.size(); ++col) cells << r.text(col);
            Lv_Data.addRow(cells);
        }
    }
    Lv_Data.endUpdate();
}

}  // namespace wy
