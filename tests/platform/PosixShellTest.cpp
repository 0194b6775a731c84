#include "platform/posix/PosixShell.h"

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/Fakes.h"

namespace {

using namespace std::chrono_literals;

// Sets an environment variable for the test's duration.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string WriteScript(const TempDir& dir, const std::string& name, const std::string& body) {
    const std::string path = dir.Write(name, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
    return path;
}

// The contents of `path` once the child has written it completely.
std::optional<std::string> WaitForFile(const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < deadline) {
        if (::access(path.c_str(), F_OK) == 0) {
            std::ifstream in(path);
            std::stringstream ss;
            ss << in.rdbuf();
            return ss.str();
        }
        std::this_thread::sleep_for(5ms);
    }
    return std::nullopt;
}

// Zombie children of this process, from /proc.
int ZombieChildren() {
    int zombies = 0;
    DIR* proc = ::opendir("/proc");
    while (dirent* e = ::readdir(proc)) {
        std::ifstream in(std::string("/proc/") + e->d_name + "/stat");
        std::string stat;
        if (!std::getline(in, stat))
            continue;
        // pid (comm) state ppid ...
        std::istringstream rest(stat.substr(stat.rfind(')') + 1));
        char state = 0;
        int ppid = 0;
        rest >> state >> ppid;
        if (state == 'Z' && ppid == ::getpid())
            ++zombies;
    }
    ::closedir(proc);
    return zombies;
}

// Reaps until every child the shell started has ended (at most 20 s).
void WaitForChildren(PosixShell& shell) {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (shell.RunningChildren() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(10ms);
        shell.ReapChildren();
    }
}

class PosixShellTest : public testing::Test {
  protected:
    // No test leaves a child behind to be counted by the next one.
    void TearDown() override { WaitForChildren(shell_); }

    // Records its arguments, working directory, session, one environment
    // variable and whether descriptor 50 leaked, then renames the record into
    // place so the test never reads half of it.
    std::string Recorder() {
        return WriteScript(dir_, "bin/record",
                           "exec >'" + dir_.File("out.tmp") + "'\n" +
                               "pwd\n"
                               "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n"
                               "printf 'qpa=%s\\n' \"${QT_QPA_PLATFORM-unset}\"\n"
                               "read -r pid comm state ppid pgrp sid rest </proc/$$/stat\n"
                               "[ \"$sid\" = \"$$\" ] && echo own-session\n"
                               "[ -e /proc/$$/fd/50 ] && echo leaked-fd\n"
                               "/bin/mv '" +
                               dir_.File("out.tmp") + "' '" + dir_.File("out") + "'\n");
    }

    TempDir dir_;
    PosixShell shell_;
};

TEST_F(PosixShellTest, ParametersReachTheProgramAsWrittenInItsDirectory) {
    const std::string work = dir_.Write("work dir/.keep", "");
    const std::string workDir = std::filesystem::path(work).parent_path().string();
    // As the start script sets it under Wayland.
    ScopedEnv qpa("QT_QPA_PLATFORM", "xcb");
    ScopedEnv added("DORVANE_LAUNCHER_ENV", "QT_QPA_PLATFORM");
    const int leaked = ::open("/dev/null", O_RDONLY); // deliberately without O_CLOEXEC
    ::dup2(leaked, 50);

    const std::string params = "plain \"two words\" 'single $(x)' \"\" '' \\`id\\` "
                               "\"$(touch INJECTED)\" a;touch INJECTED '`touch INJECTED`' "
                               "\"q\\\"uote\" back\\ slash";
    const int result = shell_.Execute({Recorder(), params, workDir, ShowMode::Maximized});
    ::close(50);
    ::close(leaked);

    EXPECT_EQ(result, ShellResult::Ok);
    const auto out = WaitForFile(dir_.File("out"));
    ASSERT_TRUE(out.has_value());
    EXPECT_EQ(*out, workDir + "\n[plain]\n[two words]\n[single $(x)]\n[]\n[]\n[`id`]\n"
                              "[$(touch INJECTED)]\n[a;touch]\n[INJECTED]\n[`touch INJECTED`]\n"
                              "[q\"uote]\n[back slash]\nqpa=unset\nown-session\n");
    EXPECT_FALSE(std::filesystem::exists(workDir + "/INJECTED"));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("INJECTED")));
}

TEST_F(PosixShellTest, UnterminatedQuoteStartsNothing) {
    EXPECT_EQ(shell_.Execute({Recorder(), "a 'b c", "", ShowMode::Normal}),
              ShellResult::BadParameters);
    EXPECT_EQ(shell_.Execute({Recorder(), "\"open", "", ShowMode::Normal}),
              ShellResult::BadParameters);
    EXPECT_EQ(shell_.RunningChildren(), 0u);
}

