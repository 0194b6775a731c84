#include "ui/AddButtons.h"

#include <cstdlib>
#include <optional>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/ButtonEditing.h"
#include "ui/EditDialogs.h"
#include "ui/Launcher.h"
#include "ui/ModalScope.h"
#include "undo/Undo.h"

namespace {

// File dialog 0 remembers the add-buttons folder and filter.
constexpr int kAddDialog = 0;

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kSlotsPerCategory;
}

void CategoryIsFull(CModel& model, const char* text) {
    model.Message(text, "Category is Full", MsgIcon::Stop);
}

// The slot an add goes to: `slot` itself when it is an empty slot, the first
// empty slot for -1 (after the "Category is Full" message when there is
// none); -1 when there is no place.
int AddSlot(CModel& model, int slot) {
    if (slot == -1) {
        slot = model.FindFreeSlot(-1, 0, true);
        if (slot < 0)
            CategoryIsFull(model, "All buttons are in use in the current category");
        return slot;
    }
    return ValidSlot(slot) && !model.HasButton(-1, slot) ? slot : -1;
}

// A button for a file: an internet shortcut becomes an address button, a
// desktop entry the application it starts, anything else gets its default
// text.
CButtonDef* MakeFileButton(CModel& model, int slot, const std::string& path) {
    CButtonDef* button = CButtonDef::CreateAt(model, -1, slot, "", path, "", 0, 1);
    if (!button)
        return nullptr;
    if (!button->ReadUrlFile())
        button->MakeDefaultText();
    model.View().RedrawSlot(slot);
    if (EqualsNoCase(ExtensionOf(path), "desktop")) {
        const auto entry = model.platform.shortcuts.Read(path);
        if (entry && entry->terminalMissing)
            model.Message("\"" + button->Name() +
                              "\" runs in a terminal, but no terminal program was found.\r\n\r\n"
                              "Install one (such as xterm) or set the TERMINAL environment "
                              "variable to yours; until then the button starts the program "
                              "without a terminal.",
                          "No Terminal Found", MsgIcon::Exclamation);
    }
    return button;
}

// What follows an add of one button through a dialog: the layout, and the
// Button Text dialog so the user can name the button at once.
void AfterAdd(CModel& model, EditDialogs& dialogs, int slot) {
    model.View().ShowCategory();
    if (model.settings.TextOnButtons > 0 && model.HasButton(-1, slot))
        EditButtonText(model, dialogs, slot);
}

void AddApplicationAt(CModel& model, EditDialogs& dialogs, int slot, bool inWindowsFolder) {
    const int first = slot == -1 ? model.FindFreeSlot(-1, 0, true) : slot;
    const int added = AddByFileDialog(model, slot, inWindowsFolder);
    if (added == 0)
        return;
    if (slot != -1 || added == 1)
        AfterAdd(model, dialogs, first);
    else
        model.View().ShowCategory();
}

// The name of a drive root: "Drive C" for a Windows drive form, else "Drive "
// and the mount point's last component ("Drive /" for the root).
std::string DriveName(const std::string& path) {
    const bool windowsDrive =
        path.size() >= 2 && path[1] == ':' &&
        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (windowsDrive)
        return std::string("Drive ") + AsciiUpper(path[0]);
    const std::string last = LastPathComponent(path);
    return "Drive " + (last.empty() ? std::string("/") : last);
}

// One special button's definition on this desktop.
struct SpecialDef {
    const char* name;
    const char* oneLine;
    const char* twoLines;
    const char* description;
};

const SpecialDef& DefOf(SpecialButton which) {
    static const SpecialDef defs[] = {
        {"My Computer", "My Cmptr", "My\\nComputer", "Add My Computer Folder"},
        {"Windows Explorer", "Windows\\nExplorer", "Windows\\nExplorer",
         "Add Button via File Selection Dialog"},
        {"Control Panel", "Ctrl Panel", "Control\\nPanel", "Add Control Panel Folder"},
        {"Dial-Up Networking", "Dial-Up", "Dial-Up\\nNetwork", "Add Dial-Up Networking Folder"},
        {"Printers", "Printers", "Printers", "Add Printers Folder"},
        {"Windows Folder", "Windows", "Windows\\nFolder", "Add Windows Folder"},
        {"Start Menu Folder", "Start", "Start\\nMenu", "Add Start Menu Folder"},
        {"Start-Up Folder", "Start-Up", "Start-Up\\nFolder", "Add Start-Up Folder"},
    };
    return defs[static_cast<int>(which)];
}

std::string ExistingFolder(const CModel& model, const std::string& path) {
    return model.platform.fs.IsFolder(path) ? path : std::string();
}

