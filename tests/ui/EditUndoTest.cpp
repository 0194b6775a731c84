#include "tests/ui/EditFixture.h"
#include "ui/AddButtons.h"
#include "ui/ButtonEditing.h"
#include "ui/CategoryOps.h"
#include "ui/OrganizeCategories.h"
#include "undo/Undo.h"

#include <functional>
#include <random>
#include <set>

namespace {

// Every recorded operation, done and then undone, leaves the configuration
// exactly as it was.
class EditUndo : public EditTest {
  protected:
    EditUndo() {
        model.CreateCategory(1, "Second");
        model.CreateCategory(2, "Alpha");
        Fill({0, 1, 2, 4, 5, 9});
        Fill({0, 3}, 1);
        model.settings.CategoryOnEntry = "Main";
        // The file dialog remembers where it was; that is no change to undo.
        model.SetDialogFolder(0, dir.Path());
        model.SetDialogFilter(0, 1);
    }
    std::string before_;
};

TEST_F(EditUndo, EachOperationIsUndoneExactly) {
    // `logged` is what the Undo dialog lists for the operation.
    struct Row {
        const char* what;
        const char* logged;
        std::function<void()> run;
    };
    const std::string file = dir.Write("new.txt", "n");
    const std::string icon = dir.Write("pic.ico", "i");
    tp.icons.counts[icon] = 1;
    const Row rows[] = {
        {"move before", "Move Button",
         [&] {
             RightClick(5);
             StartTwoClick(model, TwoClickMode::Move);
             ClickSlot(model, dialogs, 1);
         }},
        {"move after", "Move Button",
         [&] {
             RightClick(0);
             StartTwoClick(model, TwoClickMode::Move);
             ClickSlot(model, dialogs, 4);
         }},
        {"move across", "Move Button",
         [&] {
             RightClick(2);
             StartTwoClick(model, TwoClickMode::Move);
             SwitchCategory(model, 1);
             ClickSlot(model, dialogs, 0);
         }},
        {"copy", "Copy Button",
         [&] {
             RightClick(2);
             StartTwoClick(model, TwoClickMode::Copy);
             ClickSlot(model, dialogs, 20);
         }},
        {"copy icon", "Copy Button Icon",
         [&] {
             model.GetButton(0, 9)->SetIconFile(icon);
             model.GetButton(0, 9)->LoadButtonIcon();
             model.changes.Clear();
             before_ = Config();
             RightClick(9);
             StartTwoClick(model, TwoClickMode::CopyIcon);
             ClickSlot(model, dialogs, 0);
         }},
        {"delete", "Delete Button",
         [&] {
             RightClick(4);
             DeleteButton(model);
         }},
        {"shift right", "Shift Buttons Right",
         [&] {
             RightClick(1);
             ShiftRight(model);
         }},
        {"shift left", "Shift Buttons Left",
         [&] {
             RightClick(5);
             ShiftLeft(model);
         }},
        {"remove gap", "Remove Gaps",
         [&] {
             RightClick(3);
             RemoveGap(model);
         }},
        {"maximize", "Set Open Mode",
         [&] {
             RightClick(2);
             ToggleLaunchMaximized(model);
         }},
        {"properties", "Change Button Properties",
         [&] {
             CButtonPropertiesEdit e(model, *model.GetButton(0, 1));
             e.SetParameters("-p");
             e.Apply();
         }},
        {"file dialog",
         "Add Button via File Selection Dialog; Add Button via File Selection Dialog",
         [&] {
             tp.prompter.files.push_back({{file, file}, 1, ""});
             AddByFileDialog(model, 3);
         }},
        {"address", "Add Button for Internet Address",
         [&] {
             dialogs.texts = {std::string("https://a.example")};
             AddInternetAddress(model, dialogs, -1);
         }},
        {"drop", "Add Button via Drag-and-Drop", [&] { DropFile(model, dialogs, file, 6, false); }},
        {"create category", "Create Category",
         [&] {
             dialogs.texts = {std::string("New")};
             CreateNewCategory(model, dialogs);
         }},
        {"rename start-up category", "Rename Category",
         [&] {
             dialogs.texts = {std::string("Renamed")};
             RenameCurrentCategory(model, dialogs);
         }},
        {"delete shown category", "Delete Category", [&] { DeleteCategoryAt(model, 0); }},
        {"sort", "Sort Categories", [&] { SortCategories(model, DefaultCollation); }},
        {"organize",
         "Move Category Up; Move Category Up", // the top clears the selection
         [&] {
             COrganizeCategories o(model, DefaultCollation);
             o.Select(2);
             o.MoveUp();
             o.MoveUp();
             o.MoveDown();
         }},
    };
    for (const Row& row : rows) {
        model.SetCurrentCategoryIndex(0);
        before_ = Config();
        model.changes.Clear();
        row.run();
        ASSERT_NE(Config(), before_) << row.what;
        ASSERT_FALSE(model.changes.Empty()) << row.what;
        std::string logged;
        for (const auto& change : model.changes.changes)
            logged += (logged.empty() ? "" : "; ") + change->description;
        EXPECT_EQ(logged, row.logged) << row.what;
        tp.prompter.answers = {MsgAnswer::Yes};
        UndoAllChanges(model);
        EXPECT_EQ(Config(), before_) << row.what;
    }
}

TEST_F(EditUndo, UndoOneByOneWalksBackThroughAMixedSequence) {
    std::vector<std::string> states{Config()};
    RightClick(5);
    ShiftRight(model);
    states.push_back(Config());
    dialogs.texts = {std::string("Zulu")};
    CreateNewCategory(model, dialogs);
    states.push_back(Config());
    SwitchCategory(model, 0);
    RightClick(0);
    StartTwoClick(model, TwoClickMode::Move);
    ClickSlot(model, dialogs, 7);
    states.push_back(Config());
    SortCategories(model, DefaultCollation);
    states.push_back(Config());
    DeleteCategoryAt(model, 1);
    states.push_back(Config());
    ASSERT_EQ(model.changes.Count(), 5u);
    for (size_t i = states.size() - 1; i > 0; --i) {
        UndoLastChange(model);
        EXPECT_EQ(Config(), states[i - 1]) << "after undoing step " << i;
    }
}

TEST_F(EditUndo, NothingIsRecordedWhileRecordingIsOff) {
    model.changes.recording = false;
    RightClick(1);
    ShiftRight(model);
    dialogs.texts = {std::string("Other name")};
    RenameCurrentCategory(model, dialogs);
    DeleteCategoryAt(model, 2);
    EXPECT_TRUE(model.changes.Empty());
}

// Random clicks and commands never put a slot or category outside the table,
// never lose or duplicate a button behind the user's back, and Undo All
// brings back the start.
TEST_F(EditUndo, RandomEditingKeepsIndexesInRangeAndUndoesCompletely) {
    std::mt19937 rng(20240615);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    for (int s = 10; s < 95; s += 1 + pick(3))
        Put(s, "r" + std::to_string(s));
    tp.prompter.files.clear();
    const std::string start = Config();

    auto total = [&] {
        int n = 0;
        for (int c = 0; c < kMaxCategories; ++c)
            n += model.ButtonCount(c);
        return n;
    };
    auto distinct = [&] {
        std::set<const CButtonDef*> seen;
        for (int c = 0; c < kMaxCategories; ++c)
            for (int s = 0; s < kSlotsPerCategory; ++s)
                if (const CButtonDef* b = model.GetButton(c, s))
                    if (!seen.insert(b).second)
                        return false;
        return true;
    };
    for (int step = 0; step < 3000; ++step) {
        const int before = total();
        int expected = before;
        const int slot = pick(kSlotsPerCategory + 2) - 1; // -1..100: edges included
        const int op = pick(10);
        if (op <= 2) {
            RightClick(std::clamp(slot, 0, 99));
            if (model.HasButton(-1, model.editState.rightClickedSlot) &&
                !model.editState.PendingOperation())
                StartTwoClick(model, op == 0   ? TwoClickMode::Move
                                     : op == 1 ? TwoClickMode::Copy
                                               : TwoClickMode::CopyIcon);
        } else if (op == 3) {
            const bool copying = model.editState.copyMode && model.editState.sourceSlot >= 0;
            if (!model.editState.PendingOperation())
                continue; // a plain click would open the file dialog or launch
            const bool empty = slot >= 0 && slot < 100 && !model.HasButton(-1, slot);
            ClickSlot(model, dialogs, slot);
            if (copying && empty)
                expected = before + 1;
        } else if (op == 4) {
            SwitchCategoryByKey(model, pick(2) ? CategoryKey::Up : CategoryKey::PageDown);
        } else if (op == 5) {
            RightClick(slot); // -1 and 100 included
            pick(2) ? ShiftRight(model) : ShiftLeft(model);
        } else if (op == 6) {
            RightClick(slot); // -1 and 100 included
            RemoveGap(model);
        } else if (op == 7 && !model.editState.PendingOperation()) {
            COrganizeCategories o(model, DefaultCollation);
            o.Select(pick(model.CategoryCount()));
            pick(2) ? o.MoveUp() : o.MoveDown();
        } else if (op == 8) {
            CancelTwoClick(model, true);
        } else if (op == 9 && !model.editState.PendingOperation()) {
            RightClick(slot); // -1 and 100 included
            ToggleLaunchMaximized(model);
        }
        ASSERT_EQ(total(), expected) << "step " << step << " op " << op << " slot " << slot;
        ASSERT_TRUE(distinct()) << "step " << step;
        const ButtonWindowState& st = model.editState;
        ASSERT_TRUE(st.sourceSlot >= -1 && st.sourceSlot < kSlotsPerCategory);
        ASSERT_TRUE(st.sourceCategory >= -1 && st.sourceCategory < kMaxCategories);
        ASSERT_NE(model.CurrentCategory(), nullptr);
    }
    CancelTwoClick(model, true);
    tp.prompter.answers = {MsgAnswer::Yes};
    UndoAllChanges(model);
    EXPECT_EQ(Config(), start);
}

} // namespace
