// The estate and building editors: the record card with labels beside the fields, the notes of
// an estate as memos, the hidden columns out of sight, navigation and actions along the bottom.
#include <QFrame>
#include <QGridLayout>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"
#include "ui/views/RecordEditorView.h"

namespace wy::ui {
namespace {

// Columns the editor writes without showing them; the binder keeps them hidden.
void addHidden(Window& w, QBoxLayout* into, const QStringList& names) {
    auto* row = new QHBoxLayout;
    for (const QString& n : names) row->addWidget(widget(w, n));
    into->addLayout(row);
}

QLabel* fieldLabel(Window& w, const QString& name) {
    auto* l = new QLabel(w.control(name).caption());
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

void buildEstate(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleWidget(w));

    auto* top = new QGridLayout;
    const char* pairs[][2] = {
        {"Edt_XQBH", "Edt_XQMC"}, {"Cmb_SZDQ", "Edt_SZDD"}, {"Edt_SJMJ", nullptr}};
    int row = 0;
    for (const auto& p : pairs) {
        for (int i = 0; i < 2 && p[i]; ++i) {
            top->addWidget(fieldLabel(w, p[i]), row, i * 2);
            top->addWidget(widget(w, p[i]), row, i * 2 + 1);
        }
        ++row;
    }
    top->setColumnStretch(1, 1);
    top->setColumnStretch(3, 2);
    v->addLayout(top);

    auto* notes = new QGridLayout;
    const QStringList memos = {"Me_JYHJ", "Me_GWHJ", "Me_CWSS", "Me_KLSS", "Me_JTHJ",
                               "Me_QDNR", "Me_JDJL", "Me_XQTS", "Me_XGWJ"};
    for (int i = 0; i < memos.size(); ++i) {
        QLabel* l = fieldLabel(w, memos[i]);
        l->setAlignment(Qt::AlignRight | Qt::AlignTop);
        notes->addWidget(l, i / 3, (i % 3) * 2);
        QWidget* memo = widget(w, memos[i]);
        memo->setFixedHeight(84);
        notes->addWidget(memo, i / 3, (i % 3) * 2 + 1);
        notes->setColumnStretch((i % 3) * 2 + 1, 1);
    }
    v->addSpacing(6);
    v->addLayout(notes, 1);
    addHidden(w, v, {"Dat_JGRQ", "Dat_ZSRQ", "Dat_RZRQ"});
    addEditorButtons(w, v);
    host->setMinimumWidth(880);
}

void buildBuilding(Window& w, QWidget* host) {
    buildRecordEditorView(w, host, {"Cmb_XQMC", "Edt_LDMC", "Edt_LDCS", "Edt_LDDYS", "Cmb_FYLB"},
                          {"Button1"}, {"Edt_LDBH", "Edt_LDXH", "Edt_ZHS", "Dat_JGRQ", "Dat_RZRQ"});
    host->setMinimumWidth(420);
}

WY_REGISTER_VIEW(TFrm_1_AREA, buildEstate);
WY_REGISTER_VIEW(TFrm_1_XQLD, buildBuilding);

}  // namespace
}  // namespace wy::ui
