#include "ui/qt/AlarmMessageDialog.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(AlarmMessageDialog, ShowsTheMessageAndTimeOnTopAndClosesWithOk) {
    CAlarmMessageDlg dialog("Call the dentist\nbefore noon", "Friday, December 11, 2026  10:15 AM");
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(" DORVANE Alarm Message"));
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* message = dialog.findChild<QPlainTextEdit*>(QStringLiteral("alarmMessage"));
    auto* time = dialog.findChild<QLabel*>(QStringLiteral("alarmTime"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("ok"));
    ASSERT_TRUE(message && time && ok);
    EXPECT_TRUE(message->isReadOnly());
    EXPECT_EQ(message->toPlainText(), QStringLiteral("Call the dentist\nbefore noon"));
    EXPECT_EQ(time->text(), QStringLiteral("Friday, December 11, 2026  10:15 AM"));
    dialog.show();
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
