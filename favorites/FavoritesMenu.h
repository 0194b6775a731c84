#pragma once

#include <memory>
#include <string>
#include <vector>

class CButtonDef;
class CFavoritesMenu;
class CFavoritesTree;

// One entry of a Favorites menu: a submenu or an item, which is a copy of a
// button with the command id that launches it from the menu.
struct CFavoritesEntry {
    CFavoritesEntry();
    CFavoritesEntry(std::unique_ptr<CFavoritesMenu> submenu);
    CFavoritesEntry(std::unique_ptr<CButtonDef> button);
    CFavoritesEntry(CFavoritesEntry&&) noexcept;
    CFavoritesEntry& operator=(CFavoritesEntry&&) noexcept;
    ~CFavoritesEntry();

    bool IsMenu() const { return menu != nullptr; }
    bool IsEmpty() const { return !menu && !item; }
    const void* Object() const;

    std::unique_ptr<CFavoritesMenu> menu;
    std::unique_ptr<CButtonDef> item;
    int commandId = 0; // items only; given on insertion
};

// One menu of the Favorites tree. It owns its entries; destroying it destroys
// its submenus and items. Menus are made by CFavoritesTree::NewFavoritesMenu
// and must not outlive their tree.
class CFavoritesMenu {
  public:
    virtual ~CFavoritesMenu();
    CFavoritesMenu(const CFavoritesMenu&) = delete;
    CFavoritesMenu& operator=(const CFavoritesMenu&) = delete;

    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    CFavoritesMenu* Parent() const { return parent_; }
    // 1 for the root, the parent's depth + 1 below it.
    int Depth() const { return depth_; }

    int EntryCount() const { return static_cast<int>(entries_.size()); }
    bool IsMenu(int index) const;
    CFavoritesMenu* SubMenu(int index) const; // null for an item or a bad index
    CButtonDef* Item(int index) const;        // null for a submenu or a bad index
    int CommandId(int index) const;           // 0 for a submenu or a bad index
    // The position of an entry object (submenu or item); -1 when not here.
    int IndexOf(const void* object) const;

  private:
    friend class CFavoritesTree;
    CFavoritesMenu(CFavoritesTree* tree, size_t node, std::string text, CFavoritesMenu* parent);

    CFavoritesTree* tree_;
    size_t node_; // this menu's entry in the tree's node array
    std::string text_;
    CFavoritesMenu* parent_;
    int depth_;
    std::vector<CFavoritesEntry> entries_;
};