TEST_F(PosixShellTest, SpawnErrorsMapToLaunchResults) {
    const std::string noShebang = dir_.Write("plain", "echo hi\n");
    ::chmod(noShebang.c_str(), 0755);
    const std::string noExecBit = dir_.Write("doc.sh", "#!/bin/sh\n");
    const std::string badInterpreter = WriteScript(dir_, "bad", "");
    dir_.Write("bad", "#!/no/such/interpreter\n");
    struct Case {
        LaunchRequest request;
        int result;
    } cases[] = {
        {{dir_.File("missing"), "", "", ShowMode::Normal}, ShellResult::FileNotFound},
        {{dir_.File("no/such/tool"), "", "", ShowMode::Normal}, ShellResult::PathNotFound},
        {{"no-such-program-anywhere", "", "", ShowMode::Normal}, ShellResult::FileNotFound},
        {{WriteScript(dir_, "ok", ""), "", dir_.File("gone"), ShowMode::Normal},
         ShellResult::PathNotFound},
        {{noShebang, "", "", ShowMode::Normal}, ShellResult::BadFormat},
        {{badInterpreter, "", "", ShowMode::Normal}, ShellResult::BadFormat},
        {{noExecBit, "", "", ShowMode::Normal}, ShellResult::Generic},
        {{"", "", "", ShowMode::Normal}, ShellResult::FileNotFound},
    };
    for (const Case& c : cases)
        EXPECT_EQ(shell_.Execute(c.request), c.result) << c.request.target;
}

TEST_F(PosixShellTest, HundredLaunchesLeaveNoZombie) {
    const std::string quick = WriteScript(dir_, "quick", "exit 0\n");
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(shell_.Execute({quick, "", "", ShowMode::Normal}), ShellResult::Ok);
    WaitForChildren(shell_);
    EXPECT_EQ(shell_.RunningChildren(), 0u);
    EXPECT_EQ(ZombieChildren(), 0);
}

TEST_F(PosixShellTest, OpenerReceivesTheTargetAndItsExitCounts) {
    ScopedEnv path("PATH", dir_.File("opener"));
    const auto opener = [&](const char* name, const char* failure) {
        WriteScript(dir_, std::string("opener/") + name,
                    "printf '%s\\n' \"$@\" >'" + dir_.File("opened") + "'\n" + failure +
                        "exit 0\n");
    };
    dir_.Write("opener/.keep", "");
    EXPECT_EQ(shell_.Open({"https://example.org", "", "", ShowMode::Normal}),
              ShellResult::Generic); // no opener at all

    // xdg-open where gio is missing; its code 2 means a missing file.
    opener("xdg-open", "[ \"$1\" = /missing ] && exit 2\n");
    EXPECT_EQ(shell_.Open({"https://example.org", "", "", ShowMode::Normal}), ShellResult::Ok);
    EXPECT_EQ(dir_.Read("opened"), "https://example.org\n");
    EXPECT_EQ(shell_.Open({"/missing", "", "", ShowMode::Normal}), ShellResult::FileNotFound);

    opener("gio", "[ \"$2\" = /fail ] && exit 1\n");
    EXPECT_EQ(shell_.Open({"/home/ann/a file.txt", "", "", ShowMode::Maximized}), ShellResult::Ok);
    EXPECT_EQ(dir_.Read("opened"), "open\n/home/ann/a file.txt\n");
    EXPECT_EQ(shell_.Open({"-rf", "", "", ShowMode::Normal}), ShellResult::Ok);
    EXPECT_EQ(dir_.Read("opened"), "open\n./-rf\n");
    EXPECT_EQ(shell_.Open({"/fail", "", "", ShowMode::Normal}), ShellResult::Generic);
}

TEST_F(PosixShellTest, SlowOpenerCountsAsDoneAndIsReapedLater) {
    ScopedEnv path("PATH", dir_.File("opener"));
    WriteScript(dir_, "opener/gio", "exec /bin/sleep 0.5\n");
    shell_.SetOpenerTimeout(50ms);
    EXPECT_EQ(shell_.Open({"/x", "", "", ShowMode::Normal}), ShellResult::Ok);
    EXPECT_EQ(shell_.RunningChildren(), 1u);
    WaitForChildren(shell_);
    EXPECT_EQ(ZombieChildren(), 0);
}

TEST_F(PosixShellTest, FindProgramTakesTheFirstExecutableOnPath) {
    const std::string first = WriteScript(dir_, "a/tool", "");
    WriteScript(dir_, "b/tool", "");
    dir_.Write("c/other", "not executable");
    dir_.Write("c/folder/.keep", "");
    ScopedEnv path("PATH", dir_.File("c") + ":" + dir_.File("a") + ":" + dir_.File("b"));
    EXPECT_EQ(shell_.FindProgram("tool"), first);
    EXPECT_EQ(shell_.FindProgram("other"), "");
    EXPECT_EQ(shell_.FindProgram("folder"), "");
    EXPECT_EQ(shell_.FindProgram(first), first);
}

