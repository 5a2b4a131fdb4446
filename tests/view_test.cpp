// Every registered window gets its view built offscreen, and every control its logic declares
// must be there under its own name, in a widget that can show it. A missing or misnamed control
// in any window fails here.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QMainWindow>

#include "core/Window.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"
#include "ui/Binder.h"
#include "ui/QtShell.h"

namespace wy::test {
namespace {

TEST(Views, EveryControlOfEveryWindowHasAFittingWidget) {
    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    ctx.login.OperatorNo = kAdministrator;
    const QStringList windows = registeredWindows();
    ASSERT_FALSE(windows.isEmpty());
    for (const QString& name : windows) {
        auto w = createWindow(name, ctx);
        ASSERT_TRUE(w) << name.toStdString();
        std::unique_ptr<QWidget> host;
        if (w->style.mainWindow)
            host = std::make_unique<QMainWindow>();
        else
            host = std::make_unique<QDialog>();
        ui::buildView(*w, host.get());
        for (Control* c : w->controls()) {
            QObject* bound = ui::findBound(host.get(), c->name());
            EXPECT_TRUE(bound) << name.toStdString() << ": no widget for "
                               << c->name().toStdString();
            if (bound) {
                EXPECT_TRUE(ui::widgetFits(c->kind(), bound))
                    << name.toStdString() << ": " << c->name().toStdString() << " is a "
                    << bound->metaObject()->className() << ", not a "
                    << controlKindName(c->kind()).toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace wy::test

namespace wy::test {
namespace {

TEST(Views, FocusAloneSelectsNoRowOfAList) {
    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    ctx.login.OperatorNo = kAdministrator;
    auto w = createWindow("TFrm_JCXX", ctx);
    ASSERT_TRUE(w);
    w->setParams({{"Selector", 15}});
    ui::WindowDialog dialog(*w);
    w->beginShow();
    dialog.show();
    auto* list = dialog.findChild<QWidget*>("Lv_Data");
    ASSERT_TRUE(list);
    list->setFocus();
    QApplication::processEvents();
    // A delete must never act on a row the person did not pick.
    EXPECT_FALSE(w->control("Btn_Delete").enabled());
    EXPECT_EQ(w->control("Lv_Data").row(), -1);
}

}  // namespace
}  // namespace wy::test
