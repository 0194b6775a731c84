#include "tests/config/ConfigFixture.h"

#include "model/ButtonDef.h"
#include "schedule/Schedule.h"
#include "utilities/DownloadData.h"

#include <functional>

namespace {

std::vector<std::string> Names(const CModel& model) {
    std::vector<std::string> names;
    for (int i = 0; i < kMaxCategories; ++i)
        if (const CCategory* c = model.Category(i))
            names.push_back(c->Name());
    return names;
}

using Strings = std::vector<std::string>;

} // namespace

TEST_F(ConfigTest, HeaderLineDecidesWhetherTheFileIsRead) {
    const struct {
        std::string header;
        bool valid;
    } cases[] = {
        {"dorvane configuration file V9.0", true},
        {"DORVANE CONFIGURATION FILE v5.0", true},
        {"DORVANE CATEGORIES and BUTTONS", true},
        {"DORVANE CONFIGURATION FILE v10.0 ", false},
        {" DORVANE CONFIGURATION FILE v10.0", false},
        {"DORVANE CONFIGURATION FILE v7.0", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        TestPlatform platform;
        CModel fresh(platform.platform);
        fresh.programFolder = dir.Path();
        dir.Write("Buttons.cfg",
                  CrLf({c.header, "SETTINGS", "ButtonSpacing 7", "BUTTONS", "CATEGORY Tools"}));
        LoadConfiguration(fresh, true);
        if (c.valid) {
            EXPECT_TRUE(platform.prompter.messages.empty());
            EXPECT_EQ(Names(fresh), Strings{"Tools"});
            EXPECT_EQ(fresh.settings.ButtonSpacing, 7);
        } else {
            // Both header checks of one load report the file.
            ASSERT_EQ(platform.prompter.messages.size(), 2u);
            EXPECT_EQ(platform.prompter.messages[1].caption, "Bad Configuration File");
            EXPECT_EQ(Names(fresh), Strings{"Untitled"});
            EXPECT_EQ(fresh.settings.ButtonSpacing, 1);
        }
    }
}

TEST_F(ConfigTest, InvalidAndEmptyFilesAreReportedWithTheirPath) {
    LoadText("");
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    const RecordedMessage& m = tp.prompter.messages[0];
    EXPECT_EQ(m.text, "The file\r\n\r\n" + ConfigPath() +
                          "\r\n\r\nis not a valid DORVANE configuration file.\r\n\r\n");
    EXPECT_EQ(m.caption, "Bad Configuration File");
    EXPECT_EQ(m.icon, MsgIcon::Stop);
}

TEST_F(ConfigTest, MissingFileGivesOneUntitledCategoryAndDefaultsSilently) {
    model.settings.ButtonWidth = 77;
    LoadConfiguration(model, true);
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_EQ(Names(model), Strings{"Untitled"});
    EXPECT_EQ(model.settings.ButtonWidth, 54);
    EXPECT_FALSE(model.settingsModified);
    EXPECT_FALSE(model.loading);
}

TEST_F(ConfigTest, LineFeedOnlyFilesReadLikeCrLfFiles) {
    LoadText(std::string(kHeader) + "\nBUTTONS\nCATEGORY Tools\nBUTTON 2 /bin\nend\n");
    EXPECT_TRUE(tp.prompter.messages.empty());
    ASSERT_NE(model.GetButton(0, 1), nullptr);
    EXPECT_EQ(model.GetButton(0, 1)->Target(), "/bin");
}

TEST_F(ConfigTest, SettingsAreRangeCheckedAndLegacyKeysApplied) {
    const struct {
        Strings lines;
        std::function<void(const CSettings&)> check;
    } cases[] = {
        {{"ButtonSpacing 25"}, [](const CSettings& s) { EXPECT_EQ(s.ButtonSpacing, 1); }},
        {{"buttonsize 50"},
         [](const CSettings& s) {
             EXPECT_EQ(s.ButtonWidth, 50);
             EXPECT_EQ(s.ButtonHeight, 50);
         }},
        {{"ButtonSize 101"},
         [](const CSettings& s) {
             EXPECT_EQ(s.ButtonWidth, 42);
             EXPECT_EQ(s.ButtonHeight, 42);
         }},
        {{"ButtonWidth 20"}, [](const CSettings& s) { EXPECT_EQ(s.ButtonWidth, 42); }},
        {{"ShowTimeWeekday 5"}, [](const CSettings& s) { EXPECT_EQ(s.ShowTimeWeekday, 1); }},
        {{"ShowTimeDate 6", "ShowTimeWeekday 2"},
         [](const CSettings& s) {
             EXPECT_EQ(s.ShowTimeDate, 6);
             EXPECT_EQ(s.ShowTimeWeekday, 2);
         }},
        {{"LayoutRowType 1", "LayoutColType 1"},
         [](const CSettings& s) { EXPECT_EQ(s.LayoutColType, 3); }},
        {{"LayoutRowType 2", "LayoutColType 1"},
         [](const CSettings& s) { EXPECT_EQ(s.LayoutColType, 1); }},
        {{"CATEGORYONENTRY   My Games  "},
         [](const CSettings& s) { EXPECT_EQ(s.CategoryOnEntry, "My Games"); }},
        {{"AutoHide 2", "TopMost 1", "NoSuchKey 4"},
         [](const CSettings& s) {
             EXPECT_FALSE(s.AutoHide);
             EXPECT_TRUE(s.TopMost);
         }},
        {{"FrameX -40", "FrameW abc"},
         [](const CSettings& s) {
             EXPECT_EQ(s.FrameX, -40);
             EXPECT_EQ(s.FrameW, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines[0]);
        Strings lines = {kHeader, "SETTINGS", ""};
        lines.insert(lines.end(), c.lines.begin(), c.lines.end());
        lines.push_back("BUTTONS");
        lines.push_back("ButtonSpacing 9"); // after the section: not a setting
        Load(lines);
        c.check(model.settings);
        EXPECT_NE(model.settings.ButtonSpacing, 9);
        EXPECT_TRUE(tp.prompter.messages.empty());
        model.ClearCategories();
    }
}

TEST_F(ConfigTest, LoadingWithoutSettingsKeepsTheCurrentOnes) {
    model.settings.ButtonWidth = 77;
    model.settings.EnableScheduledLaunches = false;
    Load({kHeader, "SETTINGS", "ButtonWidth 50", "BUTTONS", "CATEGORY A"}, false);
    EXPECT_EQ(model.settings.ButtonWidth, 77);
    EXPECT_TRUE(model.settings.EnableScheduledLaunches); // switched on by every load
}

TEST_F(ConfigTest, ThirtyFirstCategoryIsReportedOnceAndTheFirstThirtyLoad) {
    Strings lines = {kHeader, "BUTTONS"};
    for (int i = 1; i <= 31; ++i) {
        lines.push_back("CATEGORY C" + std::to_string(i));
        lines.push_back("BUTTON 1 /c" + std::to_string(i));
        lines.push_back("end");
    }
    Load(lines);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text, "The maximum number of categories is 30");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Too Many Categories");
    EXPECT_EQ(model.CategoryCount(), 30);
    ASSERT_NE(model.GetButton(29, 0), nullptr);
    EXPECT_EQ(model.GetButton(29, 0)->Target(), "/c30");
}

TEST_F(ConfigTest, UnnamedCategoryStopsTheCategoryScan) {
    Load({kHeader, "BUTTONS", "CATEGORY A", "BUTTON 1 /a", "end", "CATEGORY   ", "BUTTON 1 /x",
          "end", "CATEGORY C"});
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "Category 2 in \"" + ConfigPath() + "\" is not named\r\n\r\n");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Category Name Missing");
    EXPECT_EQ(Names(model), Strings{"A"});
    EXPECT_NE(model.GetButton(0, 0), nullptr);
}

TEST_F(ConfigTest, ButtonRecordsFillTheirSlots) {
    const std::string doc = dir.Write("notes.txt", "x");
    const std::string wav = dir.Write("ding.wav", "RIFF");
    Load({kHeader, "BUTTONS", "CATEGORY Tools",
          // slot 57 only
          "BUTTON 57 " + doc, "end",
          // keywords in any case, every field
          "button 5 " + doc, "Name  Notes  ", "text Two\\nLines", "Directory " + dir.Path(),
          "PARAMETERS -a  -b", "sound " + wav, "OPEN Maximum", "AUTHOR   Somebody  ",
          "shareware_site http://s.example", "NO_BACKUP", "FAVORITE 3", "CREATED 1999",
          "USAGE 12 times", "End",
          // open modes
          "BUTTON 6 " + doc, "OPEN normal", "END", "BUTTON 7 " + doc, "OPEN Minimize", "end",
          // an address without an icon line
          "BUTTON_URL 3 http://www.example.com", "end",
          // a later record for a slot replaces the earlier button
          "BUTTON 8 /first", "end", "BUTTON 8 /second", "end",
          // slot numbers outside 1..100 are skipped
          "BUTTON 0 /zero", "end", "BUTTON 101 /high", "end", "BUTTON -3 /neg", "end",
          // a record without its end line makes nothing
          "BUTTON 9 /open"});
    EXPECT_TRUE(tp.prompter.messages.empty());

    int count = 0;
    for (int slot = 0; slot < kSlotsPerCategory; ++slot)
        count += model.HasButton(0, slot) ? 1 : 0;
    EXPECT_EQ(count, 6);
    EXPECT_FALSE(model.HasButton(0, 55));
    ASSERT_NE(model.GetButton(0, 56), nullptr);
    EXPECT_EQ(model.GetButton(0, 56)->Target(), doc);

    const CButtonDef* full = model.GetButton(0, 4);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->Name(), "Notes");
    EXPECT_EQ(full->Text(), "Two\\nLines");
    EXPECT_EQ(full->Directory(), dir.Path());
    EXPECT_EQ(full->Parameters(), "-a  -b");
    EXPECT_EQ(full->Sound(), wav);
    EXPECT_EQ(full->OpenMode(), 2);
    EXPECT_FALSE(full->BackupEnabled());
    ASSERT_NE(full->DownloadData(), nullptr);
    EXPECT_EQ(full->DownloadData()->Get(CDownloadData::Author), "Somebody");
    EXPECT_EQ(full->DownloadData()->Get(CDownloadData::SharewareSite), "http://s.example");

    EXPECT_EQ(model.GetButton(0, 5)->OpenMode(), 1);
    EXPECT_EQ(model.GetButton(0, 6)->OpenMode(), 3);
    EXPECT_EQ(model.GetButton(0, 5)->DownloadData(), nullptr);
    EXPECT_TRUE(model.GetButton(0, 2)->IsUrl());
    EXPECT_EQ(model.GetButton(0, 7)->Target(), "/second");
    EXPECT_FALSE(model.HasButton(0, 8));
}

