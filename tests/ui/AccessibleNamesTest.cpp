#include "ui/AccessibleNames.h"

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Category.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "ui/MenuIds.h"

namespace {

TEST(AccessibleNames, ButtonsSpeakByNameThenTextThenTarget) {
    TestPlatform tp;
    TempDir dir;
    dir.Write("tool", "#!/bin/sh\n");
    CModel model(tp.platform);
    model.CreateCategory(0, "Tools");
    model.SetCurrentCategoryIndex(0);
    const std::string tool = dir.Path() + "/tool";
    const auto place = [&](int slot, std::unique_ptr<CButtonDef> button) {
        model.CurrentCategory()->SetSlot(slot, std::move(button));
        return SlotAccessibleText(model, slot);
    };
    auto named = std::make_unique<CButtonDef>(model);
    named->SetTarget(tool);
    named->SetName("Editor");
    named->SetText("Ed\\nit");
    EXPECT_EQ(place(0, std::move(named)).name, "Editor");
    EXPECT_EQ(SlotAccessibleText(model, 0).description, tool);

    // Internet-address buttons have no name: their text speaks, both lines.
    auto address = std::make_unique<CButtonDef>(model);
    address->SetUrl("https://www.debian.org");
    address->SetText("Debian\\nHome");
    const AccessibleText spoken = place(1, std::move(address));
    EXPECT_EQ(spoken.name, "Debian Home");
    EXPECT_EQ(spoken.description, "https://www.debian.org");

    // Without a name and a text, the target itself.
    auto bare = std::make_unique<CButtonDef>(model);
    bare->SetUrl("https://example.org");
    EXPECT_EQ(place(2, std::move(bare)).name, "https://example.org");

    EXPECT_EQ(SlotAccessibleText(model, 99).name, "Empty slot 100");
    EXPECT_TRUE(SlotAccessibleText(model, 99).description.empty());
}

TEST(AccessibleNames, EveryMenuBarPictureHasAName) {
    for (int id : {IdPushpin, IdAlarmClock, IdScheduleBitmap, IdScreenSaverBitmap, IdCategoryUp,
                   IdCategoryDown, IdADrive, IdLock, IdHome})
        EXPECT_FALSE(PictureButtonName(id).empty()) << id;
    EXPECT_EQ(PictureButtonName(IdAlarmClock), "Show Alarms");
    EXPECT_EQ(PictureButtonName(IdScreenSaverBitmap), "Start Screen Saver");
}

} // namespace
