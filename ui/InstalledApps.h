#pragma once

#include <functional>
#include <string>
#include <vector>

class FileSystem;
class ShortcutReader;

// One application the desktop's menus offer: its desktop entry, the name in
// the user's language and its icon (a theme name and, where found, a file).
struct InstalledApplication {
    std::string entry;
    std::string name;
    std::string iconName;
    std::string iconFile;
};

// The applications folders in lookup order: $XDG_DATA_HOME/applications
// (~/.local/share/applications), then each of $XDG_DATA_DIRS
// (/usr/local/share:/usr/share) with /applications.
std::vector<std::string> ApplicationFolders(const std::function<std::string(const char*)>& env,
                                            const std::string& home);

// The applications of those folders, sorted by name (ASCII case folded). An
// entry of an earlier folder hides one with the same desktop-file id in a
// later folder (the id of sub/x.desktop is sub-x.desktop); entries marked
// NoDisplay or Hidden, and entries that launch nothing, are left out.
std::vector<InstalledApplication>
ListInstalledApplications(const FileSystem& fs, const ShortcutReader& reader,
                          const std::vector<std::string>& folders);

class CModel;
class EditDialogs;

// "Add Installed Application": lists the applications of the folders, lets
// `pick` choose among them (the chosen entries; none on Cancel) and adds the
// chosen ones at `slot` (-1: the first empty slot). A full category or an
// empty list is said instead. Returns the number of buttons added.
int AddInstalledApplication(
    CModel& model, EditDialogs& dialogs, int slot, const std::vector<std::string>& folders,
    const std::function<std::vector<std::string>(const std::vector<InstalledApplication>&)>& pick);
