// The lookup-list windows: the page tabs choose the list, the one grid below edits it.
#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

void buildParam(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->setSpacing(0);
    auto* tabs = static_cast<QTabWidget*>(widget(w, "Pg_Control"));
    // Only the tab bar shows; the pages themselves are empty.
    tabs->setDocumentMode(true);
    tabs->setUsesScrollButtons(false);
    tabs->setMaximumHeight(tabs->tabBar()->sizeHint().height());
    tabs->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    v->addWidget(tabs);
    auto* grid = static_cast<QTableView*>(widget(w, "StrGrd_Param"));
    grid->horizontalHeader()->setVisible(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setAlternatingRowColors(false);
    grid->setTabKeyNavigation(true);
    grid->setMinimumHeight(18 * 24 + 4);
    v->addWidget(grid, 1);
    v->addSpacing(8);
    if (w.find("btn112")) {
        v->addWidget(widget(w, "btn112"));
        v->addSpacing(4);
    }
    v->addLayout(buttonRow(w, {"Btn_Save", "Btn_Close"}));
}

WY_REGISTER_VIEW(TFrm_1_Param, buildParam);
WY_REGISTER_VIEW(TFrm_1_Param2, buildParam);
WY_REGISTER_VIEW(TFrm_1_Param3, buildParam);
WY_REGISTER_VIEW(TFrm_1_Param4, buildParam);
WY_REGISTER_VIEW(TFrm_1_Param5, buildParam);
WY_REGISTER_VIEW(TFrm_1_Param6, buildParam);
WY_REGISTER_VIEW(TFrm_1_Param7, buildParam);

}  // namespace
}  // namespace wy::ui
