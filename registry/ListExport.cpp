#include "registry/ListExport.h"

#include "core/Window.h"

namespace wy {

void exportHouseList(Window& window, const Control& list) {
    // The spreadsheet export of the report framework is not part of this build yet.
    window.shell().message(QStringLiteral("该功能模块尚未安装。"), QStringLiteral("提示"),
                           Icon::Info);
}

}  // namespace wy