TEST_F(ConfigTest, BadKeywordEndsOnlyItsCategory) {
    Load({kHeader, "BUTTONS", "CATEGORY A", "BUTTON 1 /a1", "end", "COLOUR red", "BUTTON 2 /a2",
          "end", "CATEGORY B", "BUTTON 1 /b1", "WIDTH 3", "end", "CATEGORY C", "BUTTON 1 /c1",
          "end"});
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(tp.prompter.messages[0].text, "Invalid keyword in \"" + ConfigPath() + "\"");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Bad Keyword");
    EXPECT_TRUE(model.HasButton(0, 0));
    EXPECT_FALSE(model.HasButton(0, 1));
    EXPECT_FALSE(model.HasButton(1, 0));
    EXPECT_TRUE(model.HasButton(2, 0));
}

TEST_F(ConfigTest, RecordsEndAtSectionNamesAndSameNamedCategoriesShareTheFirst) {
    Load({kHeader, "BUTTONS", "CATEGORY Twin", "BUTTON 1 /first", "end", "CATEGORY twin",
          "BUTTON 2 /second", "end", "CATEGORY Last", "BUTTON 1 /last", "ALARMS", "end"});
    EXPECT_EQ(Names(model), (Strings{"Twin", "twin", "Last"}));
    for (int c = 0; c < 2; ++c) {
        EXPECT_TRUE(model.HasButton(c, 0));
        EXPECT_FALSE(model.HasButton(c, 1));
    }
    // "end" after ALARMS belongs to no record
    EXPECT_FALSE(model.HasButton(2, 0));
}

