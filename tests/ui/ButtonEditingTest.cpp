#include "ui/ButtonEditing.h"

#include "tests/ui/EditFixture.h"
#include "ui/CategoryOps.h"
#include "ui/ContextMenus.h"
#include "ui/MenuIds.h"
#include "ui/MenuState.h"

namespace {

class ButtonEditing : public EditTest {
  protected:
    void TwoClick(TwoClickMode mode, int source, int target) {
        RightClick(source);
        StartTwoClick(model, mode);
        ClickSlot(model, dialogs, target);
    }
};

TEST_F(ButtonEditing, MoveFollowsTheShiftingRules) {
    struct Row {
        const char* what;
        std::initializer_list<int> filled;
        int source, target;
        const char* after;
    };
    const Row rows[] = {
        {"onto an earlier occupied slot: the run closes over the source",
         {2, 3, 4, 5},
         5,
         2,
         "2=b5 3=b2 4=b3 5=b4"},
        {"onto a later occupied slot: the run moves up, the source leaves a gap",
         {2, 5, 6, 7, 8, 9},
         2,
         5,
         "5=b2 6=b5 7=b6 8=b7 9=b8 10=b9"},
        {"onto an earlier slot past a gap: the target's run moves up",
         {1, 2, 4, 7},
         7,
         1,
         "1=b7 2=b1 3=b2 4=b4"},
        {"onto an empty slot", {0, 1}, 0, 6, "1=b1 6=b0"},
        {"onto itself", {0, 1}, 1, 1, "0=b0 1=b1"},
    };
    for (const Row& row : rows) {
        model.CreateCategory(0, "Main"); // a fresh, empty category
        Fill(row.filled);
        TwoClick(TwoClickMode::Move, row.source, row.target);
        EXPECT_EQ(Layout(), row.after) << row.what;
        EXPECT_FALSE(model.editState.PendingOperation()) << row.what;
    }
}

TEST_F(ButtonEditing, MoveWithoutRoomAfterTheTargetIsRefused) {
    // Every slot after the empty target is taken: refused although nothing
    // would have to shift.
    for (int s = 51; s < kSlotsPerCategory; ++s)
        Put(s, "f" + std::to_string(s));
    Put(10, "src");
    const std::string before = Layout();
    TwoClick(TwoClickMode::Move, 10, 50);
    EXPECT_EQ(Layout(), before);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Can't Move Button"});
    EXPECT_FALSE(model.editState.PendingOperation());
    EXPECT_FALSE(model.settingsModified);
    EXPECT_TRUE(model.changes.Empty());
}

TEST_F(ButtonEditing, MoveIntoAnotherCategorySwitchedByKeyboard) {
    model.CreateCategory(1, "Other");
    Fill({0, 1});
    Fill({3, 4}, 1);
    RightClick(1);
    StartTwoClick(model, TwoClickMode::Move);
    EXPECT_EQ(Sounds().back(), "Move (1st click)");
    EXPECT_EQ(view.focused.back(), 2); // the first empty slot of the category
    ASSERT_TRUE(SwitchCategoryByKey(model, CategoryKey::PageDown));
    ASSERT_TRUE(model.editState.PendingOperation()); // switching keeps the operation
    ClickSlot(model, dialogs, 3);
    EXPECT_EQ(Layout(0), "0=b0");
    EXPECT_EQ(Layout(1), "3=b1 4=b3 5=b4");
    EXPECT_EQ(Sounds().back(), "Move (2nd click)");
    EXPECT_TRUE(model.settingsModified);
}

TEST_F(ButtonEditing, CopyNeedsAnEmptyTargetAndKeepsWaitingOtherwise) {
    CButtonDef* source = Put(0, "src");
    source->SetParameters("-x");
    Put(1, "busy");
    TwoClick(TwoClickMode::Copy, 0, 1);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Select an Empty Button"});
    EXPECT_TRUE(model.editState.copyMode);
    ClickSlot(model, dialogs, 5);
    EXPECT_EQ(Layout(), "0=src 1=busy 5=src");
    EXPECT_EQ(model.GetButton(0, 5)->Parameters(), "-x");
    EXPECT_NE(model.GetButton(0, 5), source);
    EXPECT_FALSE(model.editState.PendingOperation());
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"Copy (1st click)", "Copy (2nd click)"}));
}

