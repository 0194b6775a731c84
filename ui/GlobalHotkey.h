#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/GlobalShortcut.h"

class Profile;

// The profile value holding the global shortcut's portable text. A key
// combination belongs to the desktop it is used on, so it lives beside the
// last configuration's name, not in a configuration file.
inline constexpr const char* kGlobalHotkeyKey = "GlobalHotkey";

enum class HotkeyState { None, Invalid, Pending, Active, TakenByOther, Refused, Unsupported };

// The global shortcut that brings Dorvane up from anywhere: the stored
// combination, the backend the session offers and what the desktop said.
class CGlobalHotkey {
  public:
    CGlobalHotkey(Profile& profile, ShortcutDesktop& desktop, std::function<void()> activated);
    ~CGlobalHotkey();
    CGlobalHotkey(const CGlobalHotkey&) = delete;
    CGlobalHotkey& operator=(const CGlobalHotkey&) = delete;

    // Binds the combination the profile holds. Without one it asks nothing
    // of the desktop (no session bus at start).
    void Start();
    // The stored combination's text; "" for none.
    const std::string& Combination() const { return text_; }
    HotkeyState State() const { return state_; }
    // Whether the session offers global shortcuts at all; the first call
    // asks the desktop.
    bool Available();
    // One sentence on the current state, for the options page.
    std::string StatusText() const;
    // What the page says of a combination recorded but not applied yet: why
    // it cannot be used, that Apply takes it, or the state when it is the
    // stored one.
    std::string ChoiceText(const std::string& text) const;
    // Stores `text` ("" for none) and binds it, releasing the old one. When
    // `text` is no usable combination nothing changes and the reason is
    // returned; "" on success.
    std::string Set(const std::string& text);
    // Runs after every change of State(), also when the desktop answers late.
    void SetStateListener(std::function<void()> listener) { listener_ = std::move(listener); }

  private:
    ShortcutBackend Backend();
    void Bind(const KeyCombination& combination);
    void Release();
    void ChangeState(HotkeyState state);
    std::string UnsupportedText() const;

    Profile& profile_;
    ShortcutDesktop& desktop_;
    std::function<void()> activated_;
    std::function<void()> listener_;
    std::optional<ShortcutBackend> backend_;
    std::unique_ptr<GlobalShortcut> shortcut_;
    std::string text_;
    HotkeyState state_ = HotkeyState::None;
    // Answers for a combination that was replaced meanwhile are ignored.
    unsigned generation_ = 0;
};
