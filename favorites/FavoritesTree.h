#pragma once

#include "favorites/FavoritesMenu.h"

#include <memory>
#include <string>
#include <vector>

// Command ids of Favorites items: [kFirstFavoritesId, kFavoritesIdEnd). The
// configuration list's ids start at kFavoritesIdEnd.
inline constexpr int kFirstFavoritesId = 34000;
inline constexpr int kFavoritesIdEnd = 34500;

// The deepest a Favorites menu may lie: the root has depth 1, so menus nest
// at most kMaxFavoritesDepth - 1 levels below it. A file's deeper menus are
// dropped on reading, with a message; nobody can use a menu 60,000 levels down.
inline constexpr int kMaxFavoritesDepth = 32;

// Where an entry object sits in the tree; menu null and index -1 when nowhere.
struct FavoritesPosition {
    CFavoritesMenu* menu = nullptr;
    int index = -1;
};

// The Favorites menu tree: its root, the array of every menu made since the
// last reset (destroyed ones leave null), and the item command ids.
class CFavoritesTree {
  public:
    CFavoritesTree();
    ~CFavoritesTree();
    CFavoritesTree(const CFavoritesTree&) = delete;
    CFavoritesTree& operator=(const CFavoritesTree&) = delete;

    // Destroys the tree and starts a new one with an empty root; ids restart
    // at kFirstFavoritesId.
    void ResetFavorites();
    // A menu below `parent` (null: a top-level menu) recorded in the node
    // array; inserting it into its parent is up to the caller.
    std::unique_ptr<CFavoritesMenu> NewFavoritesMenu(const std::string& text,
                                                     CFavoritesMenu* parent);
    // Inserts before `index` of `menu` (null: the root, made when missing);
    // -1 or the entry count appends. An item takes the next free command id.
    // False, and the entry is destroyed, for a bad index, an empty entry or
    // when every item id is taken.
    bool InsertFavoritesEntry(CFavoritesEntry entry, CFavoritesMenu* menu, int index);
    // Destroys the entry at `index` of `menu` (null: the root); returns the
    // new entry count, or 0 for a bad index.
    int RemoveFavoritesEntry(CFavoritesMenu* menu, int index);
    // Takes the entry at `index` out of `menu` without destroying it, so it can
    // be inserted elsewhere; an empty entry for a bad index.
    CFavoritesEntry DetachFavoritesEntry(CFavoritesMenu* menu, int index);
    // Exchanges two entries of `menu`; items keep their command ids. False for
    // a bad index.
    bool SwapFavoritesEntries(CFavoritesMenu* menu, int first, int second);
    // Destroys every entry of `menu` and clears its node-array entry.
    void DestroyFavoritesMenu(CFavoritesMenu* menu);
    // Adds `delta` to the depth of `menu` and of all its submenus.
    static void ShiftDepth(CFavoritesMenu* menu, int delta);
    // Calls `visit` for every entry below `menu`, depth first in display order,
    // without recursion: `level` is 0 for the entries of `menu` itself. `leave`
    // is called after the last entry of each submenu.
    template <typename Visit, typename Leave>
    static void Walk(const CFavoritesMenu& menu, Visit visit, Leave leave);

    // The menu and position holding a submenu or item object.
    FavoritesPosition FindFavoritesEntry(const CFavoritesMenu* submenu) const;
    FavoritesPosition FindFavoritesEntry(const CButtonDef* item) const;
    // The item with this command id, or null.
    CButtonDef* FindFavoritesItem(int commandId) const;
    // How many more items the tree can take before every command id is in use.
    int FreeItemIds() const;

    // Node-array entries, null ones included; the favorites exist above 0.
    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    bool Exist() const { return !nodes_.empty(); }
    CFavoritesMenu* Node(int index) const;
    CFavoritesMenu* Root() const { return root_.get(); }

  private:
    friend class CFavoritesMenu;
    FavoritesPosition FindObject(const void* object) const;
    int TakeCommandId();

    std::vector<CFavoritesMenu*> nodes_;
    std::unique_ptr<CFavoritesMenu> root_; // after nodes_: destroyed first
    int nextId_ = kFirstFavoritesId;
    // Until the ids first run out, every id from nextId_ on is free, so no
    // insertion has to look for one (a load stays linear).
    bool idsWrapped_ = false;
};

template <typename Visit, typename Leave>
void CFavoritesTree::Walk(const CFavoritesMenu& menu, Visit visit, Leave leave) {
    struct Open {
        const CFavoritesMenu* menu;
        int next;
    };
    std::vector<Open> open{{&menu, 0}};
    while (!open.empty()) {
        Open& top = open.back();
        if (top.next >= top.menu->EntryCount()) {
            const CFavoritesMenu* done = top.menu;
            open.pop_back();
            if (!open.empty())
                leave(*done, static_cast<int>(open.size()) - 1);
            continue;
        }
        const int index = top.next++;
        const CFavoritesMenu* parent = top.menu;
        const int level = static_cast<int>(open.size()) - 1;
        visit(*parent, index, level);
        if (const CFavoritesMenu* sub = parent->SubMenu(index))
            open.push_back({sub, 0});
    }
}
