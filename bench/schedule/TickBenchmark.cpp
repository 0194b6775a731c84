// The minute tick over a full configuration: 30 categories of 100 buttons,
// each with a launch schedule, and 50 alarms, none of them due. The baseline
// is a bare walk over the same 3,000 slots reading each schedule's cached
// minutes, measured in the same run. While the schedule list is open each
// tick also refills it: its rows, sorted by minutes left, are measured against
// the same order found by picking the smallest unlisted schedule again and
// again.
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/AlarmTable.h"
#include "schedule/ClockTick.h"
#include "schedule/Schedule.h"
#include "schedule/ScheduleList.h"
#include "tests/support/TestPlatform.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Alternates between 9 and 11 a.m.: two hours apart, so each tick is a new
// minute for the timer, and no schedule (all in the afternoon) falls due.
void NextMinute(LocalDateTime& now) {
    now.hour = now.hour == 9 ? 11 : 9;
}

class QuietActions : public ClockTickActions {
  public:
    int launches = 0;
    void PlayChime(const std::string&) override {}
    void LaunchScheduled(int, int) override { ++launches; }
    void ShowAlarm(const CSchedule&, const std::string&) override {}
    void SaveConfiguration() override {}
};

struct FullModel {
    TestPlatform tp;
    FakeClock& clock = tp.clock;
    CModel model{tp.platform};

    FullModel() {
        clock.now = LocalDateTime{2026, 12, 8, 9, 0, 0, 2};
        for (int c = 0; c < kMaxCategories; ++c) {
            CCategory* category = model.CreateCategory(c, "Category");
            for (int s = 0; s < kSlotsPerCategory; ++s) {
                auto button = std::make_unique<CButtonDef>(model);
                // Spread over the day so that none falls due in the measured minutes.
                const int hour = 1 + (s % 12);
                button->SetSchedule(std::make_unique<CSchedule>(clock, "", CSchedule::Daily, 1, 1,
                                                                2027, 0, 1, hour, (c + s) % 60, 0));
                category->SetSlot(s, std::move(button));
            }
        }
        for (int a = 0; a < 50; ++a)
            model.alarms.AddAlarm(std::make_unique<CSchedule>(clock, "Alarm", CSchedule::Weekly, 1,
                                                              1, 2027, 1 + a % 7, 1, 3, a, 1));
        model.settings.PlayChimes = true;
    }
};

void BM_WalkScheduledSlots(benchmark::State& state) {
    FullModel full;
    for (auto _ : state) {
        long sum = 0;
        for (int c = 0; c < kMaxCategories; ++c)
            for (int s = 0; s < kSlotsPerCategory; ++s)
                if (const CButtonDef* b = full.model.GetButton(c, s))
                    sum += b->Schedule() ? b->Schedule()->minutesToGo : 0;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_WalkScheduledSlots);

void BM_MinuteTick(benchmark::State& state) {
    FullModel full;
    QuietActions actions;
    CClockTick tick(full.model, actions);
    tick.OnTimer(); // second 0: switches to the minute timer
    for (auto _ : state) {
        NextMinute(full.clock.now);
        benchmark::DoNotOptimize(tick.OnTimer());
    }
    state.counters["launches"] = actions.launches;
}
BENCHMARK(BM_MinuteTick)->Unit(benchmark::kMicrosecond);

void BM_ListRows(benchmark::State& state) {
    FullModel full;
    for (auto _ : state)
        benchmark::DoNotOptimize(ScheduleRows(full.model, ScheduleMode::Launches));
}
BENCHMARK(BM_ListRows)->Unit(benchmark::kMicrosecond);

// The same rows, found by a scan of all slots for the smallest unlisted
// schedule per row.
void BM_ListRowsByRepeatedPick(benchmark::State& state) {
    FullModel full;
    CModel& m = full.model;
    for (auto _ : state) {
        std::vector<ScheduleRow> rows;
        for (int c = 0; c < kMaxCategories; ++c)
            for (int s = 0; s < kSlotsPerCategory; ++s)
                m.GetButton(c, s)->Schedule()->listed = 0;
        for (;;) {
            CSchedule* best = nullptr;
            int data = 0;
            for (int c = 0; c < kMaxCategories; ++c)
                for (int s = 0; s < kSlotsPerCategory; ++s) {
                    const CButtonDef* b = m.GetButton(c, s);
                    CSchedule* sc = b->Schedule();
                    if (!sc->listed && sc->minutesToGo >= 0 &&
                        (!best || sc->minutesToGo < best->minutesToGo)) {
                        best = sc;
                        data = c * 100 + s;
                    }
                }
            if (!best)
                break;
            best->listed = 1;
            rows.push_back(
                DescribeSchedule(*best, m.GetButton(data / 100, data % 100)->Name(), data));
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_ListRowsByRepeatedPick)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
