#include "ui/StartupLink.h"

#include <sys/stat.h>

#include <cstdlib>

#include "tests/ui/OptionsFixture.h"

namespace {

TEST(DesktopEntryText, ExecArgumentsAreQuotedOnlyWhenTheyMustBe) {
    const struct {
        const char* path;
        const char* exec; // as it stands in the file
    } cases[] = {
        {"/usr/bin/dorvane", "/usr/bin/dorvane"},
        {"/opt/my apps/dorvane", "\"/opt/my apps/dorvane\""},
        {"/opt/a$b/dorvane", "\"/opt/a\\\\$b/dorvane\""},
        {"/opt/a\\b/dorvane", "\"/opt/a\\\\\\\\b/dorvane\""},
        {"/opt/100%/dorvane", "/opt/100%%/dorvane"},
        {"/opt/it's/dorvane", "\"/opt/it's/dorvane\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesktopStringValue(DesktopExecArgument(c.path)), c.exec) << c.path;
    EXPECT_EQ(DesktopStringValue(" lead\ttab\nline"), "\\slead\\ttab\\nline");

    // Where the desktop's own checker is installed, every such entry passes it.
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        return;
    TempDir dir;
    for (const auto& c : cases) {
        const std::string entry =
            dir.Write("Dorvane 10.desktop", StartupLinkContents(c.path, "/data/my folder/it's"));
        EXPECT_EQ(std::system(("desktop-file-validate '" + entry + "' >&2").c_str()), 0) << c.path;
    }
}

TEST(DesktopEntryText, EntryStartsTheProgramInItsProgramFolder) {
    EXPECT_EQ(StartupLinkContents("/usr/bin/dorvane", "/home/ann/.local/share/dorvane"),
              "[Desktop Entry]\nType=Application\nName=Dorvane 10\nExec=/usr/bin/dorvane\n"
              "Path=/home/ann/.local/share/dorvane\nTerminal=false\n");
    EXPECT_EQ(StartupLinkPath("/home/ann/.config/autostart"),
              "/home/ann/.config/autostart/Dorvane 10.desktop");
    EXPECT_EQ(StartupLinkPath(""), "") << "no folder, no entry";
}

class StartupLinkTest : public OptionsFixture {
  protected:
    StartupLinkPlaces places;
    std::string link;

    void SetUp() override {
        OptionsFixture::SetUp();
        places.autostartFolder = dir.File("config/autostart");
        places.executable = dir.Write("bin/dorvane", "#!/bin/sh\n");
        ::chmod(places.executable.c_str(), 0755);
        link = StartupLinkPath(places.autostartFolder);
    }
    bool LinkExists() { return StartupLinkExists(tp.fs, places.autostartFolder); }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (const auto& m : tp.prompter.messages)
            captions.push_back(m.caption);
        tp.prompter.messages.clear();
        return captions;
    }
    StartupLinkBox Checked(bool initial) { return StartupLinkBox{initial, !initial}; }
};

TEST_F(StartupLinkTest, CheckingCreatesTheEntryAfterAskingAndMakesItsFolder) {
    StartupLinkBox box = ReadStartupLinkBox(tp.fs, places);
    EXPECT_FALSE(box.current);
    box.current = true;
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Create Link?", "Link Created"}));
    ASSERT_TRUE(LinkExists());
    EXPECT_EQ(dir.Read("config/autostart/Dorvane 10.desktop"),
              StartupLinkContents(places.executable, dir.Path()));
    EXPECT_TRUE(box.initial && box.current && !box.Modified());
}

TEST_F(StartupLinkTest, AnsweringNoLeavesNoEntryAndTheBoxUnchecked) {
    tp.prompter.answers = {MsgAnswer::No};
    StartupLinkBox box = Checked(false);
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Create Link?"});
    EXPECT_FALSE(LinkExists());
    EXPECT_FALSE(box.current);
}

TEST_F(StartupLinkTest, MissingProgramAndCancelledChooserCreateNothingAndSayNoMore) {
    places.executable = dir.File("bin/gone");
    StartupLinkBox box = Checked(false);
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Create Link?", "Dorvane File not Found"}));
    ASSERT_EQ(tp.prompter.fileRequests.size(), 1u);
    EXPECT_EQ(tp.prompter.fileRequests[0].caption, "Specify the Dorvane Executable File");
    EXPECT_EQ(tp.prompter.fileRequests[0].folder, dir.Path());
    EXPECT_FALSE(LinkExists());
    EXPECT_FALSE(box.current);
}

TEST_F(StartupLinkTest, AProgramLocatedByHandIsStartedInTheProgramFolder) {
    const std::string moved = dir.Write("elsewhere/dorvane", "#!/bin/sh\n");
    ::chmod(moved.c_str(), 0755);
    places.executable = dir.File("bin/gone");
    FileDialogResult chosen;
    chosen.files = {moved};
    tp.prompter.files = {chosen};
    StartupLinkBox box = Checked(false);
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{"Create Link?", "Dorvane File not Found", "Link Created"}));
    EXPECT_EQ(dir.Read("config/autostart/Dorvane 10.desktop"),
              StartupLinkContents(moved, dir.Path()));
}

TEST_F(StartupLinkTest, AnEntryMadeMeanwhileIsStillAskedForAndRewritten) {
    dir.Write("config/autostart/Dorvane 10.desktop", "old");
    StartupLinkBox box = Checked(false);
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Create Link?", "Link Created"}));
    EXPECT_NE(dir.Read("config/autostart/Dorvane 10.desktop"), "old");
}

TEST_F(StartupLinkTest, UncheckingDeletesAfterAskingAndKeepsItOnNo) {
    ASSERT_TRUE(CreateStartupLink(tp.fs, places.autostartFolder, places.executable, dir.Path()));
    tp.prompter.answers = {MsgAnswer::No};
    StartupLinkBox box = Checked(true);
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Delete Link?"});
    EXPECT_TRUE(LinkExists());
    EXPECT_TRUE(box.current) << "a declined deletion leaves the box checked";

    box.current = false;
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Delete Link?", "Link Deleted"}));
    EXPECT_FALSE(LinkExists());
    EXPECT_FALSE(box.current);
}

TEST_F(StartupLinkTest, UncheckingAnEntryRemovedMeanwhileAsksNothing) {
    StartupLinkBox box = Checked(true);
    ApplyStartupLink(model, places, box);
    EXPECT_TRUE(Captions().empty());
    EXPECT_FALSE(box.current);

    box = StartupLinkBox{false, false};
    ApplyStartupLink(model, places, box);
    EXPECT_TRUE(Captions().empty()) << "an unchanged box does nothing";
}

TEST_F(StartupLinkTest, AnEntryThatCannotBeWrittenLeavesTheBoxUnchecked) {
    dir.Write("config", "a file where the folder should be");
    StartupLinkBox box = Checked(false);
    ApplyStartupLink(model, places, box);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Create Link?"});
    EXPECT_FALSE(box.current);
}

} // namespace
