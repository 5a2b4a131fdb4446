// The main window: menu, tool bar, banner, wizard pages, report list and status bar.
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

#include "app/TFrm_Main.h"
#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"

namespace wy::ui {
namespace {

QWidget* banner() {
    auto* l = new QLabel(QStringLiteral("Morvek物业管理软件"));
    l->setObjectName("Image1");
    l->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    l->setMinimumHeight(64);
    l->setStyleSheet(
        "QLabel{color:white;font-size:26px;font-weight:bold;padding-left:24px;"
        "background:qlineargradient(x1:0,y1:0,x2:1,y2:0,stop:0 #1d4f91,stop:1 #5b9bd5);}");
    return l;
}

QWidget* wizardPage(Window& w, int page) {
    auto* pageWidget = new QWidget;
    auto* row = new QHBoxLayout(pageWidget);
    row->setContentsMargins(16, 16, 16, 16);
    bool first = true;
    QList<Control*> buttons;
    for (Control* c : w.controls())
        if (c->kind() == ControlKind::Button && c->group() == QString("page%1").arg(page))
            buttons << c;
    for (Control* c : buttons) {
        auto* b = new QToolButton;
        b->setObjectName(c->name());
        b->setText(c->caption());
        b->setMinimumSize(104, 56);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setStyleSheet("QToolButton{font-size:14px;}");
        if (!c->visible()) {
            b->setVisible(false);
            row->addWidget(b);
            continue;
        }
        if (!first) {
            // The arrows that show the order of work.
            auto* arrow = new QLabel(QStringLiteral("➜"));
            arrow->setStyleSheet("color:#1d4f91;font-size:22px;");
            row->addWidget(arrow);
        }
        first = false;
        row->addWidget(b);
    }
    row->addStretch(1);
    return pageWidget;
}

void buildMainView(Window& w, QWidget* host) {
    auto* main = qobject_cast<QMainWindow*>(host);
    // Menu: the groups in order, each with its items.
    QMenuBar* bar = main->menuBar();
    for (const QString& group : TFrm_Main::menuGroups()) {
        Control& g = w.control(group);
        QMenu* menu = bar->addMenu(g.caption());
        menu->menuAction()->setObjectName(group);
        for (Control* c : w.controls()) {
            if (c->kind() != ControlKind::MenuItem || c->group() != group) continue;
            QAction* a = menu->addAction(c->caption());
            a->setObjectName(c->name());
            if (c->name() == "Mn_HelpFile") a->setShortcut(QKeySequence(Qt::Key_F1));
        }
    }
    // Tool bar.
    QToolBar* tools = main->addToolBar(QStringLiteral("工具栏"));
    tools->setMovable(false);
    for (Control* c : w.controls()) {
        if (c->group() != "toolbar") continue;
        auto* b = new QToolButton;
        b->setObjectName(c->name());
        b->setText(c->caption());
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        tools->addWidget(b);
    }
    tools->addSeparator();
    auto* exit = new QToolButton;
    exit->setObjectName("Btn_Exit");
    tools->addWidget(exit);

    auto* centre = new QWidget;
    auto* v = new QVBoxLayout(centre);
    v->setContentsMargins(6, 0, 6, 0);
    v->addWidget(banner());
    auto* tabs = new QTabWidget;
    tabs->setObjectName("pgMain");
    Control& pages = w.control("pgMain");
    for (int i = 0; i < pages.items().size(); ++i) tabs->addTab(wizardPage(w, i), pages.items()[i]);
    tabs->setMaximumHeight(140);
    v->addWidget(tabs);
    v->addWidget(makeWidget(w.control("Panel2")));
    v->addWidget(makeWidget(w.control("Label1")));
    auto* grid = makeWidget(w.control("StrGrd_Report"));
    static_cast<QTableView*>(grid)->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->addWidget(grid, 1);
    main->setCentralWidget(centre);
    auto* status = new QStatusBar;
    status->setObjectName("Stu_Main");
    main->setStatusBar(status);
    main->setStatusTip(QStringLiteral("欢迎使用Morvek物业管理软件"));
    main->resize(1100, 720);
}

WY_REGISTER_VIEW(TFrm_Main, buildMainView);

}  // namespace
}  // namespace wy::ui
