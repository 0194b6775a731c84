#pragma once

#include <set>
#include <string>

class CModel;

// What a menu item shows: enabled, checked and, where the rules rename it,
// its text (empty: keep the table's text).
struct MenuItemState {
    bool enabled = true;
    bool checked = false;
    std::string text;
    bool operator==(const MenuItemState&) const = default;
};

// Facts the rules need that the model does not hold; the window fills them
// in from the platform and the other subsystems.
struct MenuFacts {
    bool screenSaverAvailable = false;
    bool webBrowserFound = false;
    bool tutorialRunning = false;
    bool scheduledLaunchesExist = false;
    int configurationCount = 1; // as the configuration commands count them
    int favoritesCount = 0;     // nodes of the Favorites tree
    // The categories stand in sorted order by the user's collation
    // (CategoriesInOrder); Sort is offered only when they do not.
    bool categoriesInOrder = true;
};

// The enabling and check rules of the menus. A command is enabled only once
// the window has made it available (its handler exists); the rules then
// decide. Unknown ids stay disabled until made available.
class CMenuState {
  public:
    explicit CMenuState(const CModel& model) : model_(model) {}

    void SetAvailable(int id, bool available);
    bool Available(int id) const { return available_.count(id) != 0; }

    // The state of a main-menu, system-menu or tray command.
    MenuItemState State(int id, const MenuFacts& facts) const;

    // The state of a context-menu command for slot `slot` of the current
    // category (menus 131, 132, 134).
    MenuItemState ContextState(int id, int slot) const;

    // Whether a top-level popup (by its caption, long or short) is enabled:
    // Setup, Configurations, Open and Favorites are disabled while a two-click
    // operation is pending.
    bool TopMenuEnabled(const std::string& caption) const;

    // The configuration counts as changed for Save: the modified flag, or
    // AutoHide/LockWindowPosition differing from their values at the last
    // load or save.
    static bool HasUnsavedChanges(const CModel& model);

  private:
    const CModel& model_;
    std::set<int> available_;
};
