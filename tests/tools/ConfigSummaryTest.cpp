#include "tools/ConfigSummary.h"

#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "schedule/AlarmTable.h"
#include "schedule/Schedule.h"
#include "sounds/ActionSounds.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ConfigSummary, ListsButtonsFavoritesSchedulesAlarmsAndChangedSounds) {
    TempDir dir;
    TestPlatform tp;
    tp.clock.now = LocalDateTime{2026, 12, 31, 23, 50, 0, 4}; // Thursday
    CModel model(tp.platform);
    model.programFolder = dir.Path();
    ResetActionSounds(model.sounds, model.programFolder);
    model.CreateCategory(0, "Tools");
    model.CreateCategory(1, "Empty");
    CButtonDef* shell = CButtonDef::CreateAt(model, 0, 41, "Shell", "/bin/sh", "", 0, 1);
    ASSERT_NE(shell, nullptr);
    // Daily at 12:05 AM: fifteen minutes from now, in the next year.
    shell->SetSchedule(
        std::make_unique<CSchedule>(tp.clock, "", CSchedule::Daily, 1, 1, 2027, 0, 1, 12, 5, 1));
    model.favorites.InsertFavoritesEntry(
        CFavoritesEntry(std::make_unique<CButtonDef>(*shell, false)), model.favorites.Root(), 0);
    model.alarms.AddAlarm(std::make_unique<CSchedule>(tp.clock, "Stand up", CSchedule::Weekly, 1, 1,
                                                      2027, 6, 1, 9, 30, 1));
    model.sounds.SetCurrentFile(model.sounds.FindAction("Delete"), "");

    const std::string text = ConfigSummary(model);
    EXPECT_TRUE(Has(text, "  1. Tools (1 button)\n")) << text;
    EXPECT_TRUE(Has(text, "  2. Empty (0 buttons)\n")) << text;
    EXPECT_TRUE(Has(text, "      42  exe      Shell -> /bin/sh\n")) << text;
    EXPECT_TRUE(Has(text, "Favorites\n  exe      Shell -> /bin/sh\n")) << text;
    EXPECT_TRUE(Has(text, "Tools, button 42 \"Shell\": daily at 12:05 AM, next 2027-01-01 00:05"))
        << text;
    EXPECT_TRUE(Has(text, "1. \"Stand up\": every Friday at 9:30 AM, next 2027-01-01 09:30"))
        << text;
    EXPECT_TRUE(Has(text, "Changed sounds\n  Delete: (no sound)\n")) << text;
}

} // namespace
