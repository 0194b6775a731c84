#pragma once

#include <string>
#include <vector>

class CModel;
class FileSystem;
class EditDialogs;

// The eight special buttons, in the order "All of the Above" adds them.
enum class SpecialButton {
    MyComputer,
    Explorer,
    ControlPanel,
    DialUp,
    Printers,
    WindowsFolder,
    StartMenu,
    StartUp,
};

// A file the applications filter of the add-buttons dialog lists: a desktop
// entry, an AppImage, a script or .exe by name, or any program (an execute
// bit and an ELF header or "#!").
bool IsApplicationFile(const FileSystem& fs, const std::string& path);

// The add-buttons file dialog's filters ("Description|patterns"), seven of
// them: the remembered filter index keeps its meaning across platforms.
const std::vector<std::string>& AddButtonFilters();

// The file dialog at `slot` of the current category (-1: the first empty
// slot, after "Category is Full" when there is none). `inWindowsFolder`
// starts it in the system folder (View Apps In: Windows Folder). Returns the
// number of buttons added.
int AddByFileDialog(CModel& model, int slot, bool inWindowsFolder = false);
// The main menu's and the empty-slot menu's "Add Application or Document":
// the file dialog, then the layout and, for one new button, its Button Text
// dialog. The click on an empty slot uses it too.
void AddApplicationCommand(CModel& model, EditDialogs& dialogs, int slot);
// Adds the desktop entries picked from the installed applications as the
// file dialog adds files: the first at `slot` (-1: the first empty slot,
// after "Category is Full" when there is none), the rest in the next empty
// slots; then the layout and, for one new button, its Button Text dialog.
// Returns the number added.
int AddPickedApplications(CModel& model, EditDialogs& dialogs, int slot,
                          const std::vector<std::string>& entries);
// View Apps In: Windows Folder.
void ViewWindowsFolderApps(CModel& model, EditDialogs& dialogs);
// The folder browser at `slot` (-1: the first empty slot); true when added.
// The new button's Button Text dialog follows.
bool AddFolder(CModel& model, EditDialogs& dialogs, int slot);
// An internet address; `slot` -1 (main menu) takes the first empty slot.
bool AddInternetAddress(CModel& model, EditDialogs& dialogs, int slot);
// One special button at the first empty slot. When there is no room, or this
// desktop lacks its tool or folder, the user is told what was looked for.
bool AddSpecialButton(CModel& model, SpecialButton which);
// All eight, with action sounds off meanwhile; one message lists those that
// could not be added and why. Returns the number added.
int AddAllSpecialButtons(CModel& model);

// A file dropped at `slot` of the current category (-1: on no button).
// `rolledUp`: the window was rolled up; the drop is then left to the file
// backup utility. Returns true when a button was added.
bool DropFile(CModel& model, EditDialogs& dialogs, const std::string& path, int slot,
              bool rolledUp);
