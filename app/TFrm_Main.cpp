#include "app/TFrm_Main.h"

#include "app/ModuleAccess.h"
#include "db/OperationLog.h"
#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_Main);

namespace {
const QString kAdminOnly = QStringLiteral("只有系统管理员才有此权限(管理员帐号:SYSTEM)");
}  // namespace

const std::vector<TFrm_Main::WizardButton>& TFrm_Main::wizardButtons() {
    static const std::vector<WizardButton> buttons = {
        {"btn112", 112, QStringLiteral("初始化系统"), 0, false},
        {"btn101", 101, QStringLiteral("初始化设置"), 0, true},
        {"btn201", 201, QStringLiteral("楼型户型"), 0, false},
        {"btn202", 202, QStringLiteral("建立小区/商圈"), 0, true},
        {"btn203", 203, QStringLiteral("建立楼栋号"), 0, true},
        {"btn204", 204, QStringLiteral("建立房源业主"), 0, true},
        {"btn205", 205, QStringLiteral("收费员设置"), 0, true},
        {"btn105", 105, QStringLiteral("用户权限设置"), 0, true},
        {"btn106", 106, QStringLiteral("操作权限设置"), 0, false},
        {"btn301", 301, QStringLiteral("抄表类别"), 1, true},
        {"btn302", 302, QStringLiteral("登记抄表数"), 1, true},
        {"btn401", 401, QStringLiteral("收费项目设置"), 2, true},
        {"btn405", 405, QStringLiteral("收费单价标准"), 2, true},
        {"btn409", 409, QStringLiteral("生成应收费入账"), 2, true},
        {"btn410", 410, QStringLiteral("反生成应收费"), 2, true},
        {"btn412", 412, QStringLiteral("收费入账"), 2, true},
        {"btn2001", 2001, QStringLiteral("租赁合同登记"), 3, true},
        {"btn2003", 2003, QStringLiteral("到期待缴租金"), 3, true},
        {"btn2005", 2005, QStringLiteral("收租入账"), 3, true},
        {"btn808", 808, QStringLiteral("投诉记录"), 3, true},
    };
    return buttons;
}

QStringList TFrm_Main::menuGroups() {
    return {"Mn_System", "Mn_ZH", "Mn_CB", "Mn_SF", "Mn_ZL", "Mn_WZ", "Mn_WX", "Mn_FZ", "Mn_Help"};
}

QStringList TFrm_Main::pageCategories() {
    return {QStringLiteral("住户"), QStringLiteral("抄表"), QStringLiteral("收费"),
            QStringLiteral("租赁")};
}

