#include "ui/QtClockActions.h"

#include <QTimer>

#include "model/Model.h"
#include "schedule/Schedule.h"
#include "sounds/PlaySound.h"
#include "ui/Launcher.h"
#include "ui/MainFrame.h"

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
    // Nothing fires behind a message box or dialog of the program: the minute
    // work waits until it is closed, only the caption's clock goes on.
    if (model_.modal) {
        model_.View().RefreshCaption();
        timer_->start(CClockTick::kSecondInterval);
        return;
    }
    timer_->start(tick_.OnTimer());
}

void QtClockActions::PlayChime(const std::string& name) {
    PlayActionSound(model_, name, true);
}

void QtClockActions::LaunchScheduled(int category, int slot) {
    LaunchButton(model_, category, slot);
}

void QtClockActions::ShowAlarm(const CSchedule& alarm, const std::string& dateTimeLine) {
    model_.Message(alarm.message + "\r\n\r\n" + dateTimeLine, "Alarm", MsgIcon::Information);
}

void QtClockActions::SaveConfiguration() {
    frame_.SaveConfiguration();
}
