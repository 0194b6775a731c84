#include "model/Startup.h"

#include <algorithm>
#include <unistd.h>

#include <gtest/gtest.h>

#include "config/LoadConfiguration.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "sounds/ActionSounds.h"
#include "tests/support/TestPlatform.h"
#include "ui/Launcher.h"

namespace {

// Start-up takes the working directory as program folder, so each test runs
// inside its own temporary folder.
class Startup : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    std::string previous = tp.fs.CurrentDirectory();

    void SetUp() override { ASSERT_EQ(::chdir(dir.Path().c_str()), 0); }
    void TearDown() override { ASSERT_EQ(::chdir(previous.c_str()), 0); }
};

TEST_F(Startup, FirstStartInAnEmptyFolder) {
    model.settings.ButtonWidth = 99;
    model.settingsModified = true;
    tp.profile.strings["DVPath"] = "/somewhere/else";
    const StartupState state = RunStartup(model);

    EXPECT_EQ(model.configName, "Buttons");
    EXPECT_EQ(model.programFolder, dir.Path());
    EXPECT_EQ(tp.profile.strings["DVPath"], dir.Path());
    EXPECT_EQ(tp.profile.ints["DVFirstUse"], 0);
    EXPECT_EQ(model.settings.ButtonWidth, 54);
    EXPECT_FALSE(model.settingsModified);
    ApplyFirstDisplayChoice(model);
    EXPECT_EQ(model.configName, "Buttons");

    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(ShowFirstUseGreeting(model, state));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    const RecordedMessage& m = tp.prompter.messages[0];
    EXPECT_EQ(m.caption, "Use DORVANE Tutorial?");
    EXPECT_EQ(m.text, "WELCOME to DORVANE Version 10.0!\r\n\r\n"
                      "This is the first time that you have used this version of the program. "
                      "A tutorial is available to help you learn how to use the program's basic "
                      "features.\r\n\r\n"
                      "(You can use the tutorial at any time in the future by selecting the "
                      "\"Tutorial\" command in the \"Help\" menu.)\r\n\r\n"
                      "Would you like to use the DORVANE tutorial?");
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_FALSE(model.modal);

    // The next start finds the flag cleared and offers nothing.
    const StartupState again = RunStartup(model);
    EXPECT_FALSE(again.greetingDue);
    EXPECT_FALSE(ShowFirstUseGreeting(model, again));
    EXPECT_EQ(tp.prompter.messages.size(), 1u);
}

TEST_F(Startup, TheLastConfigurationLoadsWhenItsFileExists) {
    dir.Write("Work.cfg", "");
    dir.Write("Home.cfg", "");
    tp.profile.strings["DVLastConfig"] = "Home";
    RunStartup(model);
    ApplyFirstDisplayChoice(model);
    EXPECT_EQ(model.configName, "Home");
    EXPECT_EQ(ConfigFilePath(model, "Home"), dir.File("Home.cfg"));

    tp.profile.strings["DVLastConfig"] = "Gone";
    RunStartup(model);
    EXPECT_EQ(model.configName, "Buttons");
}

TEST_F(Startup, ASingleConfigurationFileWinsOverTheProfile) {
    dir.Write("Games.cfg", "");
    dir.Write("Games_Backup.cfg", "");
    dir.Write("Old_saved.cfg", "");
    dir.Write("Games_RECENT.cfg", "");
    dir.Write("Folder.cfg/x", ""); // a folder is no configuration
    dir.Write("notes.txt", "");
    tp.profile.strings["DVLastConfig"] = "Games_Backup";
    RunStartup(model);
    EXPECT_EQ(model.configName, "Games_Backup");
    ApplyFirstDisplayChoice(model);
    EXPECT_EQ(model.configName, "Games");
}

// The launcher puts the default sounds into the program folder; whatever the
// configuration, the program then sounds from its first start on.
TEST_F(Startup, ActionSoundsPlayWithoutAValidConfiguration) {
    for (int i = 0; i < model.sounds.Count(); ++i)
        dir.Write(DefaultSoundName(i), "RIFF");
    const std::string tool = dir.Write("tool", "#!/bin/sh\n");
    for (const char* contents : {"", "not a configuration\r\n"}) {
        SCOPED_TRACE(contents);
        std::remove(dir.File("Buttons.cfg").c_str());
        if (*contents != '\0')
            dir.Write("Buttons.cfg", contents);
        CModel fresh{tp.platform};
        RunStartup(fresh);
        ApplyFirstDisplayChoice(fresh);
        LoadConfiguration(fresh, true);
        for (int i = 0; i < fresh.sounds.Count(); ++i)
            EXPECT_EQ(fresh.sounds.CurrentFile(i), dir.File(DefaultSoundName(i)));

        CButtonDef::CreateAt(fresh, 0, 0, "Tool", tool, "", 0, 1)->SetKind("exe");
        tp.sound.played.clear();
        LaunchClicked(fresh, 0, 0);
        ASSERT_EQ(tp.sound.played.size(), 1u);
        EXPECT_EQ(tp.sound.played[0].file, dir.File("DV_Launch_App.wav"));
    }
}

} // namespace

namespace {

TEST_F(Startup, TemporaryFilesOfKilledSavesAreRemovedAndNothingElse) {
    for (const char* name : {".Buttons.cfg.Ab12Cd", ".Buttons.cfg.bak.Zz99yy", "Buttons.cfg",
                             ".Buttons.cfg.swp", ".hidden.Ab12Cd"})
        dir.Write(name, "x");
    RunStartup(model);
    std::vector<std::string> left;
    for (const FileEntry& entry : tp.fs.FindAll(dir.File("*")))
        left.push_back(entry.name);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{".Buttons.cfg.swp", ".hidden.Ab12Cd", "Buttons.cfg"}));
}

} // namespace
