#include "platform/posix/DesktopEntryReader.h"

#include <map>
#include <random>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "platform/posix/ShellWords.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestPlatform.h"
#include "ui/Launcher.h"

namespace {

// A reader whose environment points into a temporary folder: one program on
// PATH and icon folders the test fills.
class DesktopEntryTest : public ::testing::Test {
  protected:
    DesktopEntryTest()
        : env_{{"PATH", dir_.Path() + "/none:" + dir_.Path() + "/bin"},
               {"HOME", dir_.Path() + "/home"},
               {"XDG_DATA_HOME", dir_.Path() + "/user"},
               {"XDG_DATA_DIRS", dir_.Path() + "/sys1:" + dir_.Path() + "/sys2"}},
          reader_([this](const std::string& name) {
              const auto it = env_.find(name);
              return it == env_.end() ? std::string() : it->second;
          }) {
        const std::string tool = dir_.Write("bin/tool", "#!/bin/sh\n");
        ::chmod(tool.c_str(), 0755);
        dir_.Write("bin/plain", "not executable\n");
    }

    std::optional<ShortcutInfo> ReadEntry(const std::string& body) {
        return reader_.Read(dir_.Write("app.desktop", body));
    }

    // The arguments as the launcher will split them.
    static std::vector<std::string> Words(const ShortcutInfo& info) {
        return SplitShellWords(info.arguments).value_or(std::vector<std::string>{"<open quote>"});
    }

    TempDir dir_;
    std::map<std::string, std::string> env_;
    DesktopEntryReader reader_;
};

TEST_F(DesktopEntryTest, ExecGivesProgramFromPathAndArgumentsThatSurviveShellSplitting) {
    struct Case {
        const char* exec; // as written in the file
        std::vector<std::string> words;
    };
    const std::vector<Case> cases = {
        {"tool %U", {}},
        {"tool --open=%f -x %i %c %k", {"--open=", "-x"}},
        {"tool \"a b\" plain'quote 100%%", {"a b", "plain'quote", "100%"}},
        {"tool \"\" last", {"", "last"}},
        {"tool \"%f\"", {}},
        {R"(tool -c "echo \\"hi\\" \\$HOME \\\\x")", {"-c", "echo \"hi\" $HOME \\x"}},
        {"tool\ta\\tb", {"a", "b"}},
        {"tool 50%x", {"50%x"}},
        {"tool $HOME `x` ;|*", {"$HOME", "`x`", ";|*"}},
    };
    for (const Case& c : cases) {
        const auto info =
            ReadEntry(std::string("[Desktop Entry]\nType=Application\nExec=") + c.exec + "\n");
        ASSERT_TRUE(info) << c.exec;
        EXPECT_EQ(info->target, dir_.Path() + "/bin/tool") << c.exec;
        EXPECT_EQ(Words(*info), c.words) << c.exec << " -> " << info->arguments;
    }
}

TEST_F(DesktopEntryTest, ProgramNotOnPathOrNotExecutableStaysAsWritten) {
    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=plain\n")->target, "plain");
    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=missing x\n")->target, "missing");
    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=/opt/app/run %F\n")->target, "/opt/app/run");
}

TEST_F(DesktopEntryTest, NamePathAndEscapesComeFromTheDesktopEntryGroupOnly) {
    const auto info = ReadEntry("# comment\n"
                                "[Desktop Entry]\r\n"
                                "Name[de]=Werkzeug\r\n"
                                "Name = My\\sTool\\tx\\\\y \r\n"
                                "Name=Second\n"
                                "Path=/srv/work\\sdir\n"
                                "Exec=tool\n"
                                "[Desktop Action other]\n"
                                "Exec=other\n"
                                "Icon=/ignored.png\n");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->displayName, "My Tool\tx\\y");
    EXPECT_EQ(info->workingDirectory, "/srv/work dir");
    EXPECT_EQ(info->target, dir_.Path() + "/bin/tool");
    EXPECT_EQ(info->iconFile, "");
    EXPECT_EQ(info->iconIndex, 0);
    EXPECT_EQ(info->openMode, 1);
}

TEST_F(DesktopEntryTest, ByteOrderMarkBeforeTheGroupIsSkipped) {
    const auto info = ReadEntry("\xEF\xBB\xBF[Desktop Entry]\nExec=tool\n");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->target, dir_.Path() + "/bin/tool");
}

