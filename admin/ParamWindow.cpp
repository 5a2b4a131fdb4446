#include "admin/ParamWindow.h"

#include "db/Lists.h"
#include "db/TDm.h"

namespace wy {

namespace {

const std::vector<ParamWindowSettings>& allSettings() {
    static const std::vector<ParamWindowSettings> settings = {
        {"TFrm_1_Param",
         QStringLiteral("楼宇参数"),
         {QStringLiteral("1、楼型"), QStringLiteral("2、房型"), QStringLiteral("3、房态"),
          QStringLiteral("4、户型")},
         {QStringLiteral("楼型"), QStringLiteral("房型"), QStringLiteral("房态"),
          QStringLiteral("户型")},
         true},
        {"TFrm_1_Param2",
         QStringLiteral("收费项目等相关参数设置"),
         {QStringLiteral("1、费项"), QStringLiteral("2、预收类别"), QStringLiteral("3、退款类别"),
          QStringLiteral("4、减免类别")},
         {QStringLiteral("费项"), QStringLiteral("预收类别"), QStringLiteral("退款类别"),
          QStringLiteral("减免类别")},
         true},
        {"TFrm_1_Param3",
         QStringLiteral("设备类别"),
         {QStringLiteral("1、设备类型"), QStringLiteral("2、维修类型"), QStringLiteral("3、维修工"),
          QStringLiteral("4、收费项目")},
         {QStringLiteral("设备类型"), QStringLiteral("维修类型"), QStringLiteral("维修工"),
          QStringLiteral("收费项目")},
         false},
        {"TFrm_1_Param4",
         QStringLiteral("租赁设置"),
         {QStringLiteral("1、租赁对象"), QStringLiteral("2、地段等级"),
          QStringLiteral("3、房源结构"), QStringLiteral("4、收款类型")},
         {QStringLiteral("租赁对象"), QStringLiteral("地段等级"), QStringLiteral("房源结构"),
          QStringLiteral("收款类型")},
         true},
        {"TFrm_1_Param5",
         QStringLiteral("物资材料"),
         {QStringLiteral("1、仓库"), QStringLiteral("2、物品类别"), QStringLiteral("3、入库类别"),
          QStringLiteral("4、出库类别")},
         {QStringLiteral("仓库"), QStringLiteral("物品类别"), QStringLiteral("入库类别"),
          QStringLiteral("出库类别")},
         false},
        {"TFrm_1_Param6",
         QStringLiteral("停车场设置"),
         {QStringLiteral("1、停车场"), QStringLiteral("2、车位类别"), QStringLiteral("3、收款类别"),
          QStringLiteral("4、IC卡类别")},
         {QStringLiteral("车场"), QStringLiteral("车位类别"), QStringLiteral("收款类别"),
          QString()},
         false},
        {"TFrm_1_Param7",
         QStringLiteral("物业企业名称等相关参数设置"),
         {QStringLiteral("1、企业名称"), QStringLiteral("2、部门"), QStringLiteral("3、地区"),
          QStringLiteral("4、岗位")},
         {QStringLiteral("单位"), QStringLiteral("部门"), QStringLiteral("辖区"),
          QStringLiteral("岗位")},
         false},
    };
    return settings;
}

// TFrm_1_Param7 adds a command of its own and registers itself.
struct Registration {
    Registration() {
        for (const ParamWindowSettings& s : allSettings())
            if (s.className != QLatin1String("TFrm_1_Param7"))
                registerWindow(s.className, [&s](Context& c) -> std::unique_ptr<Window> {
                    return std::make_unique<ParamWindow>(c, s);
                });
    }
};
const Registration registration;

}  // namespace

const ParamWindowSettings& paramWindowSettings(const QString& className) {
    for (const ParamWindowSettings& s : allSettings())
        if (s.className == className) return s;
    throw std::invalid_argument("no list window " + className.toStdString());
}

ParamWindow::ParamWindow(Context& ctx, const ParamWindowSettings& settings)
    : Window(ctx, settings.className, settings.caption),
      Pg_Control(add(ControlKind::Pages, "Pg_Control")),
      StrGrd_Param(add(ControlKind::Grid, "StrGrd_Param")),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("保存[&S]"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关闭[&C]"))),
      settings_(settings) {
    style.fixedSize = true;
    style.width = 480;
    style.height = 600;
    Pg_Control.setItems(settings.pageLabels);
    Pg_Control.setItemIndex(0);
    StrGrd_Param.setColCount(1);
    StrGrd_Param.setColWidth(0, 360);
    StrGrd_Param.setEditableCells(true);
    StrGrd_Param.setRowCount(kGridRows);
    Btn_Save.setEnabled(false);
    on(Pg_Control, Event::Change, [this] { Pg_ControlChange(); });
    on(StrGrd_Param, Event::Change, [this](const EventArgs& a) { StrGrd_ParamChange(a.row); });
    on(Btn_Save, Event::Click, [this] {
        if (SaveList()) LoadPage();
    });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void ParamWindow::FormShow() {
    LoadPage();
}

void ParamWindow::LoadPage() {
    shownPage_ = std::max(Pg_Control.itemIndex(), 0);
    const QString list = shownList();
    const QStringList values = list.isEmpty() ? QStringList() : lookupList(dm(), list);
    StrGrd_Param.beginUpdate();
    StrGrd_Param.setRowCount(0);
    StrGrd_Param.setRowCount(std::max<int>(kGridRows, values.size() + 1));
    for (int i = 0; i < values.size(); ++i) StrGrd_Param.setCell(0, i, values[i]);
    StrGrd_Param.setReadOnly(list.isEmpty());
    StrGrd_Param.setCurrent(0, 0);
    StrGrd_Param.endUpdate();
    Btn_Save.setEnabled(false);
    setFocus(StrGrd_Param);
}

void ParamWindow::StrGrd_ParamChange(int row) {
    if (shownList().isEmpty()) return;
    Btn_Save.setEnabled(true);
    // A value typed into the last row opens another, so the grid never runs out of rows.
    const int last = StrGrd_Param.rowCount() - 1;
    if (row == last && !StrGrd_Param.cell(0, last).trimmed().isEmpty())
        StrGrd_Param.setRowCount(last + 2);
}

bool ParamWindow::offersToSave() const {
    return Btn_Save.enabled() &&
           (!settings_.checksLevel || AccessLevel >= 2 || login().isAdministrator());
}

void ParamWindow::Pg_ControlChange() {
    if (Pg_Control.itemIndex() == shownPage_) return;
    if (offersToSave() &&
        askYesNo(QStringLiteral("保存改动吗?"), QStringLiteral("提醒"), Icon::Warning) &&
        !SaveList()) {
        // The edits stay on their page rather than being lost with a failed save.
        Pg_Control.setItemIndex(shownPage_);
        return;
    }
    LoadPage();
}

bool ParamWindow::FormCloseQuery() {
    if (offersToSave() &&
        askYesNo(QStringLiteral("保存改动吗?"), QStringLiteral("提醒"), Icon::Warning))
        return SaveList();  // a failed save keeps the window and its edits
    return true;
}

bool ParamWindow::SaveList() {
    if (settings_.checksLevel && !canModify()) return false;
    const QString list = shownList();
    if (list.isEmpty()) return true;
    QStringList values;
    for (int r = 0; r < StrGrd_Param.rowCount(); ++r) {
        const QString v = StrGrd_Param.cell(0, r).trimmed();
        if (!v.isEmpty()) values << v;
    }
    try {
        Transaction t(dm());
        dm().exec("DELETE FROM Tb_SYS_Param WHERE CSMC=?", {list});
        // BH numbers the rows, so that the list is read back in the order shown.
        for (int i = 0; i < values.size(); ++i)
            dm().exec("INSERT INTO Tb_SYS_Param (BH,CSMC,CSZ) VALUES (?,?,?)",
                      {i + 1, list, values[i]});
        t.commit();
    } catch (const std::exception&) {
        message(QStringLiteral("数据写入失败!"), QStringLiteral("提示"), Icon::Error);
        return false;
    }
    Btn_Save.setEnabled(false);
    return true;
}

}  // namespace wy
