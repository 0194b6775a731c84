#include "ui/Launcher.h"

#include <cstdlib>
#include <functional>
#include <optional>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "platform/posix/ShellWords.h"
#include "tests/support/TestPlatform.h"

namespace {

class LauncherTest : public testing::Test {
  protected:
    LauncherTest() {
        model.CreateCategory(0, "Main");
        model.CreateCategory(1, "Other");
        launchSound = dir.Write("launch.wav", "RIFF");
        openSound = dir.Write("open.wav", "RIFF");
        model.sounds.SetCurrentFile(model.sounds.FindAction("Launch Application"), launchSound);
        model.sounds.SetCurrentFile(model.sounds.FindAction("Open Document or Folder"), openSound);
        model.sounds.SetCurrentFile(model.sounds.FindAction("Open File Selection Box"), openSound);
    }

    // A button at (category, slot) whose kind is set as given.
    CButtonDef& Add(int slot, const std::string& name, const std::string& target,
                    const std::string& kind, int openMode = 1, int category = 0) {
        CButtonDef* b = CButtonDef::CreateAt(model, category, slot, name, target, "", 0, openMode);
        b->SetKind(kind);
        return *b;
    }
    std::string Program(const std::string& name) {
        const std::string path = dir.Write(name, "#!/bin/sh\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
    std::vector<std::string> Played() const {
        std::vector<std::string> files;
        for (const auto& p : tp.sound.played)
            files.push_back(p.file);
        return files;
    }
    const std::vector<RecordedMessage>& Messages() const { return tp.prompter.messages; }

    TestPlatform tp;
    CModel model{tp.platform};
    TempDir dir;
    std::string launchSound;
    std::string openSound;
};

TEST_F(LauncherTest, ClickOnMissingTargetSaysBadButtonAndLaunchesNothing) {
    for (const char* kind : {"exe", "document", "folder"}) {
        const std::string target = dir.Write(std::string("gone-") + kind, "x");
        Add(3, "", target, kind);
        std::remove(target.c_str());
        tp.prompter.messages.clear();

        LaunchClicked(model, 0, 3);
        ASSERT_EQ(Messages().size(), 1u) << kind;
        EXPECT_EQ(Messages()[0].text, "Unable to find the file:\r\n\r\n" + target);
        EXPECT_EQ(Messages()[0].caption, "Bad Button");
        EXPECT_EQ(Messages()[0].icon, MsgIcon::Stop);
    }
    EXPECT_TRUE(tp.shell.calls.empty());
    EXPECT_TRUE(tp.sound.played.empty());

    // Launching without the click's check (a scheduled launch) stays silent.
    EXPECT_FALSE(LaunchButton(model, 0, 3));
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(tp.shell.calls.empty());
}

TEST_F(LauncherTest, AddressesAndWindowsDrivesNeedNoExistingFile) {
    Add(0, "Site", "https://example.org/", "url", 3);
    Add(1, "C", "C:\\", "drive");
    LaunchClicked(model, 0, 0);
    LaunchClicked(model, 0, 1);
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(tp.shell.calls.size(), 2u);
    EXPECT_EQ(tp.shell.calls[0].request.target, "https://example.org/");
    EXPECT_EQ(tp.shell.calls[0].request.show, ShowMode::Normal);
    EXPECT_EQ(tp.shell.calls[1].request.target, "/");
    // No sound for an address; the drive plays "Open Document or Folder".
    EXPECT_EQ(Played(), std::vector<std::string>{openSound});
}

TEST_F(LauncherTest, AddressesWithoutSchemeOpenAsABrowserReadsThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"www.debian.org", "https://www.debian.org"},
        {"debian.org/News", "https://debian.org/News"},
        {"ann@example.org", "mailto:ann@example.org"},
        {"example.org/~ann@home", "https://example.org/~ann@home"},
        {"http://example.org", "http://example.org"},
        {"mailto:ann@example.org", "mailto:ann@example.org"},
        {"ftp://files.example.org/a", "ftp://files.example.org/a"},
    };
    for (const auto& [typed, opened] : cases)
        EXPECT_EQ(AddressToOpen(typed), opened) << typed;