TEST_F(DesktopEntryTest, LinkEntryTargetsItsUrl) {
    const auto info =
        ReadEntry("[Desktop Entry]\nType=Link\nName=Site\nURL=https://example.org/a?b=1\n");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->target, "https://example.org/a?b=1");
    EXPECT_EQ(info->arguments, "");
    EXPECT_FALSE(ReadEntry("[Desktop Entry]\nType=Link\nName=Site\n"));
}

// A link entry makes an internet-address button, which a click opens.
TEST_F(DesktopEntryTest, LinkEntryBecomesAnAddressButtonThatOpensOnAClick) {
    TestPlatform tp;
    Platform platform{tp.fs,    tp.profile, tp.clock, tp.prompter,
                      tp.icons, reader_,    tp.sound, tp.shell};
    CModel model(platform);
    model.CreateCategory(0, "Web");
    for (const char* name : {"Name=Site\n", ""}) {
        const std::string entry =
            dir_.Write("site.desktop", std::string("[Desktop Entry]\nType=Link\n") + name +
                                           "URL=https://example.org/a\n");
        CButtonDef* button = CButtonDef::CreateAt(model, 0, 0, "", entry, "", 0, 1);
        ASSERT_NE(button, nullptr);
        EXPECT_TRUE(button->IsUrl()) << button->Kind();
        EXPECT_EQ(button->Target(), "https://example.org/a");
        EXPECT_EQ(button->Name(), *name ? "Site" : "https://example.org/a");
        EXPECT_EQ(button->WriteRecord(0).rfind("BUTTON_URL 1 https://example.org/a\r\n", 0), 0u);

        tp.shell.calls.clear();
        LaunchClicked(model, 0, 0);
        EXPECT_TRUE(tp.prompter.messages.empty()) << "no Bad Button";
        ASSERT_EQ(tp.shell.calls.size(), 1u);
        EXPECT_FALSE(tp.shell.calls[0].execute);
        EXPECT_EQ(tp.shell.calls[0].request.target, "https://example.org/a");
        model.DeleteButtonAt(0, 0);
    }
}

TEST_F(DesktopEntryTest, TerminalEntriesRunInTheUsersTerminal) {
    const char* entry = "[Desktop Entry]\nExec=tool \"a b\" %f\nTerminal=true\n";
    auto info = ReadEntry(entry);
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->terminalMissing) << "no terminal installed";
    EXPECT_EQ(info->target, dir_.Path() + "/bin/tool");
    EXPECT_EQ(Words(*info), std::vector<std::string>{"a b"});

    const auto install = [&](const std::string& name) {
        const std::string path = dir_.Write("bin/" + name, "#!/bin/sh\n");
        ::chmod(path.c_str(), 0755);
        return path;
    };
    const std::string xterm = install("xterm");
    info = ReadEntry(entry);
    EXPECT_FALSE(info->terminalMissing);
    EXPECT_EQ(info->target, xterm);
    EXPECT_EQ(Words(*info), (std::vector<std::string>{"-e", "tool", "a b"}));

    const std::string debian = install("x-terminal-emulator");
    EXPECT_EQ(ReadEntry(entry)->target, debian) << "the system's choice comes first";

    // The user's own choice, with its options, wins; one that is not
    // installed is passed over.
    const std::string mine = install("myterm");
    env_["TERMINAL"] = "myterm --hold";
    info = ReadEntry(entry);
    EXPECT_EQ(info->target, mine);
    EXPECT_EQ(Words(*info), (std::vector<std::string>{"--hold", "-e", "tool", "a b"}));
    env_["TERMINAL"] = "/no/such/term";
    EXPECT_EQ(ReadEntry(entry)->target, debian);

    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=tool\nTerminal=false\n")->target,
              dir_.Path() + "/bin/tool");
}

