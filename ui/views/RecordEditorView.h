#pragma once
// The layout every record editor shares: title, its fields as label/field rows, the step
// buttons (首条 前条 后条 末条) and a row with the member's own buttons, 添加, 保存 and 关闭.
// Hidden controls (columns the editor writes without showing) get widgets without labels.
#include <QStringList>

class QWidget;
class QVBoxLayout;

namespace wy {
class Window;
}

namespace wy::ui {

// The bottom of a record editor: a line, the step buttons, then the member's own buttons and
// 添加/保存/关闭.
void addEditorButtons(Window& w, QVBoxLayout* v, const QStringList& ownButtons = {});

void buildRecordEditorView(Window& w, QWidget* host, const QStringList& fields,
                           const QStringList& ownButtons = {}, const QStringList& hidden = {});

}  // namespace wy::ui
