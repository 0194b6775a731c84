#include "tests/config/ConfigFixture.h"

#include "config/ConfigWriter.h"
#include "tests/support/FailingFileSystem.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A model on the failing file system, in the fixture's folder.
class SaveGuardTest : public ConfigTest {
  protected:
    SaveGuardTest() { guarded.programFolder = dir.Path(); }

    const RecordedMessage& LastMessage() const { return tp.prompter.messages.back(); }

    FailingFileSystem fs;
    Platform platform{fs,       tp.profile,   tp.clock, tp.prompter,
                      tp.icons, tp.shortcuts, tp.sound, tp.shell};
    CModel guarded{platform};
};

} // namespace

TEST_F(SaveGuardTest, UnreadableConfigurationIsReportedAndReplacedOnlyWithConsent) {
    const std::string original = CrLf({kHeader, "BUTTONS", "CATEGORY Three thousand buttons"});
    dir.Write("Buttons.cfg", original);
    fs.readErrors[ConfigPath()] = EACCES;

    LoadConfiguration(guarded, true);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(LastMessage().caption, "Could Not Read Configuration");
    EXPECT_TRUE(Contains(LastMessage().text, ConfigPath()));
    EXPECT_TRUE(Contains(LastMessage().text, std::strerror(EACCES)));
    EXPECT_FALSE(guarded.settingsModified);

    // Every save path asks first; No keeps the file and the changes.
    guarded.SetModified();
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(WriteConfiguration(guarded));
    EXPECT_EQ(dir.Read("Buttons.cfg"), original);
    EXPECT_TRUE(guarded.settingsModified);
    ASSERT_EQ(tp.prompter.messages.size(), 3u);
    EXPECT_EQ(tp.prompter.messages[1].caption, "Replace Unread Configuration?");
    EXPECT_EQ(tp.prompter.messages[1].buttons, MsgButtons::YesNo);
    EXPECT_EQ(LastMessage().caption, "Save Failed");

    // Another configuration name is not guarded.
    EXPECT_TRUE(WriteConfiguration(guarded, "Elsewhere"));
    EXPECT_EQ(tp.prompter.messages.size(), 3u);

    // Yes replaces it, and later saves ask no more.
    tp.prompter.answers = {MsgAnswer::Yes};
    guarded.SetModified();
    EXPECT_TRUE(WriteConfiguration(guarded));
    EXPECT_NE(dir.Read("Buttons.cfg"), original);
    guarded.SetModified();
    EXPECT_TRUE(WriteConfiguration(guarded));
    EXPECT_EQ(tp.prompter.messages.size(), 4u);
}

TEST_F(SaveGuardTest, MissingConfigurationStartsEmptyWithoutAQuestion) {
    LoadConfiguration(guarded, true);
    EXPECT_TRUE(tp.prompter.messages.empty());
    guarded.SetModified();
    EXPECT_TRUE(WriteConfiguration(guarded));
    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(ConfigPath() + ".bak"));
}

TEST_F(SaveGuardTest, FailedSaveTellsTheSystemsReasonUnlessTheCallerAsksQuiet) {
    guarded.CreateCategory(0, "A");
    fs.writeLimit = 10;
    guarded.SetModified();
    EXPECT_FALSE(WriteConfiguration(guarded));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(LastMessage().caption, "Save Failed");
    EXPECT_EQ(LastMessage().icon, MsgIcon::Stop);
    EXPECT_TRUE(Contains(LastMessage().text, std::strerror(ENOSPC)));
    EXPECT_TRUE(Contains(LastMessage().text, ConfigPath()));
    EXPECT_TRUE(guarded.settingsModified);
    EXPECT_TRUE(Contains(guarded.saveError, std::strerror(ENOSPC)));

    EXPECT_FALSE(WriteConfiguration(guarded, "", SaveReport::Quiet));
    EXPECT_EQ(tp.prompter.messages.size(), 1u);

    fs.writeLimit = -1;
    EXPECT_TRUE(WriteConfiguration(guarded));
    EXPECT_EQ(guarded.saveError, "");
}

TEST_F(SaveGuardTest, FirstSaveAfterAProblemLoadKeepsTheFileAsRead) {
    const std::string original = CrLf({kHeader, "BUTTONS", "CATEGORY A", "BUTTON 1 /bin/sh",
                                       "COLOUR red", "end", "BUTTON 2 /bin/sh", "end"});
    dir.Write("Buttons.cfg", original);
    LoadConfiguration(guarded, true);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(LastMessage().caption, "Bad Keyword");

    guarded.SetModified();
    ASSERT_TRUE(WriteConfiguration(guarded));
    EXPECT_EQ(dir.Read("Buttons.cfg.bak"), original);
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(LastMessage().caption, "Configuration Saved");
    EXPECT_TRUE(Contains(LastMessage().text, ConfigPath() + ".bak"));

    // Only the first save keeps it; a clean load keeps none.
    dir.Write("Buttons.cfg.bak", "mine now");
    guarded.SetModified();
    ASSERT_TRUE(WriteConfiguration(guarded));
    EXPECT_EQ(dir.Read("Buttons.cfg.bak"), "mine now");
    LoadConfiguration(guarded, true);
    guarded.SetModified();
    ASSERT_TRUE(WriteConfiguration(guarded));
    EXPECT_EQ(dir.Read("Buttons.cfg.bak"), "mine now");
    EXPECT_EQ(tp.prompter.messages.size(), 2u);

    // The next load that reports a problem replaces it.
    const std::string nameless = CrLf({kHeader, "BUTTONS", "CATEGORY A", "CATEGORY"});
    dir.Write("Buttons.cfg", nameless);
    LoadConfiguration(guarded, true);
    guarded.SetModified();
    ASSERT_TRUE(WriteConfiguration(guarded));
    EXPECT_EQ(dir.Read("Buttons.cfg.bak"), nameless);
}

TEST_F(SaveGuardTest, NoSaveWhenTheFileAsReadCannotBeKept) {
    const std::string original = CrLf({kHeader, "BUTTONS", "CATEGORY A", "BOGUS"});
    dir.Write("Buttons.cfg", original);
    LoadConfiguration(guarded, true);
    // A folder in the way of the kept copy.
    std::filesystem::create_directory(ConfigPath() + ".bak");
    std::filesystem::create_directory(ConfigPath() + ".bak/x");
    guarded.SetModified();
    EXPECT_FALSE(WriteConfiguration(guarded));
    EXPECT_EQ(dir.Read("Buttons.cfg"), original);
    EXPECT_EQ(LastMessage().caption, "Save Failed");
    EXPECT_TRUE(guarded.settingsModified);
}

TEST_F(ConfigTest, ByteOrderMarkBeforeTheHeaderIsAccepted) {
    LoadText("\xEF\xBB\xBF" + CrLf({kHeader, "BUTTONS", "CATEGORY Tools"}));
    EXPECT_TRUE(tp.prompter.messages.empty());
    ASSERT_NE(model.Category(0), nullptr);
    EXPECT_EQ(model.Category(0)->Name(), "Tools");
}

TEST_F(ConfigTest, SavingKeepsTheReplacedFilesOwnerAndGroup) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    dir.Write("Buttons.cfg", CrLf({kHeader}));
    ASSERT_EQ(::chown(ConfigPath().c_str(), 4242, 4343), 0);
    model.CreateCategory(0, "A");
    ASSERT_TRUE(WriteConfiguration(model));
    struct stat st {};
    ASSERT_EQ(::stat(ConfigPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_gid, 4343u);
    EXPECT_TRUE(tp.prompter.messages.empty());
}
