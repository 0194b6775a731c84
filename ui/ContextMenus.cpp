#include "ui/ContextMenus.h"

#include "model/Model.h"
#include "ui/MenuIds.h"
#include "ui/MenuState.h"
#include "ui/MenuTable.h"

std::optional<PreparedContextMenu> PrepareContextMenu(CModel& model, const CMenuState& state,
                                                      int slot) {
    if (model.editState.PendingOperation() || slot < 0 || slot >= kSlotsPerCategory)
        return std::nullopt;
    model.editState.rightClickedSlot = slot;
    PreparedContextMenu prepared;
    const bool occupied = model.HasButton(-1, slot);
    const bool withBackup = model.settings.FileBackupEnabled;
    prepared.menu = !occupied ? kEmptySlotMenu : withBackup ? kButtonBackupMenu : kButtonMenu;
    const std::vector<MenuItemDef>& items =
        occupied ? ButtonContextMenu(withBackup) : EmptySlotContextMenu();
    for (const MenuItemDef& item : items) {
        ContextMenuEntry entry;
        if (item.kind == MenuItemDef::Kind::Separator) {
            entry.separator = true;
        } else {
            // Items whose commands the window has not made available (those of
            // features still to come) stay in the menu, disabled.
            const MenuItemState st = state.ContextState(item.id, slot);
            entry.id = item.id;
            entry.text = st.text.empty() ? item.text : st.text;
            entry.enabled = st.enabled;
            entry.checked = st.checked;
        }
        prepared.entries.push_back(std::move(entry));
    }
    return prepared;
}
