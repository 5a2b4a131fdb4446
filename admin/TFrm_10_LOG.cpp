#include "admin/TFrm_10_LOG.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_10_LOG);

namespace {
constexpr int kColumns = 10;
}

TFrm_10_LOG::TFrm_10_LOG(Context& ctx)
    : Window(ctx, "TFrm_10_LOG", QStringLiteral("系统监控记录")),
      Tr_LEFT(add(ControlKind::Tree, "Tr_LEFT")),
      StrGrd_LOG(add(ControlKind::Grid, "StrGrd_LOG")),
      Btn_Refresh(add(ControlKind::Button, "Btn_Refresh", QStringLiteral("刷  新"))),
      Btn_Clear(add(ControlKind::Button, "Btn_Clear", QStringLiteral("清除全部"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("   关  闭   "))),
      Stu_LOG(add(ControlKind::Status, "Stu_LOG")) {
    style.maximized = true;
    const int root = Tr_LEFT.addNode(QStringLiteral("系统监控记录"));
    for (const char* entry :
         {"登陆纪录", "建筑面积<>收费面积", "变更费表读数", "手工修改费用", "其它日志"})
        Tr_LEFT.addNode(QString::fromUtf8(entry), root);
    StrGrd_LOG.setFixedRows(1);
    layOut({});
    StrGrd_LOG.addRow();
    on(Tr_LEFT, Event::Click, [this](const EventArgs& a) {
        Tr_LEFT.setItemIndex(a.row);
        ShowEntry(a.row);
    });
    on(Btn_Refresh, Event::Click, [this] { ShowEntry(Tr_LEFT.itemIndex()); });
    on(Btn_Clear, Event::Click, [this] { Btn_ClearClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_10_LOG::FormShow() {
    Tr_LEFT.setExpanded(true);
    Stu_LOG.setItems({QStringLiteral("用户工号"), login().OperatorNo, QStringLiteral("用户姓名"),
                      login().OperatorName, QStringLiteral("当前日期"), login().LoginDate});
}

// Ten columns under the headers: the first 50 wide, the others 120; columns without a header
// (and always the last two) are hidden.
void TFrm_10_LOG::layOut(const QStringList& headers) {
    const int shown = headers.isEmpty() ? 8 : int(headers.size());
    StrGrd_LOG.setRowCount(0);
    StrGrd_LOG.setColCount(kColumns);
    StrGrd_LOG.setRow(0, headers);
    for (int c = 0; c < kColumns; ++c)
        StrGrd_LOG.setColWidth(c, c >= shown ? 0 : c == 0 ? 50 : 120);
}

void TFrm_10_LOG::ShowEntry(int node) {
    const QStringList textLog = {QStringLiteral("序号"), QStringLiteral("日期"),
                                 QStringLiteral("日志记录")};
    StrGrd_LOG.beginUpdate();
    switch (node) {
        case Logins:
        case MeterReadings:
        case FeeChanges: {
            layOut(textLog);
            StrGrd_LOG.setColWidth(2, 600);
            const QString kind = node == Logins          ? "RZBZ1=1"
                                 : node == MeterReadings ? "RZBZ1=3"
                                                         : "RZBZ1 IS NULL";
            fill(dm().rows("SELECT RQ,RZMS FROM Tb_SYS_LOG WHERE " + kind), false);
            break;
        }
        case AreaDifferences:
            layOut({QStringLiteral("序号"), QStringLiteral("房号"), QStringLiteral("楼栋"),
                    QStringLiteral("业主"), QStringLiteral("状态"), QStringLiteral("建筑面积"),
                    QStringLiteral("收费面积"), QStringLiteral("差异面积")});
            fill(
                dm().rows("SELECT FYBH,FYMC,KHXM,FYFX,JZMJ,SYMJ,(SYMJ-JZMJ) AS CYMJ FROM Uvw_FY_KH "
                          "WHERE SYMJ<JZMJ"),
                true);
            break;
        case Calculations:
            layOut({QStringLiteral("序号"), QStringLiteral("计算项目"), QStringLiteral("计算标准"),
                    QStringLiteral("计算面积"), QStringLiteral("计算户数"),
                    QStringLiteral("应收金额"), QStringLiteral("分摊金额"),
                    QStringLiteral("应收总额")});
            fill(dm().rows("SELECT SFFX,BZMC,JZMJ,ZHS,FYJE,FTJE,FYZE FROM Tb_SYS_SFLOG"), false);
            break;
        default:
            break;  // the root
    }
    StrGrd_LOG.endUpdate();
}

// One row per result row under a running number, then one more row: for the area differences
// it carries their total when that is not zero.
void TFrm_10_LOG::fill(const Rows& rows, bool areaDifferences) {
    Money total;
    for (const Row& r : rows) {
        QStringList cells{QString::number(StrGrd_LOG.rowCount())};
        for (int c = 0; c < r.size(); ++c) cells << r.text(c);
        if (areaDifferences) {
            const Money difference = r.money(r.size() - 1);
            cells.last() = difference.toString();
            total += difference;
        }
        StrGrd_LOG.addRow(cells);
    }
    const int last = StrGrd_LOG.addRow();
    if (areaDifferences && !total.isZeroAtFen())
        StrGrd_LOG.setCell(1, last, QStringLiteral("差异合计:") + total.toString());
}

void TFrm_10_LOG::Btn_ClearClick() {
    try {
        Transaction t(dm());
        dm().exec("DELETE FROM Tb_SYS_LOG");
        dm().exec("DELETE FROM Tb_SYS_SFLOG");
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromUtf8(e.what()), QStringLiteral("错误"), Icon::Error);
    }
}

}  // namespace wy
