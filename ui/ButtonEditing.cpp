#include "ui/ButtonEditing.h"

#include <algorithm>
#include <memory>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/AddButtons.h"
#include "ui/ButtonPropertiesEdit.h"
#include "ui/ButtonTextEdit.h"
#include "ui/EditDialogs.h"
#include "ui/Launcher.h"
#include "ui/ModalScope.h"
#include "undo/Undo.h"

namespace {

constexpr int kLastSlot = kSlotsPerCategory - 1;

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kSlotsPerCategory;
}

// Undo entries for a range of slots: before a change every occupied slot is
// saved ("Delete Button"), after it every occupied slot is marked new ("Add
// Button"). Undoing removes the new buttons and puts the saved ones back, so
// the range returns exactly to what it was.
void RecordRange(CModel& model, const char* entry, int category, int first, int last) {
    for (int s = std::max(first, 0); s <= std::min(last, kLastSlot); ++s)
        AddChangeEntry(model, entry, category, s, true);
}
void RecordBefore(CModel& model, int category, int first, int last) {
    RecordRange(model, "Delete Button", category, first, last);
}
void RecordAfter(CModel& model, int category, int first, int last) {
    RecordRange(model, "Add Button", category, first, last);
}

void RefreshAfterChange(CModel& model) {
    model.SetModified();
    model.View().ShowCategory();
}

void RefreshCaptionAndMenus(CModel& model) {
    model.View().RefreshCaption();
    model.View().RefreshMenuBar();
}

void EndTwoClick(CModel& model) {
    ButtonWindowState& st = model.editState;
    const int sourceCategory = st.sourceCategory;
    const int sourceSlot = st.sourceSlot;
    st.moveMode = st.copyMode = st.iconCopyMode = false;
    st.sourceCategory = st.sourceSlot = -1;
    // The source is drawn active again when it is in the shown category.
    if (sourceCategory == model.CurrentCategoryIndex() && ValidSlot(sourceSlot))
        model.View().RedrawSlot(sourceSlot);
}

const char* FirstClickSound(const ButtonWindowState& st) {
    if (st.copyMode)
        return "Copy (1st click)";
    if (st.iconCopyMode)
        return "Copy Icon (1st click)";
    return "Move (1st click)";
}

// The first click of a mode. An empty slot cannot be a source (there would be
// nothing to move or copy); a copy-icon source needs an icon of its own.
void ChooseSource(CModel& model, int slot) {
    ButtonWindowState& st = model.editState;
    const CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return;
    if (st.iconCopyMode && button->ShellIcon()) {
        model.Message("Unable to copy the icon for the specified button", "Can't Copy Icon",
                      MsgIcon::Stop);
        return;
    }
    st.sourceCategory = model.CurrentCategoryIndex();
    st.sourceSlot = slot;
    PlayActionSound(model, FirstClickSound(st), true);
    model.View().FocusSlot(FocusSlotAfterSourceChoice(model, slot));
    model.View().RedrawSlot(slot);
    RefreshCaptionAndMenus(model);
}

void CompleteCopy(CModel& model, int slot) {
    ButtonWindowState& st = model.editState;
    const int category = model.CurrentCategoryIndex();
    if (model.HasButton(category, slot)) {
        model.Message("Please select a button that is empty", "Select an Empty Button",
                      MsgIcon::Stop);
        return;
    }
    const CButtonDef* source = model.GetButton(st.sourceCategory, st.sourceSlot);
    if (source && CButtonDef::CopyAt(*source, category, slot, false)) {
        BeginChangeWithEntry(model, "Copy Button", "Copy Button", category, slot, true);
        model.View().RedrawSlot(slot);
        PlayActionSound(model, "Copy (2nd click)", true);
        model.SetModified();
    }
    EndTwoClick(model);
    RefreshCaptionAndMenus(model);
}

void CompleteIconCopy(CModel& model, int slot) {
    ButtonWindowState& st = model.editState;
    const int category = model.CurrentCategoryIndex();
    const CButtonDef* target = model.GetButton(category, slot);
    if (!target) {
        model.Message("Please select a button that contains an icon", "Select an Occupied Button",
                      MsgIcon::Stop);
        return;
    }
    const CButtonDef* source = model.GetButton(st.sourceCategory, st.sourceSlot);
    if (source) {
        // The old target is saved too, so undo brings its own icon back.
        BeginChangeWithEntry(model, "Copy Button Icon", "Delete Button", category, slot, true);
        auto copy = std::make_unique<CButtonDef>(*target);
        copy->SetIconFile(source->IconFile());
        copy->SetIconIndex(source->IconIndex());
        copy->LoadButtonIcon();
        model.Category(category)->SetSlot(slot, std::move(copy));
        AddChangeEntry(model, "Add Button", category, slot, true);
        model.View().RedrawSlot(slot);
        PlayActionSound(model, "Copy Icon (2nd click)", true);
        model.SetModified();
    }
    EndTwoClick(model);
    RefreshCaptionAndMenus(model);
}

