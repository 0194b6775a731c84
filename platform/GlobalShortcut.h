#pragma once

#include <functional>
#include <memory>
#include <string>

// One key with its modifiers, as the user pressed it. `key` is the key's
// portable name: "D", "5", "F5", "Space", "PgUp", ",".
struct KeyCombination {
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
    bool meta = false; // the Super ("Windows") key
    std::string key;
    bool operator==(const KeyCombination&) const = default;
};

// What the desktop said to a request for a combination.
enum class ShortcutGrab {
    Active,       // pressing it anywhere reaches Dorvane
    Pending,      // the desktop has not answered yet (it may ask the user)
    TakenByOther, // another program holds it; it was left to that program
    Refused,      // the desktop would not bind it
    Unsupported   // the desktop offers no global shortcuts to programs
};

// A combination the desktop delivers to Dorvane wherever the focus is.
class GlobalShortcut {
  public:
    virtual ~GlobalShortcut() = default;
    // Asks for `combination`, replacing any earlier one; `done` receives the
    // outcome, at once or when the desktop answers.
    virtual void Bind(const KeyCombination& combination,
                      std::function<void(ShortcutGrab)> done) = 0;
    virtual void Unbind() = 0;
};

enum class ShortcutBackend { None, X11, Portal };

// What the session offers for global shortcuts, and the backends themselves.
class ShortcutDesktop {
  public:
    virtual ~ShortcutDesktop() = default;
    // The windows live on an X server (also XWayland).
    virtual bool X11() const = 0;
    // The session is a Wayland one, whatever the windows use.
    virtual bool WaylandSession() const = 0;
    // The desktop portal offers GlobalShortcuts (asks the session bus).
    virtual bool PortalOffersShortcuts() = 0;
    // `activated` runs on the user-interface thread each time the
    // combination is pressed.
    virtual std::unique_ptr<GlobalShortcut> Create(ShortcutBackend backend,
                                                   std::function<void()> activated) = 0;
};
