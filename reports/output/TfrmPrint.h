#pragma once
#include "core/Window.h"

namespace wy {

// The receipt format dialog: one radio button per format; "确定选择" sets the project file of
// the chosen format and closes. Closing the dialog otherwise leaves ProjectFile as it was.
class TfrmPrint : public Window {
    Q_OBJECT
public:
    explicit TfrmPrint(Context& ctx);

    QString ProjectFile;  // in: the current choice; out: the chosen one
    bool setParam(const QString& name, const QVariant& value) override;

    Control& rb1;
    Control& rb2;
    Control& rb3;
    Control& rb4;
    Control& btnOk;

    void btnOkClick();
};

}  // namespace wy
