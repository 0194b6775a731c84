#pragma once

#include "model/ButtonIcon.h"

// Resource paths of the program's own pictures (SVG, compiled into the
// widgets library under ":/icons/").
namespace IconNames {
inline constexpr const char* App = ":/icons/app.svg";
inline constexpr const char* Document = ":/icons/document.svg";
inline constexpr const char* EmptySlot = ":/icons/empty-slot.svg";
inline constexpr const char* Alarm = ":/icons/alarm.svg";
inline constexpr const char* AlarmDue = ":/icons/alarm-due.svg";
inline constexpr const char* AlarmNone = ":/icons/alarm-none.svg";
inline constexpr const char* Undo = ":/icons/undo.svg";
inline constexpr const char* PushpinIn = ":/icons/pushpin-in.svg";
inline constexpr const char* PushpinOut = ":/icons/pushpin-out.svg";
inline constexpr const char* LockClosed = ":/icons/lock-closed.svg";
inline constexpr const char* LockOpen = ":/icons/lock-open.svg";
inline constexpr const char* Home = ":/icons/home.svg";
inline constexpr const char* Floppy = ":/icons/floppy.svg";
inline constexpr const char* BackupNet = ":/icons/backup-net.svg";
inline constexpr const char* Schedule = ":/icons/schedule.svg";
inline constexpr const char* Calendar = ":/icons/calendar.svg";
inline constexpr const char* ScreenSaver = ":/icons/screensaver.svg";
inline constexpr const char* Up = ":/icons/up.svg";
inline constexpr const char* Down = ":/icons/down.svg";

// The picture of a program-icon role; null for File and Document, whose
// pixels come from the file or the desktop's theme. A lettered drive uses the
// drive picture with its letter drawn over it.
inline const char* ForRole(IconRole role) {
    switch (role) {
    case IconRole::None:
    case IconRole::Default:
        return ":/icons/default.svg";
    case IconRole::Folder:
        return ":/icons/folder.svg";
    case IconRole::Url:
        return ":/icons/url.svg";
    case IconRole::Drive:
        return ":/icons/drive.svg";
    case IconRole::GenericDrive:
        return ":/icons/generic-drive.svg";
    case IconRole::ControlPanel:
        return ":/icons/control-panel.svg";
    case IconRole::DialUpNetworking:
        return ":/icons/dialup.svg";
    case IconRole::Printers:
        return ":/icons/printers.svg";
    case IconRole::MyComputer:
        return ":/icons/my-computer.svg";
    case IconRole::WindowsFolder:
        return ":/icons/windows-folder.svg";
    case IconRole::StartMenuFolder:
        return ":/icons/start-menu.svg";
    case IconRole::StartUpFolder:
        return ":/icons/startup-folder.svg";
    case IconRole::File:
    case IconRole::Document:
        return nullptr;
    }
    return nullptr;
}
} // namespace IconNames
