// The operator editor and the rights window.
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "ui/ViewRegistry.h"
#include "ui/Widgets.h"
#include "ui/views/RecordEditorView.h"

namespace wy::ui {
namespace {

void buildOperatorEditor(Window& w, QWidget* host) {
    buildRecordEditorView(w, host,
                          {"Edt_YHBH", "Edt_YHXM", "Edt_DLMM", "Cmb_SZDW", "Cmb_SZBM", "Cmb_GZGW"},
                          {"Btn_QX"});
}

// A disabled list takes no clicks; its frame passes them on, so that the window can tell the
// person what to do first.
class DisabledClick : public QObject {
public:
    DisabledClick(Window& w, QWidget* list, QObject* parent)
        : QObject(parent), window_(w), list_(list) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress && !list_->isEnabled())
            window_.fire(list_->objectName(), Event::Click);
        return false;
    }

private:
    Window& window_;
    QWidget* list_;
};

void buildRights(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(widget(w, "Lb_Help"));
    auto* columns = new QHBoxLayout;

    auto* estates = new QGroupBox(QStringLiteral("小区"));
    auto* ev = new QVBoxLayout(estates);
    QWidget* list = widget(w, "Lv_Mod");
    list->setMinimumWidth(220);
    ev->addWidget(list);
    estates->installEventFilter(new DisabledClick(w, list, estates));
    columns->addWidget(estates);

    auto* right = new QVBoxLayout;
    right->addLayout(formRows(w, {"Cmb_YH"}));
    auto* modules = new QGroupBox(QStringLiteral("功能权限"));
    auto* grid = new QGridLayout(modules);
    const int rows = 10;
    for (int i = 0; i < 19; ++i) {
        const int col = (i / rows) * 3;
        grid->addWidget(widget(w, QString("chk%1").arg(i + 1)), i % rows, col);
        auto* level = static_cast<QComboBox*>(widget(w, QString("cmb%1").arg(i + 1)));
        level->setMinimumContentsLength(4);
        grid->addWidget(level, i % rows, col + 1);
    }
    grid->setColumnMinimumWidth(2, 16);
    right->addWidget(modules);
    right->addWidget(widget(w, "Lb_Level"));
    columns->addLayout(right, 1);
    v->addLayout(columns, 1);
    v->addLayout(buttonRow(w, {"Btn_Sure", "Btn_Close"}));
}

WY_REGISTER_VIEW(TFrm_1_GLY, buildOperatorEditor);
WY_REGISTER_VIEW(TFrm_14_Soft, buildRights);

}  // namespace
}  // namespace wy::ui
