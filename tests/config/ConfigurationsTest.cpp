#include "tests/config/ConfigFixture.h"

#include "config/ConfigWriter.h"
#include "config/ConfigurationCommands.h"
#include "config/Configurations.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "tests/support/FailingFileSystem.h"
#include "tests/support/FakeEditDialogs.h"
#include "ui/MenuIds.h"
#include "ui/MenuState.h"

#include <filesystem>

namespace {

// The real file system with switches that make renames, copies and writes
// fail, as on a full disk or a read-only folder.
class TroubledFileSystem : public FailingFileSystem {
  public:
    bool refuseRename = false;
    bool refuseCopy = false;
    int copies = 0;
    bool Rename(const std::string& from, const std::string& to) override {
        return !refuseRename && PosixFileSystem::Rename(from, to);
    }
    bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) override {
        ++copies;
        return !refuseCopy && PosixFileSystem::CopyFile(from, to, failIfExists);
    }
};

class ListWatcher : public ViewHooks {
  public:
    int configMenus = 0;
    int favoritesMenus = 0;
    int shown = 0;
    void RebuildConfigurationMenus() override { ++configMenus; }
    void RebuildFavoritesMenu() override { ++favoritesMenus; }
    void ShowCategory() override { ++shown; }
};

// A model on a temporary program folder whose file system can be made to fail.
class ConfigurationsTest : public ::testing::Test {
  protected:
    ConfigurationsTest() {
        model.programFolder = dir.Path();
        model.SetView(&view);
        tp.clock.now = {2003, 12, 7, 10, 0, 0, 0};
    }

    // A configuration file with one category, one button, one Favorites item
    // and one alarm; ButtonWidth tells the files apart.
    std::string WriteConfig(const std::string& name, const std::string& category, int width = 60) {
        const std::string target = dir.Write("target.txt", "x");
        return dir.Write(name + ".cfg", CrLf({kHeader, "01/01/2024  00:00:00", "SETTINGS",
                                              "ButtonWidth " + std::to_string(width), "BUTTONS",
                                              "CATEGORY " + category, "BUTTON 1 " + target, "end",
                                              "FAVORITES", "ITEM " + target, "NAME Fav", "end",
                                              "END_MENU", "ALARMS", "ALARM Tea for " + category,
                                              "SCHEDULE Daily 4 0 pm", "SOUNDS", "Delete", ""}));
    }

    void Open(const std::string& name) {
        model.configName = name;
        SwitchConfiguration(model, false, true);
    }

    // The next file dialog answers with `file` in the program folder.
    void Choose(const std::string& file) { tp.prompter.files.push_back({{dir.File(file)}, 1, ""}); }

    bool Exists(const std::string& file) const { return std::filesystem::exists(dir.File(file)); }

    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (const RecordedMessage& m : tp.prompter.messages)
            out.push_back(m.caption);
        return out;
    }

    TempDir dir;
    TestPlatform tp;
    TroubledFileSystem fs;
    Platform platform{fs,       tp.profile,   tp.clock, tp.prompter,
                      tp.icons, tp.shortcuts, tp.sound, tp.shell};
    ListWatcher view;
    CModel model{platform};
    FakeEditDialogs dialogs;
};

using Strings = std::vector<std::string>;

} // namespace

// --- Names, list and menu entries --------------------------------------------

TEST_F(ConfigurationsTest, ListLeavesOutCompanionsAndFoldersAndIsSorted) {
    for (const char* file : {"work.cfg", "Home.cfg", "Home_Backup.cfg", "Home_Recent.cfg",
                             "Work_Saved.cfg", "Zeta.cfg", "notes.txt", "home_backup.CFG"})
        dir.Write(file, "x");
    std::filesystem::create_directory(dir.File("Folder.cfg"));

    EXPECT_EQ(ConfigurationList(model), (Strings{"Home", "work", "Zeta"}));
    EXPECT_EQ(CountConfigurations(model), 3);
    // A collation from the locale decides the order.
    const auto reversed = [](const std::string& a, const std::string& b) { return b.compare(a); };
    EXPECT_EQ(ConfigurationList(model, reversed), (Strings{"work", "Zeta", "Home"}));
    EXPECT_EQ(ConfigurationPath(model, ConfigKind::Backup, "Home"), dir.File("Home_Backup.cfg"));
    EXPECT_TRUE(ConfigurationExists(model, ConfigKind::Recent, "Home"));
    EXPECT_FALSE(ConfigurationExists(model, ConfigKind::Main, "Folder"));
    EXPECT_FALSE(ConfigurationExists(model, ConfigKind::Main, "H*"));
}

