#include "platform/posix/PosixShell.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "model/Text.h"
#include "platform/posix/BinaryFile.h"
#include "platform/posix/ShellWords.h"

extern char** environ;

// Setting the child's directory and closing every inherited descriptor are
// done by the spawn itself; both need glibc 2.34.
#if !defined(__GLIBC__) || !__GLIBC_PREREQ(2, 34)
#error "PosixShell needs glibc 2.34 or later (posix_spawn_file_actions_addclosefrom_np)"
#endif

namespace {

bool IsFolderPath(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string FolderPart(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::vector<std::string> SplitList(std::string_view text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

// The user's environment without the program's own variables. The pointers
// refer to the environment's own strings, valid for the spawn.
std::vector<char*> ChildEnvironment() {
    std::vector<char*> env;
    const std::vector<std::string> own = PosixShell::OwnVariables();
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        const std::string_view name = entry.substr(0, entry.find('='));
        if (std::find(own.begin(), own.end(), name) == own.end())
            env.push_back(*e);
    }
    env.push_back(nullptr);
    return env;
}

bool HoldsNul(const std::string& s) {
    return s.find('\0') != std::string::npos;
}

// A spawn error as the launch result the user is told about.
int SpawnErrorResult(int error, const std::string& path) {
    switch (error) {
    case ENOENT:
        // The file is there but cannot be run: its interpreter or loader is
        // missing.
        if (::access(path.c_str(), F_OK) == 0)
            return ShellResult::BadFormat;
        return IsFolderPath(FolderPart(path)) ? ShellResult::FileNotFound
                                              : ShellResult::PathNotFound;
    case ENOTDIR:
        return ShellResult::PathNotFound;
    case ENOEXEC:
        return ShellResult::BadFormat;
    case E2BIG:
        return ShellResult::TooLong;
    default:
        return ShellResult::Generic;
    }
}

// The desktop ids listed for `mimeType` in the [Default Applications] section
// of a mimeapps.list file, in order.
std::vector<std::string> DefaultsFor(const std::string& file, const std::string& mimeType) {
    // Such lists are a few kilobytes; a larger file is not one.
    constexpr std::size_t kMaxListSize = 1 << 20;
    std::string text;
    if (!BinaryFile(file).ReadAll(kMaxListSize, text))
        return {};
    bool inDefaults = false;
    for (const std::string& line : SplitList(text, '\n')) {
        const std::string trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() == '[') {
            inDefaults = trimmed == "[Default Applications]";
            continue;
        }
        const size_t eq = trimmed.find('=');
        if (!inDefaults || eq == std::string::npos || Trim(trimmed.substr(0, eq)) != mimeType)
            continue;
        std::vector<std::string> ids;
        for (const std::string& id : SplitList(trimmed.substr(eq + 1), ';')) {
            if (!Trim(id).empty())
                ids.push_back(Trim(id));
        }
        return ids;
    }
    return {};
}

} // namespace

std::vector<std::string> PosixShell::OwnVariables() {
    // The start-up tokens were addressed to the program's own start, and
    // DORVANE_START_COMMAND names the start script that ran it. The script
    // names what else it set for the program alone (XWayland's
    // QT_QPA_PLATFORM) in DORVANE_LAUNCHER_ENV; a variable the user set
    // himself reaches the programs he starts.
    std::vector<std::string> names = {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN",
                                      "DORVANE_START_COMMAND", "DORVANE_LAUNCHER_ENV"};
    const std::string added = EnvOr("DORVANE_LAUNCHER_ENV", "");
    for (const std::string& name : SplitList(added, ':')) {
        if (!Trim(name).empty())
            names.push_back(Trim(name));
    }
    return names;
}

PosixShell::PosixShell() = default;

PosixShell::~PosixShell() {
    ReapChildren();
}

pid_t PosixShell::Spawn(const std::vector<std::string>& argv, const std::string& directory,
                        int& error) const {
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env = ChildEnvironment();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr,
                             POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = -1;
    error = posix_spawn(&pid, args[0], &actions, &attr, args.data(), env.data());
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

int PosixShell::Execute(const LaunchRequest& request) {
    ReapChildren();
    if (request.target.empty())
        return ShellResult::FileNotFound;
    // The system would end each string at the NUL and run something else.
    if (HoldsNul(request.target) || HoldsNul(request.parameters) || HoldsNul(request.directory))
        return ShellResult::NulCharacter;
    const auto words = SplitShellWords(request.parameters);
    if (!words)
        return ShellResult::BadParameters;
    const std::string path = request.target.find('/') == std::string::npos
                                 ? FindProgram(request.target)
                                 : request.target;
    if (path.empty())
        return ShellResult::FileNotFound;
    if (!request.directory.empty() && !IsFolderPath(request.directory))
        return ShellResult::PathNotFound;

    std::vector<std::string> argv;
    argv.reserve(words->size() + 1);
    argv.push_back(path);
    argv.insert(argv.end(), words->begin(), words->end());
    int error = 0;
    const pid_t pid = Spawn(argv, request.directory, error);
    if (pid < 0)
        return SpawnErrorResult(error, path);
    children_.push_back(pid);
    return ShellResult::Ok;
}

int PosixShell::Open(const LaunchRequest& request) {
    ReapChildren();
    if (HoldsNul(request.target) || HoldsNul(request.directory))
        return ShellResult::NulCharacter;
    // A target that looks like an option is made a relative path, for both
    // openers.
    const std::string target = !request.target.empty() && request.target.front() == '-'
                                   ? "./" + request.target
                                   : request.target;
    std::vector<std::string> argv;
    bool isXdgOpen = false;
    if (std::string gio = FindProgram("gio"); !gio.empty()) {
        argv = {gio, "open", target};
    } else if (std::string xdg = FindProgram("xdg-open"); !xdg.empty()) {
        argv = {xdg, target};
        isXdgOpen = true;
    } else {
        return ShellResult::Generic;
    }
    int error = 0;
    const pid_t pid = Spawn(argv, request.directory, error);
    if (pid < 0)
        return error == E2BIG ? ShellResult::TooLong : ShellResult::Generic;
    const int status = WaitForOpener(pid);
    if (status == -1) {
        children_.push_back(pid);
        return ShellResult::Ok;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return ShellResult::Ok;
    // xdg-open's exit code 2 means the file does not exist.
    if (isXdgOpen && WIFEXITED(status) && WEXITSTATUS(status) == 2)
        return ShellResult::FileNotFound;
    return ShellResult::Generic;
}

int PosixShell::WaitForOpener(pid_t pid) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + openerTimeout_;
    // A pidfd wakes us the moment the opener ends; without one, poll by sleeping.
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid || (r < 0 && errno == ECHILD)) {
            if (pidfd >= 0)
                ::close(pidfd);
            // Reaped by someone else: the outcome is unknown, count it as done.
            return r == pid ? status : 0;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        if (pidfd >= 0) {
            pollfd p{pidfd, POLLIN, 0};
            ::poll(&p, 1, static_cast<int>(left.count()) + 1);
        } else {
            std::this_thread::sleep_for(pause);
            pause = std::min(pause * 2, std::chrono::microseconds(20000));
        }
    }
    if (pidfd >= 0)
        ::close(pidfd);
    return -1;
}

std::string PosixShell::FindProgram(const std::string& program) const {
    if (program.empty())
        return {};
    if (program.find('/') != std::string::npos)
        return IsExecutableFile(program) ? program : std::string();
    for (const std::string& dir : SplitList(EnvOr("PATH", "/usr/local/bin:/usr/bin:/bin"), ':')) {
        const std::string candidate = (dir.empty() ? "." : dir) + "/" + program;
        if (IsExecutableFile(candidate))
            return candidate;
    }
    return {};
}

bool PosixShell::ShowItems(const std::string& path) {
    return revealer_ && revealer_(path);
}

void PosixShell::SetCurrentDirectory(const std::string& folder) {
    // A folder that has gone away leaves the current directory as it was.
    [[maybe_unused]] const int ignored = ::chdir(folder.c_str());
}

std::string PosixShell::DefaultWebBrowser() const {
    const std::string home = EnvOr("HOME", "/");
    const std::string configHome = EnvOr("XDG_CONFIG_HOME", home + "/.config");
    const std::string dataHome = EnvOr("XDG_DATA_HOME", home + "/.local/share");
    std::vector<std::string> configDirs = {configHome};
    for (const std::string& d : SplitList(EnvOr("XDG_CONFIG_DIRS", "/etc/xdg"), ':'))
        configDirs.push_back(d);
    std::vector<std::string> dataDirs = {dataHome};
    for (const std::string& d :
         SplitList(EnvOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share"), ':'))
        dataDirs.push_back(d);

    // The freedesktop lookup order: desktop-specific lists before the common
    // one, configuration folders before the data folders' applications.
    std::vector<std::string> desktops;
    for (const std::string& d : SplitList(EnvOr("XDG_CURRENT_DESKTOP", ""), ':')) {
        if (!d.empty())
            desktops.push_back(ToLower(d) + "-");
    }
    desktops.push_back("");
    std::vector<std::string> lists;
    for (const std::string& dir : configDirs) {
        for (const std::string& prefix : desktops)
            lists.push_back(dir + "/" + prefix + "mimeapps.list");
    }
    for (const std::string& dir : dataDirs) {
        for (const std::string& prefix : desktops)
            lists.push_back(dir + "/applications/" + prefix + "mimeapps.list");
        lists.push_back(dir + "/applications/defaults.list");
    }

    for (const char* mimeType : {"x-scheme-handler/http", "text/html"}) {
        for (const std::string& list : lists) {
            for (const std::string& id : DefaultsFor(list, mimeType)) {
                for (const std::string& dir : dataDirs) {
                    const std::string entry = dir + "/applications/" + id;
                    if (::access(entry.c_str(), R_OK) == 0)
                        return entry;
                }
            }
        }
    }
    return {};
}

void PosixShell::ReapChildren() {
    std::erase_if(children_, [](pid_t pid) {
        int status = 0;
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        return r == pid || (r < 0 && errno == ECHILD);
    });
}
