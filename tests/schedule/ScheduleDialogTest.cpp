#include "schedule/qt/ScheduleDialog.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/ScheduleEdit.h"
#include "schedule/qt/DateDialog.h"
#include "schedule/qt/ScheduleListDialog.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"

#include <functional>

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class ScheduleDialogs : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    CButtonDef* tool = nullptr;

    void SetUp() override {
        SetNow(tp.clock, 2026, 12, 8, 10, 0); // a Tuesday
        model.CreateCategory(0, "Tools");
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName("Tool");
        tool = b.get();
        model.Category(0)->SetSlot(3, std::move(b));
    }

    template <typename T> static T* Find(const QWidget& parent, const char* name) {
        T* child = parent.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    // Runs `step` on the modal dialog that `open` brings up, once it is up.
    static void WithModal(const std::function<void(QWidget&)>& step,
                          const std::function<void()>& open) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            ran = true;
            step(*modal);
        });
        open();
        EXPECT_TRUE(ran);
    }

    static void Type(QWidget& dialog, const char* field, const char* text) {
        auto* edit = Find<QLineEdit>(dialog, field);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
};

TEST_F(ScheduleDialogs, WeeklyLaunchIsSetListedAndCancelledFromTheList) {
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 0, 3);
    CScheduleDlg dialog(model, edit, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" Schedule an Application Launch"));
    EXPECT_TRUE(Find<QLineEdit>(dialog, "message")->isReadOnly());
    EXPECT_FALSE(Find<QRadioButton>(dialog, "Mon")->isEnabled()) << "one time comes first";
    Find<QRadioButton>(dialog, "weekly")->click();
    EXPECT_TRUE(Find<QLineEdit>(dialog, "year")->text().isEmpty());
    EXPECT_FALSE(Find<QLineEdit>(dialog, "month")->isEnabled());
    Find<QRadioButton>(dialog, "Mon")->click();
    Type(dialog, "hour", "9");
    Type(dialog, "minute", "15");
    Find<QPushButton>(dialog, "schedule")->click();
    ASSERT_NE(tool->Schedule(), nullptr);
    EXPECT_EQ(tool->Schedule()->weekday, 2);
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_FALSE(Find<QPushButton>(dialog, "schedule")->isEnabled());
    EXPECT_TRUE(Find<QCheckBox>(dialog, "isSet")->isChecked());

    CScheduleListDlg list(model, ScheduleMode::Launches);
    list.show();
    auto* rows = Find<QTreeWidget>(list, "scheduleList");
    ASSERT_EQ(rows->topLevelItemCount(), 1);
    QTreeWidgetItem* row = rows->topLevelItem(0);
    const QStringList expected = {"Tool", QString::number(6 * 1440 - 45), "Weekly", "Monday",
                                  "09:15 AM"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(row->text(i), expected[i]);
    EXPECT_EQ(rows->headerItem()->text(4), QStringLiteral("Launch Time"));
    EXPECT_EQ(rows->columnWidth(0), 155);

    WithModal(
        [&](QWidget& shown) {
            EXPECT_EQ(Find<QLineEdit>(shown, "hour")->text(), QStringLiteral("9"));
            EXPECT_TRUE(Find<QRadioButton>(shown, "Mon")->isChecked());
            Find<QPushButton>(shown, "cancelSchedule")->click();
            Find<QPushButton>(shown, "exit")->click();
        },
        [&] {
            const QRect at = rows->visualItemRect(row);
            QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, at.center());
        });
    EXPECT_EQ(tool->Schedule(), nullptr);
    EXPECT_FALSE(list.isVisible()) << "the launch list closes with its last schedule";
}

