#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class FavoritesTree : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    CFavoritesTree& tree = model.favorites;

    std::unique_ptr<CButtonDef> Button(const std::string& name) {
        return std::make_unique<CButtonDef>(model, name, "", 1);
    }
    CButtonDef* AddItem(CFavoritesMenu* menu, const std::string& name, int index = -1) {
        std::unique_ptr<CButtonDef> button = Button(name);
        CButtonDef* raw = button.get();
        return tree.InsertFavoritesEntry(std::move(button), menu, index) ? raw : nullptr;
    }
    CFavoritesMenu* AddMenu(CFavoritesMenu* parent, const std::string& text) {
        std::unique_ptr<CFavoritesMenu> menu = tree.NewFavoritesMenu(text, parent);
        CFavoritesMenu* raw = menu.get();
        return tree.InsertFavoritesEntry(std::move(menu), parent, -1) ? raw : nullptr;
    }
    static std::vector<std::string> Names(const CFavoritesMenu& menu) {
        std::vector<std::string> names;
        for (int i = 0; i < menu.EntryCount(); ++i)
            names.push_back(menu.IsMenu(i) ? menu.SubMenu(i)->Text() : menu.Item(i)->Name());
        return names;
    }
};

TEST_F(FavoritesTree, ResetStartsAnEmptyRootAndIdsAgainAt34000) {
    EXPECT_FALSE(tree.Exist());
    tree.ResetFavorites();
    ASSERT_EQ(tree.NodeCount(), 1);
    EXPECT_EQ(tree.Node(0), tree.Root());
    EXPECT_EQ(tree.Root()->Depth(), 1);

    AddItem(nullptr, "a");
    AddItem(nullptr, "a"); // the same button twice: two items, two ids
    EXPECT_EQ(tree.Root()->CommandId(0), 34000);
    EXPECT_EQ(tree.Root()->CommandId(1), 34001);

    tree.ResetFavorites();
    EXPECT_EQ(tree.Root()->EntryCount(), 0);
    AddItem(nullptr, "b");
    EXPECT_EQ(tree.Root()->CommandId(0), 34000);
}

TEST_F(FavoritesTree, InsertingWithoutATreeMakesTheRoot) {
    ASSERT_NE(AddItem(nullptr, "a"), nullptr);
    EXPECT_EQ(tree.NodeCount(), 1);
    EXPECT_EQ(Names(*tree.Root()), std::vector<std::string>{"a"});
}

TEST_F(FavoritesTree, InsertPositionsAndRefusals) {
    tree.ResetFavorites();
    AddItem(nullptr, "b");
    AddItem(nullptr, "d", 1); // index == count appends
    AddItem(nullptr, "a", 0); // before the first
    AddItem(nullptr, "c", 2); // in the middle
    EXPECT_EQ(Names(*tree.Root()), (std::vector<std::string>{"a", "b", "c", "d"}));

    EXPECT_FALSE(tree.InsertFavoritesEntry(Button("x"), nullptr, 5));
    EXPECT_FALSE(tree.InsertFavoritesEntry(Button("x"), nullptr, -2));
    EXPECT_FALSE(tree.InsertFavoritesEntry(CFavoritesEntry(), nullptr, -1));
    EXPECT_EQ(tree.Root()->EntryCount(), 4);
}

TEST_F(FavoritesTree, IdsAreReusedAndNeverReachTheConfigurationRange) {
    tree.ResetFavorites();
    std::set<int> live;
    // Many insert/remove cycles, as the Organize dialog makes them.
    for (int cycle = 0; cycle < 3000; ++cycle) {
        ASSERT_NE(AddItem(nullptr, "item"), nullptr) << "cycle " << cycle;
        const int id = tree.Root()->CommandId(tree.Root()->EntryCount() - 1);
        ASSERT_GE(id, kFirstFavoritesId);
        ASSERT_LT(id, kFavoritesIdEnd);
        ASSERT_EQ(tree.FindFavoritesItem(id), tree.Root()->Item(tree.Root()->EntryCount() - 1));
        if (cycle % 20 != 0) // every 20th item stays, so the ids wrap several times
            tree.RemoveFavoritesEntry(nullptr, tree.Root()->EntryCount() - 1);
    }
    ASSERT_EQ(tree.Root()->EntryCount(), 150);
    for (int i = 0; i < tree.Root()->EntryCount(); ++i)
        EXPECT_TRUE(live.insert(tree.Root()->CommandId(i)).second) << "duplicate id";
}

