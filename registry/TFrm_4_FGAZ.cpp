#include "registry/TFrm_4_FGAZ.h"

#include "db/TDm.h"
#include "registry/HouseCheckList.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_4_FGAZ);

TFrm_4_FGAZ::TFrm_4_FGAZ(Context& ctx)
    : HouseRangeWindow(
          ctx, "TFrm_4_FGAZ", QStringLiteral("指定房管员的管辖范围"),
          {QStringLiteral("取消勾选&R"), QStringLiteral("查看&Q"), QStringLiteral("确定OK&S")}),
      Edt_FGBH(add(ControlKind::Edit, "Edt_FGBH", QStringLiteral("房管编号:"))),
      Edt_FGMC(add(ControlKind::Edit, "Edt_FGMC", QStringLiteral("房管名称:"))) {
    style.width = 760;
    style.height = 540;
    Edt_FGBH.setReadOnly(true);
    Edt_FGMC.setReadOnly(true);
}

bool TFrm_4_FGAZ::setParam(const QString& name, const QVariant& value) {
    if (name == "FGBH")
        FGBH = value.toLongLong();
    else if (name == "YGBH")
        YGBH = value.toString();
    else if (name == "XM")
        XM = value.toString();
    else
        return Window::setParam(name, value);
    return true;
}

void TFrm_4_FGAZ::FormShow() {
    Edt_FGBH.setText(YGBH);
    Edt_FGMC.setText(XM);
    HouseRangeWindow::FormShow();
}

void TFrm_4_FGAZ::listHouses(const QString& where) {
    const QSet<qint64> mine = houseSet(dm(), "Select FYH From Tb_2_AZFG Where FGBH=?", {FGBH});
    fillHouseCheckList(dm(), Lv_Data, where, "BH",
                       [&mine](qint64 house) { return mine.contains(house); });
}

void TFrm_4_FGAZ::Btn_QueryClick() {
    listHouses("Where BH IN (Select FYH From Tb_2_AZFG Where (FGBH=" + QString::number(FGBH) +
               "))");
}

void TFrm_4_FGAZ::Btn_SaveClick() {
    try {
        Transaction t(dm());
        for (int row = 0; row < Lv_Data.rowCount(); ++row) {
            const qint64 house = houseOfRow(Lv_Data, row);
            dm().exec("Delete From Tb_2_AZFG Where (FGBH=?) And (FYH=?)", {FGBH, house});
            if (Lv_Data.rowChecked(row)) {
                // A house has one manager: it leaves any other manager it had.
                dm().exec("Delete From Tb_2_AZFG Where (FYH=?)", {house});
                dm().exec("Insert Into Tb_2_AZFG (FGBH,FYH) Values(?,?)", {FGBH, house});
            }
        }
        t.commit();
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        return;
    }
    message(QStringLiteral("恭喜你！房管员分配成功！"), QStringLiteral("提示"));
    Btn_Save.setEnabled(false);
}

}  // namespace wy
