#include "ui/views/PlaceRow.h"

#include <QLabel>

#include "ui/Widgets.h"

namespace wy::ui {

QHBoxLayout* placeRow(Window& w) {
    auto* row = new QHBoxLayout;
    for (const char* name : {"Cmb_XQMC", "Cmb_LDMC", "Cmb_DYMC", "Cmb_LCMC"}) {
        Control* c = w.find(QString::fromLatin1(name));
        if (!c) continue;
        QWidget* combo = makeWidget(*c);
        auto* label = new QLabel(c->caption());
        label->setBuddy(combo);
        row->addWidget(label);
        row->addWidget(combo, 1);
    }
    return row;
}

}  // namespace wy::ui
