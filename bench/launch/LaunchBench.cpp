// Click to exec of an executable button beside a bare posix_spawn of the same
// program, and the hand-off of a document to the desktop's opener.
#include <chrono>
#include <cstdlib>
#include <spawn.h>
#include <string>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

#include <benchmark/benchmark.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixShell.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestPlatform.h"
#include "ui/Launcher.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The program both sides start: a small ELF program that exits at once.
const char* const kProgram = "/bin/true";

// The core on the real shell; sounds go to a recording player.
struct LaunchPlatform {
    PosixFileSystem fs;
    FakeProfile profile;
    FakeClock clock;
    ScriptedPrompter prompter;
    FakeIconSource icons;
    FakeShortcutReader shortcuts;
    FakeSoundPlayer sound;
    PosixShell shell;
    Platform platform{fs, profile, clock, prompter, icons, shortcuts, sound, shell};
};

// Waits for the children without spinning, as the bare spawn's waitpid does.
void ReapAll(PosixShell& shell) {
    while (shell.RunningChildren() > 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(50));
        shell.ReapChildren();
    }
}

// posix_spawn returns once the child has called exec, so the time of the call
// is the time to exec.
void BM_BareSpawn(benchmark::State& state) {
    char* argv[] = {const_cast<char*>(kProgram), nullptr};
    for (auto _ : state) {
        const auto start = Clock::now();
        pid_t pid = -1;
        posix_spawn(&pid, kProgram, nullptr, nullptr, argv, environ);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        int status = 0;
        ::waitpid(pid, &status, 0);
    }
}
BENCHMARK(BM_BareSpawn)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A click on an executable button: the pre-check, the working directory, the
// launch sound's look-up and the spawn with its file actions and environment.
void BM_ClickToExec(benchmark::State& state) {
    LaunchPlatform p;
    CModel model(p.platform);
    model.CreateCategory(0, "Main");
    CButtonDef* button = CButtonDef::CreateAt(model, 0, 0, "True", kProgram, "", 0, 1);
    button->SetKind("exe");
    button->SetParameters("--flag \"two words\"");
    for (auto _ : state) {
        const auto start = Clock::now();
        LaunchClicked(model, 0, 0);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        ReapAll(p.shell);
    }
    if (!p.prompter.messages.empty())
        state.SkipWithError("the launch failed");
}
BENCHMARK(BM_ClickToExec)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The shell's own part: PosixShell::Execute of the same program with the
// same parameters.
void BM_ShellExecute(benchmark::State& state) {
    PosixShell shell;
    for (auto _ : state) {
        const auto start = Clock::now();
        shell.Execute({kProgram, "--flag \"two words\"", "/", ShowMode::Normal});
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        ReapAll(shell);
    }
}
BENCHMARK(BM_ShellExecute)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The launcher's own part: the click on a shell that only records.
void BM_ClickWithoutSpawn(benchmark::State& state) {
    TestPlatform tp;
    FakeShell& shell = tp.shell;
    CModel model(tp.platform);
    model.CreateCategory(0, "Main");
    CButtonDef::CreateAt(model, 0, 0, "True", kProgram, "", 0, 1)->SetKind("exe");
    for (auto _ : state) {
        LaunchClicked(model, 0, 0);
        shell.calls.clear();
    }
}
BENCHMARK(BM_ClickWithoutSpawn)->Unit(benchmark::kMicrosecond);

// A document handed to an opener on PATH that exits at once (a shell script,
// as xdg-open is), waited for as every document launch is.
void BM_DocumentToScriptOpener(benchmark::State& state) {
    TempDir dir;
    const std::string opener = dir.Write("bin/gio", "#!/bin/sh\nexit 0\n");
    ::chmod(opener.c_str(), 0755);
    const std::string document = dir.Write("notes.txt", "x");
    const std::string savedPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", dir.File("bin").c_str(), 1);
    PosixShell shell;
    for (auto _ : state) {
        if (shell.Open({document, "", "", ShowMode::Maximized}) != ShellResult::Ok)
            state.SkipWithError("the opener failed");
    }
    ::setenv("PATH", savedPath.c_str(), 1);
}
BENCHMARK(BM_DocumentToScriptOpener)->Unit(benchmark::kMillisecond);

// The same with this machine's own opener (gio, else xdg-open); its result is
// not checked, as a machine without a desktop has no application for it.
void BM_DocumentToDesktopOpener(benchmark::State& state) {
    TempDir dir;
    const std::string document = dir.Write("notes.txt", "x");
    PosixShell shell;
    if (shell.FindProgram("gio").empty() && shell.FindProgram("xdg-open").empty()) {
        state.SkipWithError("no opener on PATH");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(shell.Open({document, "", "", ShowMode::Maximized}));
}
BENCHMARK(BM_DocumentToDesktopOpener)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
