#pragma once

#include "platform/GlobalShortcut.h"

// The running session as Qt sees it: X11 through the xcb platform, Wayland
// by its session variables, and the portal asked over the session bus only
// when a shortcut is wanted.
class QtShortcutDesktop : public ShortcutDesktop {
  public:
    bool X11() const override;
    bool WaylandSession() const override;
    bool PortalOffersShortcuts() override;
    std::unique_ptr<GlobalShortcut> Create(ShortcutBackend backend,
                                           std::function<void()> activated) override;
};
