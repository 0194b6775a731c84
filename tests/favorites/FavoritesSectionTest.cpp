#include "favorites/FavoritesSection.h"

#include "config/ConfigText.h"
#include "favorites/FavoritesTree.h"
#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct CountingView : ViewHooks {
    int favoritesRebuilt = 0;
    void RebuildFavoritesMenu() override { ++favoritesRebuilt; }
};

class FavoritesSection : public ::testing::Test {
  protected:
    TempDir dir;
    TestPlatform tp;
    CountingView view;
    CModel model{tp.platform, &view};
    CFavoritesTree& tree = model.favorites;
    const std::string cfg = "/home/ann/dv/Buttons.cfg";

    void Read(const std::string& section) {
        ReadFavorites(model, ConfigText("DORVANE CONFIGURATION FILE v10.0\n" + section), cfg);
    }
    static std::vector<std::string> Names(const CFavoritesMenu& menu) {
        std::vector<std::string> names;
        for (int i = 0; i < menu.EntryCount(); ++i)
            names.push_back(menu.IsMenu(i) ? menu.SubMenu(i)->Text() : menu.Item(i)->Name());
        return names;
    }
    std::string Written(const CModel& from) {
        std::string out;
        AppendFavoritesSection(from, out);
        return out;
    }
};

TEST_F(FavoritesSection, ReadsNestedMenusAndDropsItemsWhoseTargetIsGone) {
    const std::string editor = dir.Write("editor.txt", "x");
    const std::string chess = dir.Write("chess.txt", "x");
    const std::string late = dir.Write("late.txt", "x");
    Read("FAVORITES\n"
         "ITEM " +
         editor +
         "\n"
         "NAME Editor\n"
         "TEXT Ed\\nItor\n" // items show no text
         "ICON 2 " +
         editor +
         "\n" // and take their icon from the target
         "end\n"
         "  menu   Games  \r\n"
         "ITEM " +
         dir.File("gone.txt") +
         "\n"
         "NAME Gone\n"
         "END\n"
         "\n"
         "BUTTON 12 " +
         chess +
         "\n" // the slot number is passed over
         "NAME Chess\n"
         "OPEN Maximized\n"
         "PARAMETERS -x\n"
         "End\n"
         "MENU Cards\n"
         "ITEM_URL https://example.org/cards\n"
         "NAME Cards online\n"
         "end\n"
         "END_MENU\n"
         "ITEM " +
         dir.Path() +
         "\n"
         "NAME Folder\n"
         "end\n"
         "END_MENU\n"
         "END_MENU\n" // one more than needed: nothing happens at root level
         "ITEM " +
         late +
         "\n"
         "NAME Late\n"
         "end\n"
         "SOUNDS\n"
         "ITEM " +
         editor +
         "\n"
         "end\n");

    ASSERT_TRUE(tree.Exist());
    const CFavoritesMenu& root = *tree.Root();
    EXPECT_EQ(Names(root), (std::vector<std::string>{"Editor", "Games", "Late"}));
    const CFavoritesMenu& games = *root.SubMenu(1);
    EXPECT_EQ(games.Depth(), 2);
    EXPECT_EQ(Names(games), (std::vector<std::string>{"Chess", "Cards", "Folder"}));
    const CFavoritesMenu& cards = *games.SubMenu(1);
    EXPECT_EQ(cards.Depth(), 3);
    ASSERT_EQ(cards.EntryCount(), 1);
    EXPECT_TRUE(cards.Item(0)->IsUrl());
    EXPECT_EQ(cards.Item(0)->Target(), "https://example.org/cards");

    const CButtonDef& ed = *root.Item(0);
    EXPECT_EQ(ed.Text(), "");
    EXPECT_EQ(ed.IconIndex(), 0);
    const CButtonDef& ch = *games.Item(0);
    EXPECT_EQ(ch.Target(), chess);
    EXPECT_EQ(ch.OpenMode(), 2);
    EXPECT_EQ(ch.Parameters(), "-x");
    EXPECT_TRUE(games.Item(2)->IsFolder());

    EXPECT_TRUE(tp.prompter.messages.empty());
    EXPECT_EQ(view.favoritesRebuilt, 1);
}

TEST_F(FavoritesSection, ASectionCutShortKeepsEverythingRead) {
    const std::string a = dir.Write("a.txt", "x");
    Read("FAVORITES\nMENU Sub\nITEM " + a + "\nNAME A\nend\n");
    ASSERT_EQ(tree.Root()->EntryCount(), 1);
    EXPECT_EQ(Names(*tree.Root()->SubMenu(0)), std::vector<std::string>{"A"});
}

TEST_F(FavoritesSection, ABadKeywordIsReportedAndEndsTheSection) {
    const std::string a = dir.Write("a.txt", "x");
    Read("FAVORITES\n"
         "ITEM " +
         a +
         "\nNAME First\nend\n"
         "MENU Sub\n"
         "ITEM " +
         a +
         "\nNAME Second\nend\n"
         "BOGUS line\n"
         "ITEM " +
         a + "\nNAME Third\nend\n");

    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    const RecordedMessage& m = tp.prompter.messages[0];
    EXPECT_EQ(m.text, "Invalid keyword in \"" + cfg + "\"");
    EXPECT_EQ(m.caption, "Bad Keyword");
    EXPECT_EQ(m.icon, MsgIcon::Stop);
    EXPECT_EQ(Names(*tree.Root()), (std::vector<std::string>{"First", "Sub"}));
    EXPECT_EQ(Names(*tree.Root()->SubMenu(1)), std::vector<std::string>{"Second"});
}

