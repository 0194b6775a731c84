#include "config/ConfigurationCommands.h"

#include <optional>
#include <vector>

#include "config/ConfigWriter.h"
#include "config/Configurations.h"
#include "config/LoadConfiguration.h"
#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"
#include "ui/EditDialogs.h"
#include "ui/ModalScope.h"

namespace {

constexpr const char* kFilter = "Dorvane Configuration Files (*.cfg)|*.cfg";
constexpr const char* kSaveFailed = "Save Failed";
constexpr const char* kDoesNotExist = "Configuration Doesn't Exist";

// The path chosen in a configuration file dialog, or "" when cancelled.
std::string ChooseConfigurationFile(CModel& model, const std::string& title, bool save,
                                    bool confirmOverwrite, const std::string& proposed = "") {
    FileDialogRequest request;
    request.caption = title;
    request.folder = model.programFolder;
    request.fileName = proposed;
    request.filters = {kFilter};
    request.save = save;
    request.confirmOverwrite = confirmOverwrite;
    request.defaultSuffix = "cfg";
    FileDialogResult result;
    {
        const ModalScope modal(model);
        result = model.platform.prompter.ChooseFiles(request);
    }
    return result.files.empty() ? std::string() : result.files.front();
}

// Tells why `name` cannot be used; true when it can.
bool CheckName(CModel& model, const std::string& name) {
    const std::string problem = ConfigurationNameProblem(name);
    if (problem.empty())
        return true;
    model.Message("\"" + name + "\" cannot be used as a configuration name.\r\n\r\n" + problem,
                  "Invalid Configuration Name", MsgIcon::Stop);
    return false;
}

// Saves the current configuration when it has unsaved changes, before another
// one takes its place. False (after saying so) when the changes could not be
// saved: the caller then leaves everything as it is.
bool SaveBeforeSwitch(CModel& model) {
    if (!model.settingsModified || WriteConfiguration(model, "", SaveReport::Quiet))
        return true;
    model.Message(Format("Your changes to the configuration \"%s\" could not be saved, so it "
                         "stays open.\r\n\r\nFree some disk space or fix the permissions of "
                         "the program folder (%s) and try again.",
                         model.configName.c_str(), model.programFolder.c_str()),
                  kSaveFailed, MsgIcon::Stop);
    return false;
}

void ReportDoesNotExist(CModel& model, const std::string& name) {
    model.Message(Format("The specified configuration (%s) does not exist", name.c_str()),
                  kDoesNotExist, MsgIcon::Stop);
}

// Moves one file of a configuration to its new name. `replace`: the user
// agreed that an existing file of the new name be replaced.
bool MoveConfigurationFile(FileSystem& fs, const std::string& from, const std::string& to,
                           bool replace) {
    // A rename never replaces another file; it succeeds for a new name and
    // for another spelling of the same file (a case-only rename).
    if (fs.Rename(from, to))
        return true;
    // The copy replaces the target atomically, or creates it without
    // replacing; the source goes only once the copy is complete.
    if (!fs.CopyFile(from, to, !replace))
        return false;
    fs.DeleteFile(from);
    return true;
}

} // namespace

void SaveConfigurationAs(CModel& model, const std::string& proposed) {
    const std::string chosen = ChooseConfigurationFile(
        model, "Specify a Name for Saving the Current Configuration", true, true, proposed);
    const std::string name = ConfigurationNameOf(chosen);
    if (chosen.empty() || name.empty() || !CheckName(model, name))
        return;
    // The dialog asked about the file it showed; the copy goes to the program
    // folder, where a configuration of that name may be another file.
    const std::string target = ConfigurationPath(model, ConfigKind::Main, name);
    if (chosen != target && ConfigurationExists(model, ConfigKind::Main, name) &&
        model.Message(Format("The specified configuration - \"%s\" - already exists.\r\n\r\n"
                             "Saving will overwrite the existing one. Do you want to "
                             "continue?",
                             name.c_str()),
                      "Overwrite Existing Configuration?", MsgIcon::Exclamation,
                      MsgButtons::YesNo) != MsgAnswer::Yes)
        return;

    const bool modified = model.settingsModified;
    const bool autoHide = model.savedAutoHide;
    const bool lock = model.savedLockWindowPosition;
    const bool written = WriteConfiguration(model, name, SaveReport::Quiet);
    // A copy: the current configuration is as unsaved as it was.
    model.settingsModified = modified;
    model.savedAutoHide = autoHide;
    model.savedLockWindowPosition = lock;
    if (!written) {
        model.Message(Format("The configuration could not be saved as \"%s\".\r\n\r\nAn earlier "
                             "file of that name is unchanged. Free some disk space or fix the "
                             "permissions of the program folder (%s) and try again.",
                             name.c_str(), model.programFolder.c_str()),
                      kSaveFailed, MsgIcon::Stop);
        return;
    }
    model.View().RebuildConfigurationMenus();
}

