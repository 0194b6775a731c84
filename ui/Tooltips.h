#pragma once

#include <string>

class CModel;

// Tooltip texts are held in an 80-byte buffer by the tooltip control; a tip
// is never longer than this many bytes.
inline constexpr std::size_t kMaxTooltipBytes = 79;

// The tip of grid slot `slot` of the current category, by the pending
// two-click operation (model.editState). Empty means no tooltip. Names are cut
// (at a character boundary) so that the whole tip fits.
std::string SlotTooltip(const CModel& model, int slot);

// The tip of a menu-bar bitmap control (alarm clock, screen saver); empty for
// any other id.
std::string ControlTooltip(int id);

// The tip a menu-bar bitmap shows when the pointer rests on it: its control
// tip while popup texts are on (`DisplayPopupText`), otherwise none.
std::string MenuBarTooltip(const CModel& model, int id);