TEST_F(ButtonEditing, CopyIconRefusesShellIconsAndEmptyTargets) {
    const std::string icon = dir.Write("pic.ico", "ico");
    tp.icons.counts[icon] = 3;
    CButtonDef* source = Put(0, "src");
    source->SetIconFile(icon);
    source->SetIconIndex(2);
    source->LoadButtonIcon();
    ASSERT_FALSE(source->ShellIcon());
    // A document whose picture is the desktop's icon for its type.
    CButtonDef* shell = Put(1, "shell");
    ASSERT_TRUE(shell->ShellIcon());
    Put(2, "target");

    RightClick(1);
    StartTwoClick(model, TwoClickMode::CopyIcon);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Can't Copy Icon"});
    EXPECT_TRUE(model.editState.iconCopyMode) << "the mode stays, without a source";
    EXPECT_EQ(model.editState.sourceSlot, -1);

    ClickSlot(model, dialogs, 0); // a source with an icon file of its own
    EXPECT_EQ(model.editState.sourceSlot, 0);
    ClickSlot(model, dialogs, 3); // an empty target
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{"Can't Copy Icon", "Select an Occupied Button"}));
    ASSERT_TRUE(model.editState.iconCopyMode);
    ClickSlot(model, dialogs, 2);
    EXPECT_EQ(model.GetButton(0, 2)->IconFile(), icon);
    EXPECT_EQ(model.GetButton(0, 2)->IconIndex(), 2);
    EXPECT_EQ(model.GetButton(0, 2)->Name(), "target");
    EXPECT_EQ(model.GetButton(0, 1)->IconFile(), "") << "the shell-icon button is untouched";
    EXPECT_FALSE(model.editState.PendingOperation());
}

TEST_F(ButtonEditing, EmptySlotsNeverBecomeSources) {
    Put(0, "a");
    model.editState.moveMode = true; // a mode without a source
    ClickSlot(model, dialogs, 7);
    EXPECT_EQ(model.editState.sourceSlot, -1);
    ClickSlot(model, dialogs, 0);
    EXPECT_EQ(model.editState.sourceSlot, 0);
}

TEST_F(ButtonEditing, EscapeAndHomeCancelThePendingOperation) {
    Put(3, "a");
    for (bool esc : {true, false}) {
        RightClick(3);
        StartTwoClick(model, TwoClickMode::Copy);
        const int captions = view.captions;
        CancelTwoClick(model, esc);
        EXPECT_FALSE(model.editState.PendingOperation());
        EXPECT_EQ(model.editState.sourceSlot, -1);
        EXPECT_EQ(view.captions - captions, esc ? 1 : 0);
    }
}

TEST_F(ButtonEditing, ClickWithoutModeAddsOrLaunches) {
    const std::string file = dir.Write("doc.txt", "x");
    tp.prompter.files.push_back({{file}, 1, dir.Path()});
    ClickSlot(model, dialogs, 4);
    EXPECT_EQ(Layout(), "4=doc");
    EXPECT_EQ(Sounds().front(), "Generic Button Click");
    ClickSlot(model, dialogs, 4);
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_EQ(tp.shell.calls[0].request.target, file);
}

TEST_F(ButtonEditing, DeleteAsksByNameOrNumber) {
    Put(2, "named");
    // An internet-address button has no name of its own.
    CButtonDef* address = CButtonDef::CreateAt(model, 0, 6, "", "", "", 0, 1);
    ASSERT_NE(address, nullptr);
    address->SetUrl("https://example.org");
    ASSERT_EQ(address->Name(), "");
    tp.prompter.answers = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::Yes};
    RightClick(2);
    DeleteButton(model);
    EXPECT_EQ(Layout(), "2=named 6=");
    RightClick(6);
    DeleteButton(model);
    EXPECT_EQ(Layout(), "2=named");
    RightClick(2);
    DeleteButton(model);
    EXPECT_EQ(Layout(), "");
    ASSERT_EQ(tp.prompter.messages.size(), 3u);
    EXPECT_EQ(tp.prompter.messages[0].text,
              "Are you sure that you want to delete button \"named\" ?");
    EXPECT_EQ(tp.prompter.messages[1].text, "Are you sure that you want to delete button 7 ?");
    for (const RecordedMessage& m : tp.prompter.messages) {
        EXPECT_EQ(m.caption, "Confirm Button Deletion");
        EXPECT_EQ(m.icon, MsgIcon::Question);
    }
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"Delete", "Delete"}));
}