    Add(0, "", "www.debian.org", "url");
    LaunchClicked(model, 0, 0);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_FALSE(tp.shell.calls[0].execute);
    EXPECT_EQ(tp.shell.calls[0].request.target, "https://www.debian.org");
}

struct KindCase {
    const char* kind;
    int openMode;
    bool execute;
    ShowMode show;
    bool launchSound; // else the open sound
};

class LauncherKindTest : public LauncherTest, public testing::WithParamInterface<KindCase> {};

TEST_P(LauncherKindTest, EachKindGoesToTheRightShellCall) {
    const KindCase& c = GetParam();
    const std::string folder = dir.Write("things/.keep", "");
    const std::string target =
        std::string(c.kind) == "folder" ? dir.File("things") : Program("things/target");
    Add(4, "", target, c.kind, c.openMode);

    EXPECT_TRUE(LaunchButton(model, 0, 4));
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    const auto& call = tp.shell.calls[0];
    EXPECT_EQ(call.execute, c.execute);
    EXPECT_EQ(call.request.target, target);
    EXPECT_EQ(call.request.show, c.show);
    EXPECT_EQ(call.request.parameters, "");
    // An executable without a directory runs in its target's folder, and the
    // program's current directory follows it; nothing else moves it.
    EXPECT_EQ(call.request.directory, c.execute ? dir.File("things") : "");
    EXPECT_EQ(tp.shell.directories, c.execute ? std::vector<std::string>{dir.File("things")}
                                              : std::vector<std::string>{});
    EXPECT_EQ(Played(), std::vector<std::string>{c.launchSound ? launchSound : openSound});
}

INSTANTIATE_TEST_SUITE_P(Kinds, LauncherKindTest,
                         testing::Values(KindCase{"exe", 1, true, ShowMode::Normal, true},
                                         KindCase{"exe", 3, true, ShowMode::Minimized, true},
                                         // A document always opens maximized.
                                         KindCase{"document", 3, false, ShowMode::Maximized, false},
                                         KindCase{"document", 1, false, ShowMode::Maximized, false},
                                         KindCase{"folder", 2, false, ShowMode::Maximized, false},
                                         KindCase{"folder", 3, false, ShowMode::Minimized, false}));

TEST_F(LauncherTest, ExecutableTakesItsDirectoryParametersAndOwnSound) {
    const std::string work = dir.Write("work/.keep", "");
    CButtonDef& b = Add(2, "Tool", Program("bin/tool"), "exe", 2);
    b.SetDirectory(dir.File("work"));
    b.SetParameters("-v \"a b\"");
    const std::string own = dir.Write("own.wav", "RIFF");
    b.SetSound(own);

    LaunchClicked(model, 0, 2);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.parameters, "-v \"a b\"");
    EXPECT_EQ(tp.shell.calls[0].request.directory, dir.File("work"));
    EXPECT_EQ(tp.shell.calls[0].request.show, ShowMode::Maximized);
    EXPECT_EQ(tp.shell.directories, std::vector<std::string>{dir.File("work")});
    EXPECT_EQ(Played(), std::vector<std::string>{own});

    // With action sounds off the launch is silent but still happens.
    model.settings.Sound = false;
    LaunchClicked(model, 0, 2);
    EXPECT_EQ(tp.shell.calls.size(), 2u);
    EXPECT_EQ(tp.sound.played.size(), 1u);
}

struct ReportCase {
    int result;
    const char* headline;
};

