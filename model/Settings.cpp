#include "model/Settings.h"

#include "model/Text.h"

namespace {

SettingDef IntRow(const char* key, int CSettings::*field, int def) {
    return {key, SettingType::Int, def, false, 0, 0, def, field, nullptr, nullptr};
}

SettingDef RangedRow(const char* key, int CSettings::*field, int def, int lo, int hi, int reset) {
    return {key, SettingType::Int, def, true, lo, hi, reset, field, nullptr, nullptr};
}

SettingDef BoolRow(const char* key, bool CSettings::*field, bool def) {
    const int v = def ? 1 : 0;
    return {key, SettingType::Bool, v, false, 0, 1, v, nullptr, field, nullptr};
}

SettingDef StringRow(const char* key, std::string CSettings::*field) {
    return {key, SettingType::String, 0, false, 0, 0, 0, nullptr, nullptr, field};
}

std::vector<SettingDef> BuildTable() {
    using S = CSettings;
    return {
        IntRow("ActiveOptionsPropPage", &S::ActiveOptionsPropPage, 0),
        StringRow("CategoryOnEntry", &S::CategoryOnEntry),
        RangedRow("CatNameFormat", &S::CatNameFormat, 4, 1, 6, 4),
        BoolRow("ShowConfigName", &S::ShowConfigName, true),
        BoolRow("ShowCategoryName", &S::ShowCategoryName, true),
        IntRow("TextOnButtons", &S::TextOnButtons, 2),
        RangedRow("ButtonWidth", &S::ButtonWidth, 54, 32, 100, 42),
        RangedRow("ButtonHeight", &S::ButtonHeight, 64, 32, 100, 42),
        RangedRow("ButtonSpacing", &S::ButtonSpacing, 1, 1, 20, 1),
        BoolRow("DisplayPopupText", &S::DisplayPopupText, true),
        BoolRow("MenuVisible", &S::MenuVisible, true),
        BoolRow("ShortMenuCaptions", &S::ShortMenuCaptions, false),
        BoolRow("MenuColorBitmaps", &S::MenuColorBitmaps, true),
        BoolRow("MenuShowPushpin", &S::MenuShowPushpin, true),
        BoolRow("MenuShowLock", &S::MenuShowLock, true),
        BoolRow("MenuShowHome", &S::MenuShowHome, true),
        BoolRow("MenuShowADrive", &S::MenuShowADrive, true),
        BoolRow("MenuShowScreenSaver", &S::MenuShowScreenSaver, true),
        BoolRow("MenuShowCategoryUpDown", &S::MenuShowCategoryUpDown, true),
        RangedRow("NRowsConstant", &S::NRowsConstant, 0, 0, 30, 0),
        RangedRow("NColsConstant", &S::NColsConstant, 0, 0, 30, 0),
        RangedRow("LayoutRowType", &S::LayoutRowType, 1, 1, 3, 1),
        RangedRow("LayoutColType", &S::LayoutColType, 3, 1, 3, 1),
        RangedRow("SpecialWindowLayout", &S::SpecialWindowLayout, 1, 0, 4, 1),
        BoolRow("CenterWindowHorizontally", &S::CenterWindowHorizontally, false),
        BoolRow("CenterWindowVertically", &S::CenterWindowVertically, false),
        BoolRow("WindowWidthToScreen", &S::WindowWidthToScreen, true),
        BoolRow("WindowHeightToScreen", &S::WindowHeightToScreen, false),
        IntRow("FrameX", &S::FrameX, 0),
        IntRow("FrameY", &S::FrameY, 0),
        IntRow("FrameW", &S::FrameW, 0),
        IntRow("FrameH", &S::FrameH, 0),
        BoolRow("AutoHide", &S::AutoHide, true),
        BoolRow("AutoHideShowCaptionBar", &S::AutoHideShowCaptionBar, false),
        BoolRow("InvisibleOnAutoHide", &S::InvisibleOnAutoHide, false),
        BoolRow("TopMost", &S::TopMost, false),
        BoolRow("LockWindowPosition", &S::LockWindowPosition, true),
        BoolRow("EnableScheduledLaunches", &S::EnableScheduledLaunches, true),
        BoolRow("Sound", &S::Sound, true),
        BoolRow("PlayChimes", &S::PlayChimes, false),
        RangedRow("ShowTimeWeekday", &S::ShowTimeWeekday, 1, 0, 3, 1),
        RangedRow("ShowTimeDate", &S::ShowTimeDate, 1, 0, 6, 1),
        RangedRow("ShowTimeTime", &S::ShowTimeTime, 1, 0, 3, 1),
        StringRow("FileBackupRootDir", &S::FileBackupRootDir),
        BoolRow("FileBackupEnabled", &S::FileBackupEnabled, false),
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
    for (const SettingDef& row : SettingsTable()) {
        switch (row.type) {
        case SettingType::Int:
            settings.*row.intField = row.defaultValue;
            break;
        case SettingType::Bool:
            settings.*row.boolField = row.defaultValue != 0;
            break;
        case SettingType::String:
            (settings.*row.stringField).clear();
            break;
        }
    }
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
