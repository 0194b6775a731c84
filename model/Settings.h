#pragma once

#include <string>
#include <vector>

// Every stored setting of a configuration, under the name of its file key.
struct CSettings {
    int ActiveOptionsPropPage = 0;
    std::string CategoryOnEntry;
    int CatNameFormat = 4;
    bool ShowConfigName = true;
    bool ShowCategoryName = true;
    int TextOnButtons = 2;
    int ButtonWidth = 54;
    int ButtonHeight = 64;
    int ButtonSpacing = 1;
    bool DisplayPopupText = true;
    bool MenuVisible = true;
    bool ShortMenuCaptions = false;
    bool MenuColorBitmaps = true;
    bool MenuShowPushpin = true;
    bool MenuShowLock = true;
    bool MenuShowHome = true;
    bool MenuShowADrive = true;
    bool MenuShowScreenSaver = true;
    bool MenuShowCategoryUpDown = true;
    int NRowsConstant = 0;
    int NColsConstant = 0;
    int LayoutRowType = 1;
    int LayoutColType = 3;
    int SpecialWindowLayout = 1;
    bool CenterWindowHorizontally = false;
    bool CenterWindowVertically = false;
    bool WindowWidthToScreen = true;
    bool WindowHeightToScreen = false;
    int FrameX = 0;
    int FrameY = 0;
    int FrameW = 0;
    int FrameH = 0;
    bool AutoHide = true;
    bool AutoHideShowCaptionBar = false;
    bool InvisibleOnAutoHide = false;
    bool TopMost = false;
    bool LockWindowPosition = true;
    bool EnableScheduledLaunches = true;
    bool Sound = true;
    bool PlayChimes = false;
    int ShowTimeWeekday = 1;
    int ShowTimeDate = 1;
    int ShowTimeTime = 1;
    std::string FileBackupRootDir;
    bool FileBackupEnabled = false;
};

enum class SettingType { Int, Bool, String };

// One row of the settings table: the key, its type, its default, the range a
// value read from a file must lie in and the value that replaces one outside
// it. Reading, writing and resetting all go through this one table.
struct SettingDef {
    const char* key;
    SettingType type;
    int defaultValue; // Int and Bool
    bool ranged;      // Int only
    int minValue;
    int maxValue;
    int resetValue; // the value an out-of-range read takes
    int CSettings::*intField = nullptr;
    bool CSettings::*boolField = nullptr;
    std::string CSettings::*stringField = nullptr;
};

// The table, in the order the settings are written.
const std::vector<SettingDef>& SettingsTable();
// The row for `key` (compared ignoring ASCII case), or null.
const SettingDef* FindSetting(const std::string& key);

// Puts every setting to its default.
void ResetSettingValues(CSettings& settings);
// Applies one "key value" pair read from a file: ranges are enforced, the
// legacy ButtonSize key sets both button dimensions. `rest` is the text after
// the key. False when the key is unknown.
bool ApplySettingLine(CSettings& settings, const std::string& key, const std::string& rest);
// The rule applied after a SETTINGS section: rows and columns both variable
// make the columns fit the window.
void NormaliseLayoutTypes(CSettings& settings);
// The SETTINGS lines of a file, in table order, without line ends.
std::vector<std::string> SettingLines(const CSettings& settings);