TFrm_Main::TFrm_Main(Context& ctx)
    : Window(ctx, "TFrm_Main", QStringLiteral("Morvek物业管理软件")),
      pgMain(add(ControlKind::Pages, "pgMain")),
      StrGrd_Report(add(ControlKind::Grid, "StrGrd_Report")),
      Stu_Main(add(ControlKind::Status, "Stu_Main")),
      Panel2(add(ControlKind::Label, "Panel2",
                 QStringLiteral(
                     "温馨提示:1、请按照上图箭头指向顺序操作,也可以通过点击[箭头]按钮获取相关提示;"
                     "2、以下查询报表项将随上图标签页面的切换而定;3、以下报表可以双击打开"))),
      Label1(add(ControlKind::Label, "Label1", QStringLiteral("查询报表"))),
      SpeedButton1(add(ControlKind::Button, "SpeedButton1", QStringLiteral("结束抄表"))),
      Btn_Exit(add(ControlKind::Button, "Btn_Exit", QStringLiteral("退出系统"))) {
    style.maximized = true;
    style.mainWindow = true;
    StrGrd_Report.setHint(QStringLiteral("请双击:用鼠标快速点击两下"));
    pgMain.setItems({QStringLiteral("第一步:建立房源资料    "),
                     QStringLiteral("第二步:定期抄表    "), QStringLiteral("第三步:日常收费    "),
                     QStringLiteral("其他:租赁管理    ")});
    pgMain.setItemIndex(0);
    SpeedButton1.setTag(112);
    SpeedButton1.setGroup("page1");

    // Tool buttons along the top.
    struct Tool {
        const char* name;
        QString caption;
        std::function<void()> run;
    };
    const Tool tools[] = {
        {"btn3", QStringLiteral("物管条例"),
         [this] { openAddress(QStringLiteral("物业管理条例"), {}); }},
        {"btn4", QStringLiteral("在线支持"),
         [this] { openAddress(QStringLiteral("在线支持"), {}); }},
        {"btn5", QStringLiteral("意见反馈"),
         [this] { openAddress(QStringLiteral("意见反馈"), {}); }},
        {"btnSFDJ", QStringLiteral("按户收费"),
         [this] {
             openWindow("TFrm_5_SFKP", {{"AccessLevel", login().AccessLevel}});
         }},
        {"btnSDPM", QStringLiteral("锁定屏幕"), [this] { openWindow("TFrm_13_TCSK"); }},
        {"btnXGMM", QStringLiteral("修改密码"), [this] { openWindow("TFrmChangePwd"); }},
        {"btnQHYH", QStringLiteral("切换用户"),
         [this] {
             shell().restart();
             exiting_ = true;  // no exit log on this path
             Close(mrOk);
         }},
        {"btnBFHF", QStringLiteral("备份与恢复"),
         [this] {
             if (!login().isAdministrator()) {
                 message(kAdminOnly);
                 return;
             }
             openWindow("TFrm_1_bak");
         }},
        {"btnVideo", QStringLiteral("演示下载"),
         [this] { openAddress(QStringLiteral("演示下载"), {}); }},
    };
    for (const auto& t : tools) {
        Control& b = add(ControlKind::Button, t.name, t.caption);
        b.setGroup("toolbar");
        on(b, Event::Click, t.run);
    }

    for (const auto& wb : wizardButtons()) {
        Control& b = add(ControlKind::Button, wb.name, wb.caption);
        b.setTag(wb.module);
        b.setVisible(wb.shown);
        b.setGroup(QString("page%1").arg(wb.page));
        on(b, Event::Click, [this, module = wb.module] { CheckModuleAccess(module); });
    }
    on(SpeedButton1, Event::Click, [this] {
        if (login().AccessLevel < 2 && !login().isAdministrator()) {
            message(QStringLiteral("无修改权限:请联系管理员"));
            return;
        }
        openWindow("TFrm_9_JSCB");
    });
    on(Btn_Exit, Event::Click, [this] { ExitByMenu(); });
    on(pgMain, Event::Change, [this] { pgMainChange(); });
    on(StrGrd_Report, Event::DblClick, [this] { StrGrd_ReportDblClick(); });

    // The menu. Only 【系统】 and 【帮助】 are shown; hidden items still run by dispatch.
    const QStringList groupCaptions = {
        QStringLiteral("【系统】"), QStringLiteral("〖住户〗"), QStringLiteral("〖抄表〗"),
        QStringLiteral("〖收费〗"), QStringLiteral("〖租赁〗"), QStringLiteral("〖物资〗"),
        QStringLiteral("〖维修〗"), QStringLiteral("〖辅助〗"), QStringLiteral("【帮助】")};
    for (int i = 0; i < menuGroups().size(); ++i) {
        Control& g = add(ControlKind::MenuItem, menuGroups()[i], groupCaptions[i]);
        g.setVisible(i == 0 || i == menuGroups().size() - 1);
    }
    const QString sys = "Mn_System", zh = "Mn_ZH", cb = "Mn_CB", sf = "Mn_SF", zl = "Mn_ZL",
                  wz = "Mn_WZ", wx = "Mn_WX", fz = "Mn_FZ", help = "Mn_Help";
    addCommand("Mn_101", QStringLiteral("企业名称"), 101, sys, true,
               opens("TFrm_1_Param7", {}, false));
    addCommand("Mn_102", QStringLiteral("参数"), 102, sys, false, opens("TFrm_1_Corp", {}, false));
    addCommand("Mn_105", QStringLiteral("用户"), 105, sys, false,
               opens("TFrm_JCXX", {{"Selector", 15}}, false));
    addCommand("Mn_107", QStringLiteral("修改密码"), 107, sys, true,
               opens("TFrmChangePwd", {}, false));
    addCommand("Mn_106", QStringLiteral("模块"), 106, sys, false, opens("TFrm_14_Soft", {}, false));
    addCommand("Mn_112", QStringLiteral("初始化"), 112, sys, true, [this] { Initialise(); });
    addCommand("Mn_110", QStringLiteral("备份与恢复"), 110, sys, true,
               opens("TFrm_1_bak", {}, false));
    addCommand("Mn_111", QStringLiteral("退出系统"), 0, sys, true, [this] { ExitByMenu(); });

    addCommand("Mn_201", QStringLiteral("楼型"), 201, zh, true, opens("TFrm_1_Param"));
    addCommand("Mn_202", QStringLiteral("小区"), 202, zh, true,
               opens("TFrm_JCXX", {{"Selector", 23}}));
    addCommand("Mn_203", QStringLiteral("楼栋"), 203, zh, true,
               opens("TFrm_JCXX", {{"Selector", 24}}));
    addCommand("Mn_204", QStringLiteral("房源"), 204, zh, true, opens("TFrm_1_BuildHouse"));
    addCommand("Mn_205", QStringLiteral("房管员"), 205, zh, true,
               opens("TFrm_JCXX", {{"Selector", 28}}));
    addCommand("Mn_207", QStringLiteral("查询"), 207, zh, false, opens("TFrm_15_1FY", {}, false));

    addCommand("Mn_301", QStringLiteral("表型"), 301, cb, true,
               opens("TFrm_JCXX", {{"Selector", 31}}));
    addCommand("Mn_302", QStringLiteral("抄表"), 302, cb, true, opens("TFrm_4_CBJL"));
    addCommand("Mn_303", QStringLiteral("查询"), 303, cb, false,
               openQueryWizard(QStringLiteral("抄表"), "Uvw_2_CBJL"));

    addCommand("Mn_401", QStringLiteral("费项"), 401, sf, true, opens("TFrm_1_Param2"));
    addCommand("Mn_405", QStringLiteral("标准"), 405, sf, true,
               opens("TFrm_JCXX", {{"Selector", 44}}));
    addCommand("Mn_409", QStringLiteral("计算"), 409, sf, true, opens("TFrm_4_SCYS"));
    addCommand("Mn_410", QStringLiteral("调整"), 410, sf, true, opens("TFrm_11_TZYS"));
    addCommand("Mn_412", QStringLiteral("开票"), 412, sf, true, opens("TFrm_5_SFKP"));
    addCommand("Mn_408", QStringLiteral("查询"), 408, sf, false,
               openQueryWizard(QStringLiteral("收费"), "Uvw_2_ZKJL"));
    addCommand("Mn_424", QStringLiteral("预收"), 711, sf, false, opens("TFrm_5_YSK", {}, false));
    addCommand("Mn_413", QStringLiteral("冲抵"), 415, sf, false,
               opens("TFrm_JCXX", {{"Selector", 45}}, false));
    addCommand("Mn_427", QStringLiteral("退款"), 715, sf, false, opens("TFrm_5_TK", {}, false));
    addCommand("Mn_414", QStringLiteral("每户台帐"), 701, sf, false,
               opens("TFrm_9_findFY", {}, false));
    addCommand("Mn_415", QStringLiteral("财务台帐"), 702, sf, false,
               opens("TFrm_9_findCWTZ", {}, false));
    addCommand("Mn_417", QStringLiteral("监控抄表"), 704, sf, false,
               opens("TFrm_9_DKRW", {}, false));
    addCommand("Mn_418", QStringLiteral("欠费汇总"), 705, sf, false,
               opens("TFrm_9_PLFS", {}, false));
    addCommand("Mn_419", QStringLiteral("欠费明细表"), 706, sf, false,
               opens("TFrm_9_QFCX", {}, false));
    addCommand("Mn_420", QStringLiteral("收费明细表"), 707, sf, false,
               opens("TFrm_9_SFTZ", {}, false));
    addCommand("Mn_421", QStringLiteral("收费汇总表"), 708, sf, false,
               opens("TFrm_9_JKHZ", {}, false));
    addCommand("Mn_423", QStringLiteral("收费员欠收信息"), 710, sf, false,
               opens("TFrm_9_SFCX", {}, false));
    addCommand("Mn_425", QStringLiteral("查询水电费"), 712, sf, false,
               opens("TFrm_8_CXSDF", {}, false));
    addCommand("Mn_426", QStringLiteral("查询欠费业主"), 713, sf, false,
               opens("TFrm_9_QFYZCX", {}, false));
    addCommand("Mn_716", QStringLiteral("财务接口"), 716, sf, false,
               [this] { message(QStringLiteral("提示:尚未指定要连接的财务帐套！")); });

    addCommand("Mn_2001", QStringLiteral("签约"), 2001, zl, true, opens("TFrm_11_ZLHT"));
    addCommand("Mn_2002", QStringLiteral("设置"), 2002, zl, false,
               opens("TFrm_1_Param4", {}, false));
    addCommand("Mn_2003", QStringLiteral("待缴"), 2003, zl, true,
               opens("TFrm_9_StopHT", {}, false));
    addCommand("N3", QStringLiteral("查询"), 2004, zl, false,
               openQueryWizard(QStringLiteral("租赁"), "Uvw_2_ZLSK"));
    addCommand("Mn_2005", QStringLiteral("收租"), 2005, zl, true, opens("TFrm_11_ZLSK"));

    addCommand("Mn_3001", QStringLiteral("仓库"), 3001, wz, false,
               opens("TFrm_1_Param5", {}, false));
    addCommand("Mn_3005", QStringLiteral("物资品名"), 3005, wz, false,
               opens("TFrm_12_WPDJ", {}, false));
    addCommand("Mn_3006", QStringLiteral("入库"), 3006, wz, false,
               opens("TFrm_12_KFRK", {}, false));
    addCommand("Mn_3007", QStringLiteral("出库"), 3007, wz, false,
               opens("TFrm_12_KFCK", {}, false));
    addCommand("Mn_3008", QStringLiteral("盘点"), 3008, wz, false, opens("TFrm_9_KFPD", {}, false));
    addCommand("Mn_3009", QStringLiteral("查询入库"), 3009, wz, false,
               opens("TFrm_9_findRK", {}, false));
    addCommand("Mn_3010", QStringLiteral("查询出库"), 3010, wz, false,
               opens("TFrm_9_findCK", {}, false));
    addCommand("Mn_3011", QStringLiteral("库存查询"), 3011, wz, false,
               opens("TFrm_9_CHCX", {}, false));

    addCommand("Mn_1002", QStringLiteral("类别"), 1002, wx, false,
               opens("TFrm_1_Param3", {}, false));
    addCommand("Mn_1003", QStringLiteral("设备"), 1003, wx, false,
               opens("TFrm_10_SBDJ", {}, false));
    addCommand("Mn_1004", QStringLiteral("检查"), 1004, wx, false,
               opens("TFrm_10_SBJC", {}, false));
    addCommand("Mn_1005", QStringLiteral("保养"), 1005, wx, false,
               opens("TFrm_10_SBBY", {}, false));
    addCommand("Mn_1006", QStringLiteral("故障"), 1006, wx, false,
               opens("TFrm_10_SBGZ", {}, false));
    addCommand("Mn_1007", QStringLiteral("维修"), 1007, wx, false,
               opens("TFrm_10_SBWX", {}, false));
    addCommand("Mn_505", QStringLiteral("查询"), 805, wx, false,
               openQueryWizard(QStringLiteral("维修"), "Uvw_2_SBWX"));

    addCommand("Mn_508", QStringLiteral("投诉"), 808, fz, true, opens("TFrm_6_TouSu"));
    addCommand("Mn_502", QStringLiteral("钥匙"), 802, fz, false, opens("TFrm_6_KEY", {}, false));
    addCommand("Mn_4001", QStringLiteral("车场"), 4001, fz, false,
               opens("TFrm_1_Param6", {}, false));
    addCommand("Mn_4003", QStringLiteral("车位"), 4003, fz, false,
               opens("TFrm_10_CWDJ", {}, false));
    addCommand("N1", QStringLiteral("班次设置"), 9103, fz, false,
               opens("TFrm_JCXX", {{"Selector", 103}}, false));
    addCommand("N7", QStringLiteral("班次调整"), 9104, fz, false, opens("TFrm_7_TZBC", {}, false));
    addCommand("N8", QStringLiteral("保安资料"), 9101, fz, false,
               opens("TFrm_JCXX", {{"Selector", 101}}, false));
    addCommand("N10", QStringLiteral("值班纪录"), 9105, fz, false,
               opens("TFrm_JCXX", {{"Selector", 102}}, false));
    addCommand("Mn_4004", QStringLiteral("收款"), 4004, fz, false,
               opens("TFrm_13_TCSK", {}, false));

    addCommand("Mn_HelpFile", QStringLiteral("帮助手册"), 0, help, true,
               [this] { shell().openUrl(QStringLiteral("help.html")); });
    addCommand("Mn_Download", QStringLiteral("演示下载"), 0, help, true,
               [this] { openAddress(QStringLiteral("演示下载"), {}); });
    addCommand("Mn_WebSite", QStringLiteral("访问网站"), 0, help, true,
               [this] { openAddress(QStringLiteral("网站首页"), {}); });
    addCommand("Mn_Law", QStringLiteral("物业管理条例"), 0, help, true,
               [this] { openAddress(QStringLiteral("物业管理条例"), {}); });
}

