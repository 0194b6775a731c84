#include "ui/StartupLink.h"

#include <string_view>

#include "model/Model.h"
#include "model/PathFunctions.h"
#include "model/Startup.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/ModalScope.h"

namespace {
constexpr std::string_view kExecReserved = " \t\n\"'\\><~|&;$*?#()`";

std::string Joined(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool MakeFolders(FileSystem& fs, const std::string& folder) {
    if (folder.empty())
        return false;
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/')
            continue;
        const std::string part = folder.substr(0, at);
        if (!fs.IsFolder(part) && !fs.CreateFolder(part))
            return false;
    }
    return true;
}

// The file dialog that finds the program when it is not where it should be;
// empty when the user cancels or picks something that is not a program.
std::string LocateExecutable(CModel& model) {
    FileDialogRequest request;
    request.caption = "Specify the Dorvane Executable File";
    request.filters = {"Executable Files|*"};
    const FileSystem& fs = model.platform.fs;
    request.folder = IsExistingFolder(fs, model.programFolder) ? model.programFolder
                                                               : model.folders.windowsFolder;
    PlayActionSound(model, "Open File Selection Box", true);
    FileDialogResult result;
    {
        ModalScope modal(model);
        result = model.platform.prompter.ChooseFiles(request);
    }
    if (result.files.empty() || !fs.IsExecutableProgram(result.files.front()))
        return "";
    return result.files.front();
}

void CreateAfterAsking(CModel& model, const StartupLinkPlaces& places) {
    const MsgAnswer answer =
        model.Message("A link to Dorvane will be created in your autostart folder "
                      "on your computer. Dorvane will be automatically started "
                      "whenever you log in.\r\n\r\n"
                      "Please confirm that you want this link created.",
                      "Create Link?", MsgIcon::Exclamation, MsgButtons::YesNo);
    if (answer != MsgAnswer::Yes)
        return;
    FileSystem& fs = model.platform.fs;
    std::string target = places.executable;
    if (target.empty() || !fs.IsExecutableProgram(target)) {
        model.Message("The Dorvane executable file:  " + target +
                          "  cannot be located.\r\n\r\n"
                          "A file selection dialog box will be invoked. "
                          "Please use it to locate the Dorvane executable file.",
                      "Dorvane File not Found", MsgIcon::Stop);
        target = LocateExecutable(model);
    }
    if (target.empty())
        return;
    // The entry starts the program in its program folder, where its
    // configurations are, wherever the program file itself lives.
    if (CreateStartupLink(fs, places.autostartFolder, target, model.programFolder) &&
        StartupLinkExists(fs, places.autostartFolder))
        model.Message("The Dorvane link has been created.", "Link Created", MsgIcon::Exclamation);
}
} // namespace

std::string StartupLinkPath(const std::string& autostartFolder) {
    if (autostartFolder.empty())
        return "";
    return Joined(autostartFolder, Format("Dorvane %d.desktop", kProgramVersion));
}

bool StartupLinkExists(const FileSystem& fs, const std::string& autostartFolder) {
    const std::string path = StartupLinkPath(autostartFolder);
    return !path.empty() && FileExists(fs, path) && !fs.IsFolder(path);
}

std::string DesktopStringValue(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\r')
            out += "\\r";
        else if (c == ' ' && i == 0)
            out += "\\s";
        else
            out += c;
    }
    return out;
}

std::string DesktopExecArgument(const std::string& argument) {
    const bool quote =
        argument.empty() || argument.find_first_of(kExecReserved) != std::string::npos;
    std::string out = quote ? "\"" : "";
    for (const char c : argument) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += '\\';
        if (c == '%')
            out += '%';
        out += c;
    }
    if (quote)
        out += '"';
    return out;
}

std::string StartupLinkContents(const std::string& executable, const std::string& folder) {
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += Format("Name=Dorvane %d\n", kProgramVersion);
    text += "Exec=" + DesktopStringValue(DesktopExecArgument(executable)) + "\n";
    if (!folder.empty())
        text += "Path=" + DesktopStringValue(folder) + "\n";
    text += "Terminal=false\n";
    return text;
}

bool CreateStartupLink(FileSystem& fs, const std::string& autostartFolder,
                       const std::string& executable, const std::string& folder) {
    const std::string path = StartupLinkPath(autostartFolder);
    if (path.empty() || !MakeFolders(fs, autostartFolder))
        return false;
    return fs.WriteFileAtomic(path, StartupLinkContents(executable, folder));
}

StartupLinkBox ReadStartupLinkBox(const FileSystem& fs, const StartupLinkPlaces& places) {
    const bool exists = StartupLinkExists(fs, places.autostartFolder);
    return StartupLinkBox{exists, exists};
}

void ApplyStartupLink(CModel& model, const StartupLinkPlaces& places, StartupLinkBox& box) {
    if (!box.Modified())
        return;
    FileSystem& fs = model.platform.fs;
    const bool exists = StartupLinkExists(fs, places.autostartFolder);
    if (box.initial) {
        // Unchecked: only an entry that is still there needs deleting.
        if (exists) {
            const MsgAnswer answer =
                model.Message("Are you sure that you want to delete the Dorvane link "
                              "in your autostart folder on your computer?\r\n\r\n"
                              "Without this link, Dorvane will not automatically start "
                              "when you log in.\r\n\r\n"
                              "If you delete the link, you can "
                              "re-create it at any time.",
                              "Delete Link?", MsgIcon::Exclamation, MsgButtons::YesNo);
            if (answer == MsgAnswer::Yes && fs.DeleteFile(StartupLinkPath(places.autostartFolder)))
                model.Message("The Dorvane link has been deleted.", "Link Deleted",
                              MsgIcon::Exclamation);
        }
    } else if (box.current) {
        CreateAfterAsking(model, places);
    }
    box = ReadStartupLinkBox(fs, places);
}