void CompleteMove(CModel& model, int slot) {
    ButtonWindowState& st = model.editState;
    const int a = st.sourceCategory;
    const int i = st.sourceSlot;
    const int b = model.CurrentCategoryIndex();
    EndTwoClick(model);
    if (a == b && slot == i) {
        RefreshCaptionAndMenus(model);
        return;
    }
    if (b != a || slot > i) {
        // Slot 99 itself does not count as room.
        if (FirstEmptyAfter(model, b, slot) >= kLastSlot) {
            model.Message("Unable to perform the button move operation.", "Can't Move Button",
                          MsgIcon::Stop);
            RefreshCaptionAndMenus(model);
            return;
        }
    }
    if (MoveButton(model, a, i, b, slot)) {
        PlayActionSound(model, "Move (2nd click)", true);
        RefreshAfterChange(model);
    }
    RefreshCaptionAndMenus(model);
}

} // namespace

bool MoveRunUp(CCategory& category, int first, int last) {
    if (first < 0 || first > last || last + 1 > kLastSlot || category.Slot(last + 1))
        return false;
    for (int s = last; s >= first; --s) {
        if (category.Slot(s))
            category.SetSlot(s + 1, category.TakeSlot(s));
    }
    return true;
}

bool MoveRunDown(CCategory& category, int first, int last) {
    if (first < 1 || first > last || last > kLastSlot || category.Slot(first - 1))
        return false;
    for (int s = first; s <= last; ++s) {
        if (category.Slot(s))
            category.SetSlot(s - 1, category.TakeSlot(s));
    }
    return true;
}

int FirstEmptyAfter(const CModel& model, int category, int slot) {
    if (slot + 1 >= kSlotsPerCategory)
        return kSlotsPerCategory;
    const int free = model.FindFreeSlot(category, slot + 1, true);
    return free < 0 ? kSlotsPerCategory : free;
}

int FocusSlotAfterSourceChoice(const CModel& model, int sourceSlot) {
    const int free = model.FindFreeSlot(-1, 0, true);
    if (free >= 0)
        return free;
    return sourceSlot == 1 ? 2 : 1;
}

void ClickSlot(CModel& model, EditDialogs& dialogs, int slot) {
    if (!ValidSlot(slot) || !model.CurrentCategory())
        return;
    const ButtonWindowState& st = model.editState;
    if (st.PendingOperation() && st.sourceSlot < 0) {
        ChooseSource(model, slot);
        return;
    }
    if (st.copyMode) {
        CompleteCopy(model, slot);
    } else if (st.iconCopyMode) {
        CompleteIconCopy(model, slot);
    } else if (st.moveMode) {
        CompleteMove(model, slot);
    } else if (!model.HasButton(-1, slot)) {
        PlayActionSound(model, "Generic Button Click", true);
        AddApplicationCommand(model, dialogs, slot);
    } else {
        LaunchClicked(model, -1, slot);
    }
}

void StartTwoClick(CModel& model, TwoClickMode mode) {
    ButtonWindowState& st = model.editState;
    if (st.PendingOperation())
        EndTwoClick(model);
    st.moveMode = mode == TwoClickMode::Move;
    st.copyMode = mode == TwoClickMode::Copy;
    st.iconCopyMode = mode == TwoClickMode::CopyIcon;
    ChooseSource(model, st.rightClickedSlot);
    RefreshCaptionAndMenus(model);
}

void CancelTwoClick(CModel& model, bool refreshCaption) {
    EndTwoClick(model);
    model.View().RefreshMenuBar();
    if (refreshCaption)
        model.View().RefreshCaption();
}

bool MoveButton(CModel& model, int a, int i, int b, int j) {
    CCategory* source = model.Category(a);
    CCategory* target = model.Category(b);
    if (!source || !target || !ValidSlot(i) || !ValidSlot(j) || !source->Slot(i))
        return false;
    if (a == b && i == j)
        return true;
    if (!target->Slot(j)) {
        BeginChangeWithEntry(model, "Move Button", "Delete Button", a, i, true);
        target->SetSlot(j, source->TakeSlot(i));
        AddChangeEntry(model, "Add Button", b, j, true);
        return true;
    }
    const int e = FirstEmptyAfter(model, b, j);
    if (a == b && j < i && i < e) {
        // The run j..i-1 closes over the source's old place.
        BeginChange(model, "Move Button", a, i, true);
        RecordBefore(model, a, j, i);
        std::unique_ptr<CButtonDef> moving = source->TakeSlot(i);
        MoveRunUp(*source, j, i - 1);
        source->SetSlot(j, std::move(moving));
        RecordAfter(model, a, j, i);
        return true;
    }
    if (e >= kSlotsPerCategory)
        return false; // no room to shift; nothing moves
    const int first = a == b ? std::min(i, j) : j;
    const int last = a == b ? std::max(i, e) : e;
    BeginChange(model, "Move Button", a, i, true);
    RecordBefore(model, b, first, last);
    if (a != b)
        RecordBefore(model, a, i, i);
    MoveRunUp(*target, j, e - 1);
    target->SetSlot(j, source->TakeSlot(i));
    RecordAfter(model, b, first, last);
    return true;
}