TEST_F(ButtonEditing, ShiftsMoveTheRunAndFocusTheLastSlot) {
    struct Row {
        bool right;
        std::initializer_list<int> filled;
        int at;
        const char* after;
    };
    const Row rows[] = {
        {true, {2, 3, 4, 6}, 3, "2=b2 4=b3 5=b4 6=b6"},
        {true, {2, 3}, 2, "3=b2 4=b3"},
        {false, {2, 3, 4, 6}, 4, "1=b2 2=b3 3=b4 6=b6"},
        {false, {97, 98, 99}, 99, "96=b97 97=b98 98=b99"}, // a run ending at slot 99
        {true, {96, 97, 98}, 97, "96=b96 98=b97 99=b98"},
    };
    for (const Row& row : rows) {
        model.CreateCategory(0, "Main");
        Fill(row.filled);
        tp.sound.played.clear();
        RightClick(row.at);
        row.right ? ShiftRight(model) : ShiftLeft(model);
        EXPECT_EQ(Layout(), row.after);
        EXPECT_EQ(Sounds(), std::vector<std::string>{row.right ? "Shift Right!" : "Shift Left!"});
        EXPECT_EQ(view.focused.back(), 99);
    }
}

TEST_F(ButtonEditing, ShiftsWithoutAnEmptySlotChangeNothing) {
    for (int s = 0; s < kSlotsPerCategory; ++s)
        Put(s, "f" + std::to_string(s));
    const std::string before = Layout();
    for (int at : {0, 50, 99}) {
        RightClick(at);
        ShiftRight(model);
        ShiftLeft(model);
    }
    EXPECT_EQ(Layout(), before);
    EXPECT_TRUE(model.changes.Empty());
}

TEST_F(ButtonEditing, RemoveGapClosesOnlyThatGap) {
    Fill({0, 3, 5, 6});
    RightClick(1);
    RemoveGap(model);
    EXPECT_EQ(Layout(), "0=b0 2=b3 4=b5 5=b6");
    RightClick(9); // after the last button: nothing to close
    RemoveGap(model);
    EXPECT_EQ(Layout(), "0=b0 2=b3 4=b5 5=b6");
    EXPECT_EQ(Sounds(), std::vector<std::string>{"Remove Gaps"});
}

TEST_F(ButtonEditing, LaunchMaximizedTogglesTheOpenMode) {
    CButtonDef* b = Put(0, "a");
    RightClick(0);
    for (int mode : {2, 1, 2}) {
        ToggleLaunchMaximized(model);
        EXPECT_EQ(model.GetButton(0, 0)->OpenMode(), mode);
    }
    model.GetButton(0, 0)->SetOpenMode(3);
    ToggleLaunchMaximized(model);
    EXPECT_EQ(model.GetButton(0, 0)->OpenMode(), 2);
    (void)b;
}

TEST_F(ButtonEditing, PopupTextKeepsAnAddressAButton) {
    CButtonDef* b = Put(0, "site");
    b->SetUrl("https://example.org");
    RightClick(0);
    dialogs.texts = {std::string(""), std::string("My Site")};
    EditPopupText(model, dialogs);
    EXPECT_EQ(b->Name(), "site"); // an empty text changes nothing
    EditPopupText(model, dialogs);
    EXPECT_EQ(b->Name(), "My Site");
    EXPECT_TRUE(b->IsUrl());
    EXPECT_EQ(dialogs.textRequests[0].title, "Button Popup Text");
    EXPECT_EQ(dialogs.textRequests[0].initial, "site");
}

TEST_F(ButtonEditing, ButtonTextPreviewsLiveAndCancelRestores) {
    CButtonDef* b = Put(0, "a");
    b->SetText("Old\\nText");
    CButtonTextEdit edit(model, -1, 0);
    edit.SetLines("", "Only");
    EXPECT_EQ(b->Text(), "Only"); // no separator without a first line
    EXPECT_TRUE(edit.Changed());
    EXPECT_TRUE(model.settingsModified);
    edit.Cancel();
    EXPECT_EQ(b->Text(), "Old\\nText");
    EXPECT_EQ(CButtonTextEdit::ComposeText("A", "B"), "A\\nB");
}