TEST_F(LauncherTest, FailedLaunchShowsTheMessageOfItsResult) {
    const std::string target = Program("tool");
    CButtonDef& b = Add(0, "Tool", target, "exe");
    b.SetParameters("'open");
    const ReportCase cases[] = {
        {ShellResult::FileNotFound, "Unable to Find the File:\r\n\r\n"},
        {ShellResult::PathNotFound, "Unable to Find the Path:\r\n\r\n"},
        {ShellResult::BadFormat, "Invalid \".exe\" Format for File:\r\n\r\n"},
        {ShellResult::NulCharacter, "The Target or Parameters Contain a NUL Character:\r\n\r\n"},
        {0, "Unable to Open the File:\r\n\r\n"},
        {ShellResult::Generic, "Unable to Open the File:\r\n\r\n"},
        {32, "Unable to Open the File:\r\n\r\n"},
    };
    for (const ReportCase& c : cases) {
        tp.prompter.messages.clear();
        tp.shell.result = c.result;
        EXPECT_FALSE(LaunchButton(model, 0, 0)) << c.result;
        ASSERT_EQ(Messages().size(), 1u) << c.result;
        EXPECT_EQ(Messages()[0].text, c.headline + target);
        EXPECT_EQ(Messages()[0].icon, MsgIcon::Stop);
    }
    tp.prompter.messages.clear();
    tp.shell.result = ShellResult::BadParameters;
    EXPECT_FALSE(LaunchButton(model, 0, 0));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].text.find(target), std::string::npos);
    EXPECT_NE(Messages()[0].text.find("'open"), std::string::npos);

    tp.prompter.messages.clear();
    tp.shell.result = ShellResult::TooLong;
    EXPECT_FALSE(LaunchButton(model, 0, 0));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text.rfind("The Parameters Are Too Long", 0), 0u);

    tp.prompter.messages.clear();
    tp.shell.result = 33;
    EXPECT_TRUE(LaunchButton(model, 0, 0));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(LauncherTest, DriveThatCannotBeOpenedStillCountsAsLaunched) {
    Add(0, "Root", "/", "drive");
    tp.shell.result = ShellResult::Generic;
    EXPECT_TRUE(LaunchButton(model, 0, 0));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, "Unable to Open the File:\r\n\r\n/");
}

TEST_F(LauncherTest, ButtonGivenDirectlyPlaysNothingAndReportsNothing) {
    CButtonDef& tool = Add(0, "Tool", Program("tool"), "exe");
    CButtonDef& doc = Add(1, "Doc", dir.Write("a.txt", "x"), "document");
    tp.shell.result = ShellResult::FileNotFound;
    EXPECT_FALSE(LaunchGivenButton(model, tool));
    EXPECT_FALSE(LaunchGivenButton(model, doc));
    EXPECT_EQ(tp.shell.calls.size(), 2u);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(tp.sound.played.empty());

    // A missing target is no "Bad Button" either.
    std::remove(doc.Target().c_str());
    EXPECT_FALSE(LaunchGivenButton(model, doc));
    EXPECT_EQ(tp.shell.calls.size(), 2u);
    EXPECT_TRUE(Messages().empty());

    // Only an address that cannot be opened is reported, given directly or not.
    EXPECT_FALSE(LaunchGivenButton(model, Add(2, "Site", "https://example.org/", "url")));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              "Unable to connect to the Internet address:\r\n\r\nhttps://example.org/");
    EXPECT_EQ(Messages()[0].caption, "Can't Connect to Internet Address");
    EXPECT_EQ(Messages()[0].icon, MsgIcon::Stop);
}

