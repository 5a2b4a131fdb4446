#include "ui/Widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTreeView>
#include <QTreeWidget>

namespace wy::ui {

QWidget* makeWidget(Control& c, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind()) {
        case ControlKind::Button:
            w = new QPushButton(c.caption(), parent);
            break;
        case ControlKind::Edit:
            w = new QLineEdit(parent);
            break;
        case ControlKind::Memo: {
            auto* m = new QPlainTextEdit(parent);
            m->setMinimumHeight(60);
            w = m;
            break;
        }
        case ControlKind::Combo: {
            auto* cb = new QComboBox(parent);
            cb->setMinimumContentsLength(12);
            cb->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            w = cb;
            break;
        }
        case ControlKind::Check:
            w = new QCheckBox(c.caption(), parent);
            break;
        case ControlKind::Radio:
            w = new QRadioButton(c.caption(), parent);
            break;
        case ControlKind::Label: {
            auto* l = new QLabel(c.caption(), parent);
            l->setWordWrap(true);
            w = l;
            break;
        }
        case ControlKind::Grid: {
            auto* t = new QTableView(parent);
            t->verticalHeader()->setVisible(false);
            t->verticalHeader()->setDefaultSectionSize(24);
            t->setAlternatingRowColors(true);
            t->setSelectionMode(QAbstractItemView::SingleSelection);
            t->horizontalHeader()->setHighlightSections(false);
            w = t;
            break;
        }
        case ControlKind::ListView: {
            auto* t = new QTreeView(parent);
            t->setRootIsDecorated(false);
            t->setUniformRowHeights(true);
            t->setAlternatingRowColors(true);
            t->setSelectionBehavior(QAbstractItemView::SelectRows);
            t->setSelectionMode(QAbstractItemView::SingleSelection);
            t->header()->setSectionsClickable(true);
            t->header()->setStretchLastSection(true);
            w = t;
            break;
        }
        case ControlKind::Tree: {
            auto* t = new QTreeWidget(parent);
            t->setHeaderHidden(true);
            w = t;
            break;
        }
        case ControlKind::Pages: {
            auto* tabs = new QTabWidget(parent);
            for (const QString& caption : c.items()) tabs->addTab(new QWidget(tabs), caption);
            w = tabs;
            break;
        }
        case ControlKind::Status:
            w = new QStatusBar(parent);
            break;
        case ControlKind::Date: {
            auto* d = new QDateEdit(parent);
            d->setCalendarPopup(true);
            d->setDisplayFormat("yyyy-MM-dd");
            w = d;
            break;
        }
        case ControlKind::MenuItem:
            return nullptr;
    }
    w->setObjectName(c.name());
    return w;
}

QWidget* widget(Window& w, const QString& name, QWidget* parent) {
    return makeWidget(w.control(name), parent);
}

QHBoxLayout* buttonRow(Window& w, const QStringList& names) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const QString& n : names) row->addWidget(widget(w, n));
    return row;
}

QFormLayout* formRows(Window& w, const QStringList& names) {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const QString& n : names) {
        Control& c = w.control(n);
        QWidget* field = makeWidget(c);
        if (c.kind() == ControlKind::Check || c.kind() == ControlKind::Radio)
            form->addRow(QString(), field);
        else
            form->addRow(c.caption(), field);
    }
    return form;
}

namespace {
QLabel* styleTitle(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
}  // namespace

QWidget* titleLabel(const QString& text, QWidget* parent) {
    return styleTitle(new QLabel(text, parent));
}

QWidget* titleWidget(Window& w, const QString& name) {
    return styleTitle(static_cast<QLabel*>(widget(w, name)));
}

QWidget* textLabel(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

void buildAutoView(Window& w, QWidget* host) {
    auto* v = new QVBoxLayout(host);
    QStringList fields, buttons, radios;
    QList<Control*> big, labels, status, menus;
    for (Control* c : w.controls()) {
        switch (c->kind()) {
            case ControlKind::Edit:
            case ControlKind::Combo:
            case ControlKind::Date:
            case ControlKind::Check:
            case ControlKind::Memo:
                fields << c->name();
                break;
            case ControlKind::Radio:
                radios << c->name();
                break;
            case ControlKind::Button:
                buttons << c->name();
                break;
            case ControlKind::Label:
                labels << c;
                break;
            case ControlKind::Grid:
            case ControlKind::ListView:
            case ControlKind::Tree:
            case ControlKind::Pages:
                big << c;
                break;
            case ControlKind::Status:
                status << c;
                break;
            case ControlKind::MenuItem:
                menus << c;
                break;
        }
    }
    for (Control* l : labels) {
        v->addWidget(l->name() == "Lb_Title" ? titleWidget(w) : makeWidget(*l));
    }
    if (!radios.isEmpty()) {
        auto* box = new QHBoxLayout;
        for (const QString& r : radios) box->addWidget(widget(w, r));
        box->addStretch(1);
        v->addLayout(box);
    }
    if (!fields.isEmpty()) {
        // Many fields go into two columns, the way a record card is laid out.
        if (fields.size() > 8) {
            auto* cols = new QHBoxLayout;
            int half = int(fields.size() + 1) / 2;
            cols->addLayout(formRows(w, fields.mid(0, half)));
            cols->addSpacing(16);
            cols->addLayout(formRows(w, fields.mid(half)));
            v->addLayout(cols);
        } else {
            v->addLayout(formRows(w, fields));
        }
    }
    for (Control* c : big) v->addWidget(makeWidget(*c), 1);
    if (big.isEmpty()) v->addStretch(1);
    if (!buttons.isEmpty()) v->addLayout(buttonRow(w, buttons));
    for (Control* s : status) v->addWidget(makeWidget(*s));
    for (Control* m : menus) {
        auto* a = new QAction(m->caption(), host);
        a->setObjectName(m->name());
        host->addAction(a);
    }
}

}  // namespace wy::ui
