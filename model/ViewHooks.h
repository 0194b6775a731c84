#pragma once

#include <string>

// What core operations ask of the window. The Qt view implements it; until a
// window exists (and in tests) the default implementation does nothing.
class ViewHooks {
  public:
    virtual ~ViewHooks() = default;
    virtual void RefreshCaption() {}
    // A caption set directly, such as the text shown while a file loads.
    virtual void SetCaptionText(const std::string& /*text*/) {}
    // Shows the current category in the grid again (slots, layout, caption,
    // category menus).
    virtual void ShowCategory() {}
    virtual void RedrawSlot(int /*slot*/) {}
    // Gives the keyboard focus to the control of a slot of the shown category.
    virtual void FocusSlot(int /*slot*/) {}
    virtual void RebuildCategoryMenus() {}
    virtual void RebuildConfigurationMenus() {}
    virtual void RebuildFavoritesMenu() {}
    virtual void RefreshMenuBar() {}
    virtual void ApplyWindowSettings() {}
    // Repaints the main window at once, while a long operation runs.
    virtual void RepaintNow() {}
};
