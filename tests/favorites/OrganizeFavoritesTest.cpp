#include "favorites/OrganizeFavorites.h"

#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesTree.h"
#include "model/Text.h"
#include "tests/ui/EditFixture.h"

#include <set>

namespace {

struct CountingView : ViewHooks {
    int favoritesRebuilt = 0;
    void RebuildFavoritesMenu() override { ++favoritesRebuilt; }
};

// The tree every test starts from:
//   a, M1 [b, c, M2 [d]], e
class OrganizeFavorites : public EditTest {
  protected:
    CountingView menus;
    CFavoritesTree& tree = model.favorites;
    COrganizeFavorites organize{model, dialogs};
    CFavoritesMenu* m1 = nullptr;
    CFavoritesMenu* m2 = nullptr;

    OrganizeFavorites() {
        model.SetView(&menus);
        model.configName = "Buttons";
        tree.ResetFavorites();
        AddItem(tree.Root(), "a");
        m1 = AddMenu(tree.Root(), "M1");
        AddItem(m1, "b");
        AddItem(m1, "c");
        m2 = AddMenu(m1, "M2");
        AddItem(m2, "d");
        AddItem(tree.Root(), "e");
    }

    CButtonDef* AddItem(CFavoritesMenu* menu, const std::string& name) {
        auto item = std::make_unique<CButtonDef>(model, name, dir.Write("fav/" + name, "x"), 1);
        CButtonDef* raw = item.get();
        return tree.InsertFavoritesEntry(CFavoritesEntry(std::move(item)), menu, -1) ? raw
                                                                                     : nullptr;
    }
    CFavoritesMenu* AddMenu(CFavoritesMenu* parent, const std::string& text) {
        std::unique_ptr<CFavoritesMenu> menu = tree.NewFavoritesMenu(text, parent);
        CFavoritesMenu* raw = menu.get();
        return tree.InsertFavoritesEntry(CFavoritesEntry(std::move(menu)), parent, -1) ? raw
                                                                                       : nullptr;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const FavoritesLine& line : organize.Lines())
            texts.push_back(line.text);
        return texts;
    }
    // Selects the line of an item or (with " -->") of a submenu.
    void Select(const std::string& shown) {
        const std::vector<std::string> texts = Texts();
        for (size_t i = 0; i < texts.size(); ++i)
            if (Trim(texts[i]) == shown) {
                organize.Select(static_cast<int>(i));
                return;
            }
        ADD_FAILURE() << "no line " << shown;
    }
    std::string Selected() const {
        const int line = organize.Selection();
        return line < 0 ? std::string("-") : Trim(Texts()[static_cast<size_t>(line)]);
    }
    // Every submenu sits one level below the menu holding it.
    static void ExpectDepths(const CFavoritesMenu& menu) {
        for (int i = 0; i < menu.EntryCount(); ++i)
            if (const CFavoritesMenu* sub = menu.SubMenu(i)) {
                EXPECT_EQ(sub->Depth(), menu.Depth() + 1) << sub->Text();
                EXPECT_EQ(sub->Parent(), &menu) << sub->Text();
                ExpectDepths(*sub);
            }
    }
    std::set<int> Ids(const CFavoritesMenu& menu) const {
        std::set<int> ids;
        for (int i = 0; i < menu.EntryCount(); ++i) {
            if (const CFavoritesMenu* sub = menu.SubMenu(i)) {
                const std::set<int> inner = Ids(*sub);
                ids.insert(inner.begin(), inner.end());
            } else {
                ids.insert(menu.CommandId(i));
            }
        }
        return ids;
    }
};

using Lines = std::vector<std::string>;
const std::string k8(8, ' ');
const std::string k16(16, ' ');

TEST_F(OrganizeFavorites, ListIndentsEachLevelByEightSpaces) {
    tree.Root()->Item(0)->SetName("   a"); // leading spaces of names are not shown
    m2->SetText("  M2");
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "b", k8 + "c", k8 + "M2 -->", k16 + "d", "e"}));
    EXPECT_EQ(organize.Selection(), -1);
}

TEST_F(OrganizeFavorites, ButtonStatesFollowThePlaceInItsMenu) {
    struct Case {
        const char* line;
        OrganizeFavoritesStates states; // up, down, shift up, shift down, entry, save
    };
    const Case cases[] = {
        {"a", {false, true, false, true, true, false}},     // first of the root
        {"M1 -->", {true, true, true, true, true, false}},  // inside the root
        {"b", {false, true, true, true, true, false}},      // first of a submenu
        {"M2 -->", {true, false, true, true, true, false}}, // last of a submenu
        {"d", {false, false, true, true, true, false}},     // alone in a submenu
        {"e", {true, false, true, false, true, false}},     // last of the root
    };
    for (const Case& c : cases) {
        Select(c.line);
        EXPECT_EQ(organize.States(), c.states) << c.line;
    }
    organize.Select(-1);
    EXPECT_EQ(organize.States(), OrganizeFavoritesStates{});
}

