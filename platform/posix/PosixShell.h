#pragma once

#include "platform/Shell.h"

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

// Starts programs with posix_spawn: never through a shell and never by forking
// the program (a fork's cost grows with the program's memory). Each child runs
// in its own session, so it outlives the program, with stdin on /dev/null,
// every other descriptor above stderr closed, default signal handling, and the
// user's environment without the variables the program set for itself.
//
// Children are reaped by pid with waitpid(WNOHANG) on each launch and on
// ReapChildren, which the program calls from its clock timer. Waiting only for
// our own pids leaves the toolkit's own child handling undisturbed, and costs
// nothing at launch, unlike a double spawn through a helper, which would add a
// second exec to every click.
class PosixShell : public Shell {
  public:
    // Variables set for the program itself, which programs it starts never
    // inherit: the start-up tokens, DORVANE_LAUNCHER_ENV and the variables it
    // names (colon-separated; the start script's XWayland choice).
    static std::vector<std::string> OwnVariables();

    PosixShell();
    ~PosixShell() override;
    PosixShell(const PosixShell&) = delete;
    PosixShell& operator=(const PosixShell&) = delete;

    // The show mode has no meaning for a spawned process and is not passed on.
    int Execute(const LaunchRequest& request) override;
    // `gio open` where present, else `xdg-open`. The opener exits quickly once
    // it has handed the target on, so its exit status is awaited for at most
    // OpenerTimeout (then the launch counts as done and the opener is reaped
    // later): an xdg-open without a desktop may run the application itself.
    int Open(const LaunchRequest& request) override;
    std::string FindProgram(const std::string& program) const override;
    // Asks the file manager through the function set by SetItemRevealer (the
    // D-Bus call lives in the Qt layer); false without one.
    bool ShowItems(const std::string& path) override;
    void SetCurrentDirectory(const std::string& folder) override;
    // Read from the freedesktop mimeapps.list files (no process is started, so
    // the menu can ask at every update).
    std::string DefaultWebBrowser() const override;
    void ReapChildren() override;

    void SetItemRevealer(std::function<bool(const std::string&)> revealer) {
        revealer_ = std::move(revealer);
    }
    void SetOpenerTimeout(std::chrono::milliseconds timeout) { openerTimeout_ = timeout; }
    // Children started and not yet reaped.
    size_t RunningChildren() const { return children_.size(); }

  private:
    // Spawns `argv` in `directory` (none when empty). The pid is -1 on failure,
    // with the spawn's error number in `error`.
    pid_t Spawn(const std::vector<std::string>& argv, const std::string& directory,
                int& error) const;
    // Waits for `pid` up to the opener timeout; its exit status, or -1 while it
    // still runs.
    int WaitForOpener(pid_t pid);

    std::vector<pid_t> children_;
    std::function<bool(const std::string&)> revealer_;
    std::chrono::milliseconds openerTimeout_{3000};
};
