#include "tests/config/ConfigFixture.h"

#include "config/ConfigWriter.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "schedule/Schedule.h"
#include "utilities/DownloadData.h"

namespace {

// A configuration using every part of the format; `variant` (0..6) varies the
// settings (ShowTimeDate takes the variant itself) and the weekly schedules.
std::vector<std::string> Generate(const TempDir& dir, int variant) {
    const std::string doc = dir.Write("Read Me.txt", "x");
    const std::string ico = dir.Write("app.ico", "icon");
    dir.Write("ding.wav", "RIFF");
    const std::string weekday = kWeekdayNames[variant + 1];

    std::vector<std::string> lines = {kHeader, "01/02/2024  03:04:05", "SETTINGS"};
    int row = 0;
    for (const SettingDef& def : SettingsTable()) {
        ++row;
        std::string value;
        if (def.type == SettingType::String)
            value = def.key == std::string("CategoryOnEntry") ? "Cat 1" : dir.Path();
        else if (def.key == std::string("ShowTimeDate"))
            value = std::to_string(variant);
        else if (def.type == SettingType::Bool)
            value = std::to_string((variant + row) % 2);
        else if (def.ranged)
            value =
                std::to_string(def.minValue + (variant + row) % (def.maxValue - def.minValue + 1));
        else
            value = std::to_string(variant * 7 - row);
        lines.push_back(std::string(def.key) + " " + value);
    }

    lines.insert(lines.end(), {
                                  "BUTTONS",
                                  "CATEGORY Cat 0",
                                  "BUTTON 1 " + doc,
                                  "NAME Read me",
                                  "TEXT Read\\nme",
                                  "PARAMETERS --all \"x y\"",
                                  "DIRECTORY " + dir.Path(),
                                  "SOUND " + dir.File("ding.wav"),
                                  "ICON 2 " + ico,
                                  "OPEN Maximized",
                                  "ZIP_FILE_NAME r.zip",
                                  "ZIP_FILE_VERSION 1.2",
                                  "ZIP_FILE_DATE 2001",
                                  "ZIP_FILE_SIZE 12 KB",
                                  "AUTHOR Ann",
                                  "AUTHOR_URL http://ann.example",
                                  "SHAREWARE_SITE http://share.example",
                                  "DOWNLOAD_URL http://dl.example",
                                  "DOWNLOAD_DATE today",
                                  "REGISTRATION_CODE 123-456",
                                  "SCHEDULE One_Time 12 25 2030 8 30 am",
                                  "NO_BACKUP",
                                  "end",
                                  "BUTTON_URL 2 http://www.example.com/a b",
                                  "end",
                                  "BUTTON 100 /opt/tool",
                                  "OPEN Minimized",
                                  "SCHEDULE Daily 7 0 pm",
                                  "end",
                                  "CATEGORY Cat 1",
                                  "BUTTON 3 " + doc,
                                  "SCHEDULE Weekly " + weekday + " 9 15 am",
                                  "end",
                                  "BUTTON 4 " + doc,
                                  "SCHEDULE Weekly Unspecified 12 0 pm",
                                  "end",
                                  "CATEGORY Cat 2",
                                  "BUTTON 5 " + doc,
                                  "SCHEDULE Monthly -1 5 45 pm",
                                  "end",
                                  "BUTTON 6 " + doc,
                                  "SCHEDULE Monthly 15 12 5 am",
                                  "end",
                                  "FAVORITES",
                                  "ITEM " + doc,
                                  "NAME Fav doc",
                                  "PARAMETERS -v",
                                  "end",
                                  "MENU Web Things",
                                  "ITEM_URL http://www.example.org",
                                  "NAME Example",
                                  "end",
                                  "MENU Empty",
                                  "END_MENU",
                                  "END_MENU",
                                  "END_MENU",
                                  "ALARMS",
                                  "ALARM Dentist at 3",
                                  "SCHEDULE One_Time 1 2 2031 2 0 pm",
                                  "ALARM Tea",
                                  "SCHEDULE Daily 4 0 pm",
                                  "ALARM Weekly report",
                                  "SCHEDULE Weekly " + weekday + " 11 0 am",
                                  "ALARM Rent",
                                  "SCHEDULE Monthly -1 9 0 am",
                                  "SOUNDS",
                                  "Delete",
                                  "",
                                  "Add",
                                  "ding.wav",
                                  "FILE_DIALOG_PARAMETERS",
                                  "ButtonApp 2 " + dir.Path(),
                                  "Icons 1 default",
                                  "PropsSound 0 /snd",
                                  "Sounds 4 default",
                              });
    return lines;
}

} // namespace