TEST_F(FavoritesSection, AStrayEndAddsNoSecondCopyOfTheLastItem) {
    const std::string a = dir.Write("a.txt", "x");
    Read("FAVORITES\nITEM " + a + "\nNAME A\nend\nend\nEND_MENU\n");
    EXPECT_EQ(tree.Root()->EntryCount(), 1);
}

TEST_F(FavoritesSection, AFileWithoutTheSectionLeavesTheTreeAsItIs) {
    tree.InsertFavoritesEntry(std::make_unique<CButtonDef>(model, "kept", "", 1), nullptr, -1);
    Read("BUTTONS\nCATEGORY A\n");
    EXPECT_EQ(Names(*tree.Root()), std::vector<std::string>{"kept"});
    EXPECT_EQ(view.favoritesRebuilt, 0);
}

TEST_F(FavoritesSection, WritesMenusWithTheirEndLinesAndReadsThemBack) {
    const std::string editor = dir.Write("editor.txt", "x");
    const std::string chess = dir.Write("chess.txt", "x");
    tree.ResetFavorites();
    tree.InsertFavoritesEntry(std::make_unique<CButtonDef>(model, "Editor", editor, 1), nullptr,
                              -1);
    std::unique_ptr<CFavoritesMenu> games = tree.NewFavoritesMenu("Games", tree.Root());
    CFavoritesMenu* gamesMenu = games.get();
    tree.InsertFavoritesEntry(std::move(games), nullptr, -1);
    tree.InsertFavoritesEntry(std::make_unique<CButtonDef>(model, "Chess", chess, 3), gamesMenu,
                              -1);
    std::unique_ptr<CFavoritesMenu> empty = tree.NewFavoritesMenu("Two\r\nLines", tree.Root());
    tree.InsertFavoritesEntry(std::move(empty), nullptr, -1);

    const std::string out = Written(model);
    EXPECT_EQ(out, "FAVORITES\r\n"
                   "ITEM " +
                       editor +
                       "\r\nNAME Editor\r\nend\r\n"
                       "MENU Games\r\n"
                       "ITEM " +
                       chess +
                       "\r\nNAME Chess\r\nOPEN Minimized\r\nend\r\n"
                       "END_MENU\r\n"
                       "MENU Two  Lines\r\n"
                       "END_MENU\r\n"
                       "END_MENU\r\n");

    CModel copy{tp.platform};
    ReadFavorites(copy, ConfigText("DORVANE CONFIGURATION FILE v10.0\r\n" + out), cfg);
    EXPECT_EQ(Written(copy), out);
}

TEST_F(FavoritesSection, AnEmptyTreeWritesNoSection) {
    EXPECT_EQ(Written(model), "");
    tree.ResetFavorites();
    EXPECT_EQ(Written(model), "");
}

} // namespace

namespace {

// A FAVORITES section of `levels` nested menus with an item at the bottom,
// then an item back at the top.
std::string NestedSection(int levels) {
    std::string section;
    for (int i = 0; i < levels; ++i)
        section += "MENU level " + std::to_string(i + 1) + "\n";
    section += "ITEM_URL https://deep.example\nNAME Deep\nend\n";
    for (int i = 0; i < levels; ++i)
        section += "END_MENU\n";
    return section + "ITEM_URL https://top.example\nNAME Top\nend\nEND_MENU\n";
}

TEST_F(FavoritesSection, MenusBelowTheDepthLimitAreDroppedWithOneMessage) {
    Read("FAVORITES\n" + NestedSection(60000));
    ASSERT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(tp.prompter.messages[0].caption, "Favorites Menu Too Deep");
    EXPECT_NE(tp.prompter.messages[0].text.find(cfg), std::string::npos);

    int deepest = 0;
    CFavoritesTree::Walk(
        *tree.Root(),
        [&](const CFavoritesMenu& menu, int index, int) {
            if (const CFavoritesMenu* sub = menu.SubMenu(index))
                deepest = std::max(deepest, sub->Depth());
        },
        [](const CFavoritesMenu&, int) {});
    EXPECT_EQ(deepest, kMaxFavoritesDepth);
    EXPECT_EQ(Names(*tree.Root()), (std::vector<std::string>{"level 1", "Top"}));

    // What was kept is written and read back as it is, without a message.
    const std::string out = Written(model);
    Read(out);
    EXPECT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_EQ(Written(model), out);

    // A tree exactly at the limit loads whole.
    Read("FAVORITES\n" + NestedSection(kMaxFavoritesDepth - 1));
    EXPECT_EQ(tp.prompter.messages.size(), 1u);
    EXPECT_NE(Written(model).find("NAME Deep"), std::string::npos);
}

} // namespace