void TFrm_Main::addCommand(const QString& item, const QString& caption, qint64 module,
                           const QString& group, bool shown, std::function<void()> run) {
    Control& c = add(ControlKind::MenuItem, item, caption);
    c.setTag(module);
    c.setGroup(group);
    c.setVisible(shown);
    on(c, Event::Click, run);
    commands_.push_back({item, caption, module, group, shown, std::move(run)});
}

std::function<void()> TFrm_Main::opens(const QString& window, Params params, bool withLevel) {
    return [this, window, params, withLevel] {
        Params p = params;
        if (withLevel) p["AccessLevel"] = login().AccessLevel;
        openWindow(window, p);
    };
}

std::function<void()> TFrm_Main::openQueryWizard(const QString& category, const QString& view) {
    return opens("TFrm_15_1FY", {{"Tag", 1}, {"Category", category}, {"View", view}}, false);
}

void TFrm_Main::openAddress(const QString& setting, const QString& fallback) {
    QString address = dm().text("Select CSZ From Tb_SYS_Param Where CSMC=? And BJ=9", {setting});
    if (address.isEmpty()) address = fallback;
    if (!address.isEmpty()) shell().openUrl(address);
}

void TFrm_Main::FormShow() {
    Stu_Main.setItems({QStringLiteral("用户工号"), login().OperatorNo, QStringLiteral("用户姓名"),
                       login().OperatorName, QStringLiteral("当前日期"), login().LoginDate,
                       QStringLiteral("注释栏"), QString()});
    StrGrd_Report.beginUpdate();
    StrGrd_Report.setColCount(10);
    StrGrd_Report.setRowCount(2);
    StrGrd_Report.setFixedRows(1);
    StrGrd_Report.setFixedCols(1);
    const QStringList headers = {QStringLiteral("序"),       QStringLiteral("查询/报表名称"),
                                 QStringLiteral("注释"),     QStringLiteral("创建人"),
                                 QStringLiteral("创建日期"), QStringLiteral("只读"),
                                 QStringLiteral("表编号"),   QStringLiteral("是否系统"),
                                 QStringLiteral("模块"),     QStringLiteral("数据集")};
    const int widths[] = {40, 160, 340, 60, 70, 40, 0, 0, 0, 0};
    for (int c = 0; c < 10; ++c) {
        StrGrd_Report.setCell(c, 0, headers[c]);
        StrGrd_Report.setColWidth(c, widths[c]);
    }
    StrGrd_Report.endUpdate();
    LoadReportList(pageCategories().value(pgMain.itemIndex()));
}

