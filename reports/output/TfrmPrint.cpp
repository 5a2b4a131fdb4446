#include "reports/output/TfrmPrint.h"

#include "reports/output/ReceiptFormat.h"

namespace wy {

WY_REGISTER_WINDOW(TfrmPrint);

TfrmPrint::TfrmPrint(Context& ctx)
    : Window(ctx, "TfrmPrint", QStringLiteral("打印格式选择")),
      rb1(add(ControlKind::Radio, "rb1", receiptFormats()[0].caption)),
      rb2(add(ControlKind::Radio, "rb2", receiptFormats()[1].caption)),
      rb3(add(ControlKind::Radio, "rb3", receiptFormats()[2].caption)),
      rb4(add(ControlKind::Radio, "rb4", receiptFormats()[3].caption)),
      btnOk(add(ControlKind::Button, "btnOk", QStringLiteral("确定选择"))) {
    style.fixedSize = true;
    style.width = 380;
    style.height = 220;
    for (Control* rb : {&rb1, &rb2, &rb3, &rb4}) rb->setGroup("Gb_Format");
    rb1.setChecked(true);
    on(btnOk, Event::Click, [this] { btnOkClick(); });
}

bool TfrmPrint::setParam(const QString& name, const QVariant& value) {
    if (name == "ProjectFile") {
        ProjectFile = value.toString();
        return true;
    }
    return Window::setParam(name, value);
}

void TfrmPrint::btnOkClick() {
    for (const ReceiptFormat& f : receiptFormats())
        if (control(f.choice).checked()) ProjectFile = f.projectFile;
    Close(mrOk);
}

}  // namespace wy
