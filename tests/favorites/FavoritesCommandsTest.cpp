#include "favorites/FavoritesCommands.h"

#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

namespace {

class FavoritesCommands : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    CModel model{tp.platform};

    void SetUp() override {
        model.CreateCategory(0, "Tools");
        model.favorites.ResetFavorites();
    }
    CButtonDef* Put(int slot, const std::string& name) {
        const std::string target = dir.Write(name.empty() ? "unnamed" : name, "x");
        CButtonDef* b = CButtonDef::CreateAt(model, 0, slot, name, target, "", 0, 1);
        if (name.empty())
            b->SetName(" "); // a name that trims to nothing
        return b;
    }
};

TEST_F(FavoritesCommands, AddingAButtonAppendsACopyThatLaunchesWithoutSoundOrReport) {
    Put(4, "Editor");
    ASSERT_TRUE(AddToFavorites(model, 4));
    const CFavoritesMenu* root = model.favorites.Root();
    ASSERT_EQ(root->EntryCount(), 1);
    EXPECT_EQ(root->Item(0)->Name(), "Editor");
    EXPECT_EQ(root->CommandId(0), kFirstFavoritesId);
    EXPECT_TRUE(model.settingsModified);

    // The item is a copy: deleting the button leaves it.
    model.DeleteButtonAt(0, 4);
    tp.shell.result = ShellResult::FileNotFound;
    tp.sound.played.clear();
    EXPECT_TRUE(LaunchFavorite(model, kFirstFavoritesId));
    ASSERT_EQ(tp.shell.calls.size(), 1u);
    EXPECT_TRUE(tp.prompter.messages.empty()); // no report of the failure
    EXPECT_TRUE(tp.sound.played.empty());
    EXPECT_FALSE(LaunchFavorite(model, kFirstFavoritesId + 1));
    EXPECT_FALSE(AddToFavorites(model, 4)); // the slot is empty now
}

TEST_F(FavoritesCommands, AButtonWithoutANameIsRefused) {
    Put(0, "");
    EXPECT_FALSE(AddToFavorites(model, 0));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Button is Not Named");
    EXPECT_EQ(model.favorites.Root()->EntryCount(), 0);
}

TEST_F(FavoritesCommands, TheCurrentCategoryBecomesASubmenuAfterConfirmation) {
    EXPECT_FALSE(CanAddCurrentCategory(model));
    Put(7, "Second");
    Put(2, "First");
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_FALSE(AddCurrentCategory(model));
    EXPECT_EQ(model.favorites.Root()->EntryCount(), 0);
    EXPECT_EQ(tp.prompter.messages.at(0).text,
              "Please confirm that you want to create a menu named \"Tools\" in the favorites "
              "menu. This new menu will contain items that correspond to all of the buttons in "
              "the current category.");

    ASSERT_TRUE(AddCurrentCategory(model));
    const CFavoritesMenu* sub = model.favorites.Root()->SubMenu(0);
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Text(), "Tools");
    ASSERT_EQ(sub->EntryCount(), 2);
    EXPECT_EQ(sub->Item(0)->Name(), "First"); // slot order
    EXPECT_EQ(sub->Item(1)->Name(), "Second");
    EXPECT_TRUE(model.settingsModified);
}

// With every item id in use, both commands say so and count what stayed out.
TEST_F(FavoritesCommands, AFullMenuIsReportedWithWhatWasNotAdded) {
    Put(1, "Editor");
    Put(2, "Shell");
    Put(3, "Notes");
    CFavoritesTree& tree = model.favorites;
    const int room = kFavoritesIdEnd - kFirstFavoritesId;
    for (int i = 0; i < room - 2; ++i)
        ASSERT_TRUE(tree.InsertFavoritesEntry(
            CFavoritesEntry(std::make_unique<CButtonDef>(*model.GetButton(0, 1))), nullptr, -1));
    ASSERT_EQ(tree.FreeItemIds(), 2);

    // Two of the category's three buttons still fit.
    tp.prompter.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(AddCurrentCategory(model));
    ASSERT_EQ(tp.prompter.messages.size(), 2u);
    EXPECT_EQ(tp.prompter.messages[1].caption, "Favorites Menu is Full");
    EXPECT_NE(tp.prompter.messages[1].text.find("1 button was not added"), std::string::npos);
    EXPECT_EQ(tree.FreeItemIds(), 0);

    tp.prompter.messages.clear();
    model.settingsModified = false;
    EXPECT_FALSE(AddToFavorites(model, 2));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_NE(tp.prompter.messages[0].text.find("500 items"), std::string::npos);

    tp.prompter.messages.clear();
    const int rootEntries = tree.Root()->EntryCount();
    EXPECT_FALSE(AddCurrentCategory(model)) << "no empty submenu is made";
    EXPECT_NE(tp.prompter.messages.back().text.find("3 buttons were not added"), std::string::npos);
    EXPECT_EQ(tree.Root()->EntryCount(), rootEntries);
    EXPECT_FALSE(model.settingsModified);

    // Removing an item makes room again.
    tree.RemoveFavoritesEntry(nullptr, 0);
    EXPECT_TRUE(AddToFavorites(model, 2));
}

} // namespace
