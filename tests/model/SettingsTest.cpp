#include "model/Model.h"
#include "model/Settings.h"
#include "model/Text.h"
#include "tests/support/TestPlatform.h"

#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace {

struct RangeCase {
    const char* line;
    int CSettings::*field;
    int expected;
};

TEST(Settings, OutOfRangeValuesTakeTheirResetValue) {
    const RangeCase cases[] = {
        {"ButtonSpacing 25", &CSettings::ButtonSpacing, 1},
        {"ButtonWidth 20", &CSettings::ButtonWidth, 42},
        {"ButtonHeight 101", &CSettings::ButtonHeight, 42},
        {"ShowTimeWeekday 5", &CSettings::ShowTimeWeekday, 1},
        {"ShowTimeWeekday 2", &CSettings::ShowTimeWeekday, 2},
        {"ShowTimeDate 6", &CSettings::ShowTimeDate, 6},
        {"ShowTimeDate -1", &CSettings::ShowTimeDate, 1},
        {"LayoutColType 0", &CSettings::LayoutColType, 1},
        {"CatNameFormat 7", &CSettings::CatNameFormat, 4},
        {"frameX -300", &CSettings::FrameX, -300}, // no range, any case
        {"NRowsConstant abc", &CSettings::NRowsConstant, 0},
    };
    for (const RangeCase& c : cases) {
        CSettings s;
        LineWords words(c.line);
        const std::string key = words.Next();
        EXPECT_TRUE(ApplySettingLine(s, key, words.Rest())) << c.line;
        EXPECT_EQ(s.*c.field, c.expected) << c.line;
    }
}

TEST(Settings, LegacyButtonSizeSetsBothDimensions) {
    CSettings s;
    ApplySettingLine(s, "ButtonSize", "50");
    EXPECT_EQ(s.ButtonWidth, 50);
    EXPECT_EQ(s.ButtonHeight, 50);
    ApplySettingLine(s, "BUTTONSIZE", "10");
    EXPECT_EQ(s.ButtonWidth, 42);
}

TEST(Settings, BooleansAreTrueOnlyForOneAndUnknownKeysAreRefused) {
    CSettings s;
    ApplySettingLine(s, "Sound", "2");
    EXPECT_FALSE(s.Sound);
    ApplySettingLine(s, "Sound", "1");
    EXPECT_TRUE(s.Sound);
    EXPECT_FALSE(ApplySettingLine(s, "NoSuchKey", "1"));
}

TEST(Settings, DefaultsWriteFortyThreeLinesThatReadBackTheSame) {
    CSettings s;
    const auto lines = SettingLines(s);
    EXPECT_EQ(lines.size(), 43u);
    EXPECT_EQ(lines.front(), "ActiveOptionsPropPage 0");
    EXPECT_EQ(lines.back(), "FileBackupEnabled 0");

    CSettings changed;
    changed.CategoryOnEntry = "My Tools";
    changed.FileBackupRootDir = "/home/ann/backup dir";
    changed.ShowTimeDate = 5;
    changed.TopMost = true;
    changed.FrameX = -20;
    CSettings back;
    ResetSettingValues(back);
    for (const std::string& line : SettingLines(changed)) {
        LineWords words(line);
        const std::string key = words.Next();
        ApplySettingLine(back, key, words.Rest());
    }
    EXPECT_EQ(back.CategoryOnEntry, "My Tools");
    EXPECT_EQ(back.FileBackupRootDir, "/home/ann/backup dir");
    EXPECT_EQ(back.ShowTimeDate, 5);
    EXPECT_TRUE(back.TopMost);
    EXPECT_EQ(back.FrameX, -20);
}

TEST(Settings, ResetRestoresDefaultsAndTheFirstCategory) {
    TestPlatform tp;
    CModel model(tp.platform);
    model.settings.ButtonWidth = 80;
    model.settings.CategoryOnEntry = "x";
    model.SetCurrentCategoryIndex(3);
    model.ResetSettings();
    EXPECT_EQ(model.settings.ButtonWidth, 54);
    EXPECT_TRUE(model.settings.CategoryOnEntry.empty());
    EXPECT_EQ(model.CurrentCategoryIndex(), 0);
}

