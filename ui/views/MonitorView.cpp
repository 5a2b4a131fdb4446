// The system monitor: the entries on the left, the result grid beside them, buttons and the
// status bar below.
#include <QHeaderView>
#include <QSplitter>
#include <QTableView>
#include <QTreeWidget>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

void buildMonitor(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* split = new QSplitter(Qt::Horizontal);
    auto* tree = widget(w, "Tr_LEFT");
    tree->setMinimumWidth(200);
    split->addWidget(tree);
    auto* grid = static_cast<QTableView*>(widget(w, "StrGrd_LOG"));
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->horizontalHeader()->setStretchLastSection(true);
    split->addWidget(grid);
    split->setStretchFactor(1, 1);
    v->addWidget(split, 1);
    v->addLayout(buttonRow(w, {"Btn_Refresh", "Btn_Clear", "Btn_Close"}));
    v->addWidget(widget(w, "Stu_LOG"));
}

WY_REGISTER_VIEW(TFrm_10_LOG, buildMonitor);

}  // namespace
}  // namespace wy::ui