// A folder of the desktop that a fresh account may not have yet: made, with
// its parents, so that its button has something to open.
std::string MadeFolder(const CModel& model, const std::string& path) {
    FileSystem& fs = model.platform.fs;
    for (std::size_t at = path.find('/', 1); !fs.IsFolder(path); at = path.find('/', at + 1)) {
        const std::string part = path.substr(0, at);
        if (!fs.IsFolder(part) && !fs.CreateFolder(part))
            break;
        if (at == std::string::npos)
            break;
    }
    return ExistingFolder(model, path);
}

// The autostart folder of the desktop session.
std::string StartUpFolder(const CModel& model) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base = config && *config
                                 ? std::string(config)
                                 : JoinPath(model.platform.fs.HomeDirectory(), ".config");
    return JoinPath(base, "autostart");
}

// The target of a special button here, or "" when this desktop lacks it.
std::string SpecialTarget(const CModel& model, SpecialButton which) {
    const FileSystem& fs = model.platform.fs;
    switch (which) {
    case SpecialButton::MyComputer:
        return "/";
    case SpecialButton::Explorer:
        // The desktop's opener shows the home folder; without it, nothing.
        return model.platform.shell.FindProgram("xdg-open").empty()
                   ? std::string()
                   : ExistingFolder(model, fs.HomeDirectory());
    case SpecialButton::ControlPanel:
    case SpecialButton::DialUp:
    case SpecialButton::Printers:
        return ShellFolderToolPath(model, DefOf(which).name);
    case SpecialButton::WindowsFolder:
        return ExistingFolder(model, model.folders.windowsFolder);
    case SpecialButton::StartMenu:
        return MadeFolder(model, JoinPath(fs.HomeDirectory(), ".local/share/applications"));
    case SpecialButton::StartUp:
        return MadeFolder(model, StartUpFolder(model));
    }
    return "";
}

// What a special button needs on this desktop, for the message that says it
// was not found.
std::string SpecialLookedFor(const CModel& model, SpecialButton which) {
    const FileSystem& fs = model.platform.fs;
    switch (which) {
    case SpecialButton::MyComputer:
        return "/";
    case SpecialButton::Explorer:
        return "the desktop's opener (xdg-open) and your home folder";
    case SpecialButton::ControlPanel:
    case SpecialButton::DialUp:
    case SpecialButton::Printers:
        return ShellFolderToolNames(DefOf(which).name);
    case SpecialButton::WindowsFolder:
        return "the folder " + model.folders.windowsFolder;
    case SpecialButton::StartMenu:
        return "the folder " + JoinPath(fs.HomeDirectory(), ".local/share/applications") +
               " (it could not be made)";
    case SpecialButton::StartUp:
        return "the folder " + StartUpFolder(model) + " (it could not be made)";
    }
    return "";
}

enum class SpecialOutcome { Added, NoSlot, Missing };

SpecialOutcome PlaceSpecialButton(CModel& model, SpecialButton which) {
    const int slot = model.FindFreeSlot(-1, 0, true);
    if (slot < 0)
        return SpecialOutcome::NoSlot;
    const std::string target = SpecialTarget(model, which);
    if (target.empty())
        return SpecialOutcome::Missing;
    const SpecialDef& def = DefOf(which);
    const bool explorer = which == SpecialButton::Explorer;
    CButtonDef* button =
        CButtonDef::CreateAt(model, -1, slot, def.name, target, "", 0, explorer ? 2 : 1);
    if (!button)
        return SpecialOutcome::Missing;
    const int textMode = model.settings.TextOnButtons;
    if (explorer || textMode == 2)
        button->SetText(def.twoLines);
    else if (textMode == 1)
        button->SetText(def.oneLine);
    model.View().RedrawSlot(slot);
    BeginChangeWithEntry(model, def.description, "Add Button", -1, slot, true);
    model.SetModified();
    PlayActionSound(model, "Add", true);
    model.View().ShowCategory();
    return SpecialOutcome::Added;
}

constexpr const char* kFullText = "All buttons are in use in the current category";

} // namespace

const std::vector<std::string>& AddButtonFilters() {
    // The Windows program's seven filters, in their order, with what the same
    // kinds of file are called and named here.
    static const std::vector<std::string> filters = {
        "Applications (*.desktop *.AppImage *.sh *.exe)|*.desktop;*.AppImage;*.sh;*.exe",
        "Text Documents (*.odt *.doc *.docx)|*.odt;*.doc;*.docx",
        "Presentations (*.odp *.ppt *.pptx)|*.odp;*.ppt;*.pptx",
        "Spreadsheets (*.ods *.xls *.xlsx)|*.ods;*.xls;*.xlsx",
        "Publications (*.pub *.odg)|*.pub;*.odg",
        "Text Files (*.txt)|*.txt",
        "All Files (*)|*",
    };
    return filters;
}

