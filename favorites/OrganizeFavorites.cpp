#include "favorites/OrganizeFavorites.h"

#include <algorithm>
#include <memory>

#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "favorites/FavoritesSection.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Startup.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/ButtonPropertiesEdit.h"
#include "ui/EditDialogs.h"

namespace {

std::string Indent(int levels) {
    return std::string(static_cast<size_t>(8 * std::max(0, levels)), ' ');
}

// A submenu of depth d is indented d - 2 levels and its items d - 1, so the
// root's entries stand at the margin.
void AppendLines(const CFavoritesMenu& menu, std::vector<FavoritesLine>& lines) {
    for (int i = 0; i < menu.EntryCount(); ++i) {
        if (CFavoritesMenu* sub = menu.SubMenu(i)) {
            lines.push_back({Indent(sub->Depth() - 2) + TrimLeft(sub->Text()) + " -->", sub});
            AppendLines(*sub, lines);
        } else if (CButtonDef* item = menu.Item(i)) {
            lines.push_back({Indent(menu.Depth() - 1) + TrimLeft(item->Name()), nullptr, item});
        }
    }
}

} // namespace

COrganizeFavorites::COrganizeFavorites(CModel& model, EditDialogs& dialogs)
    : model_(model), dialogs_(dialogs), modifiedAtOpening_(model.settingsModified) {}

std::vector<FavoritesLine> COrganizeFavorites::Lines() const {
    std::vector<FavoritesLine> lines;
    if (const CFavoritesMenu* root = model_.favorites.Root())
        AppendLines(*root, lines);
    return lines;
}

int COrganizeFavorites::Selection() const {
    if (!selectedMenu_ && !selectedItem_)
        return -1;
    const std::vector<FavoritesLine> lines = Lines();
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].menu == selectedMenu_ && lines[i].item == selectedItem_)
            return static_cast<int>(i);
    return -1;
}

void COrganizeFavorites::Select(int line) {
    const std::vector<FavoritesLine> lines = Lines();
    selectedMenu_ = nullptr;
    selectedItem_ = nullptr;
    if (line < 0 || line >= static_cast<int>(lines.size()))
        return;
    selectedMenu_ = lines[static_cast<size_t>(line)].menu;
    selectedItem_ = lines[static_cast<size_t>(line)].item;
}

FavoritesPosition COrganizeFavorites::SelectedPosition() const {
    const CFavoritesTree& tree = model_.favorites;
    if (selectedItem_)
        return tree.FindFavoritesEntry(selectedItem_);
    if (selectedMenu_)
        return tree.FindFavoritesEntry(selectedMenu_);
    return {};
}

OrganizeFavoritesStates COrganizeFavorites::States() const {
    OrganizeFavoritesStates states;
    states.save = changed_;
    const FavoritesPosition at = SelectedPosition();
    if (!at.menu)
        return states;
    const int last = at.menu->EntryCount() - 1;
    const bool inSubmenu = at.menu != model_.favorites.Root();
    states.moveUp = at.index > 0;
    states.moveDown = at.index < last;
    states.shiftUp = states.moveUp || inSubmenu;
    states.shiftDown = states.moveDown || inSubmenu;
    states.entry = true;
    return states;
}

void COrganizeFavorites::MoveUp() {
    const FavoritesPosition at = SelectedPosition();
    if (at.menu && at.index > 0 &&
        model_.favorites.SwapFavoritesEntries(at.menu, at.index, at.index - 1))
        changed_ = true;
}

void COrganizeFavorites::MoveDown() {
    const FavoritesPosition at = SelectedPosition();
    if (at.menu && model_.favorites.SwapFavoritesEntries(at.menu, at.index, at.index + 1))
        changed_ = true;
}

// Takes the entry out first, so that an item's id is free again for its
// new place even when every other id is in use.
void COrganizeFavorites::MoveTo(int index) {
    const FavoritesPosition at = SelectedPosition();
    if (!at.menu || at.index == (index < 0 ? at.menu->EntryCount() - 1 : index))
        return;
    CFavoritesTree& tree = model_.favorites;
    tree.InsertFavoritesEntry(tree.DetachFavoritesEntry(at.menu, at.index), at.menu, index);
    changed_ = true;
}

void COrganizeFavorites::MoveToTop() {
    MoveTo(0);
}

