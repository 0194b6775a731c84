#include "config/ConfigWriter.h"

#include "favorites/FavoritesSection.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Startup.h"
#include "model/Text.h"
#include "schedule/AlarmsSection.h"
#include "sounds/SoundsSection.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr const char* kDialogLabels[] = {"ButtonApp", "Icons", "PropsSound", "Sounds"};

void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += kLineEnd;
}

void AppendButtons(std::string& out, const CModel& model) {
    AppendLine(out, "BUTTONS");
    for (int c = 0; c < kMaxCategories; ++c) {
        const CCategory* category = model.Category(c);
        if (!category)
            break;
        AppendLine(out, "CATEGORY " + category->Name());
        for (int slot = 0; slot < kSlotsPerCategory; ++slot)
            if (const CButtonDef* button = category->Slot(slot))
                out += button->WriteRecord(slot);
    }
}

void AppendDialogParameters(std::string& out, const CModel& model) {
    AppendLine(out, "FILE_DIALOG_PARAMETERS");
    for (int entry = 0; entry < 4; ++entry) {
        const DialogParams& params = model.DialogEntry(entry);
        // Concatenated, not formatted: a folder is bytes and may hold a NUL.
        AppendLine(out, Format("%s %d ", kDialogLabels[entry], params.filter) +
                            (params.folder.empty() ? std::string("default") : params.folder));
    }
}

} // namespace

std::string WriteSettings(const CSettings& settings) {
    std::string out;
    for (const std::string& line : SettingLines(settings))
        AppendLine(out, line);
    return out;
}

std::string ConfigurationText(const CModel& model) {
    std::string out;
    out.reserve(64 * 1024);
    AppendLine(out, "DORVANE CONFIGURATION FILE v10.0");
    const LocalDateTime now = model.platform.clock.Now();
    AppendLine(out, Format("%02d/%02d/%04d  %02d:%02d:%02d", now.month, now.day, now.year, now.hour,
                           now.minute, now.second));
    AppendLine(out, "SETTINGS");
    out += WriteSettings(model.settings);
    AppendButtons(out, model);
    AppendFavoritesSection(model, out);
    AppendAlarmsSection(model, out);
    AppendSoundsSection(model, out);
    AppendDialogParameters(out, model);
    return out;
}

namespace {

// Asks before a file the last load could not read is replaced.
bool MayReplaceUnreadFile(CModel& model, const std::string& path) {
    if (model.saveGuard.unreadFile != path)
        return true;
    const std::string text =
        "The configuration file\r\n\r\n" + path +
        "\r\n\r\ncould not be read when DORVANE started, so saving replaces what it holds "
        "with the configuration shown now.\r\n\r\nReplace the file?";
    if (model.Message(text, "Replace Unread Configuration?", MsgIcon::Exclamation,
                      MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    model.saveGuard.unreadFile.clear();
    return true;
}

} // namespace

std::string SaveFailedText(const std::string& name, const std::string& path,
                           const std::string& reason) {
    return Format("The configuration \"%s\" could not be saved to\r\n\r\n", name.c_str()) + path +
           "\r\n\r\n" + reason +
           "\r\n\r\nYour changes are still here: free some disk space or fix the "
           "folder's permissions, and save again.";
}

bool WriteConfiguration(CModel& model, const std::string& name, SaveReport report) {
    if (model.loading || model.writing || model.closing)
        return true;
    const std::string configName = name.empty() ? model.configName : name;
    const std::string path = ConfigFilePath(model, configName);
    FileSystem& fs = model.platform.fs;
    const auto fail = [&](const std::string& reason) {
        model.saveError = reason;
        if (report == SaveReport::Tell)
            model.Message(SaveFailedText(configName, path, reason), "Save Failed", MsgIcon::Stop);
        return false;
    };
    if (!MayReplaceUnreadFile(model, path))
        return fail("The file was kept as it is, as you chose.");

    model.writing = true;
    std::string notes;
    const bool keepRead = model.saveGuard.problemFile == path;
    if (keepRead) {
        const std::string kept = path + ".bak";
        const FileResult copy = fs.WriteFileAtomic(kept, model.saveGuard.problemBytes);
        if (!copy) {
            model.writing = false;
            return fail("The file as it was read could not be kept in " + kept + ": " +
                        copy.reason + ".");
        }
        notes += "The configuration file had problems when it was read. It is kept as it was "
                 "read in\r\n\r\n" +
                 kept + "\r\n\r\n";
    }
    const std::string text = ConfigurationText(model);
    const FileResult written = fs.WriteFileAtomic(path, text);
    model.writing = false;
    if (!written)
        return fail(written.reason + ".");
    model.saveError.clear();
    if (keepRead) {
        model.saveGuard.problemFile.clear();
        model.saveGuard.problemBytes.clear();
    }
    model.settingsModified = false;
    model.savedAutoHide = model.settings.AutoHide;
    model.savedLockWindowPosition = model.settings.LockWindowPosition;
    if (written.ownerChanged)
        notes += "The configuration was saved, but its owner and group could not be kept: the "
                 "file\r\n\r\n" +
                 path + "\r\n\r\nnow belongs to you.";
    // A quiet save (the window closing) shows no notes: nobody would read them.
    if (!notes.empty() && report == SaveReport::Tell)
        model.Message(notes, "Configuration Saved", MsgIcon::Information);
    return true;
}
