#include "ui/Launcher.h"

#include <array>
#include <cctype>
#include <vector>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "platform/posix/ShellWords.h"
#include "sounds/PlaySound.h"

namespace {

// The caption of a failed launch's message box.
constexpr const char* kLaunchErrorCaption = "Unable to Launch";

// A desktop tool that stands in for a shell folder, with its parameters.
struct Tool {
    const char* program;
    const char* parameters;
};

// The tools for the three shell-folder names, in order of preference: the
// first found on PATH is started.
struct ShellFolderTools {
    const char* name;
    std::array<Tool, 8> tools;
};

const ShellFolderTools kShellFolders[] = {
    {"Control Panel",
     {{{"gnome-control-center", ""},
       {"systemsettings", ""},
       {"systemsettings5", ""},
       {"xfce4-settings-manager", ""},
       {"mate-control-center", ""},
       {"cinnamon-settings", ""},
       {"lxqt-config", ""},
       {"budgie-control-center", ""}}}},
    {"Dial-Up Networking",
     {{{"nm-connection-editor", ""},
       {"gnome-control-center", "network"},
       {"systemsettings", "kcm_networkmanagement"}}}},
    {"Printers",
     {{{"system-config-printer", ""},
       {"gnome-control-center", "printers"},
       {"systemsettings", "kcm_printer_manager"}}}},
};

ShowMode ShowModeOf(int openMode) {
    switch (openMode) {
    case 2:
        return ShowMode::Maximized;
    case 3:
        return ShowMode::Minimized;
    default:
        return ShowMode::Normal;
    }
}

// An existing file or folder, or a drive.
bool TargetPresent(const CModel& model, const std::string& target) {
    const FileSystem& fs = model.platform.fs;
    return FileExists(fs, target) || IsDriveRoot(fs, target);
}

// A Windows drive form ("A:", "c:\") kept in stored data.
bool IsWindowsDrive(const std::string& s) {
    const bool letter =
        !s.empty() && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
    return letter && (s.size() == 2 || (s.size() == 3 && (s[2] == '\\' || s[2] == '/'))) &&
           s[1] == ':';
}

// Where a target is on this machine: the floppy letters stand for the
// removable-media folder, other Windows drives for the root.
std::string NativeTarget(const CModel& model, const std::string& target) {
    if (!IsWindowsDrive(target))
        return target;
    if (AsciiUpper(target[0]) != 'A' && AsciiUpper(target[0]) != 'B')
        return "/";
    const FileSystem& fs = model.platform.fs;
    const std::string user = LastPathComponent(fs.HomeDirectory());
    for (const std::string& folder : {"/run/media/" + user, "/media/" + user}) {
        if (fs.IsFolder(folder))
            return folder;
    }
    return "/media";
}

// The working directory of an executable: its own, or its target's folder.
std::string WorkingDirectoryOf(const CModel& model, const CButtonDef& button) {
    if (!button.Directory().empty())
        return button.Directory();
    return FolderOf(model.platform.fs, button.Target());
}

bool CountsAsDone(const CButtonDef& button, int result) {
    return result > 32 || button.IsDrive();
}

const ShellFolderTools* ShellFolderNamed(const std::string& name) {
    for (const ShellFolderTools& entry : kShellFolders) {
        if (EqualsNoCase(entry.name, name))
            return &entry;
    }
    return nullptr;
}

// The first of the folder's tools found on PATH, with its path; null when
// none is installed.
const Tool* InstalledTool(const CModel& model, const ShellFolderTools& folder, std::string& path) {
    for (const Tool& tool : folder.tools) {
        if (tool.program == nullptr)
            break;
        path = model.platform.shell.FindProgram(tool.program);
        if (!path.empty())
            return &tool;
    }
    return nullptr;
}

// Tells which programs were looked for when a shell-folder button finds none
// of its tools on this desktop.
std::string ToolNames(const ShellFolderTools& folder) {
    std::string names;
    for (const Tool& tool : folder.tools) {
        if (tool.program == nullptr)
            break;
        names += std::string(names.empty() ? "" : ", ") + tool.program;
    }
    return names;
}

std::string MissingToolText(const ShellFolderTools& folder) {
    return Format("None of the programs for \"%s\" is installed on this desktop.\r\n\r\n"
                  "Looked for: %s.",
                  folder.name, ToolNames(folder).c_str());
}

bool HasScheme(const std::string& address) {
    // scheme = ALPHA *( ALPHA / DIGIT / "+" / "-" / "." ) ":"; one letter
    // before the colon is a Windows drive, not a scheme.
    const std::size_t colon = address.find(':');
    if (colon == std::string::npos || colon < 2 ||
        !std::isalpha(static_cast<unsigned char>(address[0])))
        return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(address[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

// The launch procedure. `direct` marks a button that lives in no slot: then
// no sound plays and failures are not reported.
bool Launch(CModel& model, const CButtonDef& button, int category, int slot, bool direct) {
    Shell& shell = model.platform.shell;
    const std::string& target = button.Target();

    if (button.IsUrl()) {
        const int result = shell.Open({AddressToOpen(target), "", "", ShowMode::Normal});
        if (result <= 32) {
            model.Message("Unable to connect to the Internet address:\r\n\r\n" + target,
                          "Can't Connect to Internet Address", MsgIcon::Stop);
        }
        return result > 32;
    }
    if (!TargetPresent(model, target))
        return false;

    const auto playSound = [&] {
        if (!direct)
            PlayButtonSound(model, category, slot);
    };
    const auto report = [&](int result) {
        return direct ? CountsAsDone(button, result) : ReportShellResult(model, button, result);
    };

    if (button.IsFolder() || button.IsDrive()) {
        if (const ShellFolderTools* folder = ShellFolderNamed(button.Name())) {
            // The desktop's tool for that shell folder; its result is ignored.
            std::string path;
            const Tool* tool = InstalledTool(model, *folder, path);
            if (tool == nullptr) {
                model.Message(MissingToolText(*folder), kLaunchErrorCaption, MsgIcon::Stop);
                return false;
            }
            playSound();
            shell.Execute({path, tool->parameters, "", ShowMode::Normal});
            return true;
        }
        playSound();
        return report(
            shell.Open({NativeTarget(model, target), "", "", ShowModeOf(button.OpenMode())}));
    }
    if (button.IsDocument()) {
        playSound();
        return report(shell.Open({target, "", "", ShowMode::Maximized}));
    }

    const std::string directory = WorkingDirectoryOf(model, button);
    if (!directory.empty())
        shell.SetCurrentDirectory(directory);
    playSound();
    return report(
        shell.Execute({target, button.Parameters(), directory, ShowModeOf(button.OpenMode())}));
}

// Tells the user that the desktop's opener could not show `what`.
void ReportOpenerFailure(CModel& model, const std::string& what, const std::string& path) {
    model.Message("Unable to open " + what + ":\r\n\r\n" + path +
                      "\r\n\r\nThe desktop's opener (gio or xdg-open) is missing or "
                      "reported an error.",
                  kLaunchErrorCaption, MsgIcon::Stop);
}

// Opens one of the View Apps In folders, with AutoHide switched off so that
// the window stays reachable beside it.
void ViewAppsIn(CModel& model, const std::string& folder) {
    PlayActionSound(model, "Open File Selection Box", true);
    model.settings.AutoHide = false;
    model.View().RefreshMenuBar();
    if (!model.platform.fs.IsFolder(folder)) {
        model.Message("There is no applications folder to show.\r\n\r\nLooked for: " + folder + ".",
                      "No Applications Folder", MsgIcon::Information);
        return;
    }
    if (model.platform.shell.Open({folder, "", "", ShowMode::Normal}) <= 32)
        ReportOpenerFailure(model, "the applications folder", folder);
}

} // namespace

std::string ShellFolderToolNames(const std::string& name) {
    const ShellFolderTools* folder = ShellFolderNamed(name);
    return folder ? ToolNames(*folder) : std::string();
}

std::string ShellFolderToolPath(const CModel& model, const std::string& name) {
    std::string path;
    const ShellFolderTools* folder = ShellFolderNamed(name);
    return folder != nullptr && InstalledTool(model, *folder, path) != nullptr ? path : "";
}

void LaunchClicked(CModel& model, int category, int slot) {
    const CButtonDef* button = model.GetButton(category, slot);
    if (button == nullptr)
        return;
    if (!button->IsUrl() && !TargetPresent(model, button->Target())) {
        model.Message("Unable to find the file:\r\n\r\n" + button->Target(), "Bad Button",
                      MsgIcon::Stop);
        return;
    }
    LaunchButton(model, category, slot);
}

bool LaunchButton(CModel& model, int category, int slot) {
    const CButtonDef* button = model.GetButton(category, slot);
    return button != nullptr && Launch(model, *button, category, slot, false);
}

void LaunchScheduledButton(CModel& model, int category, int slot) {
    if (model.GetButton(category, slot) == nullptr)
        return;
    PlayButtonSound(model, category, slot);
    LaunchButton(model, category, slot);
}

bool LaunchGivenButton(CModel& model, const CButtonDef& button) {
    return Launch(model, button, -1, -1, true);
}

bool LaunchWithDroppedFile(CModel& model, int category, int slot, const std::string& path) {
    const CButtonDef* button = model.GetButton(category, slot);
    if (button == nullptr || !button->IsExe())
        return false;
    const std::string directory = WorkingDirectoryOf(model, *button);
    if (!directory.empty())
        model.platform.shell.SetCurrentDirectory(directory);
    // The dropped path stays one word whatever it holds; the button's own
    // parameters follow after a comma.
    std::string parameters = QuoteShellWord(path);
    if (!button->Parameters().empty())
        parameters += "," + button->Parameters();
    const int result = model.platform.shell.Execute(
        {button->Target(), parameters, directory, ShowModeOf(button->OpenMode())});
    if (!ReportShellResult(model, *button, result))
        return false;
    PlayButtonSound(model, category, slot);
    return true;
}

std::string AddressToOpen(const std::string& address) {
    if (address.empty() || HasScheme(address))
        return address;
    if (address.find('@') != std::string::npos && address.find('/') == std::string::npos)
        return "mailto:" + address;
    return "https://" + address;
}

bool ReportShellResult(CModel& model, const CButtonDef& button, int result) {
    if (result > 32)
        return true;
    std::string text;
    switch (result) {
    case ShellResult::FileNotFound:
        text = "Unable to Find the File:\r\n\r\n" + button.Target();
        break;
    case ShellResult::PathNotFound:
        text = "Unable to Find the Path:\r\n\r\n" + button.Target();
        break;
    case ShellResult::BadFormat:
        text = "Invalid \".exe\" Format for File:\r\n\r\n" + button.Target();
        break;
    case ShellResult::BadParameters:
        text = "A Quote in the Parameters Is Never Closed:\r\n\r\n" + button.Target() +
               "\r\n\r\nParameters: " + button.Parameters();
        break;
    case ShellResult::NulCharacter:
        text = "The Target or Parameters Contain a NUL Character:\r\n\r\n" +
               ShownText(button.Target());
        break;
    case ShellResult::TooLong:
        text = "The Parameters Are Too Long to Start the File:\r\n\r\n" +
               ShownText(button.Target()) +
               Format("\r\n\r\n(%zu bytes of parameters)", button.Parameters().size());
        break;
    default:
        text = "Unable to Open the File:\r\n\r\n" + button.Target();
        break;
    }
    model.Message(text, kLaunchErrorCaption, MsgIcon::Stop);
    return button.IsDrive();
}

void OpenEmailUtility(CModel& model) {
    int category = -1;
    int slot = -1;
    if (model.FindButtonByName("E-Mail", category, slot)) {
        // As a click on that button, wherever it is; the shown category stays.
        LaunchClicked(model, category, slot);
        return;
    }
    model.Message("Unable to Open Your E-Mail Utility\r\n\r\n"
                  "Create a button in any category which launches your e-mail "
                  "utility. Then, right-click on the button and select the \"Properties\" "
                  "command, enter the string \"E-Mail\" as its \"Popup Text\" in the dialog "
                  "that pops up and press \"Apply\". "
                  "This will enable you to open your e-mail utility "
                  "using the \"E-Mail Utility\" command in the \"Open\" menu.",
                  "Create E-Mail Utility Button", MsgIcon::Exclamation);
}

namespace {

// The default browser's program, from its desktop entry.
std::optional<ShortcutInfo> WebBrowser(const CModel& model) {
    const std::string entry = model.platform.shell.DefaultWebBrowser();
    if (entry.empty())
        return std::nullopt;
    auto info = model.platform.shortcuts.Read(entry);
    if (!info || info->target.empty())
        return std::nullopt;
    return info;
}

} // namespace

bool WebBrowserFound(const CModel& model) {
    return WebBrowser(model).has_value();
}

void OpenWebBrowser(CModel& model) {
    const auto browser = WebBrowser(model);
    if (!browser) {
        model.Message("No default web browser is set on this desktop.\r\n\r\nLooked for: the "
                      "desktop entry of the default handler of web addresses (xdg-settings, "
                      "xdg-mime).",
                      "No Web Browser", MsgIcon::Information);
        return;
    }
    if (model.platform.shell.Execute({browser->target, browser->arguments,
                                      browser->workingDirectory, ShowMode::Maximized}) <= 32)
        model.Message("Unable to start the web browser:\r\n\r\n" + browser->target,
                      kLaunchErrorCaption, MsgIcon::Stop);
}

bool ScreenSaverAvailable(const CModel& model) {
    return !model.platform.shell.FindProgram("xdg-screensaver").empty();
}

void StartScreenSaver(CModel& model) {
    const std::string program = model.platform.shell.FindProgram("xdg-screensaver");
    if (program.empty()) {
        model.Message("This desktop offers no way to start its screen saver.\r\n\r\n"
                      "Looked for: xdg-screensaver.",
                      "No Screen Saver", MsgIcon::Information);
        return;
    }
    if (model.platform.shell.Execute({program, "activate", "", ShowMode::Normal}) <= 32)
        model.Message("Unable to start the screen saver:\r\n\r\n" + program, kLaunchErrorCaption,
                      MsgIcon::Stop);
}

void ViewStartMenuFolder(CModel& model) {
    const std::string home = model.platform.fs.HomeDirectory();
    ViewAppsIn(model, JoinPath(home, ".local/share/applications"));
}

void ViewProgramsFolder(CModel& model) {
    ViewAppsIn(model, "/usr/share/applications");
}

void FindFileOrFolder(CModel& model) {
    const CButtonDef* button = model.GetButton(-1, model.editState.rightClickedSlot);
    // An internet address lies in no folder.
    if (button == nullptr || button->IsUrl())
        return;
    const std::string target = NativeTarget(model, button->Target());
    if (!TargetPresent(model, target)) {
        model.Message("Unable to find the file:\r\n\r\n" + target, "Bad Button", MsgIcon::Stop);
        return;
    }
    Shell& shell = model.platform.shell;
    if (shell.ShowItems(target))
        return;
    const std::string folder = FolderOf(model.platform.fs, target);
    if (!folder.empty() && shell.Open({folder, "", "", ShowMode::Normal}) > 32)
        return;
    model.Message("No file manager could show:\r\n\r\n" + target +
                      "\r\n\r\nLooked for: a file manager on the session bus "
                      "(org.freedesktop.FileManager1), then the desktop's opener (gio or "
                      "xdg-open) for the folder holding it.",
                  "No File Manager", MsgIcon::Information);
}

std::vector<std::string> RemovableMediaFolders(const std::string& user) {
    if (user.empty())
        return {};
    return {"/run/media/" + user, "/media/" + user};
}

void OpenRemovableMedia(CModel& model, const std::vector<std::string>& folders) {
    const FileSystem& fs = model.platform.fs;
    std::string places;
    for (const std::string& folder : folders) {
        places += (places.empty() ? "" : " and ") + folder;
        if (!fs.IsFolder(folder))
            continue;
        // A medium is mounted as a folder inside the user's folder.
        for (const FileEntry& entry : fs.FindAll(JoinPath(folder, "*"))) {
            if (!entry.isFolder || entry.name == "." || entry.name == "..")
                continue;
            if (model.platform.shell.Open({folder, "", "", ShowMode::Normal}) <= 32)
                ReportOpenerFailure(model, "the removable media", folder);
            return;
        }
    }
    model.Message("No removable medium (USB stick, memory card, disc) is mounted.\r\n\r\n"
                  "Looked in: " +
                      (places.empty() ? std::string("the media folders") : places) + ".",
                  "No Removable Media", MsgIcon::Information);
}
