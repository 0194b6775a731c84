#pragma once

#include "model/ViewHooks.h"

class CMainFrame;

// The window side of the core's view hooks: each call goes to the frame or
// its button grid.
class QtViewHooks : public ViewHooks {
  public:
    explicit QtViewHooks(CMainFrame& frame) : frame_(frame) {}

    void RefreshCaption() override;
    void SetCaptionText(const std::string& text) override;
    void ShowCategory() override;
    void RedrawSlot(int slot) override;
    void FocusSlot(int slot) override;
    void RebuildCategoryMenus() override;
    void RebuildConfigurationMenus() override;
    void RebuildFavoritesMenu() override;
    void RefreshMenuBar() override;
    void ApplyWindowSettings() override;
    void RepaintNow() override;

  private:
    CMainFrame& frame_;
};
