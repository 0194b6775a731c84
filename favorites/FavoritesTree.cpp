#include "favorites/FavoritesTree.h"

#include <algorithm>
#include <utility>

#include "model/ButtonDef.h"

#include <algorithm>

CFavoritesTree::CFavoritesTree() = default;
CFavoritesTree::~CFavoritesTree() = default;

void CFavoritesTree::ResetFavorites() {
    root_.reset();
    nodes_.clear();
    root_ = NewFavoritesMenu("", nullptr);
    nextId_ = kFirstFavoritesId;
    idsWrapped_ = false;
}

std::unique_ptr<CFavoritesMenu> CFavoritesTree::NewFavoritesMenu(const std::string& text,
                                                                 CFavoritesMenu* parent) {
    std::unique_ptr<CFavoritesMenu> menu(new CFavoritesMenu(this, nodes_.size(), text, parent));
    nodes_.push_back(menu.get());
    return menu;
}

bool CFavoritesTree::InsertFavoritesEntry(CFavoritesEntry entry, CFavoritesMenu* menu, int index) {
    if (entry.IsEmpty()) {
        return false;
    }
    if (menu == nullptr) {
        if (!root_) {
            root_ = NewFavoritesMenu("", nullptr);
        }
        menu = root_.get();
    }
    const int count = menu->EntryCount();
    if (index < -1 || index > count) {
        return false;
    }
    if (entry.IsMenu()) {
        // A menu inside itself would own itself. Only a menu with submenus can
        // be an ancestor of another, so a new one needs no walk up the tree.
        const CFavoritesMenu* moved = entry.menu.get();
        const bool hasSubmenus =
            std::any_of(moved->entries_.begin(), moved->entries_.end(),
                        [](const CFavoritesEntry& e) { return e.menu != nullptr; });
        for (const CFavoritesMenu* up = menu; up != nullptr;
             up = hasSubmenus ? up->parent_ : nullptr) {
            if (up == moved) {
                return false;
            }
        }
        entry.menu->parent_ = menu;
    } else {
        entry.commandId = TakeCommandId();
        if (entry.commandId == 0) {
            return false;
        }
    }
    const auto at = index == -1 ? menu->entries_.end() : menu->entries_.begin() + index;
    menu->entries_.insert(at, std::move(entry));
    return true;
}

int CFavoritesTree::RemoveFavoritesEntry(CFavoritesMenu* menu, int index) {
    if (menu == nullptr) {
        menu = root_.get();
    }
    if (menu == nullptr || index < 0 || index >= menu->EntryCount()) {
        return 0;
    }
    menu->entries_.erase(menu->entries_.begin() + index);
    return menu->EntryCount();
}

CFavoritesEntry CFavoritesTree::DetachFavoritesEntry(CFavoritesMenu* menu, int index) {
    if (menu == nullptr) {
        menu = root_.get();
    }
    if (menu == nullptr || index < 0 || index >= menu->EntryCount()) {
        return {};
    }
    CFavoritesEntry entry = std::move(menu->entries_[static_cast<size_t>(index)]);
    menu->entries_.erase(menu->entries_.begin() + index);
    return entry;
}

bool CFavoritesTree::SwapFavoritesEntries(CFavoritesMenu* menu, int first, int second) {
    if (menu == nullptr) {
        menu = root_.get();
    }
    const int count = menu == nullptr ? 0 : menu->EntryCount();
    if (first < 0 || first >= count || second < 0 || second >= count) {
        return false;
    }
    std::swap(menu->entries_[static_cast<size_t>(first)],
              menu->entries_[static_cast<size_t>(second)]);
    return true;
}

void CFavoritesTree::DestroyFavoritesMenu(CFavoritesMenu* menu) {
    if (menu == nullptr) {
        return;
    }
    menu->entries_.clear();
    if (menu->node_ < nodes_.size() && nodes_[menu->node_] == menu) {
        nodes_[menu->node_] = nullptr;
    }
}

void CFavoritesTree::ShiftDepth(CFavoritesMenu* menu, int delta) {
    if (menu == nullptr) {
        return;
    }
    menu->depth_ += delta;
    Walk(
        *menu,
        [delta](const CFavoritesMenu& parent, int index, int) {
            if (CFavoritesMenu* sub = parent.SubMenu(index)) {
                sub->depth_ += delta;
            }
        },
        [](const CFavoritesMenu&, int) {});
}

FavoritesPosition CFavoritesTree::FindObject(const void* object) const {
    for (CFavoritesMenu* menu : nodes_) {
        if (menu == nullptr) {
            continue;
        }
        const int index = menu->IndexOf(object);
        if (index >= 0) {
            return {menu, index};
        }
    }
    return {};
}

FavoritesPosition CFavoritesTree::FindFavoritesEntry(const CFavoritesMenu* submenu) const {
    return FindObject(submenu);
}

FavoritesPosition CFavoritesTree::FindFavoritesEntry(const CButtonDef* item) const {
    return FindObject(item);
}

CButtonDef* CFavoritesTree::FindFavoritesItem(int commandId) const {
    if (commandId == 0) {
        return nullptr;
    }
    for (const CFavoritesMenu* menu : nodes_) {
        if (menu == nullptr) {
            continue;
        }
        for (const CFavoritesEntry& entry : menu->entries_) {
            if (entry.item && entry.commandId == commandId) {
                return entry.item.get();
            }
        }
    }
    return nullptr;
}

CFavoritesMenu* CFavoritesTree::Node(int index) const {
    if (index < 0 || index >= NodeCount()) {
        return nullptr;
    }
    return nodes_[static_cast<size_t>(index)];
}

// Ids count up from the last one given, as long as the range lasts; then the
// ids of removed items are taken again, so that no item ever gets an id of the
// configuration list. 0 when every id of the range is in use.
int CFavoritesTree::FreeItemIds() const {
    int items = 0;
    for (const CFavoritesMenu* menu : nodes_) {
        if (menu == nullptr) {
            continue;
        }
        for (const CFavoritesEntry& entry : menu->entries_) {
            if (entry.item) {
                ++items;
            }
        }
    }
    return std::max(0, kFavoritesIdEnd - kFirstFavoritesId - items);
}

int CFavoritesTree::TakeCommandId() {
    constexpr int kRange = kFavoritesIdEnd - kFirstFavoritesId;
    if (!idsWrapped_) {
        const int id = nextId_;
        if (++nextId_ == kFavoritesIdEnd) {
            nextId_ = kFirstFavoritesId;
            idsWrapped_ = true;
        }
        return id;
    }
    std::vector<bool> used(kRange, false);
    for (const CFavoritesMenu* menu : nodes_) {
        if (menu == nullptr) {
            continue;
        }
        for (const CFavoritesEntry& entry : menu->entries_) {
            const int slot = entry.commandId - kFirstFavoritesId;
            if (entry.item && slot >= 0 && slot < kRange) {
                used[static_cast<size_t>(slot)] = true;
            }
        }
    }
    for (int step = 0; step < kRange; ++step) {
        const int slot = (nextId_ - kFirstFavoritesId + step) % kRange;
        if (!used[static_cast<size_t>(slot)]) {
            nextId_ = kFirstFavoritesId + (slot + 1) % kRange;
            return kFirstFavoritesId + slot;
        }
    }
    return 0;
}
