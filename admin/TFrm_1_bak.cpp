#include "admin/TFrm_1_bak.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_1_bak);

namespace {
const QString kFilter = QStringLiteral("备份文件|*.bak");
const QString kDone = QStringLiteral("操作执行成功!");

// Runs a long piece of work under the shell's progress dialog; the dialog closes at the end.
template <typename Work>
bool withProgress(Shell& shell, const QString& title, Work work) {
    auto dialog = shell.progress(title, 100);
    const bool finished = work([&dialog](int done, int total) {
        dialog->setValue(total > 0 ? int(qint64(done) * 100 / total) : 0);
        return !dialog->canceled();
    });
    dialog->setValue(100);
    return finished;
}
}  // namespace

TFrm_1_bak::TFrm_1_bak(Context& ctx)
    : Window(ctx, "TFrm_1_bak", QStringLiteral("备份与恢复")),
      Lb_Title(add(ControlKind::Label, "Lb_Title", QStringLiteral("§备份与恢复§"))),
      rb_bf(add(ControlKind::Radio, "rb_bf", QStringLiteral("我要做备份操作"))),
      rb_hf(add(ControlKind::Radio, "rb_hf", QStringLiteral("我要做恢复操作"))),
      lbPath(add(ControlKind::Label, "lbPath", QStringLiteral("选择备份文件路径:"))),
      edtPath(add(ControlKind::Edit, "edtPath")),
      btnBrowse(add(ControlKind::Button, "btnBrowse", QStringLiteral("浏览"))),
      Btn_Save(add(ControlKind::Button, "Btn_Save", QStringLiteral("备份"))),
      Btn_Close(add(ControlKind::Button, "Btn_Close", QStringLiteral("关闭"))) {
    style.fixedSize = true;
    style.width = 520;
    style.height = 200;
    rb_bf.setGroup("Operation");
    rb_hf.setGroup("Operation");
    rb_bf.setChecked(true);
    edtPath.setReadOnly(true);
    on(rb_bf, Event::Change, [this] { OperationChange(); });
    on(rb_hf, Event::Change, [this] { OperationChange(); });
    on(btnBrowse, Event::Click, [this] { btnBrowseClick(); });
    on(Btn_Save, Event::Click, [this] { Btn_SaveClick(); });
    on(Btn_Close, Event::Click, [this] { Close(); });
}

void TFrm_1_bak::OperationChange() {
    const QString caption = restoring() ? QStringLiteral("恢复") : QStringLiteral("备份");
    if (caption == Btn_Save.caption()) return;
    Btn_Save.setCaption(caption);
    edtPath.setText(QString());
}

void TFrm_1_bak::btnBrowseClick() {
    const QString title = QStringLiteral("选择备份文件");
    edtPath.setText(restoring() ? shell().openFileName(title, kFilter)
                                : shell().saveFileName(title, kFilter, QStringLiteral(".bak")));
}

void TFrm_1_bak::Btn_SaveClick() {
    const QString file = edtPath.text().trimmed();
    if (file.isEmpty()) {
        message(QStringLiteral("请先选择备份文件路径!"));
        return;
    }
    if (restoring())
        restore(file);
    else
        backup(file);
}

void TFrm_1_bak::backup(const QString& file) {
    bool done = false;
    try {
        done = withProgress(shell(), QStringLiteral("正在备份数据,请稍候..."),
                            [&](const TDm::ProgressFn& p) { return dm().backupTo(file, p); });
    } catch (const std::exception& e) {
        message(QStringLiteral("备份失败:\n") + QString::fromUtf8(e.what()), QStringLiteral("警告"),
                Icon::Warning);
        return;
    }
    message(done ? kDone : QStringLiteral("备份已取消。"));
}

void TFrm_1_bak::restore(const QString& file) {
    const QString unchanged = QStringLiteral("恢复失败,现有数据未被改动。\n");
    bool done = false;
    try {
        done = withProgress(shell(), QStringLiteral("正在恢复数据,请稍候..."),
                            [&](const TDm::ProgressFn& p) { return dm().restoreFrom(file, p); });
    } catch (const std::exception& e) {  // a refused file or a failed replacement
        message(unchanged + QString::fromUtf8(e.what()), QStringLiteral("警告"), Icon::Warning);
        return;
    }
    message(done ? kDone : QStringLiteral("恢复已取消,现有数据未被改动。"));
}

}  // namespace wy
