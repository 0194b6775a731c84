// Find Button over a full configuration: 30 categories of 100 buttons. Each
// keystroke filters the prepared index; the baseline is a bare scan of the
// same 3,000 folded names for one substring, measured in the same run.
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "ui/FindButton.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kWords[] = {"Text",  "Editor",   "Mail",  "Browser", "Report",   "Backup",
                              "Music", "Terminal", "Notes", "Photo",   "Calendar", "Player"};

struct FullModel {
    TestPlatform tp;
    CModel model{tp.platform};

    FullModel() {
        for (int c = 0; c < kMaxCategories; ++c) {
            CCategory* category = model.CreateCategory(c, "Category " + std::to_string(c + 1));
            for (int s = 0; s < kSlotsPerCategory; ++s) {
                auto button = std::make_unique<CButtonDef>(model);
                const int n = c * kSlotsPerCategory + s;
                const std::string name = std::string(kWords[n % 12]) + " " + kWords[(n / 12) % 12] +
                                         " " + std::to_string(n);
                button->SetTarget("/opt/tools/" + std::string(kWords[(n + 5) % 12]) + "/bin/tool" +
                                  std::to_string(n));
                button->SetName(name);
                button->SetText(name);
                button->SetKind("exe");
                category->SetSlot(s, std::move(button));
            }
        }
    }
};

FullModel& Model() {
    static FullModel m;
    return m;
}

// The queries a user types letter by letter, ending in two words.
const std::vector<std::string>& Queries() {
    static const std::vector<std::string> q = {
        "r", "re", "rep", "repo", "repor", "report", "report m", "report mu", "report mus"};
    return q;
}

void BM_FindButtonKeystroke(benchmark::State& state) {
    CButtonIndex index;
    index.Build(Model().model);
    std::size_t i = 0;
    for (auto _ : state) {
        auto found = index.Find(Queries()[i++ % Queries().size()], 200);
        benchmark::DoNotOptimize(found);
    }
    state.counters["buttons"] = static_cast<double>(index.Size());
}
BENCHMARK(BM_FindButtonKeystroke);

// Building the index once when the search opens.
void BM_FindButtonOpen(benchmark::State& state) {
    for (auto _ : state) {
        CButtonIndex index;
        index.Build(Model().model);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_FindButtonOpen);

// Baseline: one substring looked for in the same names, already folded.
void BM_BareNameScan(benchmark::State& state) {
    std::vector<std::string> names;
    for (int c = 0; c < kMaxCategories; ++c)
        for (int s = 0; s < kSlotsPerCategory; ++s) {
            std::string name = Model().model.GetButton(c, s)->Name();
            std::transform(name.begin(), name.end(), name.begin(),
                           [](char ch) { return ch >= 'A' && ch <= 'Z' ? char(ch + 32) : ch; });
            names.push_back(name);
        }
    std::size_t i = 0;
    for (auto _ : state) {
        const std::string& query = Queries()[i++ % Queries().size()];
        std::size_t hits = 0;
        for (const std::string& name : names)
            hits += name.find(query) != std::string::npos;
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_BareNameScan);

} // namespace

BENCHMARK_MAIN();
