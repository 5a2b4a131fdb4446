// The backup window: the choice of backup or restore, the file, and the command.
#include <QGroupBox>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

void buildBackup(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(widget(w, "Lb_Title"));
    auto* choice = new QGroupBox;
    auto* radios = new QHBoxLayout(choice);
    radios->addWidget(widget(w, "rb_bf"));
    radios->addWidget(widget(w, "rb_hf"));
    radios->addStretch(1);
    v->addWidget(choice);
    auto* path = new QHBoxLayout;
    path->addWidget(widget(w, "lbPath"));
    path->addWidget(widget(w, "edtPath"), 1);
    path->addWidget(widget(w, "btnBrowse"));
    v->addLayout(path);
    v->addStretch(1);
    v->addLayout(buttonRow(w, {"Btn_Save", "Btn_Close"}));
    auto* title = host->findChild<QLabel*>("Lb_Title");
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    host->findChild<QLabel*>("lbPath")->setWordWrap(false);
}

WY_REGISTER_VIEW(TFrm_1_bak, buildBackup);

}  // namespace
}  // namespace wy::ui
