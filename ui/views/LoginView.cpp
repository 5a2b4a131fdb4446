// The login dialog, the change-password dialog and the screen lock.
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

void buildLogin(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleLabel(QStringLiteral("Morvek物业管理软件")));
    v->addLayout(formRows(w, {"Edt_XTYH", "Edt_YHMM"}));
    auto* hints = new QHBoxLayout;
    hints->addWidget(widget(w, "Lb_User"));
    hints->addWidget(widget(w, "Lb_Pwd"));
    v->addLayout(hints);
    v->addLayout(buttonRow(w, {"Btn_OK", "Btn_Cancel"}));
    host->findChild<QWidget*>("Btn_OK")->setProperty("default", true);
    host->setMinimumWidth(340);
}

void buildChangePwd(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addLayout(formRows(w, {"LbeGh", "LbeName", "LbeOldPwd", "LbeNewPwd", "LbeRepeat"}));
    v->addWidget(widget(w, "Lb_Tip"));
    v->addLayout(buttonRow(w, {"BtnSure", "BtnReturn"}));
    host->setMinimumWidth(300);
}

void buildLock(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(widget(w, "Lb_Prompt"));
    v->addWidget(widget(w, "edtPassword"));
    host->setMinimumWidth(260);
}

WY_REGISTER_VIEW(TFrm_Login, buildLogin);
WY_REGISTER_VIEW(TFrmChangePwd, buildChangePwd);
WY_REGISTER_VIEW(TFrm_13_TCSK, buildLock);

}  // namespace
}  // namespace wy::ui
