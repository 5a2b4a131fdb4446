#include "ui/views/RecordEditorView.h"

#include <QFrame>
#include <QLabel>

#include "ui/Widgets.h"

namespace wy::ui {

void buildRecordEditorView(Window& w, QWidget* host, const QStringList& fields,
                           const QStringList& ownButtons, const QStringList& hidden) {
    auto* v = new QVBoxLayout(host);
    auto* title = static_cast<QLabel*>(widget(w, "Lb_Title"));
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    v->addWidget(title);
    auto* form = formRows(w, fields);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    v->addLayout(form);
    for (const QString& n : hidden) v->addWidget(widget(w, n));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    v->addWidget(line);
    auto* steps = buttonRow(w, {"Btn_First", "Btn_Front", "Btn_Back", "Btn_Last"});
    steps->addStretch(1);
    v->addLayout(steps);
    v->addLayout(buttonRow(w, ownButtons + QStringList{"Btn_ADD", "Btn_Save", "Btn_Close"}));
    host->setMinimumWidth(360);
}

}  // namespace wy::ui