TEST_F(OrganizeFavorites, MovesWithinAMenuKeepTheSelectionOnTheEntry) {
    Select("c");
    organize.MoveToTop();
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "c", k8 + "b", k8 + "M2 -->", k16 + "d", "e"}));
    EXPECT_EQ(Selected(), "c");
    EXPECT_TRUE(organize.States().save);

    organize.MoveToBottom();
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "b", k8 + "M2 -->", k16 + "d", k8 + "c", "e"}));
    organize.MoveUp();
    organize.MoveUp();
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "c", k8 + "b", k8 + "M2 -->", k16 + "d", "e"}));
    organize.MoveDown();
    EXPECT_EQ(Selected(), "c");
    EXPECT_EQ(m1->Item(1)->Name(), "c");

    // A submenu moves with everything in it.
    Select("M1 -->");
    organize.MoveToTop();
    EXPECT_EQ(Texts(), (Lines{"M1 -->", k8 + "b", k8 + "c", k8 + "M2 -->", k16 + "d", "a", "e"}));
    EXPECT_TRUE(organize.Changed());
}

TEST_F(OrganizeFavorites, TheFirstEntryOfASubmenuMovesOutAboveIt) {
    Select("b");
    organize.ShiftUp();
    EXPECT_EQ(Texts(), (Lines{"a", "b", "M1 -->", k8 + "c", k8 + "M2 -->", k16 + "d", "e"}));
    EXPECT_EQ(Selected(), "b");
    // At the top of the root it goes no further.
    Select("a");
    organize.ShiftUp();
    EXPECT_EQ(Texts()[0], "a");
}

TEST_F(OrganizeFavorites, AnItemFollowedByASubmenuMovesToItsTop) {
    Select("a");
    organize.ShiftDown();
    EXPECT_EQ(Texts(),
              (Lines{"M1 -->", k8 + "a", k8 + "b", k8 + "c", k8 + "M2 -->", k16 + "d", "e"}));
    EXPECT_EQ(Selected(), "a");
    // Followed by an item, it swaps with it.
    organize.ShiftDown();
    EXPECT_EQ(Texts()[2], k8 + "a");
}

TEST_F(OrganizeFavorites, ASubmenuMovedOutOfItsParentTakesItsContentsALevelUp) {
    Select("M2 -->");
    organize.ShiftDown(); // last in M1: out, below M1
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "b", k8 + "c", "M2 -->", k8 + "d", "e"}));
    EXPECT_EQ(m2->Depth(), 2);
    ExpectDepths(*tree.Root());

    // M1 moved down into the following M2 goes one level deeper, contents
    // and all.
    Select("M1 -->");
    organize.ShiftDown();
    EXPECT_EQ(Texts(), (Lines{"a", "M2 -->", k8 + "M1 -->", k16 + "b", k16 + "c", k8 + "d", "e"}));
    EXPECT_EQ(m1->Depth(), 3);
    ExpectDepths(*tree.Root());

    // The first entry of M2 (M1 itself) moves out above M2.
    organize.ShiftUp();
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "b", k8 + "c", "M2 -->", k8 + "d", "e"}));
    ExpectDepths(*tree.Root());

    // The last entry of a submenu moves out below it.
    Select("d");
    organize.ShiftDown();
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "b", k8 + "c", "M2 -->", "d", "e"}));
}

TEST_F(OrganizeFavorites, IdsStayInTheirRangeHoweverOftenEntriesMove) {
    const int idOfA = tree.Root()->CommandId(0);
    Select("a");
    organize.MoveDown(); // a swap keeps the id
    EXPECT_EQ(tree.Root()->CommandId(1), idOfA);

    Select("e");
    for (int i = 0; i < 600; ++i) {
        organize.MoveToTop();
        organize.MoveToBottom();
    }
    const std::set<int> ids = Ids(*tree.Root());
    EXPECT_EQ(ids.size(), 5u); // five items, five distinct ids
    EXPECT_GE(*ids.begin(), kFirstFavoritesId);
    EXPECT_LT(*ids.rbegin(), kFavoritesIdEnd);
    EXPECT_NE(tree.FindFavoritesItem(tree.Root()->CommandId(2)), nullptr);
}

