#include "admin/TFrm_14_Soft.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_14_Soft);

const std::vector<TFrm_14_Soft::Module>& TFrm_14_Soft::modules() {
    static const std::vector<Module> list = {
        {112, QStringLiteral("初始化系统")},     {101, QStringLiteral("物业企业名称")},
        {105, QStringLiteral("操作用户设置")},   {201, QStringLiteral("楼型户型")},
        {202, QStringLiteral("建立小区名称")},   {203, QStringLiteral("建立楼栋号")},
        {204, QStringLiteral("建立房源业主")},   {205, QStringLiteral("小区收费员")},
        {301, QStringLiteral("抄表类别")},       {302, QStringLiteral("登记抄表数")},
        {401, QStringLiteral("收费项目设置")},   {405, QStringLiteral("收费单价标准")},
        {409, QStringLiteral("生成应收费入账")}, {410, QStringLiteral("反生成应收费")},
        {412, QStringLiteral("收费入账")},       {2001, QStringLiteral("租赁合同登记")},
        {2003, QStringLiteral("到期待缴租金")},  {2005, QStringLiteral("收租入账")},
        {808, QStringLiteral("投诉记录")},
    };
    return list;
}

QStringList TFrm_14_Soft::levelNames() {
    return {QString(), QStringLiteral("可读"), QStringLiteral("可改"), QStringLiteral("可删"),
            QStringLiteral("完全")};
}

TFrm_14_Soft::TFrm_14_Soft(Context& ctx)
    : Window(ctx, "TFrm_14_Soft", QStringLiteral("功能模块")),
      Cmb_YH(add(ControlKind::Combo, "Cmb_YH", QStringLiteral("请选择操作用户:"))),
      Lv_Mod(add(ControlKind::ListView, "Lv_Mod")),
      Lb_Help(add(ControlKind::Label, "Lb_Help",
                  QStringLiteral("左：勾选可以操作哪些小区      右：勾选可以操作的功能权限"))),
      Lb_Level(add(ControlKind::Label, "Lb_Level",
                   QStringLiteral("权限等级: 完全 > 可删 > 可改 > 可读 > 空白(无权限)"))),
      Btn_Sure(add(ControlKind::Button, "Btn_Sure", QStringLiteral("确定&S"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关闭&C"))) {
    style.fixedSize = true;
    Lv_Mod.setHeaders({QStringLiteral("小区名称"), QStringLiteral("ID")});
    Lv_Mod.setCheckBoxes(true);
    Lv_Mod.setColWidth(0, 150);
    Lv_Mod.setColWidth(1, 40);
    for (int i = 0; i < int(modules().size()); ++i) {
        Control& c = add(ControlKind::Check, QString("chk%1").arg(i + 1), modules()[i].caption);
        c.setEnabled(false);
        chk.push_back(&c);
        Control& l = add(ControlKind::Combo, QString("cmb%1").arg(i + 1));
        l.setItems(levelNames());
        cmb.push_back(&l);
        on(l, Event::Change, [this, i] { LevelChange(i); });
    }
    on(Cmb_YH, Event::Change, [this] { Cmb_YHChange(); });
    on(Lv_Mod, Event::Click, [this] { Lv_ModClick(); });
    on(Btn_Sure, Event::Click, [this] { Btn_SureClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_14_Soft::FormShow() {
    Lv_Mod.beginUpdate();
    Lv_Mod.clearRows();
    for (const Row& r : dm().rows("Select XQMC,COALESCE(BH,0) BH From Tb_SYS_AREA Order By BH"))
        Lv_Mod.addRow({r.text(0), r.text(1)});
    Lv_Mod.setCurrent(-1);
    Lv_Mod.endUpdate();
    Lv_Mod.setEnabled(false);
    QStringList operators;
    for (const Row& r : dm().rows("Select YHBH From Tb_SYS_GLY Order By BH"))
        operators << r.text(0);
    Cmb_YH.setItems(operators);
    Cmb_YH.setItemIndex(-1);
    for (int i = 0; i < int(cmb.size()); ++i) setLevel(i, 0);
}

QString TFrm_14_Soft::chosenOperator() const {
    return Cmb_YH.itemIndex() < 0 ? QString() : Cmb_YH.text().trimmed();
}

void TFrm_14_Soft::setLevel(int module, int level) {
    cmb[module]->setItemIndex(level);
    chk[module]->setChecked(cmb[module]->itemIndex() > 0);
}

void TFrm_14_Soft::Cmb_YHChange() {
    Lv_Mod.setEnabled(true);
    for (int i = 0; i < int(cmb.size()); ++i) setLevel(i, 0);
    for (int r = 0; r < Lv_Mod.rowCount(); ++r) Lv_Mod.setRowChecked(r, false);
    const Rows rights =
        dm().rows("Select Mod,AREAID From Tb_SYS_GLY_Trant Where GH=?", {chosenOperator()});
    for (const Row& r : rights) {
        // The window shows the rights in force: an estate row grants the estate by its key
        // (as the query windows read it), a module row or a row without AREAID gives a level.
        const QString mod = r.text(0);
        const qint64 areaId = r.integer(1);
        if (areaId > 0) {
            for (int row = 0; row < Lv_Mod.rowCount(); ++row)
                if (Lv_Mod.cell(1, row).toLongLong() == areaId) Lv_Mod.setRowChecked(row, true);
            continue;
        }
        for (int i = 0; i < int(modules().size()); ++i)
            if (QString::number(modules()[i].number) == mod) setLevel(i, int(-areaId));
    }
}

void TFrm_14_Soft::Lv_ModClick() {
    if (!Lv_Mod.enabled()) message(QStringLiteral("请先选择用户帐号!"));
}

void TFrm_14_Soft::LevelChange(int module) {
    chk[module]->setChecked(cmb[module]->itemIndex() > 0);
}

void TFrm_14_Soft::Btn_SureClick() {
    const QString operatorNo = chosenOperator();
    if (operatorNo.isEmpty()) {
        message(QStringLiteral("请先选择一个操作用户！"));
        return;
    }
    try {
        saveRights(operatorNo);
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        return;
    }
    message(QStringLiteral("已经成功为此用户指定了操作范围和操作权限！"));
}

void TFrm_14_Soft::saveRights(const QString& operatorNo) {
    // One transaction: a failure half-way keeps the operator's previous rights whole.
    Transaction t(dm());
    dm().exec("Delete From Tb_SYS_GLY_Trant Where GH=?", {operatorNo});
    const QString insert = "Insert Into Tb_SYS_GLY_Trant (GH,Mod,AREAID) Values(?,?,?)";
    for (int r = 0; r < Lv_Mod.rowCount(); ++r)
        if (Lv_Mod.rowChecked(r))
            dm().exec(insert, {operatorNo, Lv_Mod.cell(0, r), Lv_Mod.cell(1, r).toLongLong()});
    for (int i = 0; i < int(modules().size()); ++i) {
        const int level = std::max(cmb[i]->itemIndex(), 0);
        dm().exec(insert, {operatorNo, QString::number(modules()[i].number), -level});
    }
    t.commit();
}

}  // namespace wy