// The whole table as the configuration format fixes it: order, type, default,
// accepted range and the value an out-of-range read takes.
TEST(Settings, TableHoldsEveryKeyInWritingOrder) {
    constexpr auto I = SettingType::Int;
    constexpr auto B = SettingType::Bool;
    constexpr auto T = SettingType::String;
    constexpr int kNone = -1;
    const struct {
        const char* key;
        SettingType type;
        int def, lo, hi, reset; // lo == kNone: no range
    } expected[] = {
        {"ActiveOptionsPropPage", I, 0, kNone, 0, 0},
        {"CategoryOnEntry", T, 0, kNone, 0, 0},
        {"CatNameFormat", I, 4, 1, 6, 4},
        {"ShowConfigName", B, 1, kNone, 0, 1},
        {"ShowCategoryName", B, 1, kNone, 0, 1},
        {"TextOnButtons", I, 2, kNone, 0, 2},
        {"ButtonWidth", I, 54, 32, 100, 42},
        {"ButtonHeight", I, 64, 32, 100, 42},
        {"ButtonSpacing", I, 1, 1, 20, 1},
        {"DisplayPopupText", B, 1, kNone, 0, 1},
        {"MenuVisible", B, 1, kNone, 0, 1},
        {"ShortMenuCaptions", B, 0, kNone, 0, 0},
        {"MenuColorBitmaps", B, 1, kNone, 0, 1},
        {"MenuShowPushpin", B, 1, kNone, 0, 1},
        {"MenuShowLock", B, 1, kNone, 0, 1},
        {"MenuShowHome", B, 1, kNone, 0, 1},
        {"MenuShowADrive", B, 1, kNone, 0, 1},
        {"MenuShowScreenSaver", B, 1, kNone, 0, 1},
        {"MenuShowCategoryUpDown", B, 1, kNone, 0, 1},
        {"NRowsConstant", I, 0, 0, 30, 0},
        {"NColsConstant", I, 0, 0, 30, 0},
        {"LayoutRowType", I, 1, 1, 3, 1},
        {"LayoutColType", I, 3, 1, 3, 1},
        {"SpecialWindowLayout", I, 1, 0, 4, 1},
        {"CenterWindowHorizontally", B, 0, kNone, 0, 0},
        {"CenterWindowVertically", B, 0, kNone, 0, 0},
        {"WindowWidthToScreen", B, 1, kNone, 0, 1},
        {"WindowHeightToScreen", B, 0, kNone, 0, 0},
        {"FrameX", I, 0, kNone, 0, 0},
        {"FrameY", I, 0, kNone, 0, 0},
        {"FrameW", I, 0, kNone, 0, 0},
        {"FrameH", I, 0, kNone, 0, 0},
        {"AutoHide", B, 1, kNone, 0, 1},
        {"AutoHideShowCaptionBar", B, 0, kNone, 0, 0},
        {"InvisibleOnAutoHide", B, 0, kNone, 0, 0},
        {"TopMost", B, 0, kNone, 0, 0},
        {"LockWindowPosition", B, 1, kNone, 0, 1},
        {"EnableScheduledLaunches", B, 1, kNone, 0, 1},
        {"Sound", B, 1, kNone, 0, 1},
        {"PlayChimes", B, 0, kNone, 0, 0},
        {"ShowTimeWeekday", I, 1, 0, 3, 1},
        {"ShowTimeDate", I, 1, 0, 6, 1},
        {"ShowTimeTime", I, 1, 0, 3, 1},
        {"FileBackupRootDir", T, 0, kNone, 0, 0},
        {"FileBackupEnabled", B, 0, kNone, 0, 0},
    };
    const auto& table = SettingsTable();
    ASSERT_EQ(table.size(), std::size(expected));
    const CSettings defaults;
    for (size_t i = 0; i < table.size(); ++i) {
        const SettingDef& row = table[i];
        const auto& want = expected[i];
        SCOPED_TRACE(want.key);
        EXPECT_STREQ(row.key, want.key);
        ASSERT_EQ(row.type, want.type);
        EXPECT_EQ(row.defaultValue, want.def);
        EXPECT_EQ(row.ranged, want.lo != kNone);
        if (row.ranged) {
            EXPECT_EQ(row.minValue, want.lo);
            EXPECT_EQ(row.maxValue, want.hi);
        }
        EXPECT_EQ(row.resetValue, want.reset);
        // The row's default is what a fresh settings object holds.
        if (row.type == I)
            EXPECT_EQ(defaults.*row.intField, want.def);
        else if (row.type == B)
            EXPECT_EQ(defaults.*row.boolField, want.def == 1);
        else
            EXPECT_TRUE((defaults.*row.stringField).empty());
        // Reading a value outside the range gives the reset value; one inside is kept.
        if (row.ranged) {
            CSettings s;
            ApplySettingLine(s, row.key, std::to_string(want.hi + 1));
            EXPECT_EQ(s.*row.intField, want.reset);
            ApplySettingLine(s, row.key, std::to_string(want.lo - 1));
            EXPECT_EQ(s.*row.intField, want.reset);
            ApplySettingLine(s, row.key, std::to_string(want.hi));
            EXPECT_EQ(s.*row.intField, want.hi);
        }
    }
}

TEST(Settings, ResetGivesEveryKeyItsDefault) {
    CSettings s;
    for (const SettingDef& row : SettingsTable()) {
        if (row.type == SettingType::Int)
            s.*row.intField = 77;
        else if (row.type == SettingType::Bool)
            s.*row.boolField = row.defaultValue == 0;
        else
            s.*row.stringField = "changed";
    }
    ResetSettingValues(s);
    EXPECT_EQ(SettingLines(s), SettingLines(CSettings{}));
    for (const SettingDef& row : SettingsTable()) {
        if (row.type == SettingType::Int) {
            EXPECT_EQ(s.*row.intField, row.defaultValue) << row.key;
        }
    }
}

TEST(Settings, BothLayoutTypesVariableMakesColumnsFit) {
    CSettings s;
    s.LayoutRowType = 1;
    s.LayoutColType = 1;
    NormaliseLayoutTypes(s);
    EXPECT_EQ(s.LayoutColType, 3);
}

} // namespace