TEST_F(DesktopEntryTest, NameFollowsTheUsersLanguage) {
    const std::string entry = "[Desktop Entry]\nExec=tool\n"
                              "Name=Overview\nName[de]=Übersicht\nName[de_AT]=Überblick\n"
                              "Name[sr@latin]=Pregled\nName[fr]=\n";
    const struct {
        const char* variable;
        const char* locale;
        const char* name;
    } cases[] = {
        {"LANG", "de_AT.UTF-8", "Überblick"},  {"LANG", "de_DE.UTF-8", "Übersicht"},
        {"LANG", "de", "Übersicht"},           {"LANG", "sr_RS.UTF-8@latin", "Pregled"},
        {"LANG", "en_GB.UTF-8", "Overview"},   {"LANG", "C.UTF-8", "Overview"},
        {"LANG", "fr_FR.UTF-8", "Overview"}, // an empty translation is none
        {"LC_MESSAGES", "de_AT", "Überblick"}, {"LC_ALL", "de_DE", "Übersicht"},
    };
    for (const auto& c : cases) {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
            env_.erase(name);
        env_["LANG"] = "en_US.UTF-8";
        env_[c.variable] = c.locale;
        EXPECT_EQ(ReadEntry(entry)->displayName, c.name) << c.variable << "=" << c.locale;
    }
}

TEST_F(DesktopEntryTest, UnusableEntriesGiveNothing) {
    for (const char* body : {
             "",
             "Exec=tool\n",                                  // no group
             "[Desktop Action x]\nExec=tool\n",              // wrong group
             "[Desktop Entry]\nName=Empty\n",                // nothing to run
             "[Desktop Entry]\nExec=%U\n",                   // only a field code
             "[Desktop Entry]\nExec=tool \"open quote\n",    // unterminated quote
             "[Desktop Entry]\nType=Directory\nExec=tool\n", // not launchable
         }) {
        EXPECT_FALSE(ReadEntry(body)) << body;
    }
    EXPECT_FALSE(reader_.Read(dir_.File("missing.desktop")));
    EXPECT_FALSE(reader_.Read(dir_.Path()));
    const std::string fifo = dir_.File("fifo.desktop");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(reader_.Read(fifo)); // must not block waiting for a writer
}

TEST_F(DesktopEntryTest, ThemeIconNamesResolveToFilesInSearchOrder) {
    const std::string user = dir_.Write("user/icons/hicolor/48x48/apps/app-a.png", "png");
    dir_.Write("sys1/icons/hicolor/48x48/apps/app-a.png", "png");
    const std::string sys2 = dir_.Write("sys2/icons/hicolor/scalable/apps/app-b.svg", "<svg/>");
    const std::string loose = dir_.Write("home/.icons/app-c.xpm", "/* XPM */");
    dir_.Write("sys1/icons/hicolor/48x48/apps/folder.png/.keep", ""); // a folder, not a file

    EXPECT_EQ(reader_.FindThemeIcon("app-a"), user);
    EXPECT_EQ(reader_.FindThemeIcon("app-b"), sys2);
    EXPECT_EQ(reader_.FindThemeIcon("app-b.svg"), sys2); // old style with extension
    EXPECT_EQ(reader_.FindThemeIcon("app-c"), loose);
    EXPECT_EQ(reader_.FindThemeIcon("folder"), "");
    EXPECT_EQ(reader_.FindThemeIcon("no-such-icon-anywhere-dorvane"), "");
    EXPECT_EQ(reader_.FindThemeIcon("../user/icons/hicolor/48x48/apps/app-a"), "");

    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=tool\nIcon=app-b\n")->iconFile, sys2);
    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=tool\nIcon=/abs/x.ico\n")->iconFile, "/abs/x.ico");
    EXPECT_EQ(ReadEntry("[Desktop Entry]\nExec=tool\nIcon=no-such-icon-dv\n")->iconFile, "");
}

TEST_F(DesktopEntryTest, ArbitraryBytesNeverCrash) {
    std::mt19937 random(7);
    const std::string alphabet = "[]=%\"\\ \n\r\tDesktop EntryExecNameIconPathType;sfnrtU";
    for (int round = 0; round < 400; ++round) {
        std::string body = round % 2 ? "[Desktop Entry]\nExec=" : "";
        const int length = static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) {
            body += round % 3 ? alphabet[random() % alphabet.size()]
                              : static_cast<char>(random() % 256);
        }
        const auto info = ReadEntry(body);
        if (info) { // whatever was read, the arguments must split cleanly
            EXPECT_TRUE(SplitShellWords(info->arguments)) << info->arguments;
        }
    }
}

} // namespace