TEST_F(ConfigurationsTest, MenuEntriesAreNumberedUpToNineAndCheckTheCurrentOne) {
    model.configName = "home";
    const auto entries = ConfigurationMenuEntries(model, {"Home", "R&D"});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "&1 Home");
    EXPECT_TRUE(entries[0].checked);
    EXPECT_EQ(entries[1].text, "&2 R&&D");
    EXPECT_EQ(entries[1].id, kFirstConfigurationId + 1);
    EXPECT_FALSE(entries[1].checked);

    Strings ten;
    for (int i = 1; i <= 10; ++i)
        ten.push_back("Config " + std::to_string(i));
    const auto bare = ConfigurationMenuEntries(model, ten);
    ASSERT_EQ(bare.size(), 10u);
    EXPECT_EQ(bare[0].text, "Config 1");
    EXPECT_EQ(bare[9].text, "Config 10");
    EXPECT_EQ(bare[9].id, kFirstConfigurationId + 9);
}

TEST_F(ConfigurationsTest, NamesThatCannotBeFileNamesAreRefused) {
    for (const std::string& bad :
         {std::string(""), std::string("   "), std::string("."), std::string(".."),
          std::string("a/b"), std::string("a\0b", 3), std::string("Home_Backup"),
          std::string("x_Saved"), std::string(245, 'n')}) {
        SCOPED_TRACE(bad);
        EXPECT_NE(ConfigurationNameProblem(bad), "");
    }
    for (const std::string& good :
         Strings{"Home", "Work 2024", ".hidden", "a\\b", std::string(244, 'n')})
        EXPECT_EQ(ConfigurationNameProblem(good), "") << good;
    EXPECT_EQ(ConfigurationNameOf("/x/y/Home.v2.cfg"), "Home.v2");
    EXPECT_EQ(ConfigurationNameOf("/x/y/Home"), "Home");
    EXPECT_EQ(ConfigurationNameOf("/x/a\\b.cfg"), "a\\b");
}

TEST_F(ConfigurationsTest, LoadAndDeleteAreGreyedWithOneConfiguration) {
    WriteConfig("Buttons", "Main");
    dir.Write("Buttons_Backup.cfg", "x");
    CMenuState menus(model);
    for (int id : {IdConfigLoad, IdConfigDelete})
        menus.SetAvailable(id, true);
    MenuFacts facts;
    facts.configurationCount = CountConfigurations(model);
    EXPECT_FALSE(menus.State(IdConfigDelete, facts).enabled);
    EXPECT_FALSE(menus.State(IdConfigLoad, facts).enabled);
    WriteConfig("Work", "Office");
    facts.configurationCount = CountConfigurations(model);
    EXPECT_TRUE(menus.State(IdConfigDelete, facts).enabled);
}

// --- Opening and switching -----------------------------------------------------

TEST_F(ConfigurationsTest, OpeningSavesUnsavedChangesFirstAndStartsClean) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office", 80);
    Open("Home");
    model.CreateCategory(1, "Added at home");
    model.SetModified();
    model.changes.Append(std::make_unique<CChange>());
    view.configMenus = 0;

    ASSERT_TRUE(OpenConfigurationByName(model, "Work"));
    EXPECT_TRUE(tp.prompter.messages.empty()) << "saved without a question";
    EXPECT_NE(dir.Read("Home.cfg").find("CATEGORY Added at home"), std::string::npos);
    EXPECT_EQ(model.configName, "Work");
    EXPECT_EQ(model.Category(0)->Name(), "Office");
    EXPECT_EQ(model.Category(1), nullptr);
    EXPECT_EQ(model.settings.ButtonWidth, 80);
    EXPECT_EQ(tp.profile.strings["DVLastConfig"], "Work");
    EXPECT_FALSE(model.settingsModified);
    EXPECT_TRUE(model.changes.Empty());
    EXPECT_TRUE(model.changes.recording);
    EXPECT_EQ(model.alarms.AlarmCount(), 1);
    EXPECT_EQ(model.alarms.Alarm(0)->message, "Tea for Office");
    EXPECT_TRUE(model.favorites.Exist());
    EXPECT_GE(view.configMenus, 1);
    EXPECT_GE(view.favoritesMenus, 1);
}