void DeleteButton(CModel& model) {
    const int slot = model.editState.rightClickedSlot;
    const CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return;
    const std::string question =
        button->Name().empty()
            ? Format("Are you sure that you want to delete button %d ?", slot + 1)
            : Format("Are you sure that you want to delete button \"%s\" ?",
                     button->Name().c_str());
    if (model.Message(question, "Confirm Button Deletion", MsgIcon::Question, MsgButtons::YesNo) !=
        MsgAnswer::Yes)
        return;
    BeginChangeWithEntry(model, "Delete Button", "Delete Button", -1, slot, true);
    model.DeleteButtonAt(-1, slot);
    PlayActionSound(model, "Delete", true);
    RefreshAfterChange(model);
}

void ShiftRight(CModel& model) {
    const int k = model.editState.rightClickedSlot;
    CCategory* category = model.CurrentCategory();
    if (!category || !ValidSlot(k) || model.FindFreeSlot(-1, k, true) < 0)
        return;
    const int e = model.FindFreeSlot(-1, k, true);
    if (e == k)
        return; // nothing to shift
    BeginChange(model, "Shift Buttons Right", -1, k, true);
    RecordBefore(model, -1, k, e);
    MoveRunUp(*category, k, e - 1);
    RecordAfter(model, -1, k, e);
    RefreshAfterChange(model);
    PlayActionSound(model, "Shift Right", false);
    model.View().FocusSlot(kLastSlot);
}

void ShiftLeft(CModel& model) {
    const int k = model.editState.rightClickedSlot;
    CCategory* category = model.CurrentCategory();
    if (!category || !ValidSlot(k))
        return;
    const int e = model.FindFreeSlot(-1, k, false);
    if (e < 0 || e == k)
        return;
    BeginChange(model, "Shift Buttons Left", -1, e + 1, true);
    RecordBefore(model, -1, e, k);
    MoveRunDown(*category, e + 1, k);
    RecordAfter(model, -1, e, k);
    RefreshAfterChange(model);
    PlayActionSound(model, "Shift Left", false);
    model.View().FocusSlot(kLastSlot);
}

void RemoveGap(CModel& model) {
    const int g = model.editState.rightClickedSlot;
    CCategory* category = model.CurrentCategory();
    if (!category || !ValidSlot(g) || category->Slot(g))
        return;
    const int last = model.LastUsedSlot(-1);
    if (last <= g)
        return;
    BeginChange(model, "Remove Gaps", -1, -1, true);
    RecordBefore(model, -1, g, last);
    MoveRunDown(*category, g + 1, last);
    RecordAfter(model, -1, g, last);
    PlayActionSound(model, "Remove Gaps", true);
    RefreshAfterChange(model);
}

void ToggleLaunchMaximized(CModel& model) {
    const int slot = model.editState.rightClickedSlot;
    const CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return;
    BeginChangeWithEntry(model, "Set Open Mode", "Delete Button", -1, slot, true);
    auto copy = std::make_unique<CButtonDef>(*button);
    copy->SetOpenMode(button->OpenMode() == 2 ? 1 : 2);
    model.CurrentCategory()->SetSlot(slot, std::move(copy));
    model.View().RedrawSlot(slot);
    AddChangeEntry(model, "Add Button", -1, slot, true);
    model.SetModified();
}

void EditPopupText(CModel& model, EditDialogs& dialogs) {
    const int slot = model.editState.rightClickedSlot;
    CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return;
    TextInputRequest request;
    request.title = "Button Popup Text";
    request.prompt = "Please enter the new popup text for the button";
    request.label = "Popup Text";
    request.initial = button->Name();
    std::optional<std::string> text;
    {
        const ModalScope modal(model);
        text = dialogs.TextInput(request);
    }
    // The dialog is modal, but the slot is looked up again all the same.
    button = model.GetButton(-1, slot);
    if (!text || text->empty() || !button)
        return;
    const bool url = button->IsUrl();
    button->SetName(*text);
    if (url)
        button->SetKind("url");
    model.View().RedrawSlot(slot);
    model.SetModified();
}

void ShowIconInfo(CModel& model) {
    const CButtonDef* button = model.GetButton(-1, model.editState.rightClickedSlot);
    if (!button)
        return;
    model.Message(Format("Icon File:\r\n\r\n%s\r\n\r\nIcon Index = %d", button->IconFile().c_str(),
                         button->IconIndex()),
                  "Button Icon Information", MsgIcon::Information);
}

void EditButtonProperties(CModel& model, EditDialogs& dialogs) {
    CButtonDef* button = model.GetButton(-1, model.editState.rightClickedSlot);
    if (!button)
        return;
    PlayActionSound(model, "Properties", true);
    CButtonPropertiesEdit edit(model, *button);
    const ModalScope modal(model);
    dialogs.ButtonProperties(edit);
}

void EditButtonText(CModel& model, EditDialogs& dialogs, int slot) {
    CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return;
    const bool url = button->IsUrl();
    CButtonTextEdit edit(model, -1, slot);
    {
        const ModalScope modal(model);
        dialogs.ButtonText(edit);
    }
    if (url) {
        if (CButtonDef* after = model.GetButton(-1, slot))
            after->SetKind("url");
    }
}