TEST_F(FavoritesTree, AFullRangeRefusesItemsUntilOneIsRemoved) {
    tree.ResetFavorites();
    for (int i = 0; i < kFavoritesIdEnd - kFirstFavoritesId; ++i)
        ASSERT_NE(AddItem(nullptr, "x"), nullptr);
    EXPECT_EQ(AddItem(nullptr, "one too many"), nullptr);

    tree.RemoveFavoritesEntry(nullptr, 7);
    ASSERT_NE(AddItem(nullptr, "again"), nullptr);
    EXPECT_EQ(tree.Root()->CommandId(tree.Root()->EntryCount() - 1), 34007);
}

TEST_F(FavoritesTree, RemovingASubmenuDestroysItsSubtreeAndItsNodes) {
    tree.ResetFavorites();
    CFavoritesMenu* games = AddMenu(tree.Root(), "Games");
    CFavoritesMenu* cards = AddMenu(games, "Cards");
    AddItem(cards, "solitaire");
    AddItem(nullptr, "editor");
    const int solitaireId = cards->CommandId(0);
    ASSERT_EQ(tree.NodeCount(), 3);
    EXPECT_EQ(cards->Depth(), 3);

    EXPECT_EQ(tree.RemoveFavoritesEntry(nullptr, 0), 1);
    EXPECT_EQ(tree.NodeCount(), 3); // destroyed menus leave empty entries
    EXPECT_EQ(tree.Node(1), nullptr);
    EXPECT_EQ(tree.Node(2), nullptr);
    EXPECT_EQ(tree.FindFavoritesItem(solitaireId), nullptr);
    EXPECT_EQ(Names(*tree.Root()), std::vector<std::string>{"editor"});

    EXPECT_EQ(tree.RemoveFavoritesEntry(nullptr, 1), 0);
    EXPECT_EQ(tree.RemoveFavoritesEntry(nullptr, -1), 0);
    EXPECT_EQ(tree.Root()->EntryCount(), 1);
}

TEST_F(FavoritesTree, MovingASubmenuUpALevelKeepsItsItemsAndShiftsDepths) {
    tree.ResetFavorites();
    CFavoritesMenu* outer = AddMenu(tree.Root(), "Outer");
    CFavoritesMenu* inner = AddMenu(outer, "Inner");
    CFavoritesMenu* deepest = AddMenu(inner, "Deepest");
    CButtonDef* item = AddItem(deepest, "tool");
    const int id = deepest->CommandId(0);

    CFavoritesEntry moved = tree.DetachFavoritesEntry(outer, 0);
    ASSERT_EQ(moved.menu.get(), inner);
    CFavoritesTree::ShiftDepth(inner, -1);
    ASSERT_TRUE(tree.InsertFavoritesEntry(std::move(moved), tree.Root(), 0));

    EXPECT_EQ(Names(*tree.Root()), (std::vector<std::string>{"Inner", "Outer"}));
    EXPECT_EQ(inner->Parent(), tree.Root());
    EXPECT_EQ(inner->Depth(), 2);
    EXPECT_EQ(deepest->Depth(), 3);
    EXPECT_EQ(tree.FindFavoritesItem(id), item); // items inside keep their ids
    const FavoritesPosition where = tree.FindFavoritesEntry(item);
    EXPECT_EQ(where.menu, deepest);
    EXPECT_EQ(where.index, 0);
    EXPECT_EQ(tree.FindFavoritesEntry(inner).menu, tree.Root());
}

TEST_F(FavoritesTree, AMovedItemGetsAFreshIdAndUnknownObjectsAreNotFound) {
    tree.ResetFavorites();
    CFavoritesMenu* menu = AddMenu(tree.Root(), "M");
    CButtonDef* item = AddItem(nullptr, "x");
    CFavoritesEntry moved = tree.DetachFavoritesEntry(nullptr, 1);
    ASSERT_TRUE(tree.InsertFavoritesEntry(std::move(moved), menu, 0));
    EXPECT_EQ(menu->CommandId(0), 34001);
    EXPECT_EQ(tree.FindFavoritesItem(34000), nullptr);
    EXPECT_EQ(tree.FindFavoritesItem(34001), item);

    const CButtonDef stranger(model);
    const FavoritesPosition none = tree.FindFavoritesEntry(&stranger);
    EXPECT_EQ(none.menu, nullptr);
    EXPECT_EQ(none.index, -1);
    EXPECT_TRUE(tree.DetachFavoritesEntry(menu, 3).IsEmpty());
}

