#pragma once

class CModel;
class CCategory;
class EditDialogs;

// The two-click operations of the button context menu.
enum class TwoClickMode { Move, Copy, CopyIcon };

// --- Slot arithmetic (every index stays inside 0..99) -------------------------

// Moves the occupied slots of first..last one slot up (toward higher
// indexes), highest first. Refused (false, nothing moves) when the run is
// empty or out of range, or the slot above it would be 100 or more.
bool MoveRunUp(CCategory& category, int first, int last);
// Moves the occupied slots of first..last one slot down, lowest first.
// Refused when the run is empty or out of range, or first is 0.
bool MoveRunDown(CCategory& category, int first, int last);
// The first empty slot after `slot` (100 when there is none).
int FirstEmptyAfter(const CModel& model, int category, int slot);
// Where the keyboard focus goes once a source is chosen: the first empty slot
// of the current category, else slot 1 (slot 2 when the source is slot 1).
int FocusSlotAfterSourceChoice(const CModel& model, int sourceSlot);

// --- Clicks and two-click operations ------------------------------------------

// A click on `slot` of the current category (left click, or a right click
// while a two-click operation is pending): completes or cancels a pending
// operation, adds by file dialog on an empty slot, or launches.
void ClickSlot(CModel& model, EditDialogs& dialogs, int slot);
// The Copy, Copy Icon and Move commands: sets the mode and makes the
// right-clicked slot the source.
void StartTwoClick(CModel& model, TwoClickMode mode);
// Esc (refreshCaption true) or Home: drops a pending operation.
void CancelTwoClick(CModel& model, bool refreshCaption);
// The move of (a, i) to (b, j) with its shifting rules; false when refused
// for want of room (after "Can't Move Button"). Records "Move Button".
bool MoveButton(CModel& model, int sourceCategory, int sourceSlot, int targetCategory,
                int targetSlot);

// --- Commands on the right-clicked slot -----------------------------------------

void DeleteButton(CModel& model);
void ShiftRight(CModel& model);
void ShiftLeft(CModel& model);
void RemoveGap(CModel& model);
void ToggleLaunchMaximized(CModel& model);
void EditPopupText(CModel& model, EditDialogs& dialogs);
void ShowIconInfo(CModel& model);
// "Properties" plays first; the button is replaced on Apply.
void EditButtonProperties(CModel& model, EditDialogs& dialogs);
// The Button Text dialog for the button at `slot` of the current category
// (also opened by the adds); an internet-address button stays one.
void EditButtonText(CModel& model, EditDialogs& dialogs, int slot);
