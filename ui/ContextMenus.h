#pragma once

#include <optional>
#include <string>
#include <vector>

class CModel;
class CMenuState;

// One item of a context menu as the widgets show it: the rules have already
// decided its text, enabling and check mark.
struct ContextMenuEntry {
    bool separator = false;
    int id = 0;
    std::string text;
    bool enabled = true;
    bool checked = false;
};

struct PreparedContextMenu {
    int menu = 0; // 131 (occupied button), 134 (with the backup items) or 132 (empty slot)
    std::vector<ContextMenuEntry> entries;
};

// A right click on `slot` of the current category: remembers it as the
// right-clicked slot and prepares its menu. Nullopt while a two-click
// operation is pending: no menu shows and the right click counts as a click.
std::optional<PreparedContextMenu> PrepareContextMenu(CModel& model, const CMenuState& state,
                                                      int slot);
