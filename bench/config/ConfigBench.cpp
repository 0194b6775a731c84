// Load and save of a full configuration (30 categories of 100 buttons, 50
// alarms, a Favorites menu, changed sounds), each beside its baseline: for the
// load, the read of the file's bytes, one scan over them and one stat() per
// distinct path the file names (the least a load must do); for the save, a
// plain write-and-sync of the same bytes. Prints the ratios after the runs.

#include "config/ButtonRecord.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "config/LoadConfiguration.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "schedule/Schedule.h"
#include "tests/support/TestPlatform.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct Fixture {
    TempDir dir;
    TestPlatform tp;
    std::string path;
    std::string bytes;
    // Every distinct file or folder the configuration names.
    std::vector<std::string> paths;

    Fixture() {
        tp.clock.now = {2024, 6, 15, 10, 0, 0, 6};
        const std::string ding = dir.Write("ding.wav", "RIFF");
        std::string text = "DORVANE CONFIGURATION FILE v10.0\r\n01/01/2024  00:00:00\r\n"
                           "SETTINGS\r\nCategoryOnEntry Category 12\r\nBUTTONS\r\n";
        for (int c = 1; c <= 30; ++c) {
            text += "CATEGORY Category " + std::to_string(c) + "\r\n";
            for (int s = 1; s <= 100; ++s) {
                const std::string target = dir.Write(
                    "apps/" + std::to_string(c) + "/tool " + std::to_string(s) + ".txt", "x");
                text += "BUTTON " + std::to_string(s) + " " + target + "\r\n";
                text += "NAME Tool " + std::to_string(s) + "\r\nTEXT Tool\\n" + std::to_string(s) +
                        "\r\nPARAMETERS --verbose --input \"a file\"\r\n";
                text += "DIRECTORY " + dir.Path() + "/apps\r\nSOUND " + ding + "\r\n";
                if (s % 10 == 0)
                    text += "AUTHOR Somebody\r\nDOWNLOAD_URL http://example.com/tool\r\n";
                if (s % 20 == 0)
                    text += "SCHEDULE Weekly Monday 9 15 am\r\n";
                text += "end\r\n";
            }
        }
        text += "FAVORITES\r\n";
        for (int i = 1; i <= 100; ++i)
            text += "ITEM " + dir.Path() + "/apps/1/tool " + std::to_string(i) +
                    ".txt\r\nNAME Fav " + std::to_string(i) + "\r\nend\r\n";
        text += "END_MENU\r\nALARMS\r\n";
        for (int i = 1; i <= 50; ++i)
            text += "ALARM Alarm " + std::to_string(i) + "\r\nSCHEDULE Daily " +
                    std::to_string(i % 12 + 1) + " " + std::to_string(i) + " pm\r\n";
        text += "SOUNDS\r\nAdd\r\nding.wav\r\nFILE_DIALOG_PARAMETERS\r\nButtonApp 1 " + dir.Path() +
                "\r\n";
        dir.Write("Source.cfg", text);

        // The full configuration is what the program writes for that model.
        CModel model(tp.platform);
        model.programFolder = dir.Path();
        model.configName = "Source";
        LoadConfiguration(model, true);
        bytes = ConfigurationText(model);
        path = dir.Write("Buttons.cfg", bytes);

        std::set<std::string> distinct;
        for (int c = 0; c < model.CategoryCount(); ++c)
            for (int s = 0; s < kSlotsPerCategory; ++s)
                if (const CButtonDef* button = model.Category(c)->Slot(s))
                    for (const std::string& p : {button->Target(), button->Directory(),
                                                 button->Sound(), button->IconFile()})
                        if (!p.empty())
                            distinct.insert(p);
        paths.assign(distinct.begin(), distinct.end());
    }
};

Fixture& Full() {
    static Fixture fixture;
    return fixture;
}