TEST_F(OrganizeFavorites, DeleteSelectsTheNextEntryOrTheLastOne) {
    Select("b");
    organize.Delete();
    EXPECT_EQ(Selected(), "c");
    organize.MoveToBottom(); // M1: M2, c
    organize.Delete();
    EXPECT_EQ(Selected(), "M2 -->"); // c was last: the new last entry
    organize.Delete();               // a submenu goes with its contents
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", "e"}));
    EXPECT_EQ(tree.FindFavoritesEntry(m2).menu, nullptr);
    EXPECT_EQ(Selected(), "M1 -->"); // its menu is empty: the menu itself
    organize.Delete();
    EXPECT_EQ(Selected(), "e");
    organize.Delete();
    organize.Delete();
    EXPECT_EQ(Selected(), "-");
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(organize.States(),
              (OrganizeFavoritesStates{false, false, false, false, false, true}));
    EXPECT_TRUE(dialogs.textRequests.empty()); // no question asked
}

TEST_F(OrganizeFavorites, AddMenuAboveAndBelowTheSelection) {
    Select("c");
    dialogs.texts = {"  Tools ", std::nullopt, "   "};
    organize.AddMenuAbove();
    ASSERT_EQ(dialogs.textRequests.size(), 1u);
    EXPECT_EQ(dialogs.textRequests[0].title, "New Menu Item Text");
    EXPECT_EQ(dialogs.textRequests[0].prompt, "Please enter the text for the new menu item");
    EXPECT_EQ(dialogs.textRequests[0].label, "Menu Text");
    EXPECT_EQ(Texts(), (Lines{"a", "M1 -->", k8 + "b", k8 + "Tools -->", k8 + "c", k8 + "M2 -->",
                              k16 + "d", "e"}));
    EXPECT_EQ(Selected(), "c"); // so Move Up <--> can take it out again at once
    EXPECT_EQ(tree.FindFavoritesEntry(m1).index, 1);

    organize.AddMenuBelow(); // cancelled
    organize.AddMenuBelow(); // blank
    EXPECT_EQ(Texts().size(), 8u);

    Select("e");
    dialogs.texts = {"Last"};
    organize.AddMenuBelow();
    EXPECT_EQ(Texts().back(), "Last -->");
    ExpectDepths(*tree.Root());
}

TEST_F(OrganizeFavorites, RenameStartsFromTheNameAndIgnoresBlankAnswers) {
    Select("M2 -->");
    dialogs.texts = {"Games", std::nullopt};
    organize.Rename();
    ASSERT_EQ(dialogs.textRequests.size(), 1u);
    const TextInputRequest& asked = dialogs.textRequests[0];
    EXPECT_EQ(asked.title, "Rename Menu Item");
    EXPECT_EQ(asked.prompt, "Please enter the new name for the menu item");
    EXPECT_EQ(asked.label, "Item Name");
    EXPECT_EQ(asked.initial, "M2");
    EXPECT_TRUE(asked.selectAll);
    EXPECT_EQ(m2->Text(), "Games");

    Select("d");
    dialogs.texts = {"Chess"};
    organize.Rename();
    EXPECT_EQ(dialogs.textRequests.back().initial, "d");
    EXPECT_EQ(m2->Item(0)->Name(), "Chess");
    EXPECT_EQ(Selected(), "Chess");

    organize.Rename(); // cancelled: the name stays
    EXPECT_EQ(m2->Item(0)->Name(), "Chess");
}

TEST_F(OrganizeFavorites, PropertiesEditTheItemInPlaceAndKeepItsId) {
    Select("c");
    CButtonDef* before = m1->Item(1);
    const int id = m1->CommandId(1);
    dialogs.properties = [](CButtonPropertiesEdit& edit) {
        EXPECT_TRUE(edit.IsFavoritesItem());
        EXPECT_FALSE(edit.TextLinesEnabled());
        edit.SetParameters("--fast");
        EXPECT_TRUE(edit.Apply());
    };
    organize.Properties();
    EXPECT_EQ(m1->Item(1), before);
    EXPECT_EQ(m1->Item(1)->Parameters(), "--fast");
    EXPECT_EQ(m1->CommandId(1), id);
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"Generic Button Click"}));
    EXPECT_TRUE(organize.Changed());
    EXPECT_EQ(model.changes.Count(), 0u); // an item is no slot: nothing to undo

    // Closing the dialog without Apply changes nothing.
    COrganizeFavorites fresh(model, dialogs);
    dialogs.properties = [](CButtonPropertiesEdit& edit) { edit.SetParameters("--slow"); };
    fresh.Select(3);
    fresh.Properties();
    EXPECT_FALSE(fresh.Changed());

    // A submenu is renamed.
    Select("M2 -->");
    dialogs.texts = {"Games"};
    organize.Properties();
    EXPECT_EQ(dialogs.propertiesOpened, 2);
    EXPECT_EQ(m2->Text(), "Games");
}