TEST_F(ConfigurationsTest, OpeningAMissingConfigurationChangesNothing) {
    WriteConfig("Home", "Home tools");
    Open("Home");
    model.SetModified();
    for (const std::string& name : {std::string(""), std::string("Gone")}) {
        tp.prompter.messages.clear();
        EXPECT_FALSE(OpenConfigurationByName(model, name));
        ASSERT_EQ(tp.prompter.messages.size(), 1u);
        EXPECT_EQ(tp.prompter.messages[0].caption, "Configuration Doesn't Exist");
        EXPECT_EQ(tp.prompter.messages[0].text,
                  "The specified configuration (" + name + ") does not exist");
        EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Stop);
    }
    EXPECT_EQ(model.configName, "Home");
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ConfigurationsTest, WhenUnsavedChangesCannotBeSavedTheCurrentConfigurationStays) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office");
    Open("Home");
    const std::string before = dir.Read("Home.cfg");
    model.CreateCategory(1, "Unsaved");
    model.SetModified();
    fs.writeLimit = 10;

    EXPECT_FALSE(OpenConfigurationByName(model, "Work"));
    EXPECT_EQ(Captions(), Strings{"Save Failed"});
    EXPECT_EQ(model.configName, "Home");
    ASSERT_NE(model.Category(1), nullptr);
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(dir.Read("Home.cfg"), before);
}

TEST_F(ConfigurationsTest, ListEntryOpensExactlyItsNameAmongTenOrMore) {
    for (int i = 1; i <= 11; ++i)
        WriteConfig("Config " + std::to_string(i), "Cat " + std::to_string(i));
    Open("Config 1");
    const Strings names = ConfigurationList(model);
    const auto entries = ConfigurationMenuEntries(model, names);
    // "Config 10" sorts before "Config 2"; its entry is its bare name.
    const auto chosen = std::find_if(entries.begin(), entries.end(),
                                     [](const auto& e) { return e.text == "Config 10"; });
    ASSERT_NE(chosen, entries.end());
    ChooseListedConfiguration(model,
                              names[static_cast<size_t>(chosen->id - kFirstConfigurationId)]);
    EXPECT_EQ(model.configName, "Config 10");
    EXPECT_EQ(model.Category(0)->Name(), "Cat 10");

    // Choosing the current one again reloads nothing.
    model.SetModified();
    ChooseListedConfiguration(model, "config 10");
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ConfigurationsTest, LoadCommandOpensTheChosenNameFromTheProgramFolder) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office");
    Open("Home");
    tp.prompter.files.push_back({{"/elsewhere/Work.cfg"}, 1, ""});
    LoadConfigurationCommand(model);
    ASSERT_EQ(tp.prompter.fileRequests.size(), 1u);
    const FileDialogRequest& asked = tp.prompter.fileRequests[0];
    EXPECT_EQ(asked.caption, "Specify the Name of the Configuration to Load");
    EXPECT_EQ(asked.folder, dir.Path());
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.filters, Strings{"Dorvane Configuration Files (*.cfg)|*.cfg"});
    EXPECT_EQ(model.configName, "Work");
    EXPECT_FALSE(model.settingsModified);

    LoadConfigurationCommand(model); // cancelled
    EXPECT_EQ(model.configName, "Work");
}

// --- Save As and Backup --------------------------------------------------------

