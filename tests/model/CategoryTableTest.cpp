#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

class CategoryTable : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};

    void Fill(int cat, std::initializer_list<int> slots) {
        for (int s : slots)
            model.Category(cat)->SetSlot(s, std::make_unique<CButtonDef>(model));
    }
};

TEST_F(CategoryTable, CreationNamesEmptyCategoriesByNumberAndStopsAtThirty) {
    EXPECT_EQ(model.CreateCategory(4, "")->Name(), "Category 5");
    for (int i = 0; i < 29; ++i)
        ASSERT_NE(model.CreateCategory(-1, "C"), nullptr);
    EXPECT_EQ(model.CategoryCount(), 30);
    EXPECT_EQ(model.FirstFreeCategoryIndex(), -1);
    EXPECT_EQ(model.CreateCategory(-1, "one too many"), nullptr);
    EXPECT_EQ(model.CreateCategory(30, "outside"), nullptr);
}

TEST_F(CategoryTable, CompactKeepsOrderAndFollowsTheCurrentCategory) {
    CCategory* a = model.CreateCategory(0, "A");
    CCategory* b = model.CreateCategory(2, "B");
    model.SetCurrentCategoryIndex(2);
    model.CompactCategories();
    EXPECT_EQ(model.Category(0), a);
    EXPECT_EQ(model.Category(1), b);
    EXPECT_EQ(model.Category(2), nullptr);
    EXPECT_EQ(model.CurrentCategoryIndex(), 1);
}

TEST_F(CategoryTable, SwapMovesTheCurrentIndexAndIgnoresEmptyEntries) {
    CCategory* a = model.CreateCategory(0, "A");
    CCategory* b = model.CreateCategory(1, "B");
    model.SetCurrentCategoryIndex(0);
    model.SwapCategories(0, 1);
    EXPECT_EQ(model.Category(0), b);
    EXPECT_EQ(model.Category(1), a);
    EXPECT_EQ(model.CurrentCategoryIndex(), 1);
    model.SwapCategories(0, 5);
    EXPECT_EQ(model.Category(0), b);
}

TEST_F(CategoryTable, NameSearchesIgnoreCase) {
    model.CreateCategory(0, "Games");
    model.CreateCategory(1, "Tools");
    EXPECT_EQ(model.FindCategoryByName("tOOLS"), 1);
    EXPECT_EQ(model.FindCategoryByName("Tool"), -1);
}

TEST_F(CategoryTable, FreeSlotSearchesInBothDirections) {
    model.CreateCategory(0, "A");
    Fill(0, {0, 1, 57, 97, 98, 99});
    EXPECT_EQ(model.FindFreeSlot(0, 98, true), -1);
    EXPECT_EQ(model.FindFreeSlot(0, 98, false), 96);
    EXPECT_EQ(model.FindFreeSlot(0, 0, true), 2);
    EXPECT_EQ(model.FindFreeSlot(7, 0, true), 0); // missing category
    EXPECT_EQ(model.ButtonCount(0), 6);
    EXPECT_EQ(model.LastUsedSlot(0), 99);
    EXPECT_EQ(model.LastUsedSlot(3), -1);
    model.DeleteButtonAt(0, 57);
    EXPECT_TRUE(model.IsSlotEmpty(0, 57));
    EXPECT_TRUE(model.IsSlotEmpty(0, 100)); // outside the grid counts as empty
    EXPECT_EQ(model.GetButton(0, -5), nullptr);
}

TEST_F(CategoryTable, NormalisingMakesUntitledAndHonoursTheStartCategory) {
    model.NormaliseCategories();
    ASSERT_NE(model.Category(0), nullptr);
    EXPECT_EQ(model.Category(0)->Name(), "Untitled");

    model.CreateCategory(1, "Work");
    model.settings.CategoryOnEntry = "work";
    model.NormaliseCategories();
    EXPECT_EQ(model.CurrentCategoryIndex(), 1);
    model.settings.CategoryOnEntry = "gone";
    model.NormaliseCategories();
    EXPECT_EQ(model.CurrentCategoryIndex(), 0);
}

TEST_F(CategoryTable, DialogParametersClampAndMarkChanges) {
    EXPECT_EQ(model.DialogFilter(0, 5), 1);
    model.SetDialogFilter(0, 7);
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(model.DialogFilter(0, 5), 5);
    model.settingsModified = false;
    model.SetDialogFolder(1, "/home/ann");
    EXPECT_TRUE(model.settingsModified);
    model.settingsModified = false;
    model.SetDialogFolder(1, "/HOME/ann"); // differs only in case: no change
    EXPECT_FALSE(model.settingsModified);
    EXPECT_EQ(model.DialogFolder(2, "/fallback"), "/fallback");
}

} // namespace
