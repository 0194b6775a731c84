#pragma once

#include "schedule/ClockTick.h"

#include <QObject>

class CModel;
class CMainFrame;
class QTimer;

// Runs the clock tick on a timer: the caption's clock every second until the
// minute boundary, then the minute work (chimes, scheduled launches, alarms).
class QtClockActions : public QObject, public ClockTickActions {
    Q_OBJECT
  public:
    QtClockActions(CModel& model, CMainFrame& frame);
    void Start();
    void Stop();

    void PlayChime(const std::string& name) override;
    void LaunchScheduled(int category, int slot) override;
    void ShowAlarm(const CSchedule& alarm, const std::string& dateTimeLine) override;
    void SaveConfiguration() override;
    void RefreshScheduleList() override;

  private:
    void Tick();

    CModel& model_;
    CMainFrame& frame_;
    CClockTick tick_;
    QTimer* timer_;
};
