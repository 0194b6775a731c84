#include "ui/ViewRules.h"

#include "model/Category.h"
#include "model/Model.h"
#include "model/Text.h"
#include "platform/FileSystem.h"

bool SlotActive(const CModel& model, int slot) {
    const ButtonWindowState& edit = model.editState;
    return !(edit.PendingOperation() && edit.sourceSlot == slot &&
             edit.sourceCategory == model.CurrentCategoryIndex());
}

int SteppedCategory(const CModel& model, int step) {
    const int current = model.CurrentCategoryIndex();
    for (int i = 1; i <= kMaxCategories; ++i) {
        const int index = ((current + step * i) % kMaxCategories + kMaxCategories) % kMaxCategories;
        if (model.Category(index))
            return index;
    }
    return current;
}

int HomeCategory(const CModel& model) {
    const std::string& name = model.settings.CategoryOnEntry;
    if (Trim(name).empty())
        return 0;
    const int index = model.FindCategoryByName(name);
    return index >= 0 && index < kMaxCategories ? index : 0;
}

AutoHideAction OnActivationChange(const CModel& model, const FrameActivity& frame, bool active) {
    if (!frame.viewReady || frame.busy || model.modal || !model.settings.AutoHide)
        return AutoHideAction::None;
    if (!active)
        return frame.closing || frame.ownWindowActive ? AutoHideAction::None
                                                      : AutoHideAction::Collapse;
    return AutoHideAction::Expand;
}

AutoHideAction ReconcileAutoHide(const CModel& model, const FrameActivity& frame, bool active,
                                 bool collapsed) {
    // With auto-hide switched off (the pushpin, the tutorial, the options) a
    // rolled-up window has nothing left that would bring it back.
    if (collapsed && !model.settings.AutoHide && frame.viewReady && !frame.closing)
        return AutoHideAction::Expand;
    const AutoHideAction action = OnActivationChange(model, frame, active);
    if (action == AutoHideAction::Collapse && !collapsed)
        return action;
    if (action == AutoHideAction::Expand && collapsed)
        return action;
    return AutoHideAction::None;
}

bool HideWhenCollapsed(const CSettings& s, bool trayAvailable) {
    return s.InvisibleOnAutoHide && trayAvailable;
}

bool MayClose(CModel& model, const std::function<bool()>& save) {
    if (!model.settingsModified)
        return true;
    if (save())
        return true;
    // The save left its reason, in the system's words, in saveError.
    const std::string reason = model.saveError.empty() ? "" : model.saveError + "\r\n\r\n";
    const std::string text =
        Format("Your changes could not be saved to the configuration \"%s\".\r\n\r\n",
               model.configName.c_str()) +
        reason +
        "Close DORVANE anyway and lose them? Choose No to keep DORVANE open, free "
        "some disk space or fix the folder's permissions, and save again.";
    return model.Message(text, "Save Failed", MsgIcon::Exclamation, MsgButtons::YesNo) ==
           MsgAnswer::Yes;
}