void TFrm_Main::ApplicationHint(const QString& hint) {
    Stu_Main.setItem(7, hint);
}

void TFrm_Main::pgMainChange() {
    LoadReportList(pageCategories().value(pgMain.itemIndex()));
}

void TFrm_Main::LoadReportList(const QString& category) {
    Rows rows = dm().rows(
        "Select BT,NR,CZR,CZRQ,Share,BH,Flag,Str_Mod,Str_Table From Tb_SYS_BB Where "
        "(LB=?) And ((Share='是') Or (CZR=?)) Order By XH,Flag,BH,CZR,Share",
        {category, Stu_Main.item(3).trimmed()});
    StrGrd_Report.beginUpdate();
    StrGrd_Report.setRowCount(2);
    for (int c = 0; c < 10; ++c) StrGrd_Report.setCell(c, 1, QString());
    for (const Row& r : rows) {
        int last = StrGrd_Report.rowCount() - 1;
        StrGrd_Report.setCell(0, last, QString::number(last));
        for (int c = 0; c < 9; ++c) StrGrd_Report.setCell(c + 1, last, r.text(c));
        StrGrd_Report.setRowCount(last + 2);
    }
    StrGrd_Report.endUpdate();
}

void TFrm_Main::StrGrd_ReportDblClick() {
    int row = StrGrd_Report.row();
    if (row < 1 || StrGrd_Report.cell(1, row).trimmed().isEmpty()) return;
    const QString flagText = StrGrd_Report.cell(7, row).trimmed();
    bool ok = false;
    int flag = flagText.toInt(&ok);
    if (!ok) {
        message(QStringLiteral("'%1' 不是有效的整数值").arg(flagText), QStringLiteral("错误"),
                Icon::Error);
        return;
    }
    OpenReport(flag, StrGrd_Report.cell(6, row).trimmed(), StrGrd_Report.cell(9, row).trimmed(),
               StrGrd_Report.cell(8, row).trimmed());
}

