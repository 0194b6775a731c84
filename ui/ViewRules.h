#pragma once

#include <functional>
#include <string>

class CModel;
class FileSystem;
struct CSettings;

// Decisions of the window that are about the model, kept out of the widgets.

// A slot of the current category is drawn inactive while it is the source of
// a pending move, copy or copy-icon operation.
bool SlotActive(const CModel& model, int slot);

// The category shown by the menu-bar arrows: the previous (`step` -1) or next
// (+1) existing category, wrapping around at both ends.
int SteppedCategory(const CModel& model, int step);

// The category the home button shows: the one named by CategoryOnEntry, or
// the first when the name is empty or unknown.
int HomeCategory(const CModel& model);

// What a change of the window's activation does under auto-hide.
enum class AutoHideAction { None, Collapse, Expand };
struct FrameActivity {
    bool viewReady = false; // the view exists and the start-up placement ran
    bool busy = false;      // a layout runs or the tray menu is open
    bool closing = false;
    bool ownWindowActive = false; // another window of the program took the focus
};
// The model's modal flag (a message box or dialog of the program is up) and
// any other window of the program being active always win: nothing collapses
// the window behind them.
AutoHideAction OnActivationChange(const CModel& model, const FrameActivity& frame, bool active);

// What brings the window in line with its activation once the program's own
// geometry changes are done (an activation change met while they ran was set
// aside): collapsed while inactive, expanded while active. None when it
// already is so, or when the same guards as above hold auto-hide back. A
// collapsed window expands whenever auto-hide is off.
AutoHideAction ReconcileAutoHide(const CModel& model, const FrameActivity& frame, bool active,
                                 bool collapsed);

// Whether a collapsed window is also hidden: only with InvisibleOnAutoHide and
// a tray icon to bring it back; without a tray the strip stays reachable.
bool HideWhenCollapsed(const CSettings& s, bool trayAvailable);

// Closing: saves a modified configuration through `save`, which reports
// success. When that save fails the user is told (with model.saveError, the
// reason the save left) and asked whether to quit
// anyway, so a full disk never silently loses the changes. True when the
// program may close.
bool MayClose(CModel& model, const std::function<bool()>& save);