void COrganizeFavorites::MoveToBottom() {
    MoveTo(-1);
}

void COrganizeFavorites::ShiftUp() {
    const FavoritesPosition at = SelectedPosition();
    if (!at.menu)
        return;
    if (at.index > 0) {
        MoveUp();
        return;
    }
    CFavoritesMenu* parent = at.menu->Parent();
    if (!parent)
        return;
    CFavoritesTree& tree = model_.favorites;
    const int before = parent->IndexOf(at.menu);
    CFavoritesEntry entry = tree.DetachFavoritesEntry(at.menu, at.index);
    CFavoritesMenu* moved = entry.menu.get();
    tree.InsertFavoritesEntry(std::move(entry), parent, before);
    CFavoritesTree::ShiftDepth(moved, -1);
    changed_ = true;
}

void COrganizeFavorites::ShiftDown() {
    const FavoritesPosition at = SelectedPosition();
    if (!at.menu)
        return;
    CFavoritesTree& tree = model_.favorites;
    if (at.index < at.menu->EntryCount() - 1) {
        CFavoritesMenu* next = at.menu->SubMenu(at.index + 1);
        if (!next) {
            MoveDown();
            return;
        }
        CFavoritesEntry entry = tree.DetachFavoritesEntry(at.menu, at.index);
        CFavoritesMenu* moved = entry.menu.get();
        tree.InsertFavoritesEntry(std::move(entry), next, 0);
        CFavoritesTree::ShiftDepth(moved, +1);
        changed_ = true;
        return;
    }
    CFavoritesMenu* parent = at.menu->Parent();
    if (!parent)
        return;
    const int after = parent->IndexOf(at.menu) + 1;
    CFavoritesEntry entry = tree.DetachFavoritesEntry(at.menu, at.index);
    CFavoritesMenu* moved = entry.menu.get();
    tree.InsertFavoritesEntry(std::move(entry), parent, after);
    CFavoritesTree::ShiftDepth(moved, -1);
    changed_ = true;
}

void COrganizeFavorites::AddMenu(int offset) {
    const FavoritesPosition at = SelectedPosition();
    if (!at.menu)
        return;
    TextInputRequest request;
    request.title = "New Menu Item Text";
    request.prompt = "Please enter the text for the new menu item";
    request.label = "Menu Text";
    const std::optional<std::string> answer = dialogs_.TextInput(request);
    // The file keeps a menu's text trimmed; so does the tree.
    const std::string text = answer ? Trim(*answer) : std::string();
    if (text.empty())
        return;
    CFavoritesTree& tree = model_.favorites;
    if (tree.InsertFavoritesEntry(tree.NewFavoritesMenu(text, at.menu), at.menu, at.index + offset))
        changed_ = true;
}

void COrganizeFavorites::AddMenuAbove() {
    AddMenu(0);
}

void COrganizeFavorites::AddMenuBelow() {
    AddMenu(1);
}

void COrganizeFavorites::Delete() {
    const FavoritesPosition at = SelectedPosition();
    if (!at.menu)
        return;
    const int count = model_.favorites.RemoveFavoritesEntry(at.menu, at.index);
    changed_ = true;
    selectedMenu_ = nullptr;
    selectedItem_ = nullptr;
    if (count > 0) {
        const int next = std::min(at.index, count - 1);
        selectedMenu_ = at.menu->SubMenu(next);
        selectedItem_ = at.menu->Item(next);
    } else if (at.menu != model_.favorites.Root()) {
        // The menu is empty now: it keeps the selection where the entry was.
        selectedMenu_ = at.menu;
    }
}

void COrganizeFavorites::Rename() {
    if (!SelectedPosition().menu)
        return;
    TextInputRequest request;
    request.title = "Rename Menu Item";
    request.prompt = "Please enter the new name for the menu item";
    request.label = "Item Name";
    request.initial = selectedItem_ ? selectedItem_->Name() : selectedMenu_->Text();
    request.selectAll = true;
    const std::optional<std::string> answer = dialogs_.TextInput(request);
    const std::string text = answer ? Trim(*answer) : std::string();
    if (text.empty())
        return;
    if (selectedItem_)
        selectedItem_->SetName(text);
    else
        selectedMenu_->SetText(text);
    changed_ = true;
}