std::string BackupProposal(const CModel& model) {
    const LocalDateTime now = model.platform.clock.Now();
    return model.configName + Format("%02d%02d%02d", now.month, now.day, now.year % 100);
}

void CreateConfiguration(CModel& model) {
    const std::string chosen =
        ChooseConfigurationFile(model, "Specify a Name for the New Configuration", true, false);
    const std::string name = ConfigurationNameOf(chosen);
    if (chosen.empty() || name.empty() || !CheckName(model, name))
        return;
    // The chosen file, the file the configuration would be written to, and
    // the current configuration, which may not have been saved yet.
    if (FileExists(model.platform.fs, chosen) ||
        ConfigurationExists(model, ConfigKind::Main, name) ||
        EqualsNoCase(name, model.configName)) {
        model.Message(Format("A configuration named \"%s\" already exists.", name.c_str()),
                      "Configuration Already Exists", MsgIcon::Stop);
        return;
    }
    if (!SaveBeforeSwitch(model))
        return;
    model.configName = name;
    const MsgAnswer answer =
        model.Message("Would you like the new configuration to use the same settings "
                      "(button layout, options, etc.) as the current configuration, or "
                      "would you like the default settings used?\r\n\r\n"
                      "Press \"Yes\" if you want the same settings used, "
                      "or \"No\" to use the default settings.",
                      "Use Current Settings?", MsgIcon::Information, MsgButtons::YesNo);
    SwitchConfiguration(model, true, answer == MsgAnswer::No);
    if (!WriteConfiguration(model, "", SaveReport::Quiet)) {
        // Kept modified, so that closing tries again and says so.
        model.settingsModified = true;
        model.Message(Format("The new configuration \"%s\" could not be saved.\r\n\r\nIt stays "
                             "open; free some disk space or fix the permissions of the program "
                             "folder (%s) and save it again.",
                             name.c_str(), model.programFolder.c_str()),
                      kSaveFailed, MsgIcon::Stop);
    }
    model.View().RebuildConfigurationMenus();
}

void LoadConfigurationCommand(CModel& model) {
    const std::string chosen = ChooseConfigurationFile(
        model, "Specify the Name of the Configuration to Load", false, true);
    const std::string name = ConfigurationNameOf(chosen);
    if (chosen.empty() || name.empty())
        return;
    if (OpenConfigurationByName(model, name))
        model.settingsModified = false;
}

bool OpenConfigurationByName(CModel& model, const std::string& name) {
    if (name.empty() || !ConfigurationExists(model, ConfigKind::Main, name)) {
        ReportDoesNotExist(model, name);
        return false;
    }
    if (!SaveBeforeSwitch(model))
        return false;
    model.configName = name;
    SwitchConfiguration(model, false, true);
    model.View().RebuildConfigurationMenus();
    return true;
}

void ChooseListedConfiguration(CModel& model, const std::string& name) {
    if (!EqualsNoCase(name, model.configName))
        OpenConfigurationByName(model, name);
}

void RenameCurrentConfiguration(CModel& model, EditDialogs& dialogs) {
    TextInputRequest request;
    request.title = "Rename the Current Configuration";
    request.prompt = "Enter a new name for the current configuration";
    request.label = "New Name";
    request.initial = model.configName;
    request.selectAll = true;
    request.okText = "Rename";
    for (;;) {
        std::optional<std::string> value;
        {
            const ModalScope modal(model);
            value = dialogs.TextInput(request);
        }
        if (!value || value->empty())
            return;
        // Spaces around a typed name are slips, not part of a file name.
        const std::string name = Trim(*value);
        if (CheckName(model, name)) {
            RenameConfiguration(model, model.configName, name);
            model.View().RebuildConfigurationMenus();
            return;
        }
        // The dialog comes back with what was typed, to be corrected.
        request.initial = *value;
    }
}

