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

bool WriteConfiguration(CModel& model, const std::string& name) {
    if (model.loading || model.writing || model.closing)
        return true;
    const std::string path = ConfigFilePath(model, name.empty() ? model.configName : name);
    model.writing = true;
    const std::string text = ConfigurationText(model);
    const bool written = model.platform.fs.WriteFileAtomic(path, text);
    model.writing = false;
    if (!written)
        return false;
    model.settingsModified = false;
    model.savedAutoHide = model.settings.AutoHide;
    model.savedLockWindowPosition = model.settings.LockWindowPosition;
    return true;
}
