// The scheduling side of CMainFrame: the schedule and alarm lists, the menu-bar
// alarm-clock and schedule buttons, and a button's Schedule Launch command.
#include "ui/qt/MainFrame.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/ScheduleEdit.h"
#include "schedule/qt/ScheduleDialog.h"
#include "schedule/qt/ScheduleListDialog.h"
#include "sounds/PlaySound.h"
#include "ui/MenuIds.h"

void CMainFrame::BuildScheduleCommands() {
    // The lists and dialogs change the menu-bar pictures and the menu states.
    const auto then = [this](std::function<void()> run) {
        return [this, run = std::move(run)] {
            run();
            RebuildMenuBar();
            RefreshCaption();
        };
    };
    commands_[IdShowSchedule] = then([this] { OpenScheduleList(ScheduleMode::Launches); });
    commands_[IdAlarms] = then([this] {
        model_.alarms.SetCurrentIndex(-1);
        OpenScheduleList(ScheduleMode::Alarms);
    });
    commands_[IdAlarmClock] = then([this] {
        PlayActionSound(model_, "Generic Button Click", true);
        model_.alarms.SetCurrentIndex(-1);
        OpenScheduleList(ScheduleMode::Alarms);
    });
    commands_[IdScheduleBitmap] = then([this] {
        PlayActionSound(model_, "Generic Button Click", true);
        OpenScheduleList(ScheduleMode::Launches);
    });
    commands_[IdScheduleLaunch] = then([this] {
        const int slot = model_.editState.rightClickedSlot;
        const CButtonDef* button = model_.GetButton(-1, slot);
        if (!button)
            return;
        if (button->Schedule()) {
            CancelButtonSchedule(model_, -1, slot);
            return;
        }
        CScheduleEdit edit = CScheduleEdit::ForButton(model_, -1, slot);
        CScheduleDlg dialog(model_, edit, nullptr, this);
        dialog.exec();
    });
}

void CMainFrame::OpenScheduleList(ScheduleMode mode) {
    CScheduleListDlg dialog(model_, mode, this);
    scheduleList_ = &dialog;
    dialog.exec();
    scheduleList_ = nullptr;
}

void CMainFrame::RefreshScheduleList() {
    if (scheduleList_)
        scheduleList_->Refill();
    for (CScheduleDlg* dialog : findChildren<CScheduleDlg*>())
        dialog->Refresh();
}
