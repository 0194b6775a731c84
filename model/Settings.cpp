#include "model/Settings.h"

#include "model/Text.h"

namespace {

// The member initialisers of CSettings are the defaults; the table reads them
// from a default-made object so that they are written down once.
const CSettings& Defaults() {
    static const CSettings defaults;
    return defaults;
}

SettingDef IntRow(const char* key, int CSettings::*field) {
    const int def = Defaults().*field;
    return {key, SettingType::Int, def, false, 0, 0, def, field, nullptr, nullptr};
}

SettingDef RangedRow(const char* key, int CSettings::*field, int lo, int hi, int reset) {
    return {key, SettingType::Int, Defaults().*field, true, lo, hi, reset, field, nullptr, nullptr};
}

SettingDef BoolRow(const char* key, bool CSettings::*field) {
    const int v = Defaults().*field ? 1 : 0;
    return {key, SettingType::Bool, v, false, 0, 1, v, nullptr, field, nullptr};
}

SettingDef StringRow(const char* key, std::string CSettings::*field) {
    return {key, SettingType::String, 0, false, 0, 0, 0, nullptr, nullptr, field};
}

std::vector<SettingDef> BuildTable() {
    using S = CSettings;
    return {
        IntRow("ActiveOptionsPropPage", &S::ActiveOptionsPropPage),
        StringRow("CategoryOnEntry", &S::CategoryOnEntry),
        RangedRow("CatNameFormat", &S::CatNameFormat, 1, 6, 4),
        BoolRow("ShowConfigName", &S::ShowConfigName),
        BoolRow("ShowCategoryName", &S::ShowCategoryName),
        IntRow("TextOnButtons", &S::TextOnButtons),
        RangedRow("ButtonWidth", &S::ButtonWidth, 32, 100, 42),
        RangedRow("ButtonHeight", &S::ButtonHeight, 32, 100, 42),
        RangedRow("ButtonSpacing", &S::ButtonSpacing, 1, 20, 1),
        BoolRow("DisplayPopupText", &S::DisplayPopupText),
        BoolRow("MenuVisible", &S::MenuVisible),
        BoolRow("ShortMenuCaptions", &S::ShortMenuCaptions),
        BoolRow("MenuColorBitmaps", &S::MenuColorBitmaps),
        BoolRow("MenuShowPushpin", &S::MenuShowPushpin),
        BoolRow("MenuShowLock", &S::MenuShowLock),
        BoolRow("MenuShowHome", &S::MenuShowHome),
        BoolRow("MenuShowADrive", &S::MenuShowADrive),
        BoolRow("MenuShowScreenSaver", &S::MenuShowScreenSaver),
        BoolRow("MenuShowCategoryUpDown", &S::MenuShowCategoryUpDown),
        RangedRow("NRowsConstant", &S::NRowsConstant, 0, 30, 0),
        RangedRow("NColsConstant", &S::NColsConstant, 0, 30, 0),
        RangedRow("LayoutRowType", &S::LayoutRowType, 1, 3, 1),
        RangedRow("LayoutColType", &S::LayoutColType, 1, 3, 1),
        RangedRow("SpecialWindowLayout", &S::SpecialWindowLayout, 0, 4, 1),
        BoolRow("CenterWindowHorizontally", &S::CenterWindowHorizontally),
        BoolRow("CenterWindowVertically", &S::CenterWindowVertically),
        BoolRow("WindowWidthToScreen", &S::WindowWidthToScreen),
        BoolRow("WindowHeightToScreen", &S::WindowHeightToScreen),
        IntRow("FrameX", &S::FrameX),
        IntRow("FrameY", &S::FrameY),
        IntRow("FrameW", &S::FrameW),
        IntRow("FrameH", &S::FrameH),
        BoolRow("AutoHide", &S::AutoHide),
        BoolRow("AutoHideShowCaptionBar", &S::AutoHideShowCaptionBar),
        BoolRow("InvisibleOnAutoHide", &S::InvisibleOnAutoHide),
        BoolRow("TopMost", &S::TopMost),
        BoolRow("LockWindowPosition", &S::LockWindowPosition),
        BoolRow("EnableScheduledLaunches", &S::EnableScheduledLaunches),
        BoolRow("Sound", &S::Sound),
        BoolRow("PlayChimes", &S::PlayChimes),
        RangedRow("ShowTimeWeekday", &S::ShowTimeWeekday, 0, 3, 1),
        RangedRow("ShowTimeDate", &S::ShowTimeDate, 0, 6, 1),
        RangedRow("ShowTimeTime", &S::ShowTimeTime, 0, 3, 1),
        StringRow("FileBackupRootDir", &S::FileBackupRootDir),
        BoolRow("FileBackupEnabled", &S::FileBackupEnabled),
    };
}

} // namespace

const std::vector<SettingDef>& SettingsTable() {
    static const std::vector<SettingDef> table = BuildTable();
    return table;
}

const SettingDef* FindSetting(const std::string& key) {
    for (const SettingDef& row : SettingsTable())
        if (EqualsNoCase(row.key, key))
            return &row;
    return nullptr;
}

void ResetSettingValues(CSettings& settings) {
    settings = Defaults();
}

bool ApplySettingLine(CSettings& settings, const std::string& key, const std::string& rest) {
    if (EqualsNoCase(key, "ButtonSize")) {
        int v = ParseInt(LineWords(rest).Next());
        if (v < 32 || v > 100)
            v = 42;
        settings.ButtonWidth = v;
        settings.ButtonHeight = v;
        return true;
    }
    const SettingDef* row = FindSetting(key);
    if (!row)
        return false;
    switch (row->type) {
    case SettingType::Int: {
        int v = ParseInt(LineWords(rest).Next());
        if (row->ranged && (v < row->minValue || v > row->maxValue))
            v = row->resetValue;
        settings.*row->intField = v;
        break;
    }
    case SettingType::Bool:
        settings.*row->boolField = ParseInt(LineWords(rest).Next()) == 1;
        break;
    case SettingType::String:
        settings.*row->stringField = Trim(rest);
        break;
    }
    return true;
}

void NormaliseLayoutTypes(CSettings& settings) {
    if (settings.LayoutRowType == 1 && settings.LayoutColType == 1)
        settings.LayoutColType = 3;
}

std::vector<std::string> SettingLines(const CSettings& settings) {
    std::vector<std::string> lines;
    for (const SettingDef& row : SettingsTable()) {
        switch (row.type) {
        case SettingType::Int:
            lines.push_back(Format("%s %d", row.key, settings.*row.intField));
            break;
        case SettingType::Bool:
            lines.push_back(Format("%s %d", row.key, settings.*row.boolField ? 1 : 0));
            break;
        case SettingType::String:
            if (!(settings.*row.stringField).empty())
                lines.push_back(std::string(row.key) + " " + settings.*row.stringField);
            break;
        }
    }
    return lines;
}