std::optional<QString> TFrm_Main::askYear() {
    const QString year = ctx().now().toString("yyyy");
    auto answer =
        shell().inputBox(QStringLiteral("指定年度"), QStringLiteral("请指定要查看的年度:"), year);
    return answer ? *answer : year;  // cancelling keeps the default
}

void TFrm_Main::OpenReport(int flag, const QString& number, const QString& table,
                           const QString& module) {
    if (flag == 1) {
        Row r = dm().first("Select * From Tb_SYS_BB Where BH=?", {number});
        if (r.isNull(r.indexOf("BH"))) return;
        Params p{{"Tag", 99},
                 {"Int_StrCOL", r.integer("Int_StrCOL")},
                 {"Int_SumCol", r.integer("Int_SumCOL")},
                 {"Int_TSCol", r.integer("Int_TSCOL")},
                 {"SQL_Select", r.text("SQL_Select")},
                 {"SQL_Group", r.text("SQL_Group")},
                 {"SQL_Order", r.text("SQL_Order")},
                 {"Str_Where", r.text("Str_Where")},
                 {"Int_AddCount", r.integer("Int_AddCount")},
                 {"Int_ShowStyle", r.integer("Int_ShowStyle")},
                 {"Module", module.trimmed()},
                 {"Table", table.trimmed()}};
        QStringList zdm, zdmc, tstj, numFlag;
        for (const Row& a : dm().rows("Select * From Tb_SYS_BBArray Where BH=?", {number})) {
            zdm << a.text("Str_ZDM");
            zdmc << a.text("Str_ZDMC");
            tstj << a.text("Str_TSTJ");
            numFlag << QString::number(a.integer("Int_NumFlag"));
        }
        p["Str_ZDM"] = zdm;
        p["Str_ZDMC"] = zdmc;
        p["Str_TSTJ"] = tstj;
        p["Int_NumFlag"] = numFlag;
        openWindow("TFrm_15_1Report", p);
        return;
    }
    if (flag != 0) return;

    bool ok = false;
    int n = number.toInt(&ok);
    if (!ok) {
        message(QStringLiteral("'%1' 不是有效的整数值").arg(number), QStringLiteral("错误"),
                Icon::Error);
        return;
    }
    auto tag = [](int t) { return Params{{"Tag", t}}; };
    auto wizard = [](const QString& category, const QString& view) {
        return Params{{"Tag", 1}, {"Category", category}, {"View", view}};
    };
    static const std::map<int, QString> tagOne = {
        {3001, "TFrm_9_SFCX"},      {3002, "TFrm_9_PLFS"},        {3003, "TFrm_9_JKHZ"},
        {3004, "TFrm_9_JKCX"},      {3005, "TFrm_9_DKZX"},        {3006, "TFrm_9_QFYZCX"},
        {3007, "TFrm_9_findFY"},    {3008, "TFrm_9_findCWTZ"},    {3009, "TFrm_9_SFTZ"},
        {3010, "TFrm_9_CXCD"},      {3011, "TFrm_9_QFCX"},        {3012, "TFrm_8_CXSDF"},
        {4001, "TFrm_9_findYSZJ"},  {4002, "TFrm_10_ZJJD"},       {5001, "TFrm_9_CHCX"},
        {5002, "TFrm_9_findRK"},    {5003, "TFrm_9_findCK"},      {5005, "TFrm_9_findRKLS"},
        {5006, "TFrm_9_findCKLS"},  {5007, "TFrm_9_findRKZDY"},   {5008, "TFrm_9_findCKZDY"},
        {5009, "TFrm_9_findKCBD"},  {5010, "TFrm_9_findKCBDZDY"}, {6002, "TFrm_9_SFMX"},
        {6003, "TFrm_9_YSMX"},      {7001, "TFrm_9_FindWXSF"},    {7002, "TFrm_9_FindWXTJ"},
        {7004, "TFrm_9_FindWXCL1"}, {7007, "TFrm_9_FindSBJC"},    {7008, "TFrm_9_FindSBBY"},
        {7009, "TFrm_9_FindSBGZ"},
    };
    if (auto it = tagOne.find(n); it != tagOne.end()) {
        openWindow(it->second, tag(1));
        return;
    }
    switch (n) {
        case 999:
            if (!login().isAdministrator()) {
                message(QStringLiteral("只有管理员才有此项查询权限！"));
                return;
            }
            openWindow("TFrm_10_LOG");
            return;
        case 1001:
            openWindow("TFrm_BJFY");
            return;
        case 1002:
            openWindow("TFrm_BJKH");
            return;
        case 1003:
            openWindow("TFrm_15_1FY",
                       wizard(pageCategories().value(pgMain.itemIndex()), "Uvw_FY_KH"));
            return;
        case 2001:
            openWindow("TFrm_9_DKRW", tag(2));
            return;
        case 3013:
            openWindow("TFrm_15_1FY", wizard(QStringLiteral("收费"), "Uvw_2_ZKJL"));
            return;
        case 4003:
            openWindow("TFrm_9_FindHT", tag(2));
            return;
        case 4004:
            openWindow("TFrm_9_FindZLSK", tag(2));
            return;
        case 4005:
            openWindow("TFrm_15_1FY", wizard(QStringLiteral("租赁"), "Uvw_2_ZLSK"));
            return;
        case 5004:
            openWindow("TFrm_12_KCCX", {{"Mode", 2}});
            return;
        case 6001: {
            QString year = askYear()->trimmed();
            bool isNumber = false;
            year.toInt(&isNumber);
            if (!isNumber) {
                message(QStringLiteral("'%1' 不是有效的整数值").arg(year), QStringLiteral("错误"),
                        Icon::Error);
                return;
            }
            openWindow("TFrm_5_AYReport", {{"Year", year}, {"Mode", 1}});
            return;
        }
        case 7003:
            openWindow("TFrm_15_1FY", wizard(QStringLiteral("维修"), "Uvw_2_SBWX"));
            return;
        case 7005:
            openWindow("TFrm_10_SBDJ", tag(9));
            return;
        case 7006:
            openWindow("TFrm_11_WZReport", {{"Year", *askYear()},
                                            {"Mode", 7},
                                            {"Title", QStringLiteral("(年度)服务收费综合统计表")}});
            return;
        default:
            return;
    }
}

