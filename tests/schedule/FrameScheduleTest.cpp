#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/LaunchSchedules.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/WindowFixture.h"
#include "tests/ui/ModalSteps.h"
#include "ui/MenuIds.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "undo/ChangeLog.h"

namespace {

// Chooses the item with command `id` of a popup menu; `text` is what it must read.
std::function<void(QWidget&)> Choose(int id, const char* text) {
    return [id, text](QWidget& widget) {
        auto* menu = qobject_cast<QMenu*>(&widget);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->data().toInt() == id) {
                EXPECT_EQ(action->text(), QString::fromLatin1(text));
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        ADD_FAILURE() << "no item " << id;
        menu->close();
    };
}

class FrameSchedule : public WindowFixture {
  protected:
    void SetUp() override {
        SetNow(tp.clock, 2026, 12, 8, 10, 0, 30);
        const std::string tool = dir.Write("tool.sh", "#!/bin/sh\n");
        ::chmod(tool.c_str(), 0755);
        StartWindow("DORVANE CONFIGURATION FILE v10.0\r\n12/08/2026  01:00:00\r\nSETTINGS\r\n"
                    "LayoutRowType 2\r\nLayoutColType 2\r\nNRowsConstant 1\r\nNColsConstant 4\r\n"
                    "AutoHide 0\r\nBUTTONS\r\nCATEGORY Tools\r\nBUTTON 1 " +
                    tool + "\r\nNAME Tool\r\nend\r\n");
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    QAction* Bitmap(int id) const {
        return frame->menuBar()->findChild<QAction*>(QStringLiteral("bitmap%1").arg(id));
    }
    void RightClick(int slot) { QTest::mouseClick(frame->View()->Slot(slot), Qt::RightButton); }
};

TEST_F(FrameSchedule, ContextMenuSchedulesThenCancelsAtOnce) {
    ASSERT_TRUE(model->GetButton(0, 0) && model->GetButton(0, 0)->IsExe());
    EXPECT_EQ(Bitmap(IdScheduleBitmap), nullptr);
    const auto daily = [](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Schedule an Application Launch"));
        dialog.findChild<QRadioButton*>(QStringLiteral("daily"))->click();
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("hour")), QStringLiteral("9"));
        dialog.findChild<QPushButton*>(QStringLiteral("schedule"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("exit"))->click();
    };
    WithModalSteps({Choose(IdScheduleLaunch, "&Schedule Launch..."), daily},
                   [&] { RightClick(0); });
    ASSERT_NE(model->GetButton(0, 0)->Schedule(), nullptr);
    EXPECT_NE(Bitmap(IdScheduleBitmap), nullptr) << "the schedule picture shows";

    WithModalSteps({Choose(IdScheduleLaunch, "Cancel &Scheduled Launch")}, [&] { RightClick(0); });
    EXPECT_EQ(model->GetButton(0, 0)->Schedule(), nullptr);
    EXPECT_EQ(model->changes.Last()->description, "Delete Button Schedule");
    EXPECT_EQ(Bitmap(IdScheduleBitmap), nullptr);
}

TEST_F(FrameSchedule, AlarmClockOpensTheListWhichTheClockRefills) {
    model->alarms.AddAlarm(Make(tp.clock, DailyAt(10, 30, 1), "Tea"));
    frame->RebuildMenuBar();
    QAction* clock = Bitmap(IdAlarmClock);
    ASSERT_NE(clock, nullptr);
    const auto list = [&](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Schedule of Alarms"));
        auto* rows = dialog.findChild<QTreeWidget*>(QStringLiteral("scheduleList"));
        ASSERT_EQ(rows->topLevelItemCount(), 1);
        EXPECT_EQ(rows->topLevelItem(0)->text(1), QStringLiteral("30"));
        SetNow(tp.clock, 2026, 12, 8, 10, 10);
        RecomputeAlarms(*model);
        frame->RefreshScheduleList(); // what the minute tick does
        EXPECT_EQ(rows->topLevelItem(0)->text(1), QStringLiteral("20"));
        dialog.findChild<QPushButton*>(QStringLiteral("exit"))->click();
    };
    WithModalSteps({list}, [&] { clock->trigger(); });
    EXPECT_FALSE(model->modal);
}

TEST_F(FrameSchedule, AnOpenDialogFollowsTheTickRemovingItsSchedule) {
    model->GetButton(0, 0)->SetSchedule(Make(tp.clock, OneTime(12, 8, 2026, 10, 1, 1)));
    const auto dialog = [&](QWidget& shown) {
        auto* schedule = shown.findChild<QPushButton*>(QStringLiteral("schedule"));
        EXPECT_FALSE(schedule->isEnabled());
        // The one-time launch comes: the tick removes it and refreshes.
        model->GetButton(0, 0)->SetSchedule(nullptr);
        frame->RefreshScheduleList();
        EXPECT_TRUE(schedule->isEnabled());
        EXPECT_FALSE(shown.findChild<QPushButton*>(QStringLiteral("cancelSchedule"))->isEnabled());
        shown.findChild<QPushButton*>(QStringLiteral("exit"))->click();
        // The list stays open (the dialog changed nothing itself); close it too.
        QWidget* list = shown.parentWidget();
        QTimer::singleShot(
            0, list, [list] { list->findChild<QPushButton*>(QStringLiteral("exit"))->click(); });
    };
    // Opened from the launch list, on top of it.
    const auto list = [&](QWidget& shown) {
        auto* rows = shown.findChild<QTreeWidget*>(QStringLiteral("scheduleList"));
        ASSERT_EQ(rows->topLevelItemCount(), 1);
        rows->setCurrentItem(rows->topLevelItem(0));
        // Pressed after this step returns, so that the next step sees the dialog.
        QTimer::singleShot(0, rows, [rows] { QTest::keyClick(rows, Qt::Key_Return); });
    };
    WithModalSteps({list, dialog}, [&] { frame->RunCommand(IdShowSchedule); });
    EXPECT_EQ(model->GetButton(0, 0)->Schedule(), nullptr);
}

} // namespace