TEST_F(ConfigurationsTest, SaveAsWritesACopyAndLeavesTheCurrentConfigurationAlone) {
    WriteConfig("Home", "Home tools");
    Open("Home");
    const std::string home = dir.Read("Home.cfg");
    model.CreateCategory(1, "Unsaved");
    model.SetModified();
    model.settings.AutoHide = !model.savedAutoHide;

    Choose("Copy.cfg");
    SaveConfigurationAs(model, "");
    const FileDialogRequest& asked = tp.prompter.fileRequests.at(0);
    EXPECT_EQ(asked.caption, "Specify a Name for Saving the Current Configuration");
    EXPECT_TRUE(asked.save);
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_EQ(asked.defaultSuffix, "cfg");
    EXPECT_NE(dir.Read("Copy.cfg").find("CATEGORY Unsaved"), std::string::npos);
    EXPECT_EQ(dir.Read("Home.cfg"), home);
    EXPECT_EQ(model.configName, "Home");
    EXPECT_EQ(tp.profile.strings["DVLastConfig"], "Home");
    EXPECT_TRUE(model.settingsModified);
    EXPECT_TRUE(CMenuState::HasUnsavedChanges(model));
    EXPECT_TRUE(tp.prompter.messages.empty());

    // Unmodified stays unmodified too.
    model.settingsModified = false;
    Choose("Copy2.cfg");
    SaveConfigurationAs(model, "");
    EXPECT_TRUE(Exists("Copy2.cfg"));
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(ConfigurationsTest, BackupProposesTheNameWithTodaysDate) {
    model.configName = "Home";
    EXPECT_EQ(BackupProposal(model), "Home120703");
    tp.clock.now = {2041, 3, 9, 10, 0, 0, 6};
    EXPECT_EQ(BackupProposal(model), "Home030941");
    SaveConfigurationAs(model, BackupProposal(model));
    EXPECT_EQ(tp.prompter.fileRequests.at(0).fileName, "Home030941");
}

TEST_F(ConfigurationsTest, SaveAsFromAnotherFolderAsksBeforeReplacingAConfiguration) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office");
    Open("Home");
    const std::string work = dir.Read("Work.cfg");
    tp.prompter.files.push_back({{"/elsewhere/Work.cfg"}, 1, ""});
    tp.prompter.answers = {MsgAnswer::No};
    SaveConfigurationAs(model, "");
    EXPECT_EQ(Captions(), Strings{"Overwrite Existing Configuration?"});
    EXPECT_EQ(dir.Read("Work.cfg"), work);

    // The dialog asked already about a file of the program folder.
    tp.prompter.messages.clear();
    Choose("Work.cfg");
    SaveConfigurationAs(model, "");
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_NE(dir.Read("Work.cfg").find("CATEGORY Home tools"), std::string::npos);
}

TEST_F(ConfigurationsTest, FailedSaveAsIsReportedAndKeepsTheEarlierFile) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Copy", "Old copy");
    Open("Home");
    const std::string copy = dir.Read("Copy.cfg");
    fs.writeLimit = 20;
    Choose("Copy.cfg");
    SaveConfigurationAs(model, "");
    EXPECT_EQ(Captions(), Strings{"Save Failed"});
    EXPECT_EQ(dir.Read("Copy.cfg"), copy);
    EXPECT_FALSE(model.settingsModified);
}

// --- Create ---------------------------------------------------------------------