TEST_F(LauncherTest, ShellFolderNamesStartTheDesktopsTools) {
    const std::string folder = dir.Write("f/.keep", "");
    Add(0, "printers", dir.File("f"), "folder");
    Add(1, "Control Panel", dir.File("f"), "folder");
    Add(2, "Dial-Up Networking", "/", "drive");
    tp.shell.programs = {{"system-config-printer", "/usr/bin/system-config-printer"},
                         {"xfce4-settings-manager", "/usr/bin/xfce4-settings-manager"},
                         {"systemsettings", "/usr/bin/systemsettings"},
                         {"gnome-control-center", "/usr/bin/gnome-control-center"}};
    tp.shell.result = ShellResult::FileNotFound; // ignored for these tools

    for (int slot = 0; slot < 3; ++slot)
        EXPECT_TRUE(LaunchButton(model, 0, slot));
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(tp.shell.calls.size(), 3u);
    const std::pair<std::string, std::string> expected[] = {
        {"/usr/bin/system-config-printer", ""},
        {"/usr/bin/gnome-control-center", ""}, // first of the list found
        {"/usr/bin/gnome-control-center", "network"},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(tp.shell.calls[i].execute);
        EXPECT_EQ(tp.shell.calls[i].request.target, expected[i].first);
        EXPECT_EQ(tp.shell.calls[i].request.parameters, expected[i].second);
    }
    EXPECT_EQ(tp.sound.played.size(), 3u);

    // Without any of the tools nothing starts and no sound plays, but the
    // user learns which programs were looked for.
    tp.shell.programs.clear();
    EXPECT_FALSE(LaunchButton(model, 0, 0));
    EXPECT_EQ(tp.shell.calls.size(), 3u);
    EXPECT_EQ(tp.sound.played.size(), 3u);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].icon, MsgIcon::Stop);
    EXPECT_EQ(Messages()[0].text,
              "None of the programs for \"Printers\" is installed on this desktop.\r\n\r\n"
              "Looked for: system-config-printer, gnome-control-center, systemsettings.");
}

struct DropCase {
    const char* parameters;
    const char* dropped;
    std::vector<std::string> words; // what the program receives
};

class LauncherDropTest : public LauncherTest, public testing::WithParamInterface<DropCase> {};

TEST_P(LauncherDropTest, DroppedPathComesFirstThenCommaAndParameters) {
    CButtonDef& b = Add(0, "Tool", Program("bin/tool"), "exe");
    b.SetParameters(GetParam().parameters);
    EXPECT_TRUE(LaunchWithDroppedFile(model, 0, 0, GetParam().dropped));
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_TRUE(tp.shell.calls[0].execute);
    EXPECT_EQ(tp.shell.calls[0].request.directory, dir.File("bin"));
    EXPECT_EQ(SplitShellWords(tp.shell.calls[0].request.parameters), GetParam().words);
    EXPECT_EQ(tp.shell.directories, std::vector<std::string>{dir.File("bin")});
    EXPECT_EQ(Played(), std::vector<std::string>{launchSound});
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, LauncherDropTest,
    testing::Values(DropCase{"", "/tmp/a.txt", {"/tmp/a.txt"}},
                    DropCase{"/p", "/tmp/a.txt", {"/tmp/a.txt,/p"}},
                    DropCase{"", "/tmp/My Files/it's $(x).txt", {"/tmp/My Files/it's $(x).txt"}},
                    DropCase{"-x \"y z\"", "/tmp/a b", {"/tmp/a b,-x", "y z"}}));

TEST_F(LauncherTest, DropOnlyTakenByAnExecutableThatStarted) {
    Add(0, "Doc", dir.Write("a.txt", "x"), "document");
    Add(1, "Root", "/", "drive");
    EXPECT_FALSE(LaunchWithDroppedFile(model, 0, 0, "/tmp/x"));
    EXPECT_FALSE(LaunchWithDroppedFile(model, 0, 1, "/tmp/x"));
    EXPECT_FALSE(LaunchWithDroppedFile(model, 0, 2, "/tmp/x")); // empty slot
    EXPECT_TRUE(tp.shell.calls.empty());

    Add(3, "Tool", Program("tool"), "exe");
    tp.shell.result = ShellResult::BadFormat;
    EXPECT_FALSE(LaunchWithDroppedFile(model, 0, 3, "/tmp/x"));
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(tp.sound.played.empty());
}

TEST_F(LauncherTest, EmailUtilityClicksTheFirstEmailButtonInTableOrder) {
    const std::string tool = Program("mail");
    Add(5, "E-Mail", tool, "exe", 1, 1);
    Add(9, "e-mail", tool, "exe", 1, 0);
    Add(7, "E-MAIL", tool, "exe", 1, 0);
    Add(2, "Other", Program("other"), "exe", 1, 0);
    model.SetCurrentCategoryIndex(1);
    OpenEmailUtility(model);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, tool);
    EXPECT_EQ(model.CurrentCategoryIndex(), 1) << "the shown category stays";
    EXPECT_TRUE(Messages().empty());

    // A missing target is reported as for a click.
    tp.shell.calls.clear();
    model.GetButton(0, 7)->SetTarget(dir.File("gone"));
    OpenEmailUtility(model);
    EXPECT_TRUE(tp.shell.calls.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, "Bad Button");
}