TEST_F(ConfigTest, WrittenFilesReadBackToTheSameModel) {
    for (int variant = 0; variant <= 6; ++variant) {
        SCOPED_TRACE(variant);
        const std::vector<std::string> source = Generate(dir, variant);
        tp.icons.counts[dir.File("app.ico")] = 3;

        TestPlatform firstPlatform;
        firstPlatform.clock.now = tp.clock.now;
        firstPlatform.icons.counts = tp.icons.counts;
        CModel first(firstPlatform.platform);
        first.programFolder = dir.Path();
        dir.Write("Buttons.cfg", CrLf(source));
        LoadConfiguration(first, true);
        EXPECT_TRUE(firstPlatform.prompter.messages.empty());
        const std::string written = ConfigurationText(first);

        TestPlatform secondPlatform;
        secondPlatform.clock.now = tp.clock.now;
        secondPlatform.icons.counts = tp.icons.counts;
        CModel second(secondPlatform.platform);
        second.programFolder = dir.Path();
        dir.Write("Buttons.cfg", written);
        LoadConfiguration(second, true);
        EXPECT_TRUE(secondPlatform.prompter.messages.empty());
        EXPECT_EQ(ConfigurationText(second), written);

        // What the generated file says is what the reloaded model holds.
        size_t row = 3;
        for (const std::string& line : SettingLines(second.settings))
            EXPECT_EQ(line, source[row++]);
        EXPECT_EQ(second.settings.ShowTimeDate, variant);

        const CButtonDef* full = second.GetButton(0, 0);
        ASSERT_NE(full, nullptr);
        EXPECT_EQ(full->Name(), "Read me");
        EXPECT_EQ(full->Text(), "Read\\nme");
        EXPECT_EQ(full->Parameters(), "--all \"x y\"");
        EXPECT_EQ(full->Directory(), dir.Path());
        EXPECT_EQ(full->Sound(), dir.File("ding.wav"));
        EXPECT_EQ(full->IconFile(), dir.File("app.ico"));
        EXPECT_EQ(full->IconIndex(), 2);
        EXPECT_EQ(full->OpenMode(), 2);
        EXPECT_FALSE(full->BackupEnabled());
        ASSERT_NE(full->DownloadData(), nullptr);
        EXPECT_EQ(full->DownloadData()->Get(CDownloadData::ZipFileSize), "12 KB");
        EXPECT_EQ(full->DownloadData()->Get(CDownloadData::RegistrationCode), "123-456");
        ASSERT_NE(full->Schedule(), nullptr);
        EXPECT_EQ(full->Schedule()->type, CSchedule::One_Time);
        EXPECT_EQ(full->Schedule()->year, 2030);

        EXPECT_TRUE(second.GetButton(0, 1)->IsUrl());
        EXPECT_EQ(second.GetButton(0, 1)->Target(), "http://www.example.com/a b");
        EXPECT_EQ(second.GetButton(0, 99)->OpenMode(), 3);
        EXPECT_EQ(second.GetButton(0, 99)->Schedule()->type, CSchedule::Daily);
        EXPECT_EQ(second.GetButton(1, 2)->Schedule()->weekday, variant + 1);
        EXPECT_EQ(second.GetButton(1, 3)->Schedule()->weekday, 0);
        EXPECT_EQ(second.GetButton(2, 4)->Schedule()->dayOfMonth, -1);
        EXPECT_EQ(second.GetButton(2, 5)->Schedule()->dayOfMonth, 15);
        EXPECT_EQ(second.GetButton(2, 5)->Schedule()->am, 1);
        EXPECT_EQ(second.CurrentCategoryIndex(), 1);

        ASSERT_EQ(second.alarms.AlarmCount(), 4);
        EXPECT_EQ(second.alarms.Alarm(0)->message, "Dentist at 3");
        EXPECT_EQ(second.alarms.Alarm(2)->weekday, variant + 1);
        EXPECT_EQ(second.alarms.Alarm(3)->type, CSchedule::Monthly);

        const CFavoritesMenu* root = second.favorites.Root();
        ASSERT_NE(root, nullptr);
        ASSERT_EQ(root->EntryCount(), 2);
        EXPECT_EQ(root->Item(0)->Name(), "Fav doc");
        EXPECT_EQ(root->Item(0)->Parameters(), "-v");
        ASSERT_NE(root->SubMenu(1), nullptr);
        EXPECT_EQ(root->SubMenu(1)->Text(), "Web Things");
        EXPECT_EQ(root->SubMenu(1)->EntryCount(), 2);
        EXPECT_TRUE(root->SubMenu(1)->Item(0)->IsUrl());

        EXPECT_EQ(second.sounds.CurrentFile(second.sounds.FindAction("Delete")), "");
        EXPECT_EQ(second.sounds.CurrentFile(second.sounds.FindAction("Add")), dir.File("ding.wav"));

        EXPECT_EQ(second.DialogEntry(0).filter, 2);
        EXPECT_EQ(second.DialogEntry(0).folder, dir.Path());
        EXPECT_EQ(second.DialogEntry(2).folder, "/snd");
        EXPECT_EQ(second.DialogEntry(3).filter, 4);
    }
}
