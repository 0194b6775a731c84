#include "favorites/FavoritesMenu.h"

#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"

CFavoritesEntry::CFavoritesEntry() = default;
CFavoritesEntry::CFavoritesEntry(std::unique_ptr<CFavoritesMenu> submenu)
    : menu(std::move(submenu)) {}
CFavoritesEntry::CFavoritesEntry(std::unique_ptr<CButtonDef> button) : item(std::move(button)) {}
CFavoritesEntry::CFavoritesEntry(CFavoritesEntry&&) noexcept = default;
CFavoritesEntry& CFavoritesEntry::operator=(CFavoritesEntry&&) noexcept = default;
CFavoritesEntry::~CFavoritesEntry() = default;

const void* CFavoritesEntry::Object() const {
    if (menu) {
        return menu.get();
    }
    return item.get();
}

CFavoritesMenu::CFavoritesMenu(CFavoritesTree* tree, size_t node, std::string text,
                               CFavoritesMenu* parent)
    : tree_(tree), node_(node), text_(std::move(text)), parent_(parent),
      depth_(parent ? parent->depth_ + 1 : 1) {}

CFavoritesMenu::~CFavoritesMenu() {
    // The node array may have been emptied by a reset since this menu was made.
    std::vector<CFavoritesMenu*>& nodes = tree_->nodes_;
    if (node_ < nodes.size() && nodes[node_] == this) {
        nodes[node_] = nullptr;
    }
    // Submenus are taken out and destroyed one by one, each after its own
    // submenus were taken: a deep tree must not recurse once per level.
    std::vector<std::unique_ptr<CFavoritesMenu>> pending;
    const auto takeSubmenus = [&pending](std::vector<CFavoritesEntry>& entries) {
        for (CFavoritesEntry& entry : entries) {
            if (entry.menu) {
                pending.push_back(std::move(entry.menu));
            }
        }
    };
    takeSubmenus(entries_);
    while (!pending.empty()) {
        std::unique_ptr<CFavoritesMenu> menu = std::move(pending.back());
        pending.pop_back();
        takeSubmenus(menu->entries_);
    }
}

bool CFavoritesMenu::IsMenu(int index) const {
    return SubMenu(index) != nullptr;
}

CFavoritesMenu* CFavoritesMenu::SubMenu(int index) const {
    if (index < 0 || index >= EntryCount()) {
        return nullptr;
    }
    return entries_[static_cast<size_t>(index)].menu.get();
}

CButtonDef* CFavoritesMenu::Item(int index) const {
    if (index < 0 || index >= EntryCount()) {
        return nullptr;
    }
    return entries_[static_cast<size_t>(index)].item.get();
}

int CFavoritesMenu::CommandId(int index) const {
    if (Item(index) == nullptr) {
        return 0;
    }
    return entries_[static_cast<size_t>(index)].commandId;
}

int CFavoritesMenu::IndexOf(const void* object) const {
    if (object == nullptr) {
        return -1;
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].Object() == object) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
