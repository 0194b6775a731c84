#include "ui/Caption.h"

#include <clocale>
#include <cstdlib>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "model/Text.h"
#include "tests/support/TestPlatform.h"

namespace {

class CaptionTest : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;

    void SetUp() override {
        const char* names[] = {"Work", "Tools", "Net", "Games", "Music", "Docs", "Misc"};
        for (int i = 0; i < 7; ++i)
            model.CreateCategory(i, names[i]);
        model.SetCurrentCategoryIndex(3);
        model.programFolder = dir.Path();
        CSettings& s = model.settings;
        s.ShowConfigName = false;
        s.ShowCategoryName = true;
        s.ShowTimeWeekday = s.ShowTimeDate = s.ShowTimeTime = 0;
        // Tuesday, 8 December 2026, 14:05.
        tp.clock.now = LocalDateTime{2026, 12, 8, 14, 5, 0, 2};
    }
};

TEST_F(CaptionTest, EveryCategoryNameFormat) {
    const std::pair<int, const char*> cases[] = {
        {1, " DORVANE       Category = Games"},
        {2, " DORVANE       Category 4 = Games"},
        {3, " DORVANE       Category = Games (4/7)"},
        {4, " DORVANE       Games"},
        {5, " DORVANE       4: Games"},
        {6, " DORVANE       Games (4/7)"},
        {7, ""},
    };
    for (const auto& [format, expected] : cases) {
        model.settings.CatNameFormat = format;
        EXPECT_EQ(CaptionText(model), expected) << format;
    }
}

TEST_F(CaptionTest, ConfigurationAndCategoryNamePrefixes) {
    CSettings& s = model.settings;
    s.CatNameFormat = 4;
    s.ShowConfigName = true;
    EXPECT_EQ(CaptionText(model), " DORVANE       Buttons: Games");
    s.ShowCategoryName = false;
    EXPECT_EQ(CaptionText(model), "DORVANE       Buttons ");
    s.ShowConfigName = false;
    EXPECT_EQ(CaptionText(model), "DORVANE       ");
}

TEST_F(CaptionTest, TrayTooltipNamesConfigurationAndCategoryWhateverTheCaptionHides) {
    model.settings.ShowConfigName = false;
    model.settings.ShowCategoryName = false;
    model.configName = "Work";
    EXPECT_EQ(TrayTooltip(model), "Dorvane - Work: Games");
    model.SetCurrentCategoryIndex(20); // no category there
    EXPECT_EQ(TrayTooltip(model), "Dorvane - Work");
}

TEST_F(CaptionTest, DateTimeTextForEachPartCombination) {
    struct Case {
        int weekday, date, time;
        const char* expected;
    };
    const Case cases[] = {
        {1, 1, 1, "Tuesday, December 08, 2026  02:05 PM"},
        {2, 2, 2, "Tue, Dec 08, 2026  14:05"},
        {1, 0, 2, "Tuesday,   14:05"},
        {0, 0, 2, "  14:05"},
        {1, 0, 0, "Tuesday  "},
        {0, 3, 0, "December 08  "},
        {0, 4, 0, "Dec 08  "},
        {0, 5, 0, "12/08/26  "},
        {0, 6, 0, "12/08  "},
        {3, 0, 3, "  "},
    };
    for (const Case& c : cases) {
        CSettings s;
        s.ShowTimeWeekday = c.weekday;
        s.ShowTimeDate = c.date;
        s.ShowTimeTime = c.time;
        EXPECT_EQ(DateTimeText(s, tp.clock.now), c.expected) << c.weekday << c.date << c.time;
    }
    CSettings s;
    s.ShowTimeWeekday = 0;
    s.ShowTimeTime = 0;
    EXPECT_EQ(DateTimeText(s, LocalDateTime{2041, 3, 1, 0, 0, 0, 5}), "March 01, 2041  ");
}

