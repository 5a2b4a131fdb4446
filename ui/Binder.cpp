#include "ui/Binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include "ui/ControlModel.h"

namespace wy::ui {

namespace {
// Column widths are given in the old forms' pixels, laid out for a smaller font.
constexpr double kWidthScale = 1.25;
}  // namespace

bool widgetFits(ControlKind kind, QObject* o) {
    switch (kind) {
        case ControlKind::Button:
            return qobject_cast<QAbstractButton*>(o) && !qobject_cast<QCheckBox*>(o) &&
                   !qobject_cast<QRadioButton*>(o);
        case ControlKind::Edit:
            return qobject_cast<QLineEdit*>(o);
        case ControlKind::Memo:
            return qobject_cast<QPlainTextEdit*>(o) || qobject_cast<QTextEdit*>(o);
        case ControlKind::Combo:
            return qobject_cast<QComboBox*>(o);
        case ControlKind::Check:
            return qobject_cast<QCheckBox*>(o);
        case ControlKind::Radio:
            return qobject_cast<QRadioButton*>(o);
        case ControlKind::Label:
            return qobject_cast<QLabel*>(o);
        case ControlKind::Grid:
            return qobject_cast<QTableView*>(o);
        case ControlKind::ListView:
            return (qobject_cast<QTreeView*>(o) && !qobject_cast<QTreeWidget*>(o)) ||
                   qobject_cast<QTableView*>(o);
        case ControlKind::Tree:
            return qobject_cast<QTreeWidget*>(o);
        case ControlKind::Pages:
            return qobject_cast<QTabWidget*>(o);
        case ControlKind::Status:
            return qobject_cast<QStatusBar*>(o);
        case ControlKind::Date:
            return qobject_cast<QDateEdit*>(o);
        case ControlKind::MenuItem:
            return qobject_cast<QAction*>(o);
    }
    return false;
}

QObject* findBound(QWidget* root, const QString& name) {
    if (QWidget* w = root->findChild<QWidget*>(name)) return w;
    if (QAction* a = root->findChild<QAction*>(name)) return a;
    return nullptr;
}

Binder::Binder(Window& window, QWidget* root) : QObject(root), window_(window), root_(root) {
    for (Control* c : window.controls()) {
        QObject* target = findBound(root, c->name());
        if (!target || !widgetFits(c->kind(), target)) continue;
        bind(*c, target);
    }
    connect(&window, &Window::focusRequested, this, [this](Control* c) {
        // After the current event, so that a dialog shown since can take the focus too.
        QTimer::singleShot(0, this, [this, c] {
            for (auto& [ctl, obj] : bound_)
                if (ctl == c && obj)
                    if (auto* w = qobject_cast<QWidget*>(obj.data())) w->setFocus();
        });
    });
    syncAll();
}

void Binder::syncAll() {
    for (auto& [c, obj] : bound_)
        if (obj) sync(*c, obj);
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
        for (auto& [c, obj] : bound_)
            if (obj == watched)
                window_.ApplicationHint(event->type() == QEvent::Enter ? c->hint() : QString());
    }
    return false;
}

