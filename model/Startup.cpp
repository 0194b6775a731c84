#include "model/Startup.h"

#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Text.h"
#include "sounds/ActionSounds.h"

StartupState RunStartup(CModel& model) {
    StartupState state;
    model.settingsModified = false;
    model.editState = ButtonWindowState{};
    model.ResetSettings();
    model.folders = StartFolders{};

    Platform& platform = model.platform;
    model.programFolder = platform.fs.CurrentDirectory();
    platform.profile.SetString("DVPath", model.programFolder);
    // Saves killed half-way leave their temporary copies behind.
    for (const char* extension : {".cfg", ".cfg.bak"})
        platform.fs.RemoveStaleTemporaries(model.programFolder, extension);
    if (platform.profile.GetInt("DVFirstUse", 1) != 0) {
        state.greetingDue = true;
        platform.profile.SetInt("DVFirstUse", 0);
    }
    // A load resets the sounds only for a valid file; a first start or an
    // unreadable configuration must still sound.
    ResetActionSounds(model.sounds, model.programFolder);

    const std::string last = platform.profile.GetString("DVLastConfig", "");
    const bool lastExists = !last.empty() && FileExists(platform.fs, ConfigFilePath(model, last));
    model.configName = lastExists ? last : "Buttons";
    return state;
}

void ApplyFirstDisplayChoice(CModel& model) {
    static constexpr std::string_view kExtension = ".cfg";
    std::string only;
    int count = 0;
    for (const FileEntry& entry :
         model.platform.fs.FindAll(JoinPath(model.programFolder, "*.cfg"))) {
        if (entry.isFolder || ContainsNoCase(entry.name, "_Recent") ||
            ContainsNoCase(entry.name, "_Backup") || ContainsNoCase(entry.name, "_Saved"))
            continue;
        only = entry.name.substr(0, entry.name.size() - kExtension.size());
        ++count;
    }
    if (count == 1)
        model.configName = only;
}

std::string ConfigFilePath(const CModel& model, const std::string& name) {
    return JoinPath(model.programFolder, name + ".cfg");
}

std::string FirstUseGreetingText() {
    return Format("WELCOME to DORVANE Version %d.0!\r\n\r\n", kProgramVersion) +
           "This is the first time that you have used this version of the "
           "program. A tutorial is available to help you learn how "
           "to use the program's basic features.\r\n\r\n"
           "(You can use the tutorial at any time in the future by selecting "
           "the \"Tutorial\" command in the \"Help\" menu.)\r\n\r\n"
           "Would you like to use the DORVANE tutorial?";
}

bool ShowFirstUseGreeting(CModel& model, const StartupState& state) {
    if (!state.greetingDue)
        return false;
    return model.Message(FirstUseGreetingText(), kGreetingCaption, MsgIcon::Information,
                         MsgButtons::YesNo) == MsgAnswer::Yes;
}
