// Backing up a tree of 10,000 small files in nested folders, beside `cp -a`
// of the same tree into a fresh folder in the same run.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

#include <benchmark/benchmark.h>

#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "utilities/FileBackup.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// 10 folders of 10 folders of 100 files of about 200 bytes.
const std::string& SourceTree(const TempDir& dir) {
    static const std::string root = [&] {
        const std::string src = dir.File("src");
        const std::string text(200, 'x');
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b) {
                const std::string folder =
                    src + "/d" + std::to_string(a) + "/e" + std::to_string(b);
                fs::create_directories(folder);
                for (int f = 0; f < 100; ++f)
                    std::ofstream(folder + "/file" + std::to_string(f) + ".txt") << text;
            }
        return src;
    }();
    return root;
}

TempDir& Work() {
    static TempDir dir;
    return dir;
}

void BM_CpA(benchmark::State& state) {
    const std::string src = SourceTree(Work());
    const std::string dest = Work().File("cp-copy");
    for (auto _ : state) {
        fs::remove_all(dest);
        char* argv[] = {const_cast<char*>("cp"), const_cast<char*>("-a"),
                        const_cast<char*>(src.c_str()), const_cast<char*>(dest.c_str()), nullptr};
        const auto start = Clock::now();
        pid_t pid = -1;
        if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv, environ) != 0) {
            state.SkipWithError("cp not found");
            return;
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (status != 0)
            state.SkipWithError("cp -a failed");
    }
    fs::remove_all(dest);
}
BENCHMARK(BM_CpA)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Both passes, counting and copying, as the File Backup dialog runs them.
void BM_Backup(benchmark::State& state) {
    TestPlatform tp;
    CModel model(tp.platform);
    const std::string src = SourceTree(Work());
    const std::string root = Work().File("backup-root");
    model.settings.FileBackupEnabled = true;
    model.settings.FileBackupRootDir = root;
    for (auto _ : state) {
        fs::remove_all(root);
        fs::create_directory(root);
        const auto start = Clock::now();
        CFileBackup backup(model);
        backup.Start(src, true, true);
        while (backup.Step(16)) {
        }
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!backup.Failures().empty() || backup.Total() != 10111)
            state.SkipWithError("the backup was incomplete");
    }
    fs::remove_all(root);
}
BENCHMARK(BM_Backup)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A second backup over an existing one: every file is replaced.
void BM_BackupOverExisting(benchmark::State& state) {
    TestPlatform tp;
    CModel model(tp.platform);
    const std::string src = SourceTree(Work());
    const std::string root = Work().File("backup-again");
    model.settings.FileBackupEnabled = true;
    model.settings.FileBackupRootDir = root;
    fs::create_directory(root);
    for (auto _ : state) {
        CFileBackup backup(model);
        backup.Start(src, true, true);
        while (backup.Step(16)) {
        }
    }
    fs::remove_all(root);
}
BENCHMARK(BM_BackupOverExisting)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

BENCHMARK_MAIN();
