#pragma once

#include <functional>
#include <string>
#include <vector>

class CModel;
class CButtonDef;

// Launching buttons and the commands that start other programs. Everything
// goes through the platform's Shell; nothing here waits for what it starts.

// A click on an occupied slot (category -1: the current one): a target that is
// missing shows "Bad Button"; otherwise the button is launched.
void LaunchClicked(CModel& model, int category, int slot);
// Launches the button at (category, slot) with its launch sound and the report
// of a failure; the scheduled launch uses it too. True when the launch counts
// as done: it succeeded, or the button is a drive.
bool LaunchButton(CModel& model, int category, int slot);
// The scheduled launch of the button at (category, slot): its launch sound,
// then the launch without the click's check, so an internet address or a
// button whose target is gone still sounds.
void LaunchScheduledButton(CModel& model, int category, int slot);
// Launches a button that lives in no slot (a Favorites item): no sound, and no
// report except for an internet address that cannot be opened.
bool LaunchGivenButton(CModel& model, const CButtonDef& button);
// Starts the executable button at (category, slot) with a dropped file as its
// first parameter; false (file not taken) for any other kind or an empty slot.
bool LaunchWithDroppedFile(CModel& model, int category, int slot, const std::string& path);
// Tells the user about a failed launch result; answers whether the launch
// counts as done (success, or a drive that could not be opened).
bool ReportShellResult(CModel& model, const CButtonDef& button, int result);
// The address handed to the opener for an internet-address target: as it is
// when it starts with a scheme ("https:", "mailto:", ...); otherwise as a
// browser reads what is typed: "mailto:" before an e-mail address (an "@"
// and no "/"), "https://" before anything else.
std::string AddressToOpen(const std::string& address);

// The desktop tool that stands in for a shell-folder button ("Control Panel",
// "Dial-Up Networking", "Printers"): the path of the first one installed, or
// "" when there is none or the name is no such folder.
std::string ShellFolderToolPath(const CModel& model, const std::string& name);
// The programs looked for, in order, for such a shell folder ("a, b, c"), or
// "" when the name is no such folder.
std::string ShellFolderToolNames(const std::string& name);

// E-Mail Utility: clicks the first button named "E-Mail" in table order,
// in whatever category it is, or explains how to make one.
void OpenEmailUtility(CModel& model);
// The default web browser is known (enables the Web Browser command).
bool WebBrowserFound(const CModel& model);
void OpenWebBrowser(CModel& model);
// The desktop can start its screen saver (enables Start Screen Saver).
bool ScreenSaverAvailable(const CModel& model);
void StartScreenSaver(CModel& model);
// View Apps In: the user's and the system's application folders.
void ViewStartMenuFolder(CModel& model);
void ViewProgramsFolder(CModel& model);
// Find File or Folder on the right-clicked button: the file manager shows the
// target selected, or else the folder holding it is opened; when neither
// works the user is told what was looked for.
void FindFileOrFolder(CModel& model);
// Where the desktop mounts the removable media of `user`, in lookup order.
std::vector<std::string> RemovableMediaFolders(const std::string& user);
// The menu bar's removable-media picture: opens the first of `folders` that
// holds a mounted medium, or says that none is mounted and where it looked.
void OpenRemovableMedia(CModel& model, const std::vector<std::string>& folders);
