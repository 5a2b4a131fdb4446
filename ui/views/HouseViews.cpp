// The house editor and the house and owner lists.
#include <QFormLayout>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"
#include "ui/views/PlaceRow.h"
#include "ui/views/RecordEditorView.h"

namespace wy::ui {
namespace {

// One column of a two-column card; fields wide enough for a house number or an address.
QFormLayout* column(Window& w, const QStringList& fields) {
    auto* form = formRows(w, fields);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int r = 0; r < form->rowCount(); ++r)
        if (QLayoutItem* item = form->itemAt(r, QFormLayout::FieldRole))
            if (item->widget()) item->widget()->setMinimumWidth(200);
    return form;
}

// Labels of the fields a house needs are red, those of its two areas maroon.
void colourLabels(QFormLayout* form, QWidget* host, const QStringList& fields,
                  const QString& colour) {
    for (const QString& f : fields)
        if (auto* field = host->findChild<QWidget*>(f))
            if (QWidget* label = form->labelForField(field))
                label->setStyleSheet("color:" + colour + ";");
}

// Controls the window keeps hidden still get their widget.
void hiddenWidgets(Window& w, QVBoxLayout* v, const QStringList& names) {
    auto* row = new QHBoxLayout;
    for (const QString& n : names) row->addWidget(widget(w, n));
    v->addLayout(row);
}

void buildHouseEditor(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleWidget(w));
    v->addWidget(widget(w, "Lb_Tip1"));
    auto* cols = new QHBoxLayout;
    auto* left = column(w, {"Cmb_XQMC", "Cmb_LDMC", "Cmb_DYMC", "Cmb_LCMC", "Edt_FYBH", "Edt_FYMC",
                            "Edt_ZJM", "Edt_JZMJ", "Edt_SYMJ"});
    auto* right = column(w, {"Cmb_FYXZ", "Cmb_FYZT", "Cmb_FYLB", "Cmb_FYHX", "Cmb_FYCX", "Cmb_FYJG",
                             "Cmb_ZSBZ", "Cmb_YSES", "Edt_BZ"});
    cols->addLayout(left, 1);
    cols->addSpacing(16);
    cols->addLayout(right, 1);
    v->addLayout(cols);
    colourLabels(left, host, {"Cmb_XQMC", "Cmb_LDMC", "Edt_FYBH", "Edt_FYMC"}, "red");
    colourLabels(left, host, {"Edt_JZMJ", "Edt_SYMJ"}, "maroon");
    auto* tip = static_cast<QLabel*>(widget(w, "Lb_Tip2"));
    tip->setStyleSheet("color:#1d4f91;");
    v->addWidget(tip);
    hiddenWidgets(w, v, {"Edt_SYSBH", "Edt_FYDJ", "Edt_FYZJ", "Edt_THXH", "Dat_JGRQ"});
    addEditorButtons(w, v);
}

void buildOwnerEditor(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleWidget(w));
    auto* cols = new QHBoxLayout;
    auto* left = column(w, {"Edt_XQMC", "Edt_LDMC", "Edt_FYBH", "Edt_YZBH", "Edt_YZMC", "Cmb_XB",
                            "Cmb_MZ", "Edt_SFZH", "Dat_CSRQ", "Cmb_KHLB", "Cmb_FYZT", "Cmb_JG"});
    auto* right = column(w, {"Edt_RZRS", "Edt_YB", "Edt_SJH", "Edt_DH", "Edt_ZY", "Edt_DPMC",
                             "Edt_JYR", "Edt_HTBH", "Dat_RZRQ", "Dat_ZZRQ", "Edt_DZ"});
    cols->addLayout(left, 1);
    cols->addSpacing(16);
    cols->addLayout(right, 1);
    v->addLayout(cols);
    colourLabels(left, host, {"Edt_YZBH", "Edt_YZMC"}, "red");
    colourLabels(right, host, {"Edt_RZRS"}, "red");
    hiddenWidgets(w, v, {"Lb_FH", "Cmb_SFBZ"});
    addEditorButtons(w, v);
}

void buildHouseList(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addLayout(placeRow(w));
    v->addWidget(widget(w, "Lv_Data"), 1);
    v->addLayout(buttonRow(
        w, {"Btn_Refresh", "Btn_Add", "Btn_Modify", "Btn_Delete", "Btn_Excel", "Btn_Close"}));
}

void buildOwnerList(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* top = placeRow(w);
    top->addSpacing(12);
    top->addWidget(new QLabel(w.control("Cmb_XX").caption()));
    top->addWidget(widget(w, "Cmb_XX"), 1);
    v->addLayout(top);
    v->addWidget(widget(w, "Lv_Data"), 1);
    v->addLayout(buttonRow(w, {"Btn_Refresh", "Btn_Edit", "Btn_Delete", "Btn_Excel", "Btn_Close"}));
}

WY_REGISTER_VIEW(TFrm_2_FYBJ, buildHouseEditor);
WY_REGISTER_VIEW(TFrm_2_BJKH, buildOwnerEditor);
WY_REGISTER_VIEW(TFrm_BJFY, buildHouseList);
WY_REGISTER_VIEW(TFrm_BJKH, buildOwnerList);

}  // namespace
}  // namespace wy::ui
