// The rights window's estate list is disabled until an operator is chosen; a disabled widget
// takes no clicks, so the view passes them on for the window to tell the person what to do.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QMouseEvent>

#include "core/Window.h"
#include "tests/TestDb.h"
#include "tests/TestShell.h"
#include "ui/QtShell.h"

namespace wy::test {
namespace {

TEST(RightsView, ClickOnTheDisabledEstateListAsksForAnOperator) {
    TestDb db;
    TestShell shell;
    Context ctx{db.dm(), shell, {}};
    ctx.login.OperatorNo = kAdministrator;
    auto w = createWindow("TFrm_14_Soft", ctx);
    ASSERT_TRUE(w);
    QDialog host;
    ui::buildView(*w, &host);
    w->beginShow();
    auto* list = host.findChild<QAbstractItemView*>("Lv_Mod");
    ASSERT_TRUE(list);
    ASSERT_FALSE(list->isEnabled());

    const QPointF at(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, list->viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    ASSERT_EQ(shell.messages.size(), 1u);
    EXPECT_EQ(shell.messages.front().text.toStdString(), "请先选择用户帐号!");
}

}  // namespace
}  // namespace wy::test
