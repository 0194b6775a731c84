#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "tests/ui/ModalSteps.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/MenuIds.h"

namespace {

// Chooses the item with command `id` of a popup menu, as the keyboard does.
std::function<void(QWidget&)> Choose(int id) {
    return [id](QWidget& widget) {
        auto* menu = qobject_cast<QMenu*>(&widget);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->data().toInt() == id) {
                EXPECT_TRUE(action->isEnabled());
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        ADD_FAILURE() << "no item " << id;
        menu->close();
    };
}

class FrameEditing : public WindowFixture {
  protected:
    void SetUp() override {
        const std::string tool = dir.Write("tool.sh", "#!/bin/sh\n");
        StartWindow("DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n"
                    "TextOnButtons 2\r\nLayoutRowType 2\r\nLayoutColType 2\r\n"
                    "NRowsConstant 2\r\nNColsConstant 5\r\nAutoHide 0\r\n"
                    "LockWindowPosition 0\r\nBUTTONS\r\nCATEGORY Tools\r\nBUTTON 1 " +
                    tool + "\r\nNAME Tool\r\nend\r\nCATEGORY Games\r\nCATEGORY Work\r\n");
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    ButtonSlot* Slot(int slot) { return frame->View()->Slot(slot); }
    // Keys go through the window's shortcuts, which act only while it is the
    // active window; a popup menu just closed gives the activation back later.
    void Key(Qt::Key key) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keyClick(Slot(0), key);
    }
    void RightClick(int slot) { QTest::mouseClick(Slot(slot), Qt::RightButton); }
};

TEST_F(FrameEditing, KeysSwitchCategoryAndWrap) {
    Key(Qt::Key_PageDown);
    EXPECT_EQ(model->CurrentCategoryIndex(), 1);
    Key(Qt::Key_Down);
    EXPECT_EQ(model->CurrentCategoryIndex(), 2);
    Key(Qt::Key_Down); // past the last: the first
    EXPECT_EQ(model->CurrentCategoryIndex(), 0);
    Key(Qt::Key_Up); // before the first: the last
    EXPECT_EQ(model->CurrentCategoryIndex(), 2);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(model->CurrentCategoryIndex(), 1);
}

TEST_F(FrameEditing, EscapeCancelsAMoveStartedFromTheContextMenu) {
    WithModalSteps({Choose(IdMoveButton)}, [&] { RightClick(0); });
    EXPECT_TRUE(model->editState.moveMode);
    EXPECT_TRUE(frame->windowTitle().contains(QStringLiteral("(ESC to Cancel)")));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(model->editState.PendingOperation());
    EXPECT_FALSE(frame->windowTitle().contains(QStringLiteral("(ESC to Cancel)")));
    EXPECT_NE(model->GetButton(0, 0), nullptr);
}

TEST_F(FrameEditing, RightClickWhilePendingCompletesTheMoveInAnotherCategory) {
    WithModalSteps({Choose(IdMoveButton)}, [&] { RightClick(0); });
    Key(Qt::Key_PageDown); // the pending move survives the switch
    ASSERT_TRUE(model->editState.moveMode);
    RightClick(3); // no menu: the right click is the second click
    EXPECT_FALSE(model->editState.PendingOperation());
    EXPECT_EQ(model->GetButton(0, 0), nullptr);
    ASSERT_NE(model->GetButton(1, 3), nullptr);
    EXPECT_EQ(model->GetButton(1, 3)->Name(), "Tool");
}

TEST_F(FrameEditing, EmptySlotAddressGoesToTheRightClickedSlot) {
    const auto address = [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Button to Internet Site"));
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("value")),
                         QStringLiteral("https://example.org/"));
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    };
    const auto keepText = [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Button Text"));
        dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    };
    WithModalSteps({Choose(IdAddInternetAddress), address, keepText}, [&] { RightClick(4); });
    const CButtonDef* added = model->GetButton(0, 4);
    ASSERT_NE(added, nullptr);
    EXPECT_TRUE(added->IsUrl());
    EXPECT_EQ(added->Target(), "https://example.org/");
    EXPECT_EQ(model->GetButton(0, 1), nullptr); // not the first empty slot
    EXPECT_EQ(model->changes.Count(), 1u);
}

TEST_F(FrameEditing, ContextMenuCommandsOfTheFrameAreEnabled) {
    // The window's own command table decides, not a list kept by a test.
    WithModalSteps({Choose(IdAddToFavorites)}, [&] { RightClick(0); });
    EXPECT_TRUE(model->favorites.Exist());
}

} // namespace