TEST_F(ConfigurationsTest, CreateWithDefaultSettingsKeepsOnlyTheAlarms) {
    WriteConfig("Home", "Home tools", 90);
    Open("Home");
    const int deleteSound = model.sounds.FindAction("Delete");
    ASSERT_EQ(model.sounds.CurrentFile(deleteSound), "");
    model.SetModified();
    model.CreateCategory(1, "Unsaved");

    Choose("New.cfg");
    tp.prompter.answers = {MsgAnswer::No};
    CreateConfiguration(model);

    const FileDialogRequest& asked = tp.prompter.fileRequests.at(0);
    EXPECT_EQ(asked.caption, "Specify a Name for the New Configuration");
    EXPECT_FALSE(asked.confirmOverwrite);
    EXPECT_NE(dir.Read("Home.cfg").find("CATEGORY Unsaved"), std::string::npos);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    const RecordedMessage& question = tp.prompter.messages[0];
    EXPECT_EQ(question.caption, "Use Current Settings?");
    EXPECT_EQ(question.icon, MsgIcon::Information);
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.text.substr(0, 60),
              "Would you like the new configuration to use the same setting");

    EXPECT_EQ(model.configName, "New");
    EXPECT_EQ(model.CategoryCount(), 1);
    EXPECT_EQ(model.Category(0)->Name(), "Untitled");
    EXPECT_EQ(model.ButtonCount(0), 0);
    EXPECT_EQ(model.settings.ButtonWidth, CSettings{}.ButtonWidth);
    EXPECT_EQ(model.sounds.CurrentFile(deleteSound), model.sounds.DefaultFile(deleteSound));
    EXPECT_FALSE(model.favorites.Root() && model.favorites.Root()->EntryCount() > 0);
    EXPECT_EQ(model.alarms.AlarmCount(), 1);
    EXPECT_EQ(tp.profile.strings["DVLastConfig"], "New");
    EXPECT_FALSE(model.settingsModified);
    const std::string saved = dir.Read("New.cfg");
    EXPECT_NE(saved.find("CATEGORY Untitled"), std::string::npos);
    EXPECT_NE(saved.find("ALARM Tea for Home tools"), std::string::npos);
}

TEST_F(ConfigurationsTest, CreateWithTheCurrentSettingsKeepsThem) {
    WriteConfig("Home", "Home tools", 90);
    Open("Home");
    Choose("New.cfg");
    tp.prompter.answers = {MsgAnswer::Yes};
    CreateConfiguration(model);
    EXPECT_EQ(model.settings.ButtonWidth, 90);
    EXPECT_EQ(model.sounds.CurrentFile(model.sounds.FindAction("Delete")), "");
    EXPECT_NE(dir.Read("New.cfg").find("ButtonWidth 90"), std::string::npos);
}

TEST_F(ConfigurationsTest, CreateRefusesExistingAndUnusableNames) {
    WriteConfig("Home", "Home tools");
    Open("Home");
    struct Case {
        std::string chosen;
        std::string caption;
    };
    for (const Case& c : {Case{dir.File("Home.cfg"), "Configuration Already Exists"},
                          // Another folder's file of that name is not the one written.
                          Case{"/elsewhere/Home.cfg", "Configuration Already Exists"},
                          Case{dir.File("Home_Backup.cfg"), "Invalid Configuration Name"}}) {
        SCOPED_TRACE(c.chosen);
        tp.prompter.messages.clear();
        tp.prompter.files.push_back({{c.chosen}, 1, ""});
        CreateConfiguration(model);
        EXPECT_EQ(Captions(), Strings{c.caption});
        EXPECT_EQ(model.configName, "Home");
        EXPECT_EQ(model.Category(0)->Name(), "Home tools");
    }
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Stop);
    CreateConfiguration(model); // cancelled
    EXPECT_EQ(model.configName, "Home");
    EXPECT_EQ(ConfigurationList(model), Strings{"Home"});
}

TEST_F(ConfigurationsTest, CreateUnderTheNameOfAnUnsavedCurrentConfigurationKeepsIt) {
    // A first start: "Buttons" is in memory only, with changes.
    model.CreateCategory(0, "Built today");
    model.SetModified();
    Choose("Buttons.cfg");
    CreateConfiguration(model);
    EXPECT_EQ(Captions(), Strings{"Configuration Already Exists"});
    EXPECT_EQ(model.Category(0)->Name(), "Built today");
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ConfigurationsTest, CreateWhoseSaveFailsStaysModifiedAndSaysSo) {
    WriteConfig("Home", "Home tools");
    Open("Home");
    fs.writeLimit = 0;
    Choose("New.cfg");
    tp.prompter.answers = {MsgAnswer::No};
    CreateConfiguration(model);
    EXPECT_EQ(Captions(), (Strings{"Use Current Settings?", "Save Failed"}));
    EXPECT_EQ(model.configName, "New");
    EXPECT_TRUE(model.settingsModified);
    EXPECT_FALSE(Exists("New.cfg"));
}

// --- Rename ---------------------------------------------------------------------