bool RenameConfiguration(CModel& model, const std::string& from, const std::string& to) {
    if (!ConfigurationExists(model, ConfigKind::Main, from)) {
        ReportDoesNotExist(model, from);
        return false;
    }
    if (from == to)
        return true; // nothing to move
    // Another spelling of the same name is the same file where the file
    // system ignores case; only a separately listed file is another one.
    bool replace = false;
    if (ConfigurationExists(model, ConfigKind::Main, to)) {
        bool separate = !EqualsNoCase(from, to);
        if (!separate)
            for (const std::string& listed : ConfigurationList(model))
                separate = separate || listed == to;
        if (separate) {
            if (model.Message(
                    Format("The specified configuration - \"%s\" - already exists.\r\n\r\n",
                           to.c_str()) +
                        "Renaming the configuration will overwrite the existing one. "
                        "Do you want to continue with the rename operation?",
                    "Overwrite Existing Configuration?", MsgIcon::Exclamation,
                    MsgButtons::YesNo) != MsgAnswer::Yes)
                return false;
            replace = true;
        }
    }

    FileSystem& fs = model.platform.fs;
    std::vector<std::string> kept;
    for (ConfigKind kind : kConfigKinds) {
        if (!ConfigurationExists(model, kind, from))
            continue;
        const std::string source = ConfigurationPath(model, kind, from);
        if (MoveConfigurationFile(fs, source, ConfigurationPath(model, kind, to), replace))
            continue;
        if (kind == ConfigKind::Main) {
            model.Message(Format("The configuration \"%s\" could not be renamed to \"%s\".\r\n\r\n"
                                 "No file was changed. Check the permissions of the program "
                                 "folder (%s) and the free disk space.",
                                 from.c_str(), to.c_str(), model.programFolder.c_str()),
                          "Rename Failed", MsgIcon::Stop);
            return false;
        }
        kept.push_back(source);
    }
    if (!kept.empty()) {
        std::string list;
        for (const std::string& file : kept)
            list += "\r\n" + file;
        model.Message(Format("The configuration \"%s\" is now named \"%s\", but these copies "
                             "of it kept their old names:",
                             from.c_str(), to.c_str()) +
                          list,
                      "Rename Incomplete", MsgIcon::Exclamation);
    }

    if (EqualsNoCase(from, model.configName)) {
        model.configName = to;
        // The next start opens the configuration under its new name.
        model.platform.profile.SetString("DVLastConfig", to);
        model.View().RefreshCaption();
    }
    return true;
}

void DeleteConfigurationCommand(CModel& model) {
    const std::string chosen = ChooseConfigurationFile(
        model, "Specify the Name of the Configuration to Delete", false, true);
    if (chosen.empty()) {
        model.View().RebuildConfigurationMenus();
        return;
    }
    const std::string name = ConfigurationNameOf(chosen);
    if (name.empty())
        return;
    if (EqualsNoCase(name, model.configName)) {
        model.Message("You cannot delete the current configuration", "Illegal Operation",
                      MsgIcon::Stop);
        return;
    }
    if (model.Message(
            Format("Are you sure that you want to delete configuration \"%s\"", name.c_str()),
            "Delete Configuration?", MsgIcon::Exclamation, MsgButtons::YesNo) == MsgAnswer::Yes) {
        if (DeleteConfigurationFiles(model, name))
            model.Message(Format("Configuration \"%s\" has been deleted", name.c_str()),
                          "Configuration Deleted", MsgIcon::Exclamation);
        else if (ConfigurationExists(model, ConfigKind::Main, name))
            model.Message(Format("The configuration \"%s\" could not be deleted.\r\n\r\nCheck "
                                 "the permissions of the program folder (%s).",
                                 name.c_str(), model.programFolder.c_str()),
                          "Delete Failed", MsgIcon::Stop);
    }
    model.View().RebuildConfigurationMenus();
}

bool DeleteConfigurationFiles(CModel& model, const std::string& name) {
    if (!ConfigurationExists(model, ConfigKind::Main, name))
        return false;
    FileSystem& fs = model.platform.fs;
    bool deleted = true;
    for (ConfigKind kind : kConfigKinds) {
        if (!ConfigurationExists(model, kind, name))
            continue;
        const bool gone = fs.DeleteFile(ConfigurationPath(model, kind, name));
        if (kind == ConfigKind::Main)
            deleted = gone;
    }
    return deleted;
}

void SwitchConfiguration(CModel& model, bool create, bool flag) {
    model.changes.recording = false;
    model.ClearCategories();
    model.changes.Clear();
    model.editState = {};
    if (create) {
        NewConfiguration(model, flag);
    } else {
        model.favorites.ResetFavorites();
        LoadConfiguration(model, flag);
    }
    ViewHooks& view = model.View();
    view.RebuildFavoritesMenu();
    model.changes.recording = true;
    model.settingsModified = false;
    model.savedAutoHide = model.settings.AutoHide;
    model.savedLockWindowPosition = model.settings.LockWindowPosition;
    model.platform.profile.SetString("DVLastConfig", model.configName);
    view.ShowCategory();
    view.RefreshCaption();
}

void NewConfiguration(CModel& model, bool useDefaults) {
    // No save may run while the configuration is only half made.
    model.loading = true;
    model.loadDropped = false;
    model.settingsModified = false;
    model.editState = {};
    model.settings.EnableScheduledLaunches = true;
    if (useDefaults) {
        model.ResetSettings();
        ResetActionSounds(model.sounds, model.programFolder);
    }
    model.ClearDialogParams();
    model.CreateCategory(0, "Untitled");
    model.SetCurrentCategoryIndex(0);
    ViewHooks& view = model.View();
    view.ApplyWindowSettings();
    view.RefreshMenuBar();
    model.favorites.ResetFavorites();
    model.loading = false;
}