void COrganizeFavorites::Properties() {
    if (!SelectedPosition().menu)
        return;
    if (!selectedItem_) {
        Rename();
        return;
    }
    // The edit replaces the item's record in place, so its entry keeps the
    // command id.
    CButtonPropertiesEdit edit(model_, *selectedItem_);
    dialogs_.ButtonProperties(edit);
    if (edit.Applied())
        changed_ = true;
}

void COrganizeFavorites::DropFile(const std::string& path) {
    const FileSystem& fs = model_.platform.fs;
    if (!FileExists(fs, path) && !IsDriveRoot(fs, path))
        return;
    auto item = std::make_unique<CButtonDef>(model_, "", path, "", 0, 1);
    item->ReadUrlFile();
    if (Trim(item->Name()).empty())
        item->SetName(FileNameOf(fs, item->Target()));

    CFavoritesTree& tree = model_.favorites;
    const FavoritesPosition at = SelectedPosition();
    CFavoritesMenu* menu = tree.Root();
    int index = -1;
    if (selectedMenu_ && at.menu) {
        menu = selectedMenu_;
    } else if (selectedItem_ && at.menu) {
        menu = at.menu;
        index = at.index + 1;
    }
    if (!tree.InsertFavoritesEntry(CFavoritesEntry(std::move(item)), menu, index)) {
        model_.Message(Format("The Favorites menu is full: it can hold %d items.\r\n\r\n"
                              "The dropped file was not added. Delete items you no longer "
                              "need to make room.",
                              kFavoritesIdEnd - kFirstFavoritesId),
                       "Favorites Menu is Full", MsgIcon::Exclamation);
        return;
    }
    PlayActionSound(model_, "Pop", true);
    selectedMenu_ = nullptr;
    selectedItem_ = nullptr;
    changed_ = true;
}

bool COrganizeFavorites::Save() {
    // The writer tells the user of a failure, with the system's reason.
    const bool saved = WriteConfiguration(model_);
    // The tree changed live: the menus show it whatever became of the file.
    model_.View().RebuildFavoritesMenu();
    if (!saved)
        return false;
    changed_ = false;
    return true;
}

bool COrganizeFavorites::Cancel() {
    if (!changed_)
        return true;
    const MsgAnswer answer =
        model_.Message("The Favorites menu has been changed.\r\n\r\n"
                       "Do you want to save the changes?",
                       "Save Changes?", MsgIcon::Exclamation, MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes)
        return Save();
    RestoreFromFile();
    return true;
}

void COrganizeFavorites::RestoreFromFile() {
    selectedMenu_ = nullptr;
    selectedItem_ = nullptr;
    CFavoritesTree& tree = model_.favorites;
    tree.ResetFavorites();
    const ConfigSource file =
        ConfigSource::Read(model_.platform.fs, ConfigFilePath(model_, model_.configName));
    if (file.Readable())
        ReadFavorites(model_, file.Text(), file.Path());
    model_.View().RebuildFavoritesMenu();
    // The tree is as saved again; an item edited meanwhile marked the
    // configuration modified.
    model_.settingsModified = modifiedAtOpening_;
    changed_ = false;
}

void COrganizeFavorites::Help() {
    model_.Message(
        "Select an entry of the list, then:\r\n\r\n"
        "Move Up, Move Down, Top and Bottom move it within its menu. Move Up <--> and "
        "Move Down <--> also move it out of its menu, or into the menu just below it.\r\n\r\n"
        "Add Menu Above and Add Menu Below insert a new, empty menu. Rename changes the text "
        "of an entry; Properties edits an item as the Button Properties of a button. Delete "
        "removes the entry, a menu with everything in it.\r\n\r\n"
        "A file dropped on this window becomes an item after the selected item, at the end "
        "of the selected menu, or at the end of the favorites menu.\r\n\r\n"
        "Save writes the changes to the configuration. Cancel offers to save them, or puts "
        "the favorites menu back as it was last saved.",
        "Organize Favorites Menu", MsgIcon::Information);
}

void OrganizeFavorites(CModel& model, EditDialogs& dialogs) {
    if (!model.favorites.Exist() || !model.favorites.Root())
        return;
    COrganizeFavorites organize(model, dialogs);
    dialogs.OrganizeFavorites(organize);
}