TEST_F(ConfigurationsTest, RenameTakesTheCompanionsAlong) {
    WriteConfig("Home", "Home tools");
    dir.Write("Home_Backup.cfg", "backup");
    dir.Write("Home_Saved.cfg", "saved");
    Open("Home");
    dialogs.texts = {"  Work "};
    RenameCurrentConfiguration(model, dialogs);

    const TextInputRequest& asked = dialogs.textRequests.at(0);
    EXPECT_EQ(asked.title, "Rename the Current Configuration");
    EXPECT_EQ(asked.prompt, "Enter a new name for the current configuration");
    EXPECT_EQ(asked.label, "New Name");
    EXPECT_EQ(asked.initial, "Home");
    EXPECT_TRUE(asked.selectAll);
    EXPECT_EQ(asked.okText, "Rename");

    EXPECT_EQ(model.configName, "Work");
    EXPECT_EQ(tp.profile.strings["DVLastConfig"], "Work");
    EXPECT_FALSE(Exists("Home.cfg") || Exists("Home_Backup.cfg") || Exists("Home_Saved.cfg"));
    EXPECT_EQ(dir.Read("Work_Backup.cfg"), "backup");
    EXPECT_EQ(dir.Read("Work_Saved.cfg"), "saved");
    EXPECT_NE(dir.Read("Work.cfg").find("CATEGORY Home tools"), std::string::npos);
    EXPECT_EQ(ConfigurationList(model), Strings{"Work"});
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(ConfigurationsTest, RenameToTheSameNameOrAnotherCaseLosesNothing) {
    WriteConfig("Home", "Home tools");
    dir.Write("Home_Backup.cfg", "backup");
    Open("Home");
    const std::string home = dir.Read("Home.cfg");

    EXPECT_TRUE(RenameConfiguration(model, "Home", "Home"));
    EXPECT_EQ(dir.Read("Home.cfg"), home);
    EXPECT_EQ(dir.Read("Home_Backup.cfg"), "backup");

    EXPECT_TRUE(RenameConfiguration(model, "Home", "HOME"));
    EXPECT_EQ(dir.Read("HOME.cfg"), home);
    EXPECT_EQ(dir.Read("HOME_Backup.cfg"), "backup");
    EXPECT_EQ(ConfigurationList(model), Strings{"HOME"});
    EXPECT_EQ(model.configName, "HOME");
    EXPECT_TRUE(tp.prompter.messages.empty());
}

TEST_F(ConfigurationsTest, RenameOntoAnExistingConfigurationAsksFirst) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office");
    Open("Home");
    const std::string work = dir.Read("Work.cfg");
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(RenameConfiguration(model, "Home", "Work"));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Overwrite Existing Configuration?");
    EXPECT_EQ(tp.prompter.messages[0].text,
              "The specified configuration - \"Work\" - already exists.\r\n\r\nRenaming the "
              "configuration will overwrite the existing one. Do you want to continue with the "
              "rename operation?");
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(dir.Read("Work.cfg"), work);
    EXPECT_TRUE(Exists("Home.cfg"));

    tp.prompter.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(RenameConfiguration(model, "Home", "Work"));
    EXPECT_NE(dir.Read("Work.cfg").find("CATEGORY Home tools"), std::string::npos);
    EXPECT_FALSE(Exists("Home.cfg"));
    EXPECT_EQ(model.configName, "Work");
}

TEST_F(ConfigurationsTest, RenameThatCannotMoveOrCopyKeepsEveryFile) {
    WriteConfig("Home", "Home tools");
    dir.Write("Home_Recent.cfg", "recent");
    Open("Home");
    const std::string home = dir.Read("Home.cfg");
    fs.refuseRename = true;
    fs.refuseCopy = true;
    EXPECT_FALSE(RenameConfiguration(model, "Home", "Work"));
    EXPECT_EQ(Captions(), Strings{"Rename Failed"});
    EXPECT_EQ(dir.Read("Home.cfg"), home);
    EXPECT_EQ(dir.Read("Home_Recent.cfg"), "recent");
    EXPECT_FALSE(Exists("Work.cfg"));
    EXPECT_EQ(model.configName, "Home");

    // Where a rename is refused, a complete copy stands in for it.
    fs.refuseCopy = false;
    tp.prompter.messages.clear();
    EXPECT_TRUE(RenameConfiguration(model, "Home", "Work"));
    EXPECT_EQ(dir.Read("Work.cfg"), home);
    EXPECT_EQ(dir.Read("Work_Recent.cfg"), "recent");
    EXPECT_FALSE(Exists("Home.cfg"));
}

