#include "admin/TFrm_JCXX_Lists.h"

#include <map>

namespace wy {

namespace {

QStringList splitColumns(const QString& list) {
    // Commas inside parentheses belong to an expression, not between columns.
    QStringList out;
    QString cur;
    int depth = 0;
    for (QChar c : list) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) {
            out << cur.trimmed();
            cur.clear();
            continue;
        }
        cur += c;
    }
    if (!cur.trimmed().isEmpty()) out << cur.trimmed();
    return out;
}

QString deleteFrom(const QString& table) {
    return "Delete From " + table + " WHERE BH=?";
}

const QString kTiers = QStringLiteral(
    "YL As 一档用量,DJ As 一档单价,YLZ1 As 二档用量,DJZ1 As 二档单价,YLZ2 As 三档用量,"
    "DJZ2 As 三档单价,YLZ3 As 四档用量,DJZ3 As 四档单价,YLZ4 As 五档用量,DJZ4 As 五档单价,"
    "YLZ5 As 六档用量,DJZ5 As 六档单价");

std::map<int, ListConfig> makeConfigs() {
    std::map<int, ListConfig> m;
    auto add = [&m](ListConfig c) {
        if (c.order.isEmpty()) c.order = "Order by BH";
        if (c.direction.isEmpty()) c.direction = "ASC";
        m[c.selector] = c;
        return &m[c.selector];
    };

    ListConfig c;
    c.selector = 15;
    c.caption = QStringLiteral("操作用户设置");
    c.select = QStringLiteral(
        "Select SZDW As 单位名称,SZBM As 所在部门,YHJS As 工作岗位,YHBH As 用户工号,YHXM As "
        "用户姓名,BH As 编号 From Tb_SYS_GLY");
    c.headers = QStringList{"物业单位", "所属部门", "工作岗位", "用户帐号", "用户名称", ""};
    c.keyPos = 6;
    c.deleteSql = "Delete From Tb_SYS_GLY WHERE (BH<>3) and BH=?";
    c.protectedKey = 3;
    c.protectedText = QStringLiteral("管理员账号SYSTEM不允许删除！");
    c.addEditor = c.modifyEditor = "TFrm_1_GLY";
    c.keyReadOnly = false;
    c.buttonCaptions = QStringList{"增加用户", "修改用户&权限", "删除用户&权限"};
    add(c);

    c = {};
    c.selector = 23;
    c.caption = QStringLiteral("建立小区名称");
    c.select = QStringLiteral(
        "Select SZDQ As 所在地州,XQDD As 小区地段,XQBH As 小区编号,XQMC As 小区名称,SJMJ As "
        "设计面积,JGRQ As 交工日期,RZRQ As 入住日期,JYHJ As 教育环境,GWHJ As 购物环境,CWSS As "
        "车位设施,KLSS As 康乐设施,JTHJ As 交通环境,QDNR As 物业管理,JDJL As 进度记录,XQTS As "
        "小区特色,XGWJ As 相关文件,BH As 编号 From Tb_SYS_Area");
    c.headers = QStringList{"所在地州", "所处地段", "小区编号", "小区名称", "设计面积", "交工日期",
                            "入住日期", "教育环境", "购物环境", "车位设施", "康乐设施", "交通环境",
                            "物业管理", "进度记录", "小区特色", "相关文件", ""};
    c.keyPos = 17;
    // An estate that still has houses is kept, and so is one with buildings: they would be left
    // without an estate.
    c.deleteSql = QStringLiteral(
        "Delete From Tb_SYS_AREA WHERE (not exists(select xqbh from tb_fyxx where xqbh=?)) and "
        "(not exists(select BH from Tb_SYS_XQLD where XQBH=?)) and BH=?");
    c.keptText = QStringLiteral("该小区下还有楼栋或房源,不能删除！");
    c.addEditor = c.modifyEditor = "TFrm_1_AREA";
    add(c);

    c = {};
    c.selector = 24;
    c.caption = QStringLiteral("建立楼栋号");
    c.select = QStringLiteral(
        "Select XQMC As 小区名称,LDXH As 楼栋号,LDMC As 楼栋名称,LDCS As 层数,LDDYS As 单元数,ZHS "
        "As 总户数,LDJGRQ As 交工日期,LDRZRQ As 入住日期,FYLB As 类别,LDBZ1 As 生成房源,BH As "
        "楼栋编号 From Uvw_SYS_XQLD");
    c.order = "Order by XQBH,BH";
    c.headers = QStringList{"所在小区", "楼栋ID",   "楼栋号",   "层数",     "单元数", "总户数",
                            "交工日期", "入住日期", "房源类别", "生成房源", ""};
    c.keyPos = 11;
    c.deleteSql = QStringLiteral(
        "Delete From Tb_SYS_XQLD WHERE (not exists(select xqbh from tb_fyxx where ldbh=?)) and "
        "BH=?");
    c.keptText = QStringLiteral("该楼栋下还有房源,不能删除！");
    c.addEditor = c.modifyEditor = "TFrm_1_XQLD";
    add(c);

    c = {};
    c.selector = 28;
    c.caption = QStringLiteral("建立收费员/房管员资料");
    c.select = QStringLiteral(
        "Select SZDW As 单位名称,SZBM As 所在部门,GZGW As 工作岗位,YGBH As 编号,XM As 姓名,XB As "
        "性别,BH As 编号 From Tb_SYS_DWYG");
    c.where = "WHERE BJ=2";
    c.headers = QStringList{"单位名称", "所在部门", "工作岗位", "编号", "姓名", "性别", ""};
    c.keyPos = 7;
    c.deleteSql = deleteFrom("Tb_SYS_DWYG");
    c.addEditor = c.modifyEditor = "TFrm_2_FGY";
    add(c);

    c = {};
    c.selector = 31;
    c.caption = QStringLiteral("仪表类型");
    c.select = QStringLiteral(
        "Select BH As 编号,FBMC As 费表名称,JLDW As 计量单位,SFFX As 收费费项,MRDJ As "
        "几个月抄一次 From Tb_SYS_FBLB");
    c.headers = QStringList{"编号", "仪表名称", "计量单位", "对应收费费项", "几个月抄一次"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_SYS_FBLB");
    c.addEditor = c.modifyEditor = "TFrm_3_FBLB";
    c.modifyKeyLength = 12;
    add(c);

    c = {};
    c.selector = 44;
    c.caption = QStringLiteral("制定收费单价标准");
    c.select = QStringLiteral(
                   "Select BH As 序号,BZMC As 收费标准,KXLB As 费项,ZXRQ As 执行日期,JZRQ As "
                   "截止日期,SFDJ As 收费单价,JSBL1 As 计算参数,BZDX As 适用对象,BZBZ As 备注,") +
               kTiers + " From Tb_SYS_CYZY";
    c.headers = QStringList{"序号",     "收费标准", "费项",     "执行日期", "截止日期", "收费单价",
                            "计算参数", "适用对象", "备注",     "一档用量", "一档单价", "二档用量",
                            "二档单价", "三档用量", "三档单价", "四档用量", "四档单价", "五档用量",
                            "五档单价", "六档用量", "六档单价"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_SYS_CYZY");
    c.addEditor = c.modifyEditor = "TFrm_4_CYZY";
    add(c);

    c = {};
    c.selector = 45;
    c.caption = QStringLiteral("冲抵预收款");
    c.select = QStringLiteral(
        "Select BH As 编号,CDRQ As 冲抵日期,YSXM As 预收款项,CDXM As 冲抵项目,YSJE As "
        "预收额,CQYSJE As 冲抵前余额,CDJE As 冲抵金额,CHYSJE As 冲抵后余额,ZKJE As 项目额,CQZKJE "
        "As 冲抵前余额,(CQZKJE-CDJE) As 冲抵后余额 From Tb_2_YSKCD");
    c.headers =
        QStringList{"编号",     "冲抵日期",   "预收款项", "冲抵项目",   "预收额",    "冲抵前余额",
                    "冲抵金额", "冲抵后金额", "项目额",   "冲抵前余额", "冲抵后余额"};
    c.keyPos = 1;
    c.keyShown = true;
    // An offset posting also changed the prepayment and the receivable; deleting its row alone
    // would leave both changed, so the list does not delete.
    c.noDeleteText = QStringLiteral("冲抵记录已记入预收款和应收款,不能删除！");
    c.addEditor = c.modifyEditor = "TFrm_4_TZYY";
    add(c);

    c = {};
    c.selector = 101;
    c.caption = QStringLiteral("编辑保安资料");
    c.select = QStringLiteral(
        "Select BH As 编号,XM As 姓名,XB As 性别,JG As 籍贯,ZJHM As 身份证号,JTZZ As 家庭住址,LXFS "
        "As 联系方式,GRJJ As 特长,BABZ1 As 所属班次 From Tb_2_BAXX");
    c.headers = QStringList{"编号",     "姓名",     "性别", "籍贯",    "身份证号",
                            "家庭住址", "联系方式", "特长", "所属班次"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_2_BAXX");
    c.addEditor = c.modifyEditor = "TFrm_7_BAXX";
    add(c);

    c = {};
    c.selector = 102;
    c.caption = QStringLiteral("治安值班记录");
    c.select = QStringLiteral(
        "Select BH As 编号,ZBRQ As 值班日期,ZBBC As 值班班次,SJFW As 值班时间,ZBRY As "
        "值班人员,ZBJL As 值班记录,DJR As 记录人 From Tb_2_ZBJL");
    c.headers =
        QStringList{"编号", "值班日期", "班次", "值班时间", "值班人员", "值班记录", "记录人"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_2_ZBJL");
    c.addEditor = c.modifyEditor = "TFrm_7_ZBJL";
    add(c);

    c = {};
    c.selector = 103;
    c.caption = QStringLiteral("设定值班班次");
    c.select = QStringLiteral("Select BH As 编号,BCMC As 班次名,BZ As 备注 From Tb_2_BC");
    c.headers = QStringList{"编号", "班次名", "值班时间"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_2_BC");
    c.addEditor = c.modifyEditor = "TFrm_7_BC";
    add(c);

    // Lists that no command of the main window opens.
    c = {};
    c.selector = 16;
    c.caption = QStringLiteral("编辑退款类别");
    c.select = QStringLiteral("Select BH As 编号,TKLB As 退款类别,BZ As 备注 From Tb_SYS_TKLB");
    c.headers = QStringList{"编号", "退款类别", "备注"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_SYS_TKLB");
    c.addEditor = c.modifyEditor = "TFrm_1_TKLB";
    c.keyReadOnly = false;
    add(c);

    c = {};
    c.selector = 32;
    c.caption = QStringLiteral("编辑总表/公共表资料");
    c.select = QStringLiteral(
        "Select XQMC As 小区名称,LDMC As 楼栋名称,DYXH As 单元号,FBBH As 费表编号,FBMC As "
        "费表名称,FBLB As 类别,FBXZ As 费表属性,SFFX As 收费费项,BH As 编号 From Tb_2_FBXX");
    c.where = QStringLiteral("WHERE FBXZ<>'户表'");
    c.order = "Order by FBBH";
    c.headers =
        QStringList{"小区", "楼栋", "单元", "编号", "费表名称", "类别", "费表属性", "收费费项", ""};
    c.keyPos = 9;
    c.sortBy = {{"DYXH", "DYBH"}};
    c.deleteSql = deleteFrom("Tb_2_FBXX");
    c.modifyEditor = "TFrm_3_GGFB";
    c.modifyKeyLength = 12;
    add(c);

    c = {};
    c.selector = 34;
    c.caption = QStringLiteral("编辑抄表任务");
    c.select = QStringLiteral(
        "Select BH As 编号,RWBH As 抄表编号,RWMC As 任务名称,CBQJ As 抄表期间,JHQSRQ As "
        "计划开始日期,JHJZRQ As 计划完成日期,SJJZRQ As 实际完成日期,RWZT As 任务状态,RWJD As "
        "完成进度,RWRQ As 任务制订日期,DJR As 任务制订人 From Tb_2_CBRW");
    c.direction = "DESC";
    c.headers = QStringList{"",
                            "抄表编号",
                            "任务名称",
                            "抄表期间",
                            "计划开始日期",
                            "计划完成日期",
                            "实际完成日期",
                            "任务状态",
                            "完成进度",
                            "任务制订日期",
                            "制订人"};
    c.keyPos = 1;
    c.deleteSql = deleteFrom("Tb_2_CBRW");
    c.modifyEditor = "TFrm_3_CBRW";
    add(c);

    c = {};
    c.selector = 41;
    c.caption = QStringLiteral("编辑收费类别资料");
    c.select = QStringLiteral("Select BH As 编号,SFLB As 收费类别,LBBZ As 备注 From Tb_SYS_SFLB");
    c.headers = QStringList{"编号", "收费类别", "备注"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_SYS_SFLB");
    c.modifyEditor = "TFrm_4_SFLB";
    add(c);

    c = {};
    c.selector = 42;
    c.caption = QStringLiteral("编辑费项资料");
    c.select = QStringLiteral("Select BH As 编号,KXMC As 费项,SFLB As 收费类别 From Tb_SYS_KXLB");
    c.where = "WHERE BJ=2";
    c.headers = QStringList{"编号", "费项", "收费类别"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_SYS_KXLB");
    c.modifyEditor = "TFrm_4_SFFX";
    add(c);

    c = {};
    c.selector = 43;
    c.caption = QStringLiteral("编辑预收类别");
    c.select = QStringLiteral("Select BH As 编号,YSLB As 收费类别,BZ As 备注 From Tb_SYS_YSLB");
    c.headers = QStringList{"编号", "预收类别", "备注"};
    c.keyPos = 1;
    c.keyShown = true;
    c.deleteSql = deleteFrom("Tb_SYS_YSLB");
    c.modifyEditor = "TFrm_4_JSGS";
    add(c);

    c = {};
    c.selector = 46;
    c.caption = QStringLiteral("编辑收费专项");
    c.select = QStringLiteral(
        "Select BH As 编号,RWBH As 专项编号,RWMC As 专项名称,SFQJ As 收费期间,JHQSRQ As "
        "计划开始日期,JHJZRQ As 计划完成日期,SJJZRQ As 实际完成日期,RWZT As 执行状态,RWJD As "
        "完成进度,RWRQ As 制订专项日期,DJR As 制订人 From Tb_2_SFRW");
    c.direction = "DESC";
    c.headers = QStringList{"",
                            "专项编号",
                            "专项名称",
                            "收费期间",
                            "计划开始日期",
                            "计划完成日期",
                            "实际完成日期",
                            "执行状态",
                            "完成进度",
                            "制订专项日期",
                            "制订人"};
    c.keyPos = 1;
    c.deleteSql = deleteFrom("Tb_2_SFRW");
    c.addEditor = c.modifyEditor = "TFrm_4_SFRW";
    add(c);
    return m;
}

const std::map<int, ListConfig>& configs() {
    static const std::map<int, ListConfig> m = makeConfigs();
    return m;
}

}  // namespace

QStringList ListConfig::sortFields() const {
    // The columns between "Select" and the last "From"; each sorts by what it selects.
    const int from = select.lastIndexOf(QLatin1String(" From "), -1, Qt::CaseInsensitive);
    const QString list = select.mid(6, from - 6);
    QStringList fields;
    for (const QString& column : splitColumns(list)) {
        const int as = column.lastIndexOf(QLatin1String(" As "), -1, Qt::CaseInsensitive);
        const QString shown = (as < 0 ? column : column.left(as)).trimmed();
        fields << sortBy.value(shown, shown);
    }
    return fields;
}

const ListConfig* listConfig(int selector) {
    auto it = configs().find(selector);
    return it == configs().end() ? nullptr : &it->second;
}

QList<int> listSelectors() {
    QList<int> out;
    for (const auto& [selector, c] : configs()) out << selector;
    return out;
}

}  // namespace wy
