#include "model/Model.h"
#include "model/Settings.h"
#include "model/Text.h"
#include "tests/support/TestPlatform.h"

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

TEST(Settings, BothLayoutTypesVariableMakesColumnsFit) {
    CSettings s;
    s.LayoutRowType = 1;
    s.LayoutColType = 1;
    NormaliseLayoutTypes(s);
    EXPECT_EQ(s.LayoutColType, 3);
}

} // namespace