TEST_F(ConfigurationsTest, RenameNeverReplacesAStrayCompanionUnasked) {
    WriteConfig("Home", "Home tools");
    dir.Write("Home_Backup.cfg", "mine");
    dir.Write("Work_Backup.cfg", "someone else's");
    Open("Home");
    EXPECT_TRUE(RenameConfiguration(model, "Home", "Work"));
    EXPECT_EQ(Captions(), Strings{"Rename Incomplete"});
    EXPECT_NE(tp.prompter.messages[0].text.find(dir.File("Home_Backup.cfg")), std::string::npos);
    EXPECT_EQ(dir.Read("Home_Backup.cfg"), "mine");
    EXPECT_EQ(dir.Read("Work_Backup.cfg"), "someone else's");
    EXPECT_EQ(model.configName, "Work");
}

TEST_F(ConfigurationsTest, RenameAsksAgainForAnUnusableName) {
    WriteConfig("Home", "Home tools");
    Open("Home");
    dialogs.texts = {"a/b", ""};
    RenameCurrentConfiguration(model, dialogs);
    EXPECT_EQ(Captions(), Strings{"Invalid Configuration Name"});
    ASSERT_EQ(dialogs.textRequests.size(), 2u);
    EXPECT_EQ(dialogs.textRequests[1].initial, "a/b");
    EXPECT_EQ(model.configName, "Home");
    EXPECT_TRUE(Exists("Home.cfg"));
}

TEST_F(ConfigurationsTest, RenamingAConfigurationNeverSavedSaysSo) {
    model.configName = "Buttons";
    EXPECT_FALSE(RenameConfiguration(model, "Buttons", "Work"));
    EXPECT_EQ(Captions(), Strings{"Configuration Doesn't Exist"});
    EXPECT_EQ(model.configName, "Buttons");
}

// --- Delete ---------------------------------------------------------------------

TEST_F(ConfigurationsTest, DeleteRemovesTheConfigurationWithItsCompanions) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office");
    dir.Write("Work_Backup.cfg", "b");
    dir.Write("Work_Recent.cfg", "r");
    Open("Home");

    Choose("Work.cfg");
    tp.prompter.answers = {MsgAnswer::No};
    DeleteConfigurationCommand(model);
    EXPECT_EQ(tp.prompter.fileRequests.at(0).caption,
              "Specify the Name of the Configuration to Delete");
    EXPECT_TRUE(Exists("Work.cfg"));

    tp.prompter.messages.clear();
    Choose("Work.cfg");
    DeleteConfigurationCommand(model);
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Delete Configuration?");
    EXPECT_EQ(tp.prompter.messages[0].text,
              "Are you sure that you want to delete configuration \"Work\"");
    EXPECT_EQ(tp.prompter.messages[1].caption, "Configuration Deleted");
    EXPECT_EQ(tp.prompter.messages[1].text, "Configuration \"Work\" has been deleted");
    EXPECT_EQ(tp.prompter.messages[1].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(Exists("Work.cfg") || Exists("Work_Backup.cfg") || Exists("Work_Recent.cfg"));
    EXPECT_TRUE(Exists("Home.cfg"));
}

TEST_F(ConfigurationsTest, TheCurrentConfigurationCannotBeDeleted) {
    WriteConfig("Home", "Home tools");
    WriteConfig("Work", "Office");
    Open("Home");
    Choose("home.cfg");
    DeleteConfigurationCommand(model);
    EXPECT_EQ(Captions(), Strings{"Illegal Operation"});
    EXPECT_EQ(tp.prompter.messages[0].text, "You cannot delete the current configuration");
    EXPECT_TRUE(Exists("Home.cfg"));
}
