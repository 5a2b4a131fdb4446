// The receipt format dialog, the prepayment-offset condition dialog and the save-report dialog.
#include <QGroupBox>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

void buildPrintFormat(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* box = new QGroupBox(QStringLiteral("收据格式"), host);
    box->setObjectName("Gb_Format");
    auto* radios = new QVBoxLayout(box);
    for (const char* rb : {"rb1", "rb2", "rb3", "rb4"}) radios->addWidget(widget(w, rb));
    v->addWidget(box);
    v->addLayout(buttonRow(w, {"btnOk"}));
    host->findChild<QWidget*>("btnOk")->setProperty("default", true);
}

void buildOffsetCondition(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleWidget(w));
    auto* dates = new QHBoxLayout;
    dates->addWidget(new QLabel(w.control("Dat_From").caption()));
    dates->addWidget(widget(w, "Dat_From"));
    dates->addWidget(new QLabel(w.control("Dat_To").caption()));
    dates->addWidget(widget(w, "Dat_To"));
    dates->addStretch(1);
    v->addLayout(dates);
    auto* cols = new QHBoxLayout;
    for (const QStringList& names :
         {QStringList{"Cmb_XQMC", "Cmb_LDMC", "Cmb_DYMC", "Cmb_LCMC", "Cmb_XX"},
          QStringList{"Edt_FH", "Edt_YZ", "Cmb_SFZX", "Cmb_FXLB", "Cmb_SFY"}}) {
        QFormLayout* form = formRows(w, names);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        cols->addLayout(form, 1);
        cols->addSpacing(12);
    }
    v->addLayout(cols);
    v->addLayout(buttonRow(w, {"Btn_OK", "Btn_Cancel"}));
}

void buildSaveReport(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleWidget(w));
    v->addLayout(formRows(w, {"Edt_BT", "Edt_NR", "Cmb_Share", "Cmb_LB"}));
    v->addLayout(buttonRow(w, {"Btn_Next", "Btn_Cancel"}));
}

WY_REGISTER_VIEW(TfrmPrint, buildPrintFormat);
WY_REGISTER_VIEW(TFrm_9_CXCD, buildOffsetCondition);
WY_REGISTER_VIEW(TFrm_15_BB, buildSaveReport);

}  // namespace
}  // namespace wy::ui