bool IsApplicationFile(const FileSystem& fs, const std::string& path) {
    const std::string extension = ExtensionOf(path);
    for (const char* known : {"desktop", "AppImage", "sh", "exe"})
        if (EqualsNoCase(extension, known))
            return true;
    return fs.IsExecutableProgram(path);
}

int AddByFileDialog(CModel& model, int slot, bool inWindowsFolder) {
    int next = AddSlot(model, slot);
    if (next < 0)
        return 0;
    const FileSystem& fs = model.platform.fs;
    const std::string& windows = model.folders.windowsFolder;
    FileDialogRequest request;
    request.caption = "Select Files for Buttons";
    request.folder = inWindowsFolder ? windows : model.DialogFolder(kAddDialog, windows);
    request.filters = AddButtonFilters();
    request.filterIndex = model.DialogFilter(kAddDialog, static_cast<int>(request.filters.size()));
    request.multiple = true;
    // The first filter lists programs beside the desktop entries.
    request.testedFilter = 1;
    request.test = [&fs](const std::string& path) { return IsApplicationFile(fs, path); };
    PlayActionSound(model, "Open File Selection Box", true);
    FileDialogResult result;
    {
        const ModalScope modal(model);
        result = model.platform.prompter.ChooseFiles(request);
    }
    if (result.files.empty()) {
        // A cancelled dialog changes nothing the user would save; the filter
        // is still remembered for the next time.
        const bool modified = model.settingsModified;
        model.SetDialogFilter(kAddDialog, result.filterIndex);
        model.settingsModified = modified;
        return 0;
    }
    model.SetDialogFilter(kAddDialog, result.filterIndex);

    int added = 0;
    bool folderRemembered = false;
    for (const std::string& file : result.files) {
        if (next < 0)
            break; // no empty slot left: the rest are not added
        if (!FileExists(fs, file))
            continue;
        if (!folderRemembered) {
            model.SetDialogFolder(kAddDialog, FolderOf(fs, file));
            folderRemembered = true;
        }
        if (!MakeFileButton(model, next, file))
            break;
        PlayActionSound(model, "Add", true);
        BeginChangeWithEntry(model, "Add Button via File Selection Dialog", "Add Button", -1, next,
                             true);
        ++added;
        next = next + 1 < kSlotsPerCategory ? model.FindFreeSlot(-1, next + 1, true) : -1;
    }
    model.SetModified();
    return added;
}

int AddPickedApplications(CModel& model, EditDialogs& dialogs, int slot,
                          const std::vector<std::string>& entries) {
    if (entries.empty())
        return 0;
    const int first = AddSlot(model, slot);
    int next = first;
    int added = 0;
    for (const std::string& entry : entries) {
        if (next < 0)
            break; // no empty slot left: the rest are not added
        if (!FileExists(model.platform.fs, entry) || !MakeFileButton(model, next, entry))
            continue;
        PlayActionSound(model, "Add", true);
        BeginChangeWithEntry(model, "Add Button via Application List", "Add Button", -1, next,
                             true);
        ++added;
        next = next + 1 < kSlotsPerCategory ? model.FindFreeSlot(-1, next + 1, true) : -1;
    }
    if (added == 0)
        return 0;
    model.SetModified();
    if (added == 1)
        AfterAdd(model, dialogs, first);
    else
        model.View().ShowCategory();
    return added;
}

void AddApplicationCommand(CModel& model, EditDialogs& dialogs, int slot) {
    AddApplicationAt(model, dialogs, slot, false);
}

void ViewWindowsFolderApps(CModel& model, EditDialogs& dialogs) {
    AddApplicationAt(model, dialogs, -1, true);
}

bool AddFolder(CModel& model, EditDialogs& dialogs, int slot) {
    slot = AddSlot(model, slot);
    if (slot < 0)
        return false;
    PlayActionSound(model, "Open File Selection Box", true);
    std::optional<std::string> folder;
    {
        const ModalScope modal(model);
        folder = model.platform.prompter.ChooseFolder("Select a Folder for the Button", "");
    }
    if (!folder || folder->empty())
        return false;
    const std::string name = IsDriveRoot(model.platform.fs, *folder) ? DriveName(*folder) : "";
    CButtonDef* button = CButtonDef::CreateAt(model, -1, slot, name, *folder, "", 0, 1);
    if (!button)
        return false;
    button->MakeDefaultText();
    model.View().RedrawSlot(slot);
    PlayActionSound(model, "Add", true);
    BeginChangeWithEntry(model, "Add Folder via Folder Selection Dialog", "Add Button", -1, slot,
                         true);
    model.SetModified();
    AfterAdd(model, dialogs, slot);
    return true;
}