void Binder::bind(Control& c, QObject* target) {
    bound_.emplace_back(&c, target);
    QPointer<QObject> guard(target);
    connect(&c, &Control::changed, this, [this, &c, guard] {
        if (guard) sync(c, guard);
    });
    if (auto* w = qobject_cast<QWidget*>(target)) w->installEventFilter(this);
    Window* win = &window_;
    const QString name = c.name();
    auto fire = [this, win, name](Event e, EventArgs a = {}) {
        if (syncing_) return;
        win->fire(name, e, a);
    };

    switch (c.kind()) {
        case ControlKind::Button: {
            auto* b = qobject_cast<QAbstractButton*>(target);
            connect(b, &QAbstractButton::clicked, this, [fire] { fire(Event::Click); });
            break;
        }
        case ControlKind::Edit: {
            auto* e = qobject_cast<QLineEdit*>(target);
            connect(e, &QLineEdit::textEdited, this, [this, e, &c, win](const QString& t) {
                if (syncing_) return;
                QString v = c.upperCase() ? t.toUpper() : t;
                if (v != t) {
                    int pos = e->cursorPosition();
                    e->setText(v);
                    e->setCursorPosition(pos);
                }
                win->userSet(c, v);
            });
            connect(e, &QLineEdit::returnPressed, this, [fire] { fire(Event::Enter); });
            break;
        }
        case ControlKind::Memo: {
            if (auto* m = qobject_cast<QPlainTextEdit*>(target))
                connect(m, &QPlainTextEdit::textChanged, this, [this, m, &c, win] {
                    if (!syncing_) win->userSet(c, m->toPlainText());
                });
            else if (auto* t = qobject_cast<QTextEdit*>(target))
                connect(t, &QTextEdit::textChanged, this, [this, t, &c, win] {
                    if (!syncing_) win->userSet(c, t->toPlainText());
                });
            break;
        }
        case ControlKind::Combo: {
            auto* cb = qobject_cast<QComboBox*>(target);
            connect(cb, &QComboBox::activated, this, [this, &c, win](int i) {
                if (syncing_) return;
                c.setItemIndex(i);
                win->fire(c.name(), Event::Change);
            });
            connect(cb, &QComboBox::editTextChanged, this, [this, cb, &c, win](const QString& t) {
                if (syncing_ || !cb->isEditable() || t == c.text()) return;
                c.setText(t);
                win->fire(c.name(), Event::Change);
            });
            break;
        }
        case ControlKind::Check:
        case ControlKind::Radio: {
            auto* b = qobject_cast<QAbstractButton*>(target);
            connect(b, &QAbstractButton::clicked, this, [this, &c, win, fire](bool on) {
                if (syncing_) return;
                win->userSet(c, on ? "true" : "false");
                fire(Event::Click);
            });
            break;
        }
        case ControlKind::Grid:
        case ControlKind::ListView: {
            auto* view = qobject_cast<QAbstractItemView*>(target);
            auto* model = new ControlModel(c, view);
            view->setModel(model);
            connect(model, &ControlModel::cellEdited, this, [fire](int row, int col) {
                fire(Event::Change, {row, col});
            });
            connect(model, &ControlModel::rowChecked, this, [fire](int row) {
                fire(Event::Check, {row, -1});
            });
            connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                    [this, &c, view, model, fire](const QModelIndex& cur) {
                        // Focus alone makes a row current without selecting it: only a row
                        // the person selected counts as clicked.
                        if (syncing_ || !cur.isValid() || !view->selectionModel()->isSelected(cur))
                            return;
                        int row = cur.row() + model->firstRow();
                        c.setCurrent(row, cur.column());
                        fire(Event::Select, {row, cur.column()});
                        fire(Event::Click, {row, cur.column()});
                    });
            connect(view, &QAbstractItemView::doubleClicked, this,
                    [&c, model, fire](const QModelIndex& i) {
                        fire(Event::DblClick, {i.row() + model->firstRow(), i.column()});
                    });
            QHeaderView* header = nullptr;
            if (auto* tv = qobject_cast<QTableView*>(view)) header = tv->horizontalHeader();
            if (auto* tr = qobject_cast<QTreeView*>(view)) header = tr->header();
            if (header) {
                header->setSectionsClickable(true);
                connect(header, &QHeaderView::sectionClicked, this, [fire](int col) {
                    fire(Event::HeaderClick, {-1, col});
                });
            }
            break;
        }
        case ControlKind::Tree: {
            auto* tree = qobject_cast<QTreeWidget*>(target);
            connect(tree, &QTreeWidget::currentItemChanged, this,
                    [this, &c, fire](QTreeWidgetItem* item) {
                        if (syncing_ || !item) return;
                        int node = item->data(0, Qt::UserRole).toInt();
                        c.setItemIndex(node);
                        fire(Event::Select, {node, 0});
                        fire(Event::Click, {node, 0});
                    });
            break;
        }
        case ControlKind::Pages: {
            auto* tabs = qobject_cast<QTabWidget*>(target);
            connect(tabs, &QTabWidget::currentChanged, this, [this, &c, fire](int i) {
                if (syncing_ || i == c.itemIndex()) return;
                c.setItemIndex(i);
                fire(Event::Change);
            });
            break;
        }
        case ControlKind::Date: {
            auto* d = qobject_cast<QDateEdit*>(target);
            connect(d, &QDateEdit::dateChanged, this, [this, &c, win](const QDate& date) {
                if (!syncing_) win->userSet(c, date.toString("yyyy-MM-dd"));
            });
            break;
        }
        case ControlKind::MenuItem: {
            auto* a = qobject_cast<QAction*>(target);
            connect(a, &QAction::triggered, this, [fire] { fire(Event::Click); });
            break;
        }
        case ControlKind::Label:
        case ControlKind::Status:
            break;
    }
}