TEST_F(ScheduleDialogs, NewAlarmFromTheListUntilFiftyThenGreyed) {
    for (int i = 0; i < kMaxAlarms - 1; ++i)
        model.alarms.AddAlarm(Make(tp.clock, DailyAt(8, 0, 1), "Old"));
    CScheduleListDlg list(model, ScheduleMode::Alarms);
    EXPECT_EQ(list.windowTitle(), QStringLiteral(" Schedule of Alarms"));
    auto* newAlarm = Find<QPushButton>(list, "button3");
    EXPECT_EQ(newAlarm->text(), QStringLiteral("New Alarm"));
    ASSERT_TRUE(newAlarm->isEnabled());

    WithModal(
        [&](QWidget& shown) {
            auto* message = Find<QLineEdit>(shown, "message");
            EXPECT_EQ(message->text(), QStringLiteral("Alarm # 50"));
            EXPECT_EQ(message->selectedText(), message->text());
            Type(shown, "message", "Go to Airport");
            Find<QRadioButton>(shown, "daily")->click();
            Type(shown, "hour", "7");
            Find<QRadioButton>(shown, "pm")->click();
            Find<QPushButton>(shown, "schedule")->click();
            Find<QPushButton>(shown, "exit")->click();
        },
        [&] { newAlarm->click(); });
    EXPECT_EQ(model.alarms.AlarmCount(), kMaxAlarms);
    EXPECT_EQ(model.alarms.Alarm(kMaxAlarms - 1)->message, "Go to Airport");
    EXPECT_EQ(Find<QTreeWidget>(list, "scheduleList")->topLevelItemCount(), kMaxAlarms);
    EXPECT_FALSE(newAlarm->isEnabled());
}

TEST_F(ScheduleDialogs, DatePickedInTheCalendarReachesTheFields) {
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 0, 3);
    CScheduleDlg dialog(model, edit, nullptr);
    WithModal(
        [&](QWidget& picker) {
            EXPECT_EQ(picker.windowTitle(), QStringLiteral(" Select a Date"));
            auto* calendar = Find<QCalendarWidget>(picker, "calendar");
            EXPECT_EQ(calendar->selectedDate(), QDate(2026, 12, 8)) << "starts on today";
            calendar->setSelectedDate(QDate(2027, 3, 14));
            Find<QPushButton>(picker, "ok")->click();
        },
        [&] { Find<QPushButton>(dialog, "calendar")->click(); });
    EXPECT_EQ(Find<QLineEdit>(dialog, "month")->text(), QStringLiteral("3"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "day")->text(), QStringLiteral("14"));
    EXPECT_EQ(Find<QLineEdit>(dialog, "year")->text(), QStringLiteral("2027"));
}

TEST_F(ScheduleDialogs, ExistingScheduleIsShownReadOnly) {
    tool->SetSchedule(Make(tp.clock, OneTime(1, 2, 2027, 8, 5, 0)));
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 0, 3);
    CScheduleDlg dialog(model, edit, nullptr);
    EXPECT_EQ(Find<QLineEdit>(dialog, "minute")->text(), QStringLiteral("05"));
    EXPECT_TRUE(Find<QRadioButton>(dialog, "pm")->isChecked());
    for (const char* field : {"month", "day", "year", "hour", "minute"})
        EXPECT_TRUE(Find<QLineEdit>(dialog, field)->isReadOnly()) << field;
    for (const char* button : {"schedule", "today", "calendar", "now"})
        EXPECT_FALSE(Find<QPushButton>(dialog, button)->isEnabled()) << button;
    EXPECT_TRUE(Find<QPushButton>(dialog, "cancelSchedule")->isEnabled());

    Find<QRadioButton>(dialog, "daily")->click();
    Find<QRadioButton>(dialog, "am")->click();
    EXPECT_TRUE(Find<QRadioButton>(dialog, "oneTime")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(dialog, "pm")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(dialog, "year")->text(), QStringLiteral("2027"));
}

TEST_F(ScheduleDialogs, FieldsAreNamedAndARefusedOneIsBlankedAndSelected) {
    CScheduleEdit edit = CScheduleEdit::ForButton(model, 0, 3);
    CScheduleDlg dialog(model, edit, nullptr);
    QStringList names;
    for (const QLineEdit* e : dialog.findChildren<QLineEdit*>())
        names << e->accessibleName();
    for (const char* name : {"Application Name", "Month", "Day", "Year", "Hour", "Minute"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;

    Find<QPushButton>(dialog, "schedule")->click();
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text, "Please enter a number between 1 and 12 for the hour");
    auto* hour = Find<QLineEdit>(dialog, "hour");
    EXPECT_EQ(hour->text(), QStringLiteral("         "));
    EXPECT_EQ(hour->selectedText(), hour->text());
    EXPECT_EQ(tool->Schedule(), nullptr);
}

} // namespace
