#include "schedule/LaunchSchedules.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/schedule/ScheduleTestSupport.h"
#include "tests/support/TestPlatform.h"
#include "undo/ChangeLog.h"

#include <gtest/gtest.h>

namespace {

class LaunchSchedules : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        SetNow(tp.clock, 2026, 12, 8, 10, 0);
        model.CreateCategory(0, "A");
        model.CreateCategory(1, "B");
    }

    CButtonDef* Put(int cat, int slot, const Rule* rule) {
        auto b = std::make_unique<CButtonDef>(model);
        if (rule)
            b->SetSchedule(Make(tp.clock, *rule));
        CButtonDef* raw = b.get();
        model.Category(cat)->SetSlot(slot, std::move(b));
        return raw;
    }
};

TEST_F(LaunchSchedules, RecomputePurgesOnlyPassedOneTimeSchedules) {
    const Rule passed = OneTime(12, 8, 2026, 10, 1, 1);
    const Rule daily = DailyAt(10, 1, 1);
    CButtonDef* once = Put(0, 4, &passed);
    CButtonDef* every = Put(1, 0, &daily);
    SetNow(tp.clock, 2026, 12, 8, 10, 2);

    RecomputeLaunchSchedules(model, false);
    ASSERT_NE(once->Schedule(), nullptr);
    EXPECT_EQ(once->Schedule()->minutesToGo, -1);
    EXPECT_EQ(every->Schedule()->minutesToGo, 1439);

    RecomputeLaunchSchedules(model, true);
    EXPECT_EQ(once->Schedule(), nullptr);
    EXPECT_NE(every->Schedule(), nullptr);
}

TEST_F(LaunchSchedules, ClashesLookAcrossCategoriesButNotAtItself) {
    const Rule at9 = DailyAt(9, 0, 1);
    const Rule at8 = DailyAt(8, 0, 1);
    Put(0, 0, &at9);
    Put(0, 1, &at8);
    Put(1, 7, &at9);
    Put(1, 8, nullptr);
    model.SetCurrentCategoryIndex(1);
    EXPECT_TRUE(LaunchTimeClashes(model, 0, 0));
    EXPECT_TRUE(LaunchTimeClashes(model, -1, 7));
    EXPECT_FALSE(LaunchTimeClashes(model, 0, 1));
    EXPECT_FALSE(LaunchTimeClashes(model, 1, 8));
    EXPECT_TRUE(AnyLaunchSchedule(model));
}

TEST_F(LaunchSchedules, ListedMarksAreClearedEverywhere) {
    const Rule daily = DailyAt(9, 0, 1);
    CButtonDef* b = Put(1, 3, &daily);
    b->Schedule()->listed = 1;
    model.alarms.AddAlarm(Make(tp.clock, daily, "x"));
    model.alarms.Alarm(0)->listed = 1;
    ClearListedMarks(model);
    EXPECT_EQ(b->Schedule()->listed, 0);
    EXPECT_EQ(model.alarms.Alarm(0)->listed, 0);
}

TEST_F(LaunchSchedules, DeleteAllIsOneChangeWithAnEntryPerButton) {
    model.changes.recording = true;
    DeleteAllLaunchSchedules(model);
    EXPECT_TRUE(model.changes.Empty()) << "nothing to delete, nothing recorded";
    EXPECT_FALSE(model.settingsModified);

    const Rule daily = DailyAt(9, 0, 1);
    Put(0, 2, &daily);
    Put(1, 5, &daily);
    Put(1, 6, nullptr);
    DeleteAllLaunchSchedules(model);
    EXPECT_FALSE(AnyLaunchSchedule(model));
    EXPECT_TRUE(model.settingsModified);
    ASSERT_EQ(model.changes.Count(), 1u);
    const CChange& change = *model.changes.Last();
    EXPECT_EQ(change.description, "Delete all Button Schedules");
    ASSERT_EQ(change.entries.size(), 2u);
    EXPECT_EQ(change.entries[1]->category, 1);
    EXPECT_EQ(change.entries[1]->slot, 5);
    ASSERT_NE(change.entries[1]->saved, nullptr);
    EXPECT_NE(change.entries[1]->saved->Schedule(), nullptr) << "the saved copy keeps it";
}

} // namespace

namespace {

TEST_F(LaunchSchedules, SwitchingLaunchesBackOnPurgesPassedOneTimeSchedules) {
    const Rule passed = OneTime(12, 8, 2026, 10, 1, 1);
    CButtonDef* once = Put(0, 4, &passed);
    SetNow(tp.clock, 2026, 12, 8, 10, 30);

    ToggleScheduledLaunches(model); // off: nothing is purged
    EXPECT_FALSE(model.settings.EnableScheduledLaunches);
    EXPECT_NE(once->Schedule(), nullptr);
    EXPECT_TRUE(model.settingsModified);

    ToggleScheduledLaunches(model); // on again
    EXPECT_TRUE(model.settings.EnableScheduledLaunches);
    EXPECT_EQ(once->Schedule(), nullptr);
}

} // namespace
