#include "ui/qt/QtClockActions.h"

#include <QTimer>

#include "model/Model.h"
#include "schedule/Schedule.h"
#include "ui/qt/AlarmMessageDialog.h"
#include "sounds/PlaySound.h"
#include "ui/Launcher.h"
#include "ui/qt/MainFrame.h"

QtClockActions::QtClockActions(CModel& model, CMainFrame& frame)
    : QObject(&frame), model_(model), frame_(frame), tick_(model, *this), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &QtClockActions::Tick);
}

void QtClockActions::Start() {
    timer_->start(CClockTick::kSecondInterval);
}

void QtClockActions::Stop() {
    timer_->stop();
}

void QtClockActions::Tick() {
    // The timer keeps running while the tick is inside an alarm dialog (or a
    // launch's error message), so a minute that comes meanwhile still chimes,
    // launches and shows its own alarms; the tick guards against running a
    // minute twice.
    // Programs the user started and closed are reaped here too, not only at
    // the next launch.
    model_.platform.shell.ReapChildren();
    timer_->start(tick_.OnMinuteTimer() ? CClockTick::kMinuteInterval
                                        : CClockTick::kSecondInterval);
    timer_->start(tick_.OnTimer());
}

void QtClockActions::PlayChime(const std::string& name) {
    PlayActionSound(model_, name, true);
}

void QtClockActions::LaunchScheduled(int category, int slot) {
    LaunchScheduledButton(model_, category, slot);
}

void QtClockActions::ShowAlarm(const CSchedule& alarm, const std::string& dateTimeLine) {
    CAlarmMessageDlg dialog(alarm.message, dateTimeLine, &frame_);
    dialog.exec();
}

void QtClockActions::SaveConfiguration() {
    frame_.SaveConfiguration();
}

void QtClockActions::RefreshScheduleList() {
    frame_.RefreshScheduleList();
}
