// Start to first paint of the real program, with the full configuration of
// 30 categories of 100 buttons against an empty one, and its peak and idle
// resident memory, each beside a bare Qt program (bare_grid) showing a window
// with the same number of icon buttons on screen (none, or one category of
// 100), in the same run. Both run on the display of the benchmark (DISPLAY,
// under Xvfb for example), or on Qt's offscreen platform without one, and end
// after their first paint when timed. Prints the ratios after the runs.
//
// The program keeps the icon theme's document pictures in its cache folder
// (under the profile here), so every start but the first finds them there;
// the "first start" runs empty that folder before each program start.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <map>
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

// Starts the program (or the bare one, showing `bareButtons` buttons) in the
// program folder.
pid_t Start(const ProgramFolder& folder, bool exitAfterPaint, int bareButtons = -1) {
    const bool bare = bareButtons >= 0;
    std::vector<std::string> env = {"XDG_CONFIG_HOME=" + folder.Config(),
                                    "XDG_RUNTIME_DIR=" + folder.Config(),
                                    "HOME=" + folder.Config()};
    if (const char* display = std::getenv("DISPLAY"); display && *display)
        env.push_back(std::string("DISPLAY=") + display);
    else
        env.push_back("QT_QPA_PLATFORM=offscreen");
    if (exitAfterPaint)
        env.push_back(bare ? "BARE_EXIT_AFTER_FIRST_PAINT=1" : "DORVANE_EXIT_AFTER_FIRST_PAINT=1");
    if (const char* path = std::getenv("PATH"))
        env.push_back(std::string("PATH=") + path);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    // DORVANE_BENCH_PROGRAM measures another build of the program (an older one, say).
    const char* other = std::getenv("DORVANE_BENCH_PROGRAM");
    std::string program = bare ? DV_BARE_PROGRAM : other && *other ? other : DV_PROGRAM;
    std::string count = std::to_string(bareButtons);
    std::vector<char*> argv = {program.data()};
    if (bare)
        argv.push_back(count.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.Folder().c_str());
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Buttons on screen in the bare program for a configuration: one category.
int BareButtons(bool full) {
    return full ? 100 : 0;
}

// Wall time of one start to first paint, or a negative time when it failed.
double TimedStartMs(const ProgramFolder& folder, int bareButtons) {
    const auto begin = std::chrono::steady_clock::now();
    const pid_t pid = Start(folder, true, bareButtons);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
        .count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Starts the bare program and the program by turns (the order swapping every
// pair), so that a change in the machine's load touches both alike; the
// counters are the medians and their ratio.
void BM_StartToFirstPaint(benchmark::State& state) {
    const bool full = state.range(0) != 0;
    const bool firstStart = state.range(0) == 2;
    const ProgramFolder& folder = Folder(full);
    const auto timed = [&](bool bareRun) {
        if (!bareRun && firstStart)
            std::filesystem::remove_all(folder.Config() + "/.cache");
        return TimedStartMs(folder, bareRun ? BareButtons(full) : -1);
    };
    std::vector<double> program, bare;
    for (auto _ : state) {
        const bool bareFirst = program.size() % 2 == 0;
        const double first = timed(bareFirst);
        const double second = timed(!bareFirst);
        if (first < 0 || second < 0) {
            state.SkipWithError("the program did not start and end cleanly");
            break;
        }
        bare.push_back(bareFirst ? first : second);
        program.push_back(bareFirst ? second : first);
        state.SetIterationTime((first + second) / 1e3);
    }
    const double bareMs = Median(bare);
    state.counters["program_ms"] = Median(program);
    state.counters["bare_ms"] = bareMs;
    state.counters["ratio"] = bareMs > 0 ? Median(program) / bareMs : 0;
    state.SetLabel(firstStart ? "3000 buttons, first start"
                   : full     ? "3000 buttons"
                              : "empty configuration");
}
BENCHMARK(BM_StartToFirstPaint)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(25)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// Resident memory now (VmRSS) or at its peak so far (VmHWM), in KiB.
long ResidentKb(pid_t pid, const char* field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::string(field).size()));
    return -1;
}

// Idle and peak resident memory of one run, in MiB, two seconds after its start.
struct Resident {
    double idle = -1;
    double peak = -1;
};
Resident MeasureResident(const ProgramFolder& folder, int bareButtons) {
    const pid_t pid = Start(folder, false, bareButtons);
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const Resident r{static_cast<double>(ResidentKb(pid, "VmRSS:")) / 1024.0,
                     static_cast<double>(ResidentKb(pid, "VmHWM:")) / 1024.0};
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return r;
}

// The program and the bare grid by turns, as for the start; the counters are
// the medians of the differences.
void BM_ResidentMemory(benchmark::State& state) {
    const bool full = state.range(0) != 0;
    const ProgramFolder& folder = Folder(full);
    std::vector<double> idle, peak;
    for (auto _ : state) {
        const bool bareFirst = idle.size() % 2 == 0;
        const Resident first = MeasureResident(folder, bareFirst ? BareButtons(full) : -1);
        const Resident second = MeasureResident(folder, bareFirst ? -1 : BareButtons(full));
        const Resident& bare = bareFirst ? first : second;
        const Resident& program = bareFirst ? second : first;
        idle.push_back(program.idle - bare.idle);
        peak.push_back(program.peak - bare.peak);
    }
    state.counters["idle_MiB_above_bare"] = Median(idle);
    state.counters["peak_MiB_above_bare"] = Median(peak);
    state.SetLabel(full ? "3000 buttons" : "empty configuration");
}
BENCHMARK(BM_ResidentMemory)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kSecond);

// Keeps each benchmark's counters for the comparisons.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, benchmark::UserCounters> counters;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                counters[run.run_name.str()] = run.counters;
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* arg : {"/0", "/1", "/2"}) {
        const std::string which = arg[1] == '0'   ? "empty"
                                  : arg[1] == '1' ? "3000 buttons"
                                                  : "3000 buttons, first start";
        const auto paired = reporter.counters.find(std::string("BM_StartToFirstPaint") + arg +
                                                   "/iterations:25/manual_time");
        if (paired != reporter.counters.end())
            std::printf("start to first paint, %s: %.2f x bare Qt (medians %.1f / %.1f ms)\n",
                        which.c_str(), paired->second["ratio"].value,
                        paired->second["program_ms"].value, paired->second["bare_ms"].value);
        const auto mem =
            reporter.counters.find(std::string("BM_ResidentMemory") + arg + "/iterations:3");
        if (mem != reporter.counters.end())
            std::printf("memory, %s: peak %+.1f MiB, idle %+.1f MiB beside bare Qt (medians of "
                        "3 pairs)\n",
                        which.c_str(), mem->second["peak_MiB_above_bare"].value,
                        mem->second["idle_MiB_above_bare"].value);
    }
    return 0;
}
