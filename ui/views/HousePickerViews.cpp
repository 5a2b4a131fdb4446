// The house locator and the range picker: the place row above the list of houses.
#include <QGroupBox>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"
#include "ui/views/PlaceRow.h"

namespace wy::ui {
namespace {

void buildLocator(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* top = new QHBoxLayout;
    auto* label = new QLabel(w.control("Cmb_XX").caption());
    top->addWidget(label);
    top->addWidget(widget(w, "Cmb_XX"));
    top->addSpacing(12);
    top->addLayout(placeRow(w), 1);
    v->addLayout(top);
    v->addWidget(widget(w, "Lv_Data"), 1);
}

void buildRangePicker(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* place = new QGroupBox(QStringLiteral("房源位置"));
    place->setLayout(placeRow(w));
    v->addWidget(place);
    v->addWidget(widget(w, "Lv_Data"), 1);
    v->addLayout(buttonRow(w, {"Btn_All", "Btn_Reset", "Btn_Query", "Btn_Save", "Btn_Close"}));
}

WY_REGISTER_VIEW(TFrm_9_FYList, buildLocator);
WY_REGISTER_VIEW(TFrm_15_1TC, buildRangePicker);

}  // namespace
}  // namespace wy::ui
