#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "undo/ChangeLog.h"
#include "undo/Undo.h"

#include <gtest/gtest.h>

namespace {

class Undo : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override { model.changes.recording = true; }

    CButtonDef* Put(int cat, int slot, const std::string& name) {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName(name);
        CButtonDef* raw = b.get();
        model.Category(cat)->SetSlot(slot, std::move(b));
        return raw;
    }

    // The table as text: category names and the names in occupied slots.
    std::string Dump() const {
        std::string out;
        for (int c = 0; c < kMaxCategories; ++c) {
            const CCategory* cat = model.Category(c);
            if (!cat) {
                out += "-|";
                continue;
            }
            out += cat->Name() + ":";
            for (int s = 0; s < kSlotsPerCategory; ++s)
                if (const CButtonDef* b = cat->Slot(s))
                    out += std::to_string(s) + "=" + b->Name() + ",";
            out += "|";
        }
        return out + "current=" + std::to_string(model.CurrentCategoryIndex());
    }
};

TEST_F(Undo, EntriesAreReversedNewestFirst) {
    model.CreateCategory(0, "A");
    Put(0, 3, "three");
    const std::string before = Dump();

    // A move from slot 3 to slot 7, recorded as the editing commands do.
    BeginChangeWithEntry(model, "Move Button", "Delete Button", 0, 3, true);
    model.Category(0)->SetSlot(7, model.Category(0)->TakeSlot(3));
    AddChangeEntry(model, "Add Button", 0, 7, true);
    ASSERT_NE(Dump(), before);

    EXPECT_TRUE(UndoLastChange(model)); // the log is empty afterwards
    EXPECT_EQ(Dump(), before);
    EXPECT_TRUE(model.settingsModified);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "No More Changes to Undo");
    EXPECT_EQ(tp.prompter.messages[0].text,
              "All changes made during this session have been undone.");
}

TEST_F(Undo, NothingIsRecordedWhileRecordingIsOff) {
    model.CreateCategory(0, "A");
    Put(0, 0, "x");
    model.changes.recording = false;
    BeginChangeWithEntry(model, "Delete Button", "Delete Button", 0, 0, true);
    EXPECT_TRUE(model.changes.Empty());
    // An entry without any begun change is dropped, not a crash.
    model.changes.recording = true;
    AddChangeEntry(model, "Delete Button", 0, 0, true);
    EXPECT_TRUE(model.changes.Empty());
}

TEST_F(Undo, DeletedCategoryComesBackAtItsPlaceWithItsButtons) {
    model.CreateCategory(0, "A");
    model.CreateCategory(1, "B");
    model.CreateCategory(2, "C");
    Put(1, 0, "b0");
    Put(1, 42, "b42");
    model.SetCurrentCategoryIndex(1);
    const std::string before = Dump();

    BeginChange(model, "Delete Category", 1, -1, false);
    model.changes.Last()->name = "B";
    for (int s : {0, 42})
        AddChangeEntry(model, "Delete Button", 1, s, true);
    model.TakeCategoryEntry(1).reset();
    model.CompactCategories();
    ASSERT_EQ(model.Category(1)->Name(), "C");

    UndoAllChanges(model);
    EXPECT_EQ(Dump(), before);
}

TEST_F(Undo, SortIsUndoneAndTheCurrentCategoryKept) {
    for (const char* n : {"delta", "Alpha", "charlie", "Bravo"})
        model.CreateCategory(-1, n);
    model.SetCurrentCategoryIndex(2); // charlie
    const std::string before = Dump();

    // Sort by hand the way the command records it: one entry per new
    // position, holding the position the category had before.
    BeginChange(model, "Sort Categories", 4, -1, false);
    const int order[] = {1, 3, 2, 0}; // Alpha Bravo charlie delta
    std::array<std::unique_ptr<CCategory>, 4> sorted;
    for (int i = 0; i < 4; ++i) {
        AddChangeEntry(model, "Sort Categories", order[i], -1, false);
        sorted[i] = model.TakeCategoryEntry(order[i]);
    }
    for (int i = 0; i < 4; ++i)
        model.SetCategoryEntry(i, std::move(sorted[i]));
    model.SetCurrentCategoryIndex(2);
    ASSERT_EQ(model.Category(0)->Name(), "Alpha");

    UndoLastChange(model);
    EXPECT_EQ(Dump(), before);
}

TEST_F(Undo, CategoryCreationRenameAndSwitchAreReversed) {
    model.CreateCategory(0, "A");
    model.CreateCategory(1, "B");
    const std::string before = Dump();

    model.CreateCategory(2, "New");
    BeginChange(model, "Create Category", 2, -1, false);
    BeginChange(model, "Rename Category", 0, -1, false);
    model.changes.Last()->name = "A";
    model.Category(0)->SetName("Renamed");
    BeginChangeWithEntry(model, "Move Category Down", "Switch Categories", 0, 1, false);
    model.SwapCategories(0, 1);

    tp.prompter.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(UndoAllChanges(model));
    EXPECT_EQ(Dump(), before);
}

TEST_F(Undo, UndoAllAskedNoChangesNothing) {
    model.CreateCategory(0, "A");
    BeginChange(model, "Create Category", 0, -1, false);
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(UndoAllChanges(model));
    EXPECT_EQ(model.changes.Count(), 1u);
    EXPECT_EQ(tp.prompter.messages.at(0).caption, "Undo All Changes?");
}

TEST_F(Undo, DialogTitlesAndFieldsDescribeTheLastChange) {
    EXPECT_EQ(DescribeLastChange(model).title, " Undo Changes (no changes remain)");
    model.CreateCategory(0, "Tools");
    Put(0, 4, "Editor");
    BeginChangeWithEntry(model, "Delete Button", "Delete Button", 0, 4, true);
    UndoView v = DescribeLastChange(model);
    EXPECT_EQ(v.title, " Undo Changes (1 change remains)");
    EXPECT_EQ(v.category, "Tools");
    EXPECT_EQ(v.buttonNumber, "5");
    EXPECT_EQ(v.button, "Editor");
    EXPECT_EQ(v.lastChange, "Delete Button");

    BeginChange(model, "Rename Category", 0, -1, false);
    model.changes.Last()->name = "Old name";
    v = DescribeLastChange(model);
    EXPECT_EQ(v.title, " Undo Changes (2 changes remain)");
    EXPECT_EQ(v.category, "Old name");
    EXPECT_TRUE(v.buttonNumber.empty());
}

} // namespace
