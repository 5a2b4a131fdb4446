// The house-manager card and the manager's assignment window.
#include <QGroupBox>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"
#include "ui/views/PlaceRow.h"

namespace wy::ui {
namespace {

void buildManager(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* title = static_cast<QLabel*>(widget(w, "Lb_Title"));
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    v->addWidget(title);
    v->addWidget(widget(w, "Lb_Note"));
    auto* card = new QGroupBox;
    auto* cardRows = new QVBoxLayout(card);
    cardRows->addLayout(
        formRows(w, {"Edt_FGBH", "Edt_XM", "Cmb_XB", "Cmb_BMMC", "Cmb_DWMC", "Cmb_GWMC"}));
    auto* range = new QHBoxLayout;
    range->addWidget(widget(w, "Btn_FGFW"));
    range->addStretch(1);
    cardRows->addLayout(range);
    cardRows->addWidget(widget(w, "Lb_Hint"));
    v->addWidget(card);
    v->addLayout(buttonRow(w, {"Btn_First", "Btn_Front", "Btn_Back", "Btn_Last"}));
    v->addLayout(buttonRow(w, {"Btn_ADD", "Btn_Save", "Btn_Close"}));
    host->setMinimumWidth(380);
}

void buildAssignment(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* manager = new QHBoxLayout;
    for (const char* name : {"Edt_FGBH", "Edt_FGMC"}) {
        Control& c = w.control(QString::fromLatin1(name));
        manager->addWidget(new QLabel(c.caption()));
        manager->addWidget(makeWidget(c), 1);
    }
    manager->addStretch(1);
    v->addLayout(manager);
    auto* place = new QGroupBox(QStringLiteral("房源位置"));
    place->setLayout(placeRow(w));
    v->addWidget(place);
    v->addWidget(widget(w, "Lv_Data"), 1);
    v->addLayout(buttonRow(w, {"Btn_All", "Btn_Reset", "Btn_Query", "Btn_Save", "Btn_Close"}));
}

WY_REGISTER_VIEW(TFrm_2_FGY, buildManager);
WY_REGISTER_VIEW(TFrm_4_FGAZ, buildAssignment);

}  // namespace
}  // namespace wy::ui
