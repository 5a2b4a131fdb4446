#include "admin/TFrm_JCXX.h"

#include <stdexcept>

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_JCXX);

TFrm_JCXX::TFrm_JCXX(Context& ctx)
    : Window(ctx, "TFrm_JCXX", QString()),
      Lv_Data(add(ControlKind::ListView, "Lv_Data")),
      Btn_Add(add(ControlKind::Button, "Btn_Add", QStringLiteral("添  加"))),
      Btn_Modify(add(ControlKind::Button, "Btn_Modify", QStringLiteral("修  改"))),
      Btn_Delete(add(ControlKind::Button, "Btn_Delete", QStringLiteral("    删  除    "))),
      Btn_Refresh(add(ControlKind::Button, "Btn_Refresh", QStringLiteral("刷  新"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关  闭"))),
      Stu_Main(add(ControlKind::Status, "Stu_Main")) {
    style.maximized = true;
    on(Lv_Data, Event::Click, [this] { setRowButtons(Lv_Data.row() >= 0); });
    on(Lv_Data, Event::DblClick, [this] { Btn_ModifyClick(); });
    on(Lv_Data, Event::HeaderClick, [this](const EventArgs& a) { Lv_DataHeaderClick(a.col); });
    on(Btn_Add, Event::Click, [this] { Btn_AddClick(); });
    on(Btn_Modify, Event::Click, [this] { Btn_ModifyClick(); });
    on(Btn_Delete, Event::Click, [this] { Btn_DeleteClick(); });
    on(Btn_Refresh, Event::Click, [this] { Reload(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

bool TFrm_JCXX::setParam(const QString& name, const QVariant& value) {
    if (name != QLatin1String("Selector")) return Window::setParam(name, value);
    config_ = listConfig(value.toInt());
    if (!config_)
        throw std::invalid_argument("TFrm_JCXX has no list " + value.toString().toStdString());
    return true;
}

void TFrm_JCXX::FormShow() {
    if (!config_) throw std::invalid_argument("TFrm_JCXX needs a Selector");
    const ListConfig& c = *config_;
    sortFields_ = c.sortFields();
    order_ = c.order;
    direction_ = c.direction;
    setCaption(c.caption);
    Lv_Data.setHeaders(QStringList{QStringLiteral("序")} + c.headers);
    if (!c.keyShown) Lv_Data.setColWidth(c.keyPos, 0);
    if (!c.buttonCaptions.isEmpty()) {
        Btn_Add.setCaption(c.buttonCaptions.value(0));
        Btn_Modify.setCaption(c.buttonCaptions.value(1));
        Btn_Delete.setCaption(c.buttonCaptions.value(2));
    }
    const LoginContext& lc = login();
    Stu_Main.setItems({QStringLiteral("用户工号"), lc.OperatorNo, QStringLiteral("用户姓名"),
                       lc.OperatorName, QStringLiteral("当前日期"), lc.LoginDate,
                       QStringLiteral("操作状态"), QString()});
    Reload();
}

QString TFrm_JCXX::statement() const {
    const ListConfig& c = *config_;
    return c.select + "\n " + c.where + "\n " + order_ + "\n " + direction_;
}

void TFrm_JCXX::setRowButtons(bool enabled) {
    Btn_Modify.setEnabled(enabled);
    Btn_Delete.setEnabled(enabled);
}

void TFrm_JCXX::Reload() {
    Lv_Data.beginUpdate();
    Lv_Data.clearRows();
    Lv_Data.setCurrent(-1);
    setRowButtons(false);
    try {
        const Rows rows = dm().rows(statement());
        for (int i = 0; i < rows.size(); ++i) {
            QStringList cells{QString::number(i + 1)};
            for (int col = 0; col < rows[i].size(); ++col) cells << rows[i].text(col);
            Lv_Data.addRow(cells);
        }
    } catch (const DbError& e) {
        // A list whose table is not there yet shows why and stays empty.
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
    fitColumns();
    Lv_Data.endUpdate();
}

void TFrm_JCXX::fitColumns() {
    // Each shown column as wide as its widest text; wide characters take two places.
    auto places = [](const QString& s) {
        int n = 0;
        for (QChar ch : s) n += ch.unicode() >= 0x2E80 ? 2 : 1;
        return n;
    };
    const QStringList headers = Lv_Data.headers();
    for (int col = 0; col < headers.size(); ++col) {
        if (col == config_->keyPos && !config_->keyShown) continue;
        int widest = std::max(places(headers[col]), 2);
        for (int row = 0; row < Lv_Data.rowCount(); ++row)
            widest = std::max(widest, places(Lv_Data.cell(col, row)));
        Lv_Data.setColWidth(col, std::min(widest * 7 + 18, 320));
    }
}

QString TFrm_JCXX::selectedKey() const {
    const int row = Lv_Data.row();
    return row < 0 ? QString() : Lv_Data.cell(config_->keyPos, row).trimmed();
}

void TFrm_JCXX::openEditor(const QString& editor, const QString& mode, const QString& key,
                           int keyLength) {
    openWindow(editor, {{"Mode", mode},
                        {"KeyColumn", "BH"},
                        {"KeyValue", key},
                        {"KeyLength", keyLength},
                        {"KeyReadOnly", config_->keyReadOnly},
                        {"AccessLevel", AccessLevel}});
}

void TFrm_JCXX::Btn_AddClick() {
    if (!canModify()) return;
    if (!config_->addEditor.isEmpty())
        openEditor(config_->addEditor, "ADD", QString(), config_->addKeyLength);
    Reload();
}

void TFrm_JCXX::Btn_ModifyClick() {
    if (Lv_Data.row() < 0) {
        message(QStringLiteral("请在表格中点击选择要修改的行"));
        return;
    }
    if (!canModify()) return;
    openEditor(config_->modifyEditor, "MODIFY", selectedKey(), config_->modifyKeyLength);
    Reload();
}

void TFrm_JCXX::Btn_DeleteClick() {
    if (!canDelete()) return;
    const QString key = selectedKey();
    if (!config_->noDeleteText.isEmpty()) {
        message(config_->noDeleteText, QStringLiteral("提醒"), Icon::Warning);
        return;
    }
    if (config_->protectedKey != 0 && key.toLongLong() == config_->protectedKey) {
        message(config_->protectedText, QStringLiteral("提醒"), Icon::Warning);
        return;
    }
    if (!askYesNo(QStringLiteral("要删除选中的行吗？"), QStringLiteral("提示"), Icon::Warning))
        return;
    deleteRow(key);
    Reload();
}

void TFrm_JCXX::deleteRow(const QString& key) {
    const qint64 bh = key.toLongLong();
    Binds binds;
    for (int i = config_->deleteSql.count('?'); i > 0; --i) binds << bh;
    try {
        Transaction t(dm());
        dm().exec(config_->deleteSql, binds);
        const bool kept = dm().affected() == 0;
        t.commit();
        // A guarded statement that kept the row says why, instead of looking like success.
        if (kept && !config_->keptText.isEmpty())
            message(config_->keptText, QStringLiteral("提醒"), Icon::Warning);
    } catch (const std::exception& e) {
        message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
}

void TFrm_JCXX::Lv_DataHeaderClick(int col) {
    if (col <= 0 || col > sortFields_.size()) return;
    order_ = "Order by " + sortFields_[col - 1];
    direction_ = col == lastSortCol_ && direction_ == QLatin1String("ASC") ? "DESC" : "ASC";
    lastSortCol_ = col;
    Reload();
}

}  // namespace wy
