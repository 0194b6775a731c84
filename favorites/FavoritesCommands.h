#pragma once

class CModel;

// The Favorites commands of the button window. Each rebuilds the Favorites
// menus through the view and marks the configuration modified when it changes
// the tree.

// "&Add to Favorites": a copy of the button in `slot` of the current category
// at the end of the root menu. A button without a name is refused with a
// message. True when an item was added.
bool AddToFavorites(CModel& model, int slot);

// "&Add Current Category": after the user confirms, a submenu named after the
// current category holding a copy of each of its buttons. True when added.
bool AddCurrentCategory(CModel& model);

// Whether "&Add Current Category" is offered: the current category holds a
// button.
bool CanAddCurrentCategory(const CModel& model);

// A Favorites item chosen from the menu: launched as a button given directly
// (no sound, no report). False when no item has that command id.
bool LaunchFavorite(CModel& model, int commandId);