void Binder::sync(Control& c, QObject* target) {
    ++syncing_;
    struct Done {
        int& n;
        ~Done() { --n; }
    } done{syncing_};

    if (auto* a = qobject_cast<QAction*>(target)) {
        a->setText(c.caption());
        a->setVisible(c.visible());
        a->setEnabled(c.enabled());
        if (a->menu()) a->menu()->setTitle(c.caption());
        return;
    }
    auto* w = qobject_cast<QWidget*>(target);
    if (!w) return;
    w->setEnabled(c.enabled());
    // Hidden only when the logic hides it; visible ones follow their parents.
    if (!c.visible())
        w->setVisible(false);
    else if (w->isHidden() && w->parentWidget() && !qobject_cast<QTabWidget*>(w->parentWidget()))
        w->setVisible(true);
    if (!c.hint().isEmpty()) w->setToolTip(c.hint());

    switch (c.kind()) {
        case ControlKind::Button:
            qobject_cast<QAbstractButton*>(w)->setText(c.caption());
            break;
        case ControlKind::Label:
            qobject_cast<QLabel*>(w)->setText(c.caption());
            break;
        case ControlKind::Edit: {
            auto* e = qobject_cast<QLineEdit*>(w);
            if (e->text() != c.text()) e->setText(c.text());
            e->setReadOnly(c.readOnly());
            e->setMaxLength(c.maxLength() > 0 ? c.maxLength() : 32767);
            e->setEchoMode(c.password() ? QLineEdit::Password : QLineEdit::Normal);
            break;
        }
        case ControlKind::Memo:
            if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
                if (m->toPlainText() != c.text()) m->setPlainText(c.text());
                m->setReadOnly(c.readOnly());
            } else if (auto* t = qobject_cast<QTextEdit*>(w)) {
                if (t->toPlainText() != c.text()) t->setPlainText(c.text());
                t->setReadOnly(c.readOnly());
            }
            break;
        case ControlKind::Combo: {
            auto* cb = qobject_cast<QComboBox*>(w);
            QStringList current;
            for (int i = 0; i < cb->count(); ++i) current << cb->itemText(i);
            if (current != c.items()) {
                cb->clear();
                cb->addItems(c.items());
            }
            cb->setEditable(c.editable());
            cb->setCurrentIndex(c.itemIndex());
            if (c.editable() && cb->currentText() != c.text()) cb->setEditText(c.text());
            break;
        }
        case ControlKind::Check:
        case ControlKind::Radio: {
            auto* b = qobject_cast<QAbstractButton*>(w);
            b->setText(c.caption());
            b->setChecked(c.checked());
            break;
        }
        case ControlKind::Grid:
        case ControlKind::ListView: {
            auto* view = qobject_cast<QAbstractItemView*>(w);
            auto* model = qobject_cast<ControlModel*>(view->model());
            if (!model) break;
            model->reset();
            auto* tv = qobject_cast<QTableView*>(view);
            auto* tr = qobject_cast<QTreeView*>(view);
            int cols = model->columnCount();
            for (int col = 0; col < cols; ++col) {
                int width = c.colWidth(col);
                const int scaled = int(width * kWidthScale);
                if (tv) {
                    tv->setColumnHidden(col, width == 0);
                    if (width > 0) tv->setColumnWidth(col, scaled);
                }
                if (tr) {
                    tr->setColumnHidden(col, width == 0);
                    if (width > 0) tr->setColumnWidth(col, scaled);
                }
            }
            view->setEditTriggers(c.editableCells() ? QAbstractItemView::AllEditTriggers
                                                    : QAbstractItemView::NoEditTriggers);
            int row = c.row() - model->firstRow();
            if (row >= 0 && row < model->rowCount())
                view->setCurrentIndex(model->index(row, std::max(c.col(), 0)));
            break;
        }
        case ControlKind::Tree: {
            auto* tree = qobject_cast<QTreeWidget*>(w);
            tree->clear();
            std::vector<QTreeWidgetItem*> items;
            for (int i = 0; i < c.nodeCount(); ++i) {
                int parent = c.nodeParent(i);
                QTreeWidgetItem* item = parent >= 0 && parent < int(items.size())
                                            ? new QTreeWidgetItem(items[parent])
                                            : new QTreeWidgetItem(tree);
                item->setText(0, c.item(i));
                item->setData(0, Qt::UserRole, i);
                items.push_back(item);
            }
            if (c.expanded()) tree->expandAll();
            if (c.itemIndex() >= 0 && c.itemIndex() < int(items.size()))
                tree->setCurrentItem(items[c.itemIndex()]);
            break;
        }
        case ControlKind::Pages: {
            auto* tabs = qobject_cast<QTabWidget*>(w);
            for (int i = 0; i < tabs->count() && i < c.items().size(); ++i)
                tabs->setTabText(i, c.items()[i]);
            if (c.itemIndex() >= 0 && c.itemIndex() < tabs->count())
                tabs->setCurrentIndex(c.itemIndex());
            break;
        }
        case ControlKind::Status: {
            auto* bar = qobject_cast<QStatusBar*>(w);
            auto labels = bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
            while (labels.size() < c.items().size()) {
                auto* l = new QLabel(bar);
                l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                l->setMinimumWidth(60);
                bar->addPermanentWidget(l, labels.size() == c.items().size() - 1 ? 1 : 0);
                labels.append(l);
            }
            for (int i = 0; i < c.items().size(); ++i) labels[i]->setText(c.items()[i]);
            break;
        }
        case ControlKind::Date: {
            auto* d = qobject_cast<QDateEdit*>(w);
            QDate date = QDate::fromString(c.text(), "yyyy-MM-dd");
            if (date.isValid() && d->date() != date) d->setDate(date);
            d->setReadOnly(c.readOnly());
            break;
        }
        case ControlKind::MenuItem:
            break;
    }
}

}  // namespace wy::ui
