#include "app/TFrm_Login.h"

#include "db/TDm.h"

namespace wy {

WY_REGISTER_WINDOW(TFrm_Login);

TFrm_Login::TFrm_Login(Context& ctx)
    : Window(ctx, "TFrm_Login", QStringLiteral("系统登陆")),
      Edt_XTYH(add(ControlKind::Edit, "Edt_XTYH", QStringLiteral("用户工号:"))),
      Edt_YHMM(add(ControlKind::Edit, "Edt_YHMM", QStringLiteral("用户密码:"))),
      Btn_OK(add(ControlKind::Button, "Btn_OK", QStringLiteral("确定"))),
      Btn_Cancel(add(ControlKind::Button, "Btn_Cancel", QStringLiteral("取消"))),
      Lb_User(add(ControlKind::Label, "Lb_User", QStringLiteral("登陆用户:SYSTEM"))),
      Lb_Pwd(add(ControlKind::Label, "Lb_Pwd", QStringLiteral("默认密码: 空"))) {
    style.stayOnTop = true;
    style.fixedSize = true;
    Tag = -1;
    Edt_XTYH.setUpperCase(true);
    Edt_XTYH.setText(kAdministrator);
    Edt_YHMM.setUpperCase(true);
    Edt_YHMM.setPassword(true);
    on(Btn_OK, Event::Click, [this] { Btn_OKClick(); });
    on(Btn_Cancel, Event::Click, [this] { Btn_CancelClick(); });
}

void TFrm_Login::Btn_OKClick() {
    const QString number = Edt_XTYH.text().trimmed();
    const QString password = Edt_YHMM.text().trimmed();
    if (number.isEmpty()) {
        setFocus(Edt_XTYH);
    } else {
        try {
            // Number and password are bound, never pasted into the statement. Letter case does
            // not matter: the fields send upper case, the operator editor keeps what was typed.
            Row r = dm().first(
                "Select YHBH,YHXM,YHMM From Tb_SYS_GLY Where (UPPER(YHBH)=UPPER(?)) "
                "And (UPPER(COALESCE(YHMM,''))=UPPER(?))",
                {number, password});
            if (r.isNull(0)) {
                message(QStringLiteral("错误的用户工号和密码,禁止登陆！"));
            } else {
                LoginContext& lc = login();
                lc.OperatorNo = r.text("YHBH");
                lc.OperatorName = r.text("YHXM");
                lc.OperatorPassword = r.raw(2);
                lc.LoginDate = ctx().today();
                lc.LoginTime = ctx().timeNow();
                lc.ExitTime = lc.LoginTime;
                lc.AccessLevel = 0;
                Tag = 1;
            }
        } catch (const std::exception& e) {
            message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        }
    }
    Close(mrOk);
}

void TFrm_Login::Btn_CancelClick() {
    if (askOkCancel(QStringLiteral("确定要退出系统吗？"), QStringLiteral("退出提示"),
                    Icon::Warning))
        Close(mrCancel);
}

}  // namespace wy
