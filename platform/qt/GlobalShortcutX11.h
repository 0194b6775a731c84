#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <QAbstractNativeEventFilter>

#include "platform/GlobalShortcut.h"

struct xcb_connection_t;

// A global shortcut on X11: a passive grab of the key on the root window,
// once for each state of NumLock and CapsLock, so the combination works
// whatever the lock keys show. A grab another client holds fails with
// BadAccess; then nothing is grabbed and the combination is reported taken.
class GlobalShortcutX11 : public GlobalShortcut, public QAbstractNativeEventFilter {
  public:
    GlobalShortcutX11(xcb_connection_t* connection, std::uint32_t root,
                      std::function<void()> activated);
    ~GlobalShortcutX11() override;

    void Bind(const KeyCombination& combination, std::function<void(ShortcutGrab)> done) override;
    void Unbind() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    ShortcutGrab Grab();
    void Ungrab();

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::function<void()> activated_;
    std::function<void(ShortcutGrab)> done_; // told again after a keyboard change
    KeyCombination combination_;
    bool bound_ = false;
    std::uint8_t keycode_ = 0;
    std::uint16_t modifiers_ = 0;  // the combination's modifier mask
    std::uint16_t considered_ = 0; // the masks a press is compared on
    std::vector<std::uint16_t> grabbed_;
    bool filtering_ = false;
};
