#include "ui/views/RecordEditorView.h"

#include <QFrame>
#include <QLabel>

#include "ui/Widgets.h"

namespace wy::ui {

void buildRecordEditorView(Window& w, QWidget* host, const QStringList& fields,
                           const QStringList& ownButtons, const QStringList& hidden) {
    auto* v = new QVBoxLayout(host);
    v->addWidget(titleWidget(w));
    auto* form = formRows(w, fields);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    v->addLayout(form);
    for (const QString& n : hidden) v->addWidget(widget(w, n));
    addEditorButtons(w, v, ownButtons);
    host->setMinimumWidth(360);
}

void addEditorButtons(Window& w, QVBoxLayout* v, const QStringList& ownButtons) {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    v->addWidget(line);
    auto* steps = buttonRow(w, {"Btn_First", "Btn_Front", "Btn_Back", "Btn_Last"});
    steps->addStretch(1);
    v->addLayout(steps);
    v->addLayout(buttonRow(w, ownButtons + QStringList{"Btn_ADD", "Btn_Save", "Btn_Close"}));
}

}  // namespace wy::ui
