// Start to first paint of the real program, with the full configuration of
// 30 categories of 100 buttons against an empty one in the same run, and the
// resident memory of the idle program holding the full configuration. The
// program runs on Qt's offscreen platform and ends after its first paint
// (DORVANE_EXIT_AFTER_FIRST_PAINT).

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/Fakes.h"

extern char** environ;

namespace {

// A program folder with one configuration, and a profile that does not offer
// the first-use greeting.
struct ProgramFolder {
    TempDir dir;
    explicit ProgramFolder(bool full) {
        dir.Write("config/Ombrell/Dorvane.ini", "[Settings]\nDVFirstUse=0\n");
        std::string text = "DORVANE CONFIGURATION FILE v10.0\r\n01/01/2024  00:00:00\r\n"
                           "SETTINGS\r\nCategoryOnEntry Category 12\r\nAutoHide 0\r\nBUTTONS\r\n";
        for (int c = 1; full && c <= 30; ++c) {
            text += "CATEGORY Category " + std::to_string(c) + "\r\n";
            for (int s = 1; s <= 100; ++s) {
                const std::string target = dir.Write(
                    "apps/" + std::to_string(c) + "/tool " + std::to_string(s) + ".txt", "x");
                text += "BUTTON " + std::to_string(s) + " " + target + "\r\nNAME Tool " +
                        std::to_string(s) + "\r\nTEXT Tool\\n" + std::to_string(s) +
                        "\r\nPARAMETERS --verbose\r\nend\r\n";
            }
        }
        dir.Write("folder/Buttons.cfg", text);
    }
    std::string Folder() const { return dir.Path() + "/folder"; }
    std::string Config() const { return dir.Path() + "/config"; }
};

ProgramFolder& Folder(bool full) {
    static ProgramFolder fullFolder(true);
    static ProgramFolder emptyFolder(false);
    return full ? fullFolder : emptyFolder;
}

pid_t Start(const ProgramFolder& folder, bool exitAfterPaint) {
    std::vector<std::string> env = {
        "QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + folder.Config(),
        "XDG_RUNTIME_DIR=" + folder.Config(), "HOME=" + folder.Config()};
    if (exitAfterPaint)
        env.push_back("DORVANE_EXIT_AFTER_FIRST_PAINT=1");
    if (const char* path = std::getenv("PATH"))
        env.push_back(std::string("PATH=") + path);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = DV_PROGRAM;
    char* argv[] = {program.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.Folder().c_str());
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void BM_StartToFirstPaint(benchmark::State& state) {
    const ProgramFolder& folder = Folder(state.range(0) != 0);
    for (auto _ : state) {
        const pid_t pid = Start(folder, true);
        int status = 0;
        if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
            WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program did not start and end cleanly");
            break;
        }
    }
    state.SetLabel(state.range(0) ? "3000 buttons" : "empty configuration");
}
BENCHMARK(BM_StartToFirstPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void BM_IdleResidentMemory(benchmark::State& state) {
    const ProgramFolder& folder = Folder(state.range(0) != 0);
    long kb = -1;
    for (auto _ : state) {
        const pid_t pid = Start(folder, false);
        std::this_thread::sleep_for(std::chrono::seconds(2));
        kb = ResidentKb(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    state.counters["RSS_MB"] = static_cast<double>(kb) / 1024.0;
    state.SetLabel(state.range(0) ? "3000 buttons" : "empty configuration");
}
BENCHMARK(BM_IdleResidentMemory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
