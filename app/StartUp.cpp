#include "app/StartUp.h"

#include "core/Window.h"

namespace wy {

void runProgram(Context& ctx) {
    auto loginWindow = createWindow("TFrm_Login", ctx);
    for (;;) {
        int result = ctx.shell.showModal(*loginWindow);
        if (result != mrOk) return;
        if (loginWindow->Tag == 1) break;
    }
    loginWindow.reset();
    auto main = createWindow("TFrm_Main", ctx);
    ctx.shell.runMain(*main);
}

}  // namespace wy