TEST_F(ButtonEditing, PropertiesApplyReplacesTheButtonOnlyWhenEdited) {
    CButtonDef* b = Put(0, "a");
    {
        CButtonPropertiesEdit edit(model, *b);
        EXPECT_TRUE(edit.Apply());
        EXPECT_EQ(model.GetButton(0, 0), b); // untouched without edits
    }
    const std::string other = dir.Write("other.txt", "o");
    CButtonPropertiesEdit edit(model, *b);
    EXPECT_EQ(edit.FileLabel(), "Document:");
    edit.SetParameters("--new");
    edit.SetFileField(other);
    tp.prompter.answers = {MsgAnswer::No, MsgAnswer::Yes};
    EXPECT_FALSE(edit.Apply()); // "Change Filename?" answered No: the dialog stays
    EXPECT_EQ(model.GetButton(0, 0)->Parameters(), "");
    EXPECT_TRUE(edit.Apply());
    EXPECT_EQ(model.GetButton(0, 0)->Parameters(), "--new");
    EXPECT_EQ(model.GetButton(0, 0)->Target(), other);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Change Filename?", "Change Filename?"}));
}

TEST_F(ButtonEditing, ShowIconInfoNamesFileAndIndex) {
    const std::string icon = dir.Write("pic.ico", "ico");
    tp.icons.counts[icon] = 2;
    CButtonDef* b = Put(0, "a");
    b->SetIconFile(icon);
    b->SetIconIndex(1);
    RightClick(0);
    ShowIconInfo(model);
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].text, "Icon File:\r\n\r\n" + icon + "\r\n\r\nIcon Index = 1");
    EXPECT_EQ(tp.prompter.messages[0].caption, "Button Icon Information");
}

// The menus a right click prepares.
class ContextMenuTest : public ButtonEditing {
  protected:
    CMenuState state{model};
    ContextMenuTest() {
        for (int id : {IdRemoveGap, IdAddApplicationHere, IdFindFile, IdShiftRight, IdShiftLeft,
                       IdLaunchMaximized, IdProperties})
            state.SetAvailable(id, true);
    }
    const ContextMenuEntry* Entry(const PreparedContextMenu& menu, int id) {
        for (const ContextMenuEntry& e : menu.entries)
            if (e.id == id)
                return &e;
        return nullptr;
    }
};

TEST_F(ContextMenuTest, MenusFollowTheSlotAndTheButton) {
    Fill({0, 4});
    auto empty = PrepareContextMenu(model, state, 2);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->menu, kEmptySlotMenu);
    EXPECT_EQ(model.editState.rightClickedSlot, 2);
    EXPECT_TRUE(Entry(*empty, IdRemoveGap)->enabled);
    EXPECT_FALSE(Entry(*PrepareContextMenu(model, state, 7), IdRemoveGap)->enabled);

    const std::string folder = dir.Path() + "/files";
    CButtonDef::CreateAt(model, 0, 1, "F", folder, "", 0, 2);
    auto button = PrepareContextMenu(model, state, 1);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->menu, kButtonMenu);
    EXPECT_EQ(Entry(*button, IdFindFile)->text, "&Find Folder...");
    EXPECT_TRUE(Entry(*button, IdLaunchMaximized)->checked);
    // A command the window has no handler for is shown, disabled.
    state.SetAvailable(IdAddToFavorites, false);
    EXPECT_FALSE(Entry(*PrepareContextMenu(model, state, 1), IdAddToFavorites)->enabled);
    state.SetAvailable(IdAddToFavorites, true);
    EXPECT_TRUE(Entry(*PrepareContextMenu(model, state, 1), IdAddToFavorites)->enabled);

    model.settings.FileBackupEnabled = true;
    EXPECT_EQ(PrepareContextMenu(model, state, 1)->menu, kButtonBackupMenu);

    RightClick(0);
    StartTwoClick(model, TwoClickMode::Move);
    EXPECT_FALSE(PrepareContextMenu(model, state, 4)); // the right click acts as a click
}

} // namespace