TEST_F(FavoritesTree, AMenuCannotBeInsertedIntoItsOwnSubtree) {
    tree.ResetFavorites();
    CFavoritesMenu* outer = AddMenu(tree.Root(), "Outer");
    CFavoritesMenu* inner = AddMenu(outer, "Inner");
    CFavoritesEntry detached = tree.DetachFavoritesEntry(nullptr, 0);
    EXPECT_FALSE(tree.InsertFavoritesEntry(std::move(detached), inner, -1));
    EXPECT_EQ(tree.Root()->EntryCount(), 0);
    EXPECT_EQ(tree.Node(1), nullptr); // the refused menu was destroyed with its subtree
}

TEST_F(FavoritesTree, AMenuDestroyedAfterAResetLeavesTheNewTreeAlone) {
    tree.ResetFavorites();
    std::unique_ptr<CFavoritesMenu> loose = tree.NewFavoritesMenu("loose", nullptr);
    tree.ResetFavorites();
    CFavoritesMenu* fresh = AddMenu(tree.Root(), "fresh"); // takes node 1, as `loose` had
    loose.reset();
    EXPECT_EQ(tree.Node(1), fresh);
}

TEST_F(FavoritesTree, DestroyEmptiesTheMenuAndClearsItsNode) {
    tree.ResetFavorites();
    CFavoritesMenu* menu = AddMenu(tree.Root(), "M");
    AddItem(menu, "a");
    tree.DestroyFavoritesMenu(menu);
    EXPECT_EQ(menu->EntryCount(), 0);
    EXPECT_EQ(tree.Node(1), nullptr);
    EXPECT_EQ(tree.FindFavoritesItem(34000), nullptr);
}

} // namespace

namespace {

// A chain of `levels` menus, each the only entry of the one above it, with an
// item at the bottom. Built through the tree's own calls, as a reader would.
CFavoritesMenu* BuildChain(CFavoritesTree& tree, CModel& model, int levels) {
    CFavoritesMenu* menu = tree.Root();
    for (int level = 0; level < levels; ++level) {
        std::unique_ptr<CFavoritesMenu> sub = tree.NewFavoritesMenu("m", menu);
        CFavoritesMenu* raw = sub.get();
        EXPECT_TRUE(tree.InsertFavoritesEntry(std::move(sub), menu, -1));
        menu = raw;
    }
    tree.InsertFavoritesEntry(std::make_unique<CButtonDef>(model, "deep", "", 1), menu, -1);
    return menu;
}

TEST_F(FavoritesTree, HundredsOfThousandsOfLevelsAreWalkedWithoutRecursion) {
    // Recursion would overflow the stack here, and a walk up the parent chain
    // on each insert would take minutes.
    constexpr int kLevels = 200000;
    tree.ResetFavorites();
    CFavoritesMenu* bottom = BuildChain(tree, model, kLevels);
    EXPECT_EQ(bottom->Depth(), kLevels + 1);
    EXPECT_NE(tree.FindFavoritesItem(kFirstFavoritesId), nullptr);

    CFavoritesTree::ShiftDepth(tree.Root()->SubMenu(0), 3);
    EXPECT_EQ(bottom->Depth(), kLevels + 4);

    int entries = 0, left = 0, deepest = 0;
    CFavoritesTree::Walk(
        *tree.Root(),
        [&](const CFavoritesMenu&, int, int level) {
            ++entries;
            deepest = std::max(deepest, level);
        },
        [&](const CFavoritesMenu&, int) { ++left; });
    EXPECT_EQ(entries, kLevels + 1);
    EXPECT_EQ(left, kLevels);
    EXPECT_EQ(deepest, kLevels);

    // Destroying the tree, below a submenu or whole, is iterative too.
    CFavoritesMenu* second = tree.Root()->SubMenu(0)->SubMenu(0);
    tree.DestroyFavoritesMenu(second);
    EXPECT_EQ(second->EntryCount(), 0);
    EXPECT_EQ(tree.FindFavoritesItem(kFirstFavoritesId), nullptr);
    BuildChain(tree, model, kLevels);
    tree.ResetFavorites();
    EXPECT_EQ(tree.Root()->EntryCount(), 0);
}

} // namespace
