#include "tests/ui/EditFixture.h"
#include "ui/ButtonEditing.h"

namespace {

class SlotArithmetic : public EditTest {};

TEST_F(SlotArithmetic, RunsMoveOnlyWhenTheSlotBeyondThemIsFree) {
    struct Row {
        bool up;
        std::initializer_list<int> filled;
        int first, last;
        bool moved;
        const char* after;
    };
    const Row rows[] = {
        {true, {3, 5}, 3, 5, true, "4=b3 6=b5"},          // gaps inside the run move along
        {true, {3, 4, 5}, 3, 4, false, "3=b3 4=b4 5=b5"}, // slot above occupied
        {true, {98}, 98, 98, true, "99=b98"},
        {true, {99}, 99, 99, false, "99=b99"}, // nothing above slot 99
        {true, {1}, 2, 1, false, "1=b1"},
        {true, {0}, -1, 0, false, "0=b0"},
        {false, {3, 5}, 3, 5, true, "2=b3 4=b5"},
        {false, {0, 1}, 0, 1, false, "0=b0 1=b1"}, // nothing below slot 0
        {false, {2, 3}, 3, 3, false, "2=b2 3=b3"}, // slot below occupied
        {false, {99}, 99, 99, true, "98=b99"},
        {false, {50}, 50, 100, false, "50=b50"},
    };
    for (const Row& row : rows) {
        model.CreateCategory(0, "Main");
        Fill(row.filled);
        CCategory& c = *model.Category(0);
        const bool moved =
            row.up ? MoveRunUp(c, row.first, row.last) : MoveRunDown(c, row.first, row.last);
        EXPECT_EQ(moved, row.moved) << row.first << ".." << row.last;
        EXPECT_EQ(Layout(), row.after) << row.first << ".." << row.last;
    }
}

TEST_F(SlotArithmetic, FocusAndFirstEmptyStayInsideTheCategory) {
    for (int s = 0; s < kSlotsPerCategory; ++s)
        Put(s, "f" + std::to_string(s));
    EXPECT_EQ(FirstEmptyAfter(model, 0, 99), 100);
    EXPECT_EQ(FirstEmptyAfter(model, 0, 5), 100);
    EXPECT_EQ(FocusSlotAfterSourceChoice(model, 1), 2);
    EXPECT_EQ(FocusSlotAfterSourceChoice(model, 0), 1);
    model.DeleteButtonAt(0, 40);
    EXPECT_EQ(FirstEmptyAfter(model, 0, 5), 40);
    EXPECT_EQ(FocusSlotAfterSourceChoice(model, 1), 40);
}

} // namespace
