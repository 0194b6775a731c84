#include "ui/InstalledApps.h"

#include <algorithm>
#include <set>

#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "platform/FileSystem.h"
#include "platform/ShortcutReader.h"
#include "ui/AddButtons.h"
#include "ui/ModalScope.h"

namespace {

// Keys of the [Desktop Entry] group the shortcut reader does not report:
// whether the menus hide the entry, and its icon's theme name.
struct EntryFlags {
    bool hidden = false;
    std::string icon;
};

EntryFlags ReadFlags(const FileSystem& fs, const std::string& path) {
    EntryFlags flags;
    std::string text;
    if (!fs.ReadFile(path, text))
        return flags;
    bool inMain = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        if (!inMain)
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string key = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        if ((key == "NoDisplay" || key == "Hidden") && value == "true")
            flags.hidden = true;
        else if (key == "Icon")
            flags.icon = value;
    }
    return flags;
}

void Collect(const FileSystem& fs, const ShortcutReader& reader, const std::string& folder,
             const std::string& idPrefix, int depth, std::set<std::string>& seenIds,
             std::vector<InstalledApplication>& apps) {
    for (const FileEntry& found : fs.FindAll(JoinPath(folder, "*"))) {
        if (found.name == "." || found.name == "..")
            continue;
        const std::string path = JoinPath(folder, found.name);
        if (found.isFolder) {
            if (depth < 3)
                Collect(fs, reader, path, idPrefix + found.name + "-", depth + 1, seenIds, apps);
            continue;
        }
        if (!EqualsNoCase(ExtensionOf(found.name), "desktop"))
            continue;
        const std::string id = idPrefix + found.name;
        // The first folder's entry stands for its id, even when it hides it.
        if (!seenIds.insert(id).second)
            continue;
        const EntryFlags flags = ReadFlags(fs, path);
        if (flags.hidden)
            continue;
        const auto info = reader.Read(path);
        if (!info || info->target.empty() || info->internetAddress)
            continue;
        const std::string name =
            info->displayName.empty() ? FileTitleOf(fs, path) : info->displayName;
        apps.push_back({path, name, flags.icon, info->iconFile});
    }
}

} // namespace

std::vector<std::string> ApplicationFolders(const std::function<std::string(const char*)>& env,
                                            const std::string& home) {
    std::vector<std::string> folders;
    const std::string dataHome = env("XDG_DATA_HOME");
    folders.push_back(
        JoinPath(dataHome.empty() ? JoinPath(home, ".local/share") : dataHome, "applications"));
    std::string dirs = env("XDG_DATA_DIRS");
    if (dirs.empty())
        dirs = "/usr/local/share:/usr/share";
    std::size_t at = 0;
    while (at <= dirs.size()) {
        std::size_t end = dirs.find(':', at);
        if (end == std::string::npos)
            end = dirs.size();
        if (end > at)
            folders.push_back(JoinPath(dirs.substr(at, end - at), "applications"));
        at = end + 1;
    }
    return folders;
}

std::vector<InstalledApplication>
ListInstalledApplications(const FileSystem& fs, const ShortcutReader& reader,
                          const std::vector<std::string>& folders) {
    std::vector<InstalledApplication> apps;
    std::set<std::string> seenIds;
    for (const std::string& folder : folders)
        if (fs.IsFolder(folder))
            Collect(fs, reader, folder, "", 0, seenIds, apps);
    const auto folded = [](std::string s) {
        for (char& c : s)
            c = AsciiLower(c);
        return s;
    };
    std::stable_sort(apps.begin(), apps.end(), [&folded](const auto& a, const auto& b) {
        return folded(a.name) < folded(b.name);
    });
    return apps;
}

int AddInstalledApplication(
    CModel& model, EditDialogs& dialogs, int slot, const std::vector<std::string>& folders,
    const std::function<std::vector<std::string>(const std::vector<InstalledApplication>&)>& pick) {
    if (slot == -1 && model.FindFreeSlot(-1, 0, true) < 0) {
        model.Message("All buttons are in use in the current category", "Category is Full",
                      MsgIcon::Stop);
        return 0;
    }
    const std::vector<InstalledApplication> apps =
        ListInstalledApplications(model.platform.fs, model.platform.shortcuts, folders);
    if (apps.empty()) {
        std::string places;
        for (const std::string& folder : folders)
            places += (places.empty() ? "" : ", ") + folder;
        model.Message("No installed applications were found.\r\n\r\nLooked in: " + places + ".",
                      "No Applications Found", MsgIcon::Information);
        return 0;
    }
    std::vector<std::string> chosen;
    {
        const ModalScope modal(model);
        chosen = pick(apps);
    }
    return AddPickedApplications(model, dialogs, slot, chosen);
}
