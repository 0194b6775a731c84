// The grid as screen readers and keyboard users meet it: slot names that
// follow the buttons, Tab through the slots, Enter and the Menu key.
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "ui/ButtonEditing.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/MainFrame.h"

namespace {

class SlotAccess : public WindowFixture {
  protected:
    void SetUp() override {
        dir.Write("run.sh", "#!/bin/sh\n");
        StartWindow("DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n"
                    "TextOnButtons 2\r\nLayoutRowType 2\r\nLayoutColType 2\r\nNRowsConstant 2\r\n"
                    "NColsConstant 4\r\nAutoHide 0\r\nSpecialWindowLayout 0\r\nBUTTONS\r\n"
                    "CATEGORY Daily\r\nBUTTON 1 " +
                    dir.Path() +
                    "/run.sh\r\nNAME Runner\r\nend\r\n"
                    "BUTTON 2 " +
                    dir.Path() + "/run.sh\r\nTEXT Quick\\nStart\r\nend\r\n");
    }
    ButtonSlot* Slot(int i) { return frame->View()->Slot(i); }
    std::string Name(int i) { return Slot(i)->accessibleName().toStdString(); }
};

TEST_F(SlotAccess, SlotsAreNamedByTheirButtonsAndFollowMovesAndDeletes) {
    EXPECT_EQ(Name(0), "Runner");
    EXPECT_EQ(Slot(0)->accessibleDescription().toStdString(), dir.Path() + "/run.sh");
    EXPECT_EQ(Name(1), "run");
    EXPECT_EQ(Name(2), "Empty slot 3");
    // What the accessibility layer publishes is the same name.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(Slot(0));
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), "Runner");

    // Move through the window: Move on slot 1's menu, then a click on slot 4.
    model->editState.rightClickedSlot = 0;
    StartTwoClick(*model, TwoClickMode::Move);
    QTest::mouseClick(Slot(3), Qt::LeftButton);
    EXPECT_EQ(Name(0), "Empty slot 1");
    EXPECT_EQ(Name(3), "Runner");

    model->editState.rightClickedSlot = 3;
    DeleteButton(*model); // the scripted prompter answers Yes
    EXPECT_EQ(Name(3), "Empty slot 4");
}

TEST_F(SlotAccess, TabReachesTheSlotsInOrderAndEnterLaunchesTheFocusedOne) {
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    Slot(0)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Slot(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), Slot(0));

    QTest::keyClick(Slot(0), Qt::Key_Return);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, dir.Path() + "/run.sh");

    // Shift+F10 opens the slot's context menu; Esc closes it without acting.
    bool menuShown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        menuShown = menu != nullptr;
        if (menu)
            menu->close();
    });
    QTest::keyClick(Slot(0), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menuShown);
    EXPECT_EQ(model->editState.rightClickedSlot, 0);
    EXPECT_EQ(tp.shell.calls.size(), 1u);
}

} // namespace
