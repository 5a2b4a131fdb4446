#include "app/TFrmChangePwd.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrmChangePwd);

TFrmChangePwd::TFrmChangePwd(Context& ctx)
    : Window(ctx, "TFrmChangePwd", QStringLiteral("更改密码")),
      LbeGh(add(ControlKind::Edit, "LbeGh", QStringLiteral("工  号:"))),
      LbeName(add(ControlKind::Edit, "LbeName", QStringLiteral("姓  名:"))),
      LbeOldPwd(add(ControlKind::Edit, "LbeOldPwd", QStringLiteral("密  码:"))),
      LbeNewPwd(add(ControlKind::Edit, "LbeNewPwd", QStringLiteral("新密码:"))),
      LbeRepeat(add(ControlKind::Edit, "LbeRepeat", QStringLiteral("确  认:"))),
      BtnSure(add(ControlKind::Button, "BtnSure", QStringLiteral("确 定"))),
      BtnReturn(add(ControlKind::Button, "BtnReturn", QStringLiteral("返 回"))),
      Lb_Tip(add(ControlKind::Label, "Lb_Tip", QStringLiteral("输入原密码后按Enter回车"))) {
    style.fixedSize = true;
    LbeGh.setEnabled(false);
    LbeName.setEnabled(false);
    for (Control* c : {&LbeOldPwd, &LbeNewPwd, &LbeRepeat}) {
        c->setMaxLength(10);
        c->setUpperCase(true);
        c->setPassword(true);
    }
    LbeNewPwd.setEnabled(false);
    LbeRepeat.setEnabled(false);
    on(LbeOldPwd, Event::Enter, [this] { LbeOldPwdEnter(); });
    on(LbeNewPwd, Event::Enter, [this] { setFocus(LbeRepeat); });
    on(LbeRepeat, Event::Enter, [this] { setFocus(BtnSure); });
    on(BtnSure, Event::Click, [this] { BtnSureClick(); });
    on(BtnReturn, Event::Click, [this] { Close(); });
}

QString TFrmChangePwd::storedPassword() {
    return dm()
        .first("Select YHXM,YHMM From Tb_SYS_GLY Where YHBH=?", {LbeGh.text().trimmed()})
        .text("YHMM");
}

void TFrmChangePwd::FormShow() {
    LbeGh.setText(login().OperatorNo.trimmed());
    LbeName.setText(
        dm().first("Select YHXM,YHMM From Tb_SYS_GLY Where YHBH=?", {LbeGh.text().trimmed()})
            .text("YHXM"));
    setFocus(LbeOldPwd);
}

void TFrmChangePwd::LbeOldPwdEnter() {
    // Passwords are compared as the login compares them: letter case does not matter.
    const bool right =
        LbeOldPwd.text().trimmed().compare(storedPassword(), Qt::CaseInsensitive) == 0;
    LbeNewPwd.setEnabled(right);
    LbeRepeat.setEnabled(right);
    if (right) setFocus(LbeNewPwd);
}

void TFrmChangePwd::BtnSureClick() {
    if (!LbeNewPwd.enabled()) return;
    if (LbeNewPwd.text().trimmed() != LbeRepeat.text().trimmed()) {
        message(QStringLiteral("两次输入的密码不一样,请重新输入！"), QStringLiteral("提示"),
                Icon::Warning);
        setFocus(LbeNewPwd);
        return;
    }
    try {
        Transaction t(dm());
        dm().exec("Update Tb_SYS_GLY Set YHMM=? Where YHBH=?",
                  {LbeNewPwd.text().trimmed(), LbeGh.text().trimmed()});
        t.commit();
    } catch (const std::exception& e) {
        message(QStringLiteral("错误:") + "\n\r" + QString::fromStdString(e.what()),
                QStringLiteral("提示"), Icon::Error);
        return;
    }
    message(QStringLiteral("更改密码成功！"), QStringLiteral("提示"), Icon::Warning);
    LbeNewPwd.setText(QString());
    LbeRepeat.setText(QString());
    LbeNewPwd.setEnabled(false);
    LbeRepeat.setEnabled(false);
    setFocus(LbeOldPwd);
}

}  // namespace wy
