// The house wizard: the building chosen above, the five steps as tabs, the commands below.
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

QWidget* gridPage(Window& w, const QString& grid) {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(widget(w, grid), 1);
    return page;
}

QWidget* generationPage(Window& w) {
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(4, 4, 4, 4);
    auto* rules = new QGroupBox(QStringLiteral("房号"));
    auto* form = formRows(w, {"Cmb_FHGZ", "Edt_FHQZ"});
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    rules->setLayout(form);
    v->addWidget(rules);
    v->addWidget(widget(w, "Me_Result"), 1);
    return page;
}

void buildHouseWizard(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    auto* place = new QHBoxLayout;
    for (const char* name : {"Cmb_XQMC", "Cmb_XQLD"}) {
        Control& c = w.control(QString::fromLatin1(name));
        place->addWidget(new QLabel(c.caption()));
        place->addWidget(makeWidget(c), 1);
    }
    place->addSpacing(24);
    place->addWidget(widget(w, "Btn_AddLD"));
    place->addStretch(1);
    v->addLayout(place);

    auto* tabs = new QTabWidget;
    tabs->setObjectName("Pg_Control");
    const QStringList captions = w.control("Pg_Control").items();
    const QList<QWidget*> pages = {gridPage(w, "StrGrd_LCSX"), gridPage(w, "StrGrd_DYTH"),
                                   gridPage(w, "StrGrd_THXX"), generationPage(w),
                                   gridPage(w, "StrGrd_ZH")};
    for (int i = 0; i < pages.size(); ++i) tabs->addTab(pages[i], captions.value(i));
    v->addWidget(tabs, 1);
    v->addLayout(buttonRow(w, {"Btn_Model", "Btn_Paste", "Btn_AddFY", "Btn_Edit", "Btn_Build",
                               "Btn_Save", "Btn_Close"}));
    host->resize(1040, 700);
}

WY_REGISTER_VIEW(TFrm_1_BuildHouse, buildHouseWizard);

}  // namespace
}  // namespace wy::ui
