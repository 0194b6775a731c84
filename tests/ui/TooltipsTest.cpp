#include "ui/Tooltips.h"

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "ui/MenuIds.h"

namespace {

class TooltipsTest : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        model.CreateCategory(0, "Games");
        model.CreateCategory(1, "Tools");
        Put(1, 0, "Chess", "exe");
        Put(0, 0, "Editor", "exe");
        Put(0, 1, "Notes", "document");
        Put(0, 2, "   ", "exe");
        model.SetCurrentCategoryIndex(0);
    }
    void Put(int cat, int slot, const std::string& name, const std::string& kind) {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName(name);
        b->SetKind(kind);
        model.Category(cat)->SetSlot(slot, std::move(b));
    }
    void Pending(bool move, bool copy, bool icon, int cat = -1, int slot = -1) {
        model.editState = ButtonWindowState{};
        model.editState.moveMode = move;
        model.editState.copyMode = copy;
        model.editState.iconCopyMode = icon;
        model.editState.sourceCategory = cat;
        model.editState.sourceSlot = slot;
    }
};

TEST_F(TooltipsTest, WithoutAPendingOperation) {
    EXPECT_EQ(SlotTooltip(model, 0), "Editor");
    EXPECT_EQ(SlotTooltip(model, 1), "Notes");
    EXPECT_EQ(SlotTooltip(model, 2), "Launch this Application"); // blank name
    EXPECT_EQ(SlotTooltip(model, 5), "Press to Create a Button Here");
    EXPECT_EQ(ControlTooltip(IdAlarmClock), "Show Alarms");
    EXPECT_EQ(ControlTooltip(IdScreenSaverBitmap), "Start Screen Saver");
}

TEST_F(TooltipsTest, MenuBarTipsFollowPopupText) {
    EXPECT_EQ(MenuBarTooltip(model, IdAlarmClock), "Show Alarms");
    EXPECT_EQ(MenuBarTooltip(model, IdSettings), "") << "menus carry no tip";
    model.settings.DisplayPopupText = false;
    EXPECT_EQ(MenuBarTooltip(model, IdAlarmClock), "");
    EXPECT_EQ(MenuBarTooltip(model, IdScreenSaverBitmap), "");
}

TEST_F(TooltipsTest, TheTableOfPendingOperations) {
    struct Case {
        bool move, copy, icon;
        int srcCat, srcSlot, slot;
        const char* tip;
    };
    const Case cases[] = {
        {true, false, false, -1, -1, 5, ""},
        {true, false, false, -1, -1, 0, "Move \"Editor\""},
        {true, false, false, -1, -1, 2, "Move this Button"},
        {true, false, false, 0, 0, 0, "This Button Will be Moved"},
        {true, false, false, 0, 0, 5, "Move \"Editor\" Here"},
        {true, false, false, 0, 2, 1, "Move the Selected Button Here"},
        {true, false, false, 1, 0, 0, "Move \"Chess\" Here"}, // source in another category
        {false, true, false, -1, -1, 5, ""},
        {false, true, false, -1, -1, 1, "Copy \"Notes\""},
        {false, true, false, 0, 1, 1, "This Button Will be Copied"},
        {false, true, false, 0, 1, 5, "Copy \"Notes\" Here"},
        {false, true, false, 0, 1, 0, ""},
        {false, false, true, -1, -1, 5, ""},
        {false, false, true, -1, -1, 0, "Copy the Icon of \"Editor\""},
        {false, false, true, -1, -1, 2, "Copy The Icon of this Button"},
        {false, false, true, 0, 0, 0, "This Button's Icon Will be Copied"},
        {false, false, true, 0, 0, 1, "Copy the Icon of \"Editor\" Here"},
        {false, false, true, 0, 2, 1, "Copy the Icon of the Selected Button Here"},
        {false, false, true, 0, 0, 5, ""},
    };
    for (const Case& c : cases) {
        Pending(c.move, c.copy, c.icon, c.srcCat, c.srcSlot);
        EXPECT_EQ(SlotTooltip(model, c.slot), c.tip)
            << c.move << c.copy << c.icon << " source " << c.srcCat << "/" << c.srcSlot << " slot "
            << c.slot;
    }
}

TEST_F(TooltipsTest, LongNamesAreCutSoTheWholeTipFitsWithoutSplittingACharacter) {
    // 40 two-byte characters: 80 bytes.
    std::string name;
    for (int i = 0; i < 40; ++i)
        name += "\xC3\xA9";
    Put(0, 3, name, "exe");
    const std::string alone = SlotTooltip(model, 3);
    EXPECT_EQ(alone.size(), 78u);
    EXPECT_EQ(alone, name.substr(0, 78));

    Pending(true, false, false, 0, 3);
    const std::string tip = SlotTooltip(model, 7);
    EXPECT_LE(tip.size(), kMaxTooltipBytes);
    EXPECT_EQ(tip.substr(0, 6), "Move \"");
    EXPECT_EQ(tip.substr(tip.size() - 6), "\" Here");
    // The cut name ends on a whole character.
    const std::string cut = tip.substr(6, tip.size() - 12);
    EXPECT_EQ(cut.size() % 2, 0u);
    EXPECT_EQ(cut, name.substr(0, cut.size()));
}

} // namespace