TEST_F(ConfigTest, ExpiredSchedulesAreDroppedAndOnlyAlarmsMarkTheConfigurationModified) {
    Load({kHeader, "BUTTONS", "CATEGORY A", "BUTTON 1 /past", "SCHEDULE One_Time 6 14 2024 9 0 am",
          "end", "BUTTON 2 /soon", "SCHEDULE One_Time 6 15 2024 11 30 am", "end", "BUTTON 3 /daily",
          "SCHEDULE DAILY 9 59 AM", "end", "BUTTON 4 /odd", "SCHEDULE Yearly 1 2 am", "end"});
    EXPECT_EQ(model.GetButton(0, 0)->Schedule(), nullptr);
    ASSERT_NE(model.GetButton(0, 1)->Schedule(), nullptr);
    // The minutes to go come from the program's clock, not the reader's.
    EXPECT_EQ(model.GetButton(0, 1)->Schedule()->minutesToGo, 90);
    EXPECT_EQ(model.GetButton(0, 2)->Schedule()->minutesToGo, 1439);
    EXPECT_EQ(model.GetButton(0, 3)->Schedule(), nullptr);
    EXPECT_FALSE(model.settingsModified);

    Load({kHeader, "ALARMS", "ALARM Old news", "SCHEDULE One_Time 1 1 2020 8 0 am", "ALARM Tea",
          "SCHEDULE Daily 4 0 pm"});
    EXPECT_EQ(model.alarms.AlarmCount(), 1);
    EXPECT_EQ(model.alarms.Alarm(0)->message, "Tea");
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ConfigTest, AlarmSectionErrorsKeepTheAlarmsBefore) {
    Load({kHeader, "ALARMS", "ALARM One", "SCHEDULE Daily 1 0 pm", "ALARM Two",
          "REMINDER Daily 1 0 pm", "ALARM Three", "SCHEDULE Daily 2 0 pm"});
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Bad Alarm Data File");
    EXPECT_EQ(model.alarms.AlarmCount(), 1);
}