TEST_F(LauncherTest, EmailUtilityExplainsHowToMakeTheButton) {
    Add(0, "Mail", Program("mail"), "exe");
    OpenEmailUtility(model);
    EXPECT_TRUE(tp.shell.calls.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, "Create E-Mail Utility Button");
    EXPECT_EQ(Messages()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Messages()[0].text,
              "Unable to Open Your E-Mail Utility\r\n\r\nCreate a button in any category which "
              "launches your e-mail utility. Then, right-click on the button and select the "
              "\"Properties\" command, enter the string \"E-Mail\" as its \"Popup Text\" in the "
              "dialog that pops up and press \"Apply\". This will enable you to open your e-mail "
              "utility using the \"E-Mail "
              "Utility\" command in the \"Open\" menu.");
}

TEST_F(LauncherTest, WebBrowserIsTheDefaultHandlersProgramMaximized) {
    EXPECT_FALSE(WebBrowserFound(model));
    OpenWebBrowser(model);
    EXPECT_TRUE(tp.shell.calls.empty());

    tp.shell.webBrowser = "/usr/share/applications/browser.desktop";
    EXPECT_FALSE(WebBrowserFound(model)); // the entry cannot be read

    ShortcutInfo entry;
    entry.target = "/usr/bin/browser";
    entry.arguments = "--new-window";
    tp.shortcuts.shortcuts[tp.shell.webBrowser] = entry;
    EXPECT_TRUE(WebBrowserFound(model));
    OpenWebBrowser(model);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_TRUE(tp.shell.calls[0].execute);
    EXPECT_EQ(tp.shell.calls[0].request.target, "/usr/bin/browser");
    EXPECT_EQ(tp.shell.calls[0].request.parameters, "--new-window");
    EXPECT_EQ(tp.shell.calls[0].request.show, ShowMode::Maximized);
}

TEST_F(LauncherTest, ViewAppsInOpensTheApplicationFoldersWithAutoHideOff) {
    struct HomeGuard {
        std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
        ~HomeGuard() { ::setenv("HOME", saved.c_str(), 1); }
    } guard;
    ::setenv("HOME", dir.Path().c_str(), 1);

    model.settings.AutoHide = true;
    ViewStartMenuFolder(model); // the user's folder does not exist yet
    EXPECT_FALSE(model.settings.AutoHide);
    EXPECT_TRUE(tp.shell.calls.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, "No Applications Folder");
    EXPECT_NE(Messages()[0].text.find(dir.File(".local/share/applications")), std::string::npos);
    EXPECT_EQ(Played(), std::vector<std::string>{openSound});

    dir.Write(".local/share/applications/x.desktop", "");
    ViewStartMenuFolder(model);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_FALSE(tp.shell.calls[0].execute);
    EXPECT_EQ(tp.shell.calls[0].request.target, dir.File(".local/share/applications"));
}

TEST_F(LauncherTest, FindFileOrFolderShowsTheItemOrOpensItsFolder) {
    const std::string doc = dir.Write("docs/a.txt", "x");
    Add(4, "Doc", doc, "document");
    Add(5, "Site", "https://example.org/", "url");
    model.editState.rightClickedSlot = 4;
    FindFileOrFolder(model);
    EXPECT_EQ(tp.shell.shownItems, std::vector<std::string>{doc});
    EXPECT_TRUE(tp.shell.calls.empty());

    tp.shell.fileManager = false;
    FindFileOrFolder(model);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, dir.File("docs"));

    model.editState.rightClickedSlot = 5; // an address lies in no folder
    FindFileOrFolder(model);
    EXPECT_EQ(tp.shell.shownItems.size(), 2u);
    EXPECT_EQ(tp.shell.calls.size(), 1u);
}