bool AddInternetAddress(CModel& model, EditDialogs& dialogs, int slot) {
    TextInputRequest request;
    request.title = "Button to Internet Site";
    request.prompt =
        "Please enter the Internet address that you want to go to when the button is pressed.";
    request.label = "Address";
    request.okText = "Create";
    std::optional<std::string> address;
    {
        const ModalScope modal(model);
        address = dialogs.TextInput(request);
    }
    if (!address || Trim(*address).empty())
        return false;
    slot = AddSlot(model, slot);
    if (slot < 0)
        return false;
    CButtonDef* button = CButtonDef::CreateAt(model, -1, slot, "", "", "", 0, 1);
    if (!button)
        return false;
    button->SetUrl(Trim(*address));
    model.View().RedrawSlot(slot);
    PlayActionSound(model, "Add", true);
    BeginChangeWithEntry(model, "Add Button for Internet Address", "Add Button", -1, slot, true);
    model.SetModified();
    AfterAdd(model, dialogs, slot);
    return true;
}

bool AddSpecialButton(CModel& model, SpecialButton which) {
    switch (PlaceSpecialButton(model, which)) {
    case SpecialOutcome::Added:
        return true;
    case SpecialOutcome::NoSlot:
        CategoryIsFull(model, kFullText);
        return false;
    case SpecialOutcome::Missing:
        model.Message(Format("This desktop has nothing that stands in for \"%s\", so no button "
                             "was added.\r\n\r\nLooked for: %s.",
                             DefOf(which).name, SpecialLookedFor(model, which).c_str()),
                      "Special Button Not Added", MsgIcon::Information);
        return false;
    }
    return false;
}

int AddAllSpecialButtons(CModel& model) {
    if (model.FindFreeSlot(-1, 0, true) < 0) {
        CategoryIsFull(model, kFullText);
        return 0;
    }
    const bool sound = model.settings.Sound;
    model.settings.Sound = false;
    int added = 0;
    std::string missed;
    for (SpecialButton which :
         {SpecialButton::MyComputer, SpecialButton::Explorer, SpecialButton::ControlPanel,
          SpecialButton::DialUp, SpecialButton::Printers, SpecialButton::WindowsFolder,
          SpecialButton::StartMenu, SpecialButton::StartUp}) {
        switch (PlaceSpecialButton(model, which)) {
        case SpecialOutcome::Added:
            ++added;
            break;
        case SpecialOutcome::NoSlot:
            missed += Format("%s: no empty slot was left.\r\n", DefOf(which).name);
            break;
        case SpecialOutcome::Missing:
            missed += Format("%s: not found on this desktop (looked for %s).\r\n",
                             DefOf(which).name, SpecialLookedFor(model, which).c_str());
            break;
        }
    }
    model.settings.Sound = sound;
    if (!missed.empty())
        model.Message(Format("%d of the 8 special buttons were added.\r\n\r\n", added) + missed,
                      "Special Buttons", MsgIcon::Information);
    return added;
}

bool DropFile(CModel& model, EditDialogs& dialogs, const std::string& path, int slot,
              bool rolledUp) {
    // A rolled-up window hands drops to the file backup utility (the frame
    // does that, see DropGoesToBackup); they never become buttons.
    if (rolledUp || path.empty() || !model.CurrentCategory())
        return false;
    const int firstEmpty = model.FindFreeSlot(-1, 0, true);
    int target = ValidSlot(slot) ? slot : firstEmpty;
    if (ValidSlot(slot) && model.HasButton(-1, slot)) {
        if (LaunchWithDroppedFile(model, -1, slot, path))
            return false;
        target = -1;
        if (firstEmpty >= 0) {
            if (model.Message("The button on which you dropped the file is occupied.\r\n\r\n"
                              "Would you like the file placed on the first empty button?",
                              "Drop onto First Empty Button?", MsgIcon::Question,
                              MsgButtons::YesNo) != MsgAnswer::Yes)
                return false;
            target = firstEmpty;
        }
    }
    if (target < 0) {
        CategoryIsFull(model, "All buttons are in use in the current category.");
        return false;
    }
    PlayActionSound(model, "Add", true);
    if (!MakeFileButton(model, target, path))
        return false;
    BeginChangeWithEntry(model, "Add Button via Drag-and-Drop", "Add Button", -1, target, true);
    if (model.settings.TextOnButtons > 0)
        EditButtonText(model, dialogs, target);
    model.View().ShowCategory();
    model.SetModified();
    return true;
}
