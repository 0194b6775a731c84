#include "favorites/FavoritesCommands.h"

#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "sounds/PlaySound.h"
#include "ui/Launcher.h"

namespace {

// Every item command id is taken: says how many buttons stayed out.
void SayFavoritesFull(CModel& model, int notAdded) {
    const std::string count =
        notAdded == 1 ? std::string("1 button was") : Format("%d buttons were", notAdded);
    model.Message(
        Format("The Favorites menu is full: it can hold %d items.\r\n\r\n",
               kFavoritesIdEnd - kFirstFavoritesId) +
            count +
            " not added. Remove items you no longer need with \"Organize Favorites...\" to "
            "make room.",
        "Favorites Menu is Full", MsgIcon::Exclamation);
}

} // namespace

bool AddToFavorites(CModel& model, int slot) {
    const CButtonDef* button = model.GetButton(-1, slot);
    if (!button)
        return false;
    if (Trim(button->Name()).empty()) {
        model.Message("A button can be added to the \"favorites\" menu only if it is named.\r\n\r\n"
                      "Use the Button->Properties function to assign a name to the button.",
                      "Button is Not Named", MsgIcon::Stop);
        return false;
    }
    CFavoritesTree& tree = model.favorites;
    if (tree.FreeItemIds() == 0) {
        SayFavoritesFull(model, 1);
        return false;
    }
    if (!tree.InsertFavoritesEntry(CFavoritesEntry(std::make_unique<CButtonDef>(*button)),
                                   tree.Root(), -1))
        return false;
    model.View().RebuildFavoritesMenu();
    PlayActionSound(model, "Pop", true);
    model.SetModified();
    return true;
}

bool CanAddCurrentCategory(const CModel& model) {
    return model.ButtonCount(-1) > 0;
}

bool AddCurrentCategory(CModel& model) {
    const CCategory* category = model.CurrentCategory();
    if (!category || !CanAddCurrentCategory(model))
        return false;
    const std::string& name = category->Name();
    const std::string question =
        Format("Please confirm that you want to create a menu named \"%s\"", name.c_str()) +
        " in the favorites menu. This new menu will contain items"
        " that correspond to all of the buttons in the current category.";
    if (model.Message(question, "Put Category into Favorites Menu?", MsgIcon::Information,
                      MsgButtons::YesNo) != MsgAnswer::Yes)
        return false;
    CFavoritesTree& tree = model.favorites;
    if (!tree.Exist())
        tree.ResetFavorites();
    const int buttons = model.ButtonCount(-1);
    if (tree.FreeItemIds() == 0) {
        SayFavoritesFull(model, buttons);
        return false;
    }
    std::unique_ptr<CFavoritesMenu> menu = tree.NewFavoritesMenu(name, tree.Root());
    CFavoritesMenu* submenu = menu.get();
    if (!tree.InsertFavoritesEntry(CFavoritesEntry(std::move(menu)), tree.Root(), -1))
        return false;
    int added = 0;
    for (int slot = 0; slot < kSlotsPerCategory; ++slot)
        if (const CButtonDef* button = category->Slot(slot))
            if (tree.InsertFavoritesEntry(CFavoritesEntry(std::make_unique<CButtonDef>(*button)),
                                          submenu, -1))
                ++added;
    model.View().RebuildFavoritesMenu();
    model.SetModified();
    if (added < buttons)
        SayFavoritesFull(model, buttons - added);
    return true;
}

bool LaunchFavorite(CModel& model, int commandId) {
    const CButtonDef* item = model.favorites.FindFavoritesItem(commandId);
    if (!item)
        return false;
    LaunchGivenButton(model, *item);
    return true;
}