// Each command that finds nothing to act on says so, naming what it looked for.
TEST_F(LauncherTest, CommandsThatCannotActSayWhatTheyLookedFor) {
    const std::string doc = dir.Write("docs/a.txt", "x");
    Add(4, "Doc", doc, "document");
    Add(6, "Gone", dir.Write("gone.txt", "x"), "document");
    std::remove(dir.File("gone.txt").c_str());
    const std::string empty = dir.File("media-empty");
    ::mkdir(empty.c_str(), 0755);
    struct Case {
        const char* name;
        std::function<void()> run;
        const char* caption;
        MsgIcon icon;
        std::string mentions;
    };
    const Case cases[] = {
        {"no default browser", [&] { OpenWebBrowser(model); }, "No Web Browser",
         MsgIcon::Information, "xdg-settings"},
        {"no screen saver tool", [&] { StartScreenSaver(model); }, "No Screen Saver",
         MsgIcon::Information, "xdg-screensaver"},
        {"no file manager and no opener",
         [&] {
             tp.shell.fileManager = false;
             tp.shell.result = ShellResult::Generic;
             model.editState.rightClickedSlot = 4;
             FindFileOrFolder(model);
         },
         "No File Manager", MsgIcon::Information, "org.freedesktop.FileManager1"},
        {"target gone",
         [&] {
             model.editState.rightClickedSlot = 6;
             FindFileOrFolder(model);
         },
         "Bad Button", MsgIcon::Stop, dir.File("gone.txt")},
        {"no media folder",
         [&] {
             OpenRemovableMedia(model, {dir.File("no-such"), empty});
         },
         "No Removable Media", MsgIcon::Information, dir.File("no-such") + " and " + empty},
        {"nothing mounted", [&] { OpenRemovableMedia(model, {}); }, "No Removable Media",
         MsgIcon::Information, "media folders"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tp.prompter.messages.clear();
        tp.shell.calls.clear();
        tp.shell.fileManager = true;
        tp.shell.result = ShellResult::Ok;
        c.run();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].caption, c.caption);
        EXPECT_EQ(Messages()[0].icon, c.icon);
        EXPECT_NE(Messages()[0].text.find(c.mentions), std::string::npos) << Messages()[0].text;
    }
}

TEST_F(LauncherTest, RemovableMediaOpenTheFolderHoldingAMountedMedium) {
    const std::string first = dir.File("run-media");
    const std::string second = dir.File("media");
    ::mkdir(first.c_str(), 0755);
    dir.Write("media/STICK/file.txt", "x");
    OpenRemovableMedia(model, {first, second});
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, second);

    // The opener failing is reported, not swallowed.
    tp.shell.result = ShellResult::Generic;
    OpenRemovableMedia(model, {second});
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, "Unable to Launch");
    EXPECT_EQ(RemovableMediaFolders("ann"),
              (std::vector<std::string>{"/run/media/ann", "/media/ann"}));
    EXPECT_TRUE(RemovableMediaFolders("").empty());
}

TEST_F(LauncherTest, FailedStartsOfBrowserAndScreenSaverAreReported) {
    tp.shell.webBrowser = "/usr/share/applications/browser.desktop";
    ShortcutInfo entry;
    entry.target = "/usr/bin/browser";
    tp.shortcuts.shortcuts[tp.shell.webBrowser] = entry;
    tp.shell.programs["xdg-screensaver"] = "/usr/bin/xdg-screensaver";
    tp.shell.result = ShellResult::FileNotFound;
    OpenWebBrowser(model);
    StartScreenSaver(model);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].text, "Unable to start the web browser:\r\n\r\n/usr/bin/browser");
    EXPECT_EQ(Messages()[1].text,
              "Unable to start the screen saver:\r\n\r\n/usr/bin/xdg-screensaver");
    EXPECT_EQ(Messages()[1].icon, MsgIcon::Stop);
}

} // namespace
