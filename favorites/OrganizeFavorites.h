#pragma once

#include <string>
#include <vector>

class CButtonDef;
class CFavoritesMenu;
class CModel;
class EditDialogs;
struct FavoritesPosition;

// One line of the Organize Favorites list and the entry it shows: a submenu
// or an item.
struct FavoritesLine {
    std::string text;
    CFavoritesMenu* menu = nullptr;
    CButtonDef* item = nullptr;
};

// Which buttons of the dialog can be used.
struct OrganizeFavoritesStates {
    bool moveUp = false;   // also "&Top"
    bool moveDown = false; // also "Botto&m"
    bool shiftUp = false;
    bool shiftDown = false;
    bool entry = false; // Delete, Rename, Properties, Add Menu Above and Below
    bool save = false;
    bool operator==(const OrganizeFavoritesStates&) const = default;
};

// The Organize Favorites dialog's rules. It edits the live Favorites tree;
// the menus show the tree again only after Save or Cancel.
class COrganizeFavorites {
  public:
    COrganizeFavorites(CModel& model, EditDialogs& dialogs);

    // The whole tree, indented by depth, the root's entries at the margin.
    std::vector<FavoritesLine> Lines() const;
    // The selected line, -1 for none.
    int Selection() const;
    void Select(int line);
    OrganizeFavoritesStates States() const;
    // Set by every change, cleared by a successful save.
    bool Changed() const { return changed_; }

    // Moves of the selected entry inside its menu.
    void MoveUp();
    void MoveDown();
    void MoveToTop();
    void MoveToBottom();
    // "Move U&p <-->": up, or out of its submenu above it when first.
    void ShiftUp();
    // "Move Dow&n <-->": down, into the next submenu, or out of its submenu
    // below it when last.
    void ShiftDown();
    // A new empty submenu before or after the selected entry, named by the
    // user.
    void AddMenuAbove();
    void AddMenuBelow();
    // Removes the entry (a submenu with everything in it); its successor, or
    // the new last entry of that menu, is selected.
    void Delete();
    void Rename();
    // An item in the Button Properties dialog; a submenu is renamed.
    void Properties();
    // A dropped file becomes an item: after the selected item, at the end of
    // the selected submenu, or at the end of the top level.
    void DropFile(const std::string& path);
    // Saves the configuration and shows the tree in the menus. A failed save
    // is reported and leaves the dialog changed; false then.
    bool Save();
    // Offers to save the changes; declining restores the tree from the
    // configuration file. True when the dialog closes.
    bool Cancel();
    // A short description of the dialog's buttons.
    void Help();

  private:
    FavoritesPosition SelectedPosition() const;
    void MoveTo(int index);
    void AddMenu(int offset);
    void RestoreFromFile();

    CModel& model_;
    EditDialogs& dialogs_;
    CFavoritesMenu* selectedMenu_ = nullptr;
    CButtonDef* selectedItem_ = nullptr;
    bool changed_ = false;
    bool modifiedAtOpening_;
};

// "&Organize..." / "Organize &Favorites...": the dialog on the live tree.
void OrganizeFavorites(CModel& model, EditDialogs& dialogs);
