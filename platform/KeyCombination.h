#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/GlobalShortcut.h"

// Key combinations as the profile stores them: Qt's portable text, such as
// "Ctrl+Alt+D" or "Meta+F12"; modifiers are matched without regard to case.

// The combination of `text`; nullopt for anything but modifiers followed by
// one known key ("Ctrl+Alt", "Ctrl+D, Ctrl+E", "Ctrl+Foo").
std::optional<KeyCombination> ParseKeyCombination(std::string_view text);
// The portable text in the canonical order Ctrl, Alt, Shift, Meta.
std::string KeyCombinationText(const KeyCombination& combination);
// Why the combination cannot be a global shortcut ("" when it can): a key
// without Ctrl, Alt or Super would stop typing it in every other program.
std::string GlobalCombinationProblem(const KeyCombination& combination);

// The X keysym of the key (letters in lower case), 0 for an unknown key.
std::uint32_t KeyX11Keysym(const std::string& key);
// The trigger text of the freedesktop shortcuts format: "CTRL+ALT+d".
std::string KeyPortalTrigger(const KeyCombination& combination);