TEST_F(ConfigTest, DialogFoldersFillTheFirstFourEntries) {
    model.DialogEntry(7).folder = "/stale";
    Load({kHeader, "FILE_DIALOG_PARAMETERS", "ButtonApp 2 /opt/My Apps", "Icons 1 DEFAULT",
          "PropsSound x", "Sounds 3 /snd", "Extra 4 /never"});
    EXPECT_EQ(model.DialogEntry(0).filter, 2);
    EXPECT_EQ(model.DialogEntry(0).folder, "/opt/My Apps");
    EXPECT_EQ(model.DialogEntry(1).filter, 1);
    EXPECT_EQ(model.DialogEntry(1).folder, "");
    EXPECT_EQ(model.DialogEntry(2).filter, 0);
    EXPECT_EQ(model.DialogEntry(3).folder, "/snd");
    EXPECT_EQ(model.DialogEntry(4).folder, "");
    EXPECT_EQ(model.DialogEntry(7).folder, ""); // all ten entries emptied first

    Load({kHeader, "FILE_DIALOG_PARAMETERS", "ButtonApp 2 /apps", "SOUNDS", "Icons 1 /icons"});
    EXPECT_EQ(model.DialogEntry(0).folder, "/apps");
    EXPECT_EQ(model.DialogEntry(1).folder, "");
}