// A German locale built for the test: its day names differ and its time
// format has no AM/PM marker.
TEST_F(CaptionTest, DateTimeReadsTheSameInAnotherLocale) {
    const std::string locales = dir.File("locales");
    const std::string build = "mkdir -p '" + locales + "' && localedef -i de_DE -f UTF-8 '" +
                              locales + "/de_DE.UTF-8' 2>/dev/null";
    if (std::system(build.c_str()) != 0)
        GTEST_SKIP() << "localedef or the de_DE source is missing";
    const char* oldPath = std::getenv("LOCPATH");
    const std::string keptPath = oldPath ? oldPath : "";
    const std::string keptLocale = std::setlocale(LC_ALL, nullptr);
    ::setenv("LOCPATH", locales.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);

    CSettings s;
    s.ShowTimeWeekday = 1;
    s.ShowTimeDate = 1;
    s.ShowTimeTime = 1;
    const std::string full = DateTimeText(s, tp.clock.now);
    s.ShowTimeWeekday = 2;
    s.ShowTimeDate = 2;
    const std::string morning = DateTimeText(s, LocalDateTime{2026, 12, 8, 0, 5, 0, 2});

    std::setlocale(LC_ALL, keptLocale.c_str());
    oldPath ? ::setenv("LOCPATH", keptPath.c_str(), 1) : ::unsetenv("LOCPATH");
    EXPECT_EQ(full, "Tuesday, December 08, 2026  02:05 PM");
    EXPECT_EQ(morning, "Tue, Dec 08, 2026  12:05 AM");
}

TEST_F(CaptionTest, DateTimeIsAppendedOrReplacesEverythingWithTheSpecialFile) {
    model.settings.CatNameFormat = 4;
    model.settings.ShowTimeTime = 2;
    EXPECT_EQ(CaptionText(model), " DORVANE       Games         14:05");
    dir.Write(kSpecialCaptionFile, "");
    EXPECT_EQ(CaptionText(model), "   14:05");
}

TEST_F(CaptionTest, PendingOperationsAskForTheNextClick) {
    struct Case {
        bool move, copy, icon;
        int source;
        const char* expected;
    };
    const Case cases[] = {
        {true, false, false, -1, "(Games) Click the Button to Move"},
        {true, false, false, 5, "(Games) Click Where You Want the Button Moved (ESC to Cancel)"},
        {false, true, false, -1, "(Games) Click the Button to Copy"},
        {false, true, false, 5, "(Games) Click Where You Want the Button Copied (ESC to Cancel)"},
        {false, false, true, -1, "(Games) Click the Button with the Icon to Copy"},
        {false, false, true, 5, "(Games) Click Where You Want the Icon Copied (ESC to Cancel)"},
    };
    dir.Write(kSpecialCaptionFile, ""); // never hides the prompt
    for (const Case& c : cases) {
        model.editState = ButtonWindowState{};
        model.editState.moveMode = c.move;
        model.editState.copyMode = c.copy;
        model.editState.iconCopyMode = c.icon;
        model.editState.sourceCategory = c.source < 0 ? -1 : 0;
        model.editState.sourceSlot = c.source;
        EXPECT_EQ(CaptionText(model), c.expected);
    }
}

TEST(LoadingCaption, CountsCategoriesUntilTheLastOne) {
    EXPECT_EQ(LoadingCaption(0, 5), "DORVANE     Loading  1 / 5 ...");
    EXPECT_EQ(LoadingCaption(3, 5), "DORVANE     Loading  4 / 5 ...");
    EXPECT_EQ(LoadingCaption(4, 5), "DORVANE     Loading...");
}

} // namespace

namespace {

TEST_F(CaptionTest, WhileLoadingTheCaptionFollowsTheReadersCounter) {
    model.loading = true; // seven categories
    EXPECT_EQ(CaptionText(model), "DORVANE     Loading...");
    model.loadProgress = true;
    model.loadedCategories = 1;
    EXPECT_EQ(CaptionText(model), "DORVANE     Loading  2 / 7 ...");
    model.loadedCategories = 6;
    EXPECT_EQ(CaptionText(model), "DORVANE     Loading...");
}

} // namespace

namespace {

TEST_F(CaptionTest, HugeNamesAreCutWithoutSplittingACharacter) {
    // A 20 MB name in a window title ends the X connection.
    model.Category(3)->SetName(std::string(20 << 20, 'x'));
    model.settings.ShowConfigName = true;
    model.configName = std::string(5000, 'c');
    const std::string caption = CaptionText(model);
    EXPECT_LT(caption.size(), 4 * kMaxShownText);
    EXPECT_NE(caption.find("x..."), std::string::npos) << caption;

    const std::string accents = std::string(kMaxShownText, 'a') + "\xc3\xa9";
    for (size_t limit : {size_t{4}, size_t{5}, size_t{6}}) {
        const std::string cut = ShownText("ab\xc3\xa9\xc3\xa9z", limit);
        EXPECT_LE(cut.size(), limit);
        EXPECT_EQ(cut.substr(cut.size() - 3), "...");
        EXPECT_NE(static_cast<unsigned char>(cut[cut.size() - 4]), 0xc3u) << cut;
    }
    EXPECT_EQ(ShownText("short"), "short");
    EXPECT_EQ(ShownText(accents).size(), kMaxShownText);
}

} // namespace