void RawRead(benchmark::State& state) {
    Fixture& f = Full();
    std::string contents;
    for (auto _ : state) {
        f.tp.fs.ReadFile(f.path, contents);
        benchmark::DoNotOptimize(contents.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.bytes.size()));
}

// The least a load must do: read the bytes, scan them once (here: find every
// line end) and look each distinct path up once.
void LookupsAndScan(benchmark::State& state) {
    Fixture& f = Full();
    std::string contents;
    for (auto _ : state) {
        f.tp.fs.ReadFile(f.path, contents);
        size_t lines = 0;
        for (const char *at = contents.data(), *end = at + contents.size();
             (at = static_cast<const char*>(std::memchr(at, '\n', static_cast<size_t>(end - at))));
             ++at)
            ++lines;
        int found = 0;
        for (const std::string& p : f.paths) {
            struct stat st {};
            found += ::stat(p.c_str(), &st) == 0 ? 1 : 0;
        }
        benchmark::DoNotOptimize(lines);
        benchmark::DoNotOptimize(found);
    }
    state.counters["paths"] = static_cast<double>(f.paths.size());
}

void Load(benchmark::State& state) {
    Fixture& f = Full();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<CModel>(f.tp.platform);
        model->programFolder = f.dir.Path();
        state.ResumeTiming();
        LoadConfiguration(*model, true);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

// The reader's own share of a load: the file read once and every record line
// of every category scanned and parsed, without making buttons (whose setters
// check each path against the file system).
void ReadAndParse(benchmark::State& state) {
    Fixture& f = Full();
    for (auto _ : state) {
        const ConfigSource file = ConfigSource::Read(f.tp.fs, f.path);
        PendingRecord record;
        ConfigSource::RecordEntry entry;
        int records = 0;
        for (const ConfigSource::CategoryLine& category : file.CategoryLines())
            for (size_t i = category.first; i < category.last; ++i)
                if (file.Record(i, entry))
                    records +=
                        ApplyRecordField(record, entry.key, entry.rest) == RecordLine::End ? 1 : 0;
        benchmark::DoNotOptimize(records);
    }
}

void PlainWriteAndSync(benchmark::State& state) {
    Fixture& f = Full();
    const std::string target = f.dir.File("Plain.cfg");
    for (auto _ : state) {
        const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool ok =
            fd >= 0 &&
            ::write(fd, f.bytes.data(), f.bytes.size()) == static_cast<ssize_t>(f.bytes.size()) &&
            ::fsync(fd) == 0;
        if (fd >= 0)
            ::close(fd);
        if (!ok)
            state.SkipWithError("plain write failed");
    }
}

void AtomicSave(benchmark::State& state) {
    Fixture& f = Full();
    CModel model(f.tp.platform);
    model.programFolder = f.dir.Path();
    LoadConfiguration(model, true);
    for (auto _ : state)
        if (!WriteConfiguration(model, "Saved"))
            state.SkipWithError("save failed");
}

BENCHMARK(RawRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(LookupsAndScan)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAndParse)->Unit(benchmark::kMillisecond);
BENCHMARK(Load)->Unit(benchmark::kMillisecond);
BENCHMARK(PlainWriteAndSync)->Unit(benchmark::kMillisecond);
BENCHMARK(AtomicSave)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.iterations > 0 && run.run_type == Run::RT_Iteration)
                seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto ratio = [&](const char* a, const char* b) {
        const auto x = reporter.seconds.find(a), y = reporter.seconds.find(b);
        if (x != reporter.seconds.end() && y != reporter.seconds.end() && y->second > 0)
            std::printf("%-34s %.2f\n", (std::string(a) + " / " + b).c_str(),
                        x->second / y->second);
    };
    std::printf("full configuration: %zu bytes\n", Full().bytes.size());
    ratio("ReadAndParse", "RawRead");
    ratio("Load", "RawRead");
    ratio("Load", "LookupsAndScan");
    ratio("AtomicSave", "PlainWriteAndSync");
    return 0;
}