TEST_F(PosixShellTest, DefaultWebBrowserFollowsMimeappsLists) {
    ScopedEnv configHome("XDG_CONFIG_HOME", dir_.File("config"));
    ScopedEnv configDirs("XDG_CONFIG_DIRS", dir_.File("etc"));
    ScopedEnv dataHome("XDG_DATA_HOME", dir_.File("data"));
    ScopedEnv dataDirs("XDG_DATA_DIRS", dir_.File("share"));
    ScopedEnv desktop("XDG_CURRENT_DESKTOP", "Test");
    EXPECT_EQ(shell_.DefaultWebBrowser(), "");

    // text/html alone from the system's defaults.
    const std::string viewer = dir_.Write("share/applications/viewer.desktop", "[Desktop Entry]\n");
    dir_.Write("share/applications/defaults.list",
               "[Default Applications]\ntext/html=viewer.desktop\n");
    EXPECT_EQ(shell_.DefaultWebBrowser(), viewer);

    // The user's choice for web addresses wins; ids not installed are passed over.
    const std::string browser =
        dir_.Write("data/applications/browser.desktop", "[Desktop Entry]\n");
    dir_.Write("config/mimeapps.list",
               "[Added Associations]\nx-scheme-handler/http=viewer.desktop\n"
               "[Default Applications]\n"
               "x-scheme-handler/http=gone.desktop;browser.desktop;\n");
    EXPECT_EQ(shell_.DefaultWebBrowser(), browser);

    // A desktop-specific list comes before the common one.
    dir_.Write("config/test-mimeapps.list",
               "[Default Applications]\nx-scheme-handler/http=viewer.desktop\n");
    EXPECT_EQ(shell_.DefaultWebBrowser(), viewer);
}

} // namespace

namespace {

TEST_F(PosixShellTest, OnlyWhatTheStartScriptAddedIsKeptFromPrograms) {
    const std::string script =
        WriteScript(dir_, "bin/env",
                    "env >'" + dir_.File("env.tmp") + "'\n/bin/mv '" + dir_.File("env.tmp") +
                        "' '" + dir_.File("env") + "'\n");
    const auto childEnv = [&](const char* added) {
        std::filesystem::remove(dir_.File("env"));
        std::optional<ScopedEnv> marker;
        if (added)
            marker.emplace("DORVANE_LAUNCHER_ENV", added);
        EXPECT_EQ(shell_.Execute({script, "", "", ShowMode::Normal}), ShellResult::Ok);
        return WaitForFile(dir_.File("env")).value_or("");
    };
    ScopedEnv qpa("QT_QPA_PLATFORM", "wayland");
    ScopedEnv token("DESKTOP_STARTUP_ID", "dorvane-start");

    // The user's own choice reaches the program.
    std::string env = childEnv(nullptr);
    EXPECT_NE(env.find("\nQT_QPA_PLATFORM=wayland\n"), std::string::npos) << env;
    EXPECT_EQ(env.find("DESKTOP_STARTUP_ID"), std::string::npos);

    // What the start script added, and its list, do not.
    env = childEnv("QT_QPA_PLATFORM");
    EXPECT_EQ(env.find("QT_QPA_PLATFORM"), std::string::npos) << env;
    EXPECT_EQ(env.find("DORVANE_LAUNCHER_ENV"), std::string::npos) << env;
    EXPECT_NE(env.find("\nHOME="), std::string::npos);
}

TEST_F(PosixShellTest, NulCharactersAndOverlongParametersAreRefusedByName) {
    const std::string tr = WriteScript(dir_, "bin/tr", "touch '" + dir_.File("RAN") + "'\n");
    const std::string nul("\0", 1);
    const std::string word(128 * 1024, 'w');
    std::string many;
    for (int i = 0; i < 40; ++i)
        many += std::string(100 * 1024, 'm') + " ";
    const struct {
        const char* what;
        LaunchRequest request;
        int result;
    } cases[] = {
        {"NUL in the target",
         {tr + nul + "ue", "", "", ShowMode::Normal},
         ShellResult::NulCharacter},
        {"NUL in a parameter",
         {tr, "a" + nul + "b", "", ShowMode::Normal},
         ShellResult::NulCharacter},
        {"NUL in the folder",
         {tr, "", dir_.Path() + nul + "x", ShowMode::Normal},
         ShellResult::NulCharacter},
        {"one word of 128 KiB", {tr, word, "", ShowMode::Normal}, ShellResult::TooLong},
        {"4 MB of words", {tr, many, "", ShowMode::Normal}, ShellResult::TooLong},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell_.Execute(c.request), c.result) << c.what;
    EXPECT_EQ(shell_.Open({dir_.Path() + nul + "x", "", "", ShowMode::Normal}),
              ShellResult::NulCharacter);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("RAN")));
}

} // namespace