void TFrm_Main::CheckModuleAccess(qint64 module) {
    if (checkModuleAccess(ctx(), module)) DispatchModule(module);
}

void TFrm_Main::DispatchModule(qint64 module) {
    if (module == 803 || module == 804 || module == 806 || module == 809) {
        openWindow("TFrm_9_FZGL", {{"Tag", module}, {"Caption", QString()}});
        return;
    }
    // Every group that holds an item of this module runs its first such item.
    for (const QString& group : menuGroups()) {
        for (const Command& c : commands_) {
            if (c.group == group && c.module == module) {
                c.run();
                break;
            }
        }
    }
}

void TFrm_Main::Initialise() {
    runInitialisation(ctx());
}

void TFrm_Main::ExitByMenu() {
    if (!askOkCancel(QStringLiteral("确定要退出系统吗？"), QStringLiteral("提示"), Icon::Warning))
        return;
    exiting_ = true;
    Close(mrOk);
}

bool TFrm_Main::closeCommand() {
    if (exiting_) return Close(mrOk);
    if (!askOkCancel(QStringLiteral("你要退出系统吗？"), QStringLiteral("退出提示"), Icon::Warning))
        return false;
    try {
        WriteExitLog();
    } catch (const std::exception& e) {
        // The program stays so that nothing is lost; the menu exit still works.
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        return false;
    }
    exiting_ = true;
    return Close(mrOk);
}

void TFrm_Main::WriteExitLog() {
    LoginContext& lc = login();
    lc.ExitTime = ctx().timeNow();
    const QString today = ctx().today();
    const QString text = QStringLiteral("操作员:") + lc.OperatorName +
                         QStringLiteral(" 登陆时间:") + lc.LoginDate + ' ' + lc.LoginTime +
                         QStringLiteral(",退出时间:") + "\r\n" + today + ' ' + lc.ExitTime +
                         QStringLiteral("。");
    writeLog(ctx(), text, LogKind::Login);
}

}  // namespace wy
