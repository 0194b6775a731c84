// Find Button on a real window: typing filters the buttons of all categories,
// Enter launches like a click, Shift+Enter shows the button, Esc closes.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "ui/MenuIds.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/FindButtonPopup.h"
#include "ui/qt/MainFrame.h"

namespace {

class FindButtonPopupTest : public WindowFixture {
  protected:
    void SetUp() override {
        dir.Write("run.sh", "#!/bin/sh\n");
        dir.Write("report.sh", "#!/bin/sh\n");
        const std::string p = dir.Path();
        StartWindow("DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n"
                    "AutoHide 0\r\nBUTTONS\r\n"
                    "CATEGORY Daily\r\nBUTTON 1 " +
                    p +
                    "/run.sh\r\nNAME Runner\r\nend\r\n"
                    "CATEGORY Empty\r\n"
                    "CATEGORY Office\r\nBUTTON 3 " +
                    p +
                    "/report.sh\r\nNAME Weekly Report\r\nend\r\n"
                    "BUTTON 4 " +
                    p + "/gone.sh\r\nNAME Gone Runner\r\nend\r\n");
        frame->show();
        QApplication::processEvents();
    }
    CFindButtonPopup* Open() {
        frame->RunCommand(IdFindButton);
        CFindButtonPopup* popup = frame->FindPopup();
        EXPECT_NE(popup, nullptr);
        EXPECT_TRUE(popup->isVisible());
        return popup;
    }
    std::vector<std::string> Listed(CFindButtonPopup* popup) {
        std::vector<std::string> rows;
        for (int i = 0; i < popup->List()->count(); ++i)
            rows.push_back(popup->List()->item(i)->text().toStdString());
        return rows;
    }
};

TEST_F(FindButtonPopupTest, TypingFiltersAllCategoriesAndControlsAreNamed) {
    CFindButtonPopup* popup = Open();
    EXPECT_EQ(popup->Field()->accessibleName(), QStringLiteral("Find button"));
    EXPECT_EQ(popup->List()->accessibleName(), QStringLiteral("Matching buttons"));
    EXPECT_EQ(popup->List()->count(), 0);
    QTest::keyClicks(popup->Field(), "RUN");
    EXPECT_EQ(Listed(popup),
              (std::vector<std::string>{"Runner  \u2014  Daily", "Gone Runner  \u2014  Office"}));
    QTest::keyClicks(popup->Field(), " gone");
    EXPECT_EQ(Listed(popup), (std::vector<std::string>{"Gone Runner  \u2014  Office"}));
    EXPECT_EQ(model->CurrentCategoryIndex(), 0);
}

TEST_F(FindButtonPopupTest, EnterLaunchesTheChosenButtonAsAClickDoes) {
    // A click on the slot, for comparison.
    frame->View()->ShowCategory(2);
    QTest::mouseClick(frame->View()->Slot(2), Qt::LeftButton);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    const auto clickSounds = tp.sound.played.size();
    frame->View()->ShowCategory(0);

    CFindButtonPopup* popup = Open();
    QTest::keyClicks(popup->Field(), "report");
    QTest::keyClick(popup->Field(), Qt::Key_Return);
    EXPECT_FALSE(popup->isVisible());
    ASSERT_EQ(tp.shell.calls.size(), 2u);
    EXPECT_EQ(tp.shell.calls[1].request.target, tp.shell.calls[0].request.target);
    EXPECT_EQ(tp.shell.calls[1].execute, tp.shell.calls[0].execute);
    EXPECT_EQ(tp.sound.played.size(), 2 * clickSounds);
    EXPECT_EQ(model->CurrentCategoryIndex(), 0); // launching does not switch the view

    // Down chooses the second match; its target is missing: "Bad Button".
    popup = Open();
    QTest::keyClicks(popup->Field(), "runner");
    QTest::keyClick(popup->Field(), Qt::Key_Down);
    QTest::keyClick(popup->Field(), Qt::Key_Enter);
    EXPECT_EQ(tp.shell.calls.size(), 2u);
    ASSERT_FALSE(tp.prompter.messages.empty());
    EXPECT_EQ(tp.prompter.messages.back().caption, "Bad Button");
}

TEST_F(FindButtonPopupTest, ShiftEnterShowsTheCategoryAndEscLeavesEverything) {
    CFindButtonPopup* popup = Open();
    QTest::keyClicks(popup->Field(), "weekly");
    QTest::keyClick(popup->Field(), Qt::Key_Escape);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(model->CurrentCategoryIndex(), 0);
    EXPECT_TRUE(tp.shell.calls.empty());

    popup = Open();
    EXPECT_TRUE(popup->Field()->text().isEmpty()); // a fresh search each time
    QTest::keyClicks(popup->Field(), "weekly");
    QTest::keyClick(popup->Field(), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(model->CurrentCategoryIndex(), 2);
    EXPECT_TRUE(frame->View()->Slot(2)->hasFocus() ||
                QApplication::focusWidget() == frame->View()->Slot(2) ||
                frame->focusWidget() == frame->View()->Slot(2));
    EXPECT_TRUE(tp.shell.calls.empty());
}

TEST_F(FindButtonPopupTest, GlobalShortcutRaisesTheWindowWithTheFieldFocused) {
    frame->showMinimized();
    QApplication::processEvents();
    frame->ActivateFromShortcut();
    // The popup waits for the window's activation.
    for (int i = 0; i < 100 && !(frame->FindPopup() && frame->FindPopup()->isVisible()); ++i)
        QTest::qWait(20);
    EXPECT_FALSE(frame->isMinimized());
    ASSERT_NE(frame->FindPopup(), nullptr);
    EXPECT_TRUE(frame->FindPopup()->isVisible());
    EXPECT_TRUE(frame->FindPopup()->Field()->hasFocus());
}

TEST_F(FindButtonPopupTest, GlobalShortcutLeavesAnOpenDialogInFront) {
    QDialog dialog(frame.get());
    dialog.setObjectName(QStringLiteral("pendingQuestion"));
    QTimer::singleShot(0, &dialog, [&] {
        frame->ActivateFromShortcut();
        EXPECT_EQ(frame->FindPopup(), nullptr) << "the question is answered first";
        dialog.reject();
    });
    dialog.exec();
}

} // namespace