TEST_F(OrganizeFavorites, ADroppedFileGoesWhereTheSelectionSays) {
    const std::string file = dir.Write("drop/notes.txt", "x");
    organize.DropFile(file); // no selection: the end of the top level
    EXPECT_EQ(Texts().back(), "notes");
    EXPECT_EQ(Sounds(), (std::vector<std::string>{"Pop"}));

    Select("b");
    organize.DropFile(file); // an item: right after it
    EXPECT_EQ(Texts()[3], k8 + "notes");
    EXPECT_EQ(Selected(), "-");

    Select("M2 -->");
    organize.DropFile(file); // a submenu: at its end
    EXPECT_EQ(m2->Item(1)->Name(), "notes");
    EXPECT_EQ(m2->Item(1)->Target(), file);

    Select("a");
    organize.DropFile(dir.File("drop/gone.txt")); // nothing there
    EXPECT_EQ(Texts().size(), 10u);
    EXPECT_EQ(Selected(), "a");
    EXPECT_EQ(Ids(*tree.Root()).size(), 8u);
}

TEST_F(OrganizeFavorites, ADropOnAFullMenuIsRefusedWithAMessage) {
    const std::string file = dir.Write("drop/notes.txt", "x");
    while (tree.FreeItemIds() > 0)
        tree.InsertFavoritesEntry(
            CFavoritesEntry(std::make_unique<CButtonDef>(model, "x", file, 1)), m2, -1);
    const size_t lines = Texts().size();
    organize.DropFile(file);
    EXPECT_EQ(Texts().size(), lines);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Favorites Menu is Full"}));
    EXPECT_TRUE(Sounds().empty());
    EXPECT_FALSE(organize.Changed());
}

TEST_F(OrganizeFavorites, SaveWritesTheNewOrderAndShowsItInTheMenus) {
    Select("e");
    organize.MoveToTop();
    EXPECT_TRUE(organize.Save());
    EXPECT_FALSE(organize.Changed());
    EXPECT_FALSE(organize.States().save);
    EXPECT_EQ(menus.favoritesRebuilt, 1);
    const std::string saved = dir.Read("Buttons.cfg");
    const size_t e = saved.find("NAME e\r\n");
    const size_t a = saved.find("NAME a\r\n");
    ASSERT_NE(e, std::string::npos);
    EXPECT_LT(e, a);
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(OrganizeFavorites, AFailedSaveIsReportedAndKeepsTheChanges) {
    model.programFolder = dir.File("missing");
    Select("e");
    organize.MoveToTop();
    tp.prompter.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
    EXPECT_FALSE(organize.Save());
    EXPECT_TRUE(organize.Changed());
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Save Failed"}));
    // Cancel answered Yes cannot save either: the dialog stays open.
    EXPECT_FALSE(organize.Cancel());
    EXPECT_EQ(Captions(),
              (std::vector<std::string>{"Save Failed", "Save Changes?", "Save Failed"}));
    EXPECT_EQ(Texts()[0], "e");
}

TEST_F(OrganizeFavorites, CancelOffersToSaveOrRestoresTheTreeFromTheFile) {
    EXPECT_TRUE(organize.Cancel()); // unchanged: no question
    EXPECT_TRUE(tp.prompter.messages.empty());

    ASSERT_TRUE(WriteConfiguration(model));
    const Lines saved = Texts();
    AddItem(tree.Root(), "added"); // since the save, before the dialog
    model.SetModified();

    COrganizeFavorites later(model, dialogs);
    later.Select(0);
    later.Delete();
    tp.prompter.answers = {MsgAnswer::No};
    EXPECT_TRUE(later.Cancel());
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Save Changes?");
    EXPECT_EQ(tp.prompter.messages[0].text,
              "The Favorites menu has been changed.\r\n\r\nDo you want to save the changes?");
    EXPECT_EQ(tp.prompter.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(Texts(), saved); // the added item went too
    EXPECT_GT(menus.favoritesRebuilt, 0);
    EXPECT_TRUE(model.settingsModified); // as it was at opening
    EXPECT_FALSE(later.Changed());

    COrganizeFavorites third(model, dialogs);
    third.Select(0);
    third.Delete();
    tp.prompter.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(third.Cancel());
    EXPECT_EQ(dir.Read("Buttons.cfg").find("NAME a\r\n"), std::string::npos);
    EXPECT_FALSE(model.settingsModified);
}

TEST_F(OrganizeFavorites, TheDialogOpensOnlyWhenFavoritesExist) {
    ::OrganizeFavorites(model, dialogs);
    EXPECT_EQ(dialogs.organizeFavoritesOpened, 1);
    CModel empty(tp.platform);
    ::OrganizeFavorites(empty, dialogs);
    EXPECT_EQ(dialogs.organizeFavoritesOpened, 1);
}

} // namespace
