#include "ui/MenuState.h"

#include <gtest/gtest.h>

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "tests/support/TestPlatform.h"
#include "ui/MenuIds.h"
#include "ui/MenuTable.h"

namespace {

class MenuStateTest : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    CMenuState menus{model};
    MenuFacts facts;

    void SetUp() override {
        model.CreateCategory(0, "Games");
        model.CreateCategory(1, "Tools");
        model.SetCurrentCategoryIndex(0);
        for (int id : {IdCategoryCreate,   IdAddApplication,
                       IdAddFolder,        IdCategoryDelete,
                       IdCategoryOrganize, IdCategoryRename,
                       IdAlarms,           IdViewStartMenu,
                       IdSetIcons,         IdCategorySort,
                       IdConfigSave,       IdConfigLoad,
                       IdCategoryStartUp,  IdEnableScheduledLaunches,
                       IdAddMyComputer,    IdFileBackup,
                       IdShiftRight,       IdShiftLeft,
                       IdRemoveGap,        IdFindFile,
                       IdLaunchMaximized,  IdPopupText})
            menus.SetAvailable(id, true);
    }

    CButtonDef* Put(int slot, const std::string& name, const std::string& kind = "exe") {
        auto b = std::make_unique<CButtonDef>(model);
        b->SetName(name);
        b->SetKind(kind);
        CButtonDef* raw = b.get();
        model.Category(-1)->SetSlot(slot, std::move(b));
        return raw;
    }
    bool Enabled(int id) { return menus.State(id, facts).enabled; }
};

TEST_F(MenuStateTest, CommandsStayDisabledUntilTheirFeatureIsAvailable) {
    EXPECT_FALSE(Enabled(IdActionSounds));
    menus.SetAvailable(IdActionSounds, true);
    EXPECT_TRUE(Enabled(IdActionSounds));
    menus.SetAvailable(IdFileBackup, false);
    EXPECT_FALSE(Enabled(IdFileBackup));
}

TEST_F(MenuStateTest, APendingTwoClickOperationDisablesEditingCommandsAndFourMenus) {
    Put(0, "Editor");
    model.settings.EnableScheduledLaunches = true;
    facts.scheduledLaunchesExist = true;
    facts.configurationCount = 3;
    facts.categoriesInOrder = false;
    const int guarded[] = {IdCategoryCreate, IdAddApplication, IdCategoryDelete,
                           IdCategoryRename, IdAlarms,         IdViewStartMenu,
                           IdSetIcons,       IdConfigLoad,     IdEnableScheduledLaunches,
                           IdAddMyComputer,  IdCategorySort};
    for (int id : guarded)
        EXPECT_TRUE(Enabled(id)) << id;
    model.editState.copyMode = true;
    for (int id : guarded)
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(IdFileBackup));
    for (const char* caption : {"&Setup", "Confi&gs", "&Open", "&Favs", "&Favorites"})
        EXPECT_FALSE(menus.TopMenuEnabled(caption)) << caption;
    EXPECT_TRUE(menus.TopMenuEnabled("&Cats"));
    EXPECT_TRUE(menus.TopMenuEnabled("&Help"));
    model.editState = ButtonWindowState{};
    EXPECT_TRUE(menus.TopMenuEnabled("&Setup"));
}

TEST_F(MenuStateTest, RulesThatDependOnTheCategoryTableAndSlots) {
    EXPECT_FALSE(Enabled(IdSetIcons)); // no button yet
    Put(0, "Editor");
    EXPECT_TRUE(Enabled(IdSetIcons));
    for (int s = 1; s < kSlotsPerCategory; ++s)
        Put(s, "B");
    EXPECT_FALSE(Enabled(IdAddApplication));
    EXPECT_FALSE(Enabled(IdAddMyComputer));

    EXPECT_TRUE(Enabled(IdCategoryDelete));
    model.TakeCategoryEntry(1);
    EXPECT_FALSE(Enabled(IdCategoryDelete));
    EXPECT_FALSE(Enabled(IdCategoryOrganize));
    for (int i = 1; i < kMaxCategories; ++i)
        model.CreateCategory(i, "C");
    EXPECT_FALSE(Enabled(IdCategoryCreate));
}

TEST_F(MenuStateTest, ChecksAndSaveState) {
    model.settings.CategoryOnEntry = "gAMES";
    EXPECT_TRUE(menus.State(IdCategoryStartUp, facts).checked);
    model.SetCurrentCategoryIndex(1);
    EXPECT_FALSE(menus.State(IdCategoryStartUp, facts).checked);
    EXPECT_TRUE(menus.State(kFirstCategoryId + 1, facts).checked);
    EXPECT_FALSE(menus.State(kFirstCategoryId, facts).checked);
    EXPECT_TRUE(menus.State(kFirstSystemCategoryId + 1, facts).checked);

    EXPECT_FALSE(Enabled(IdConfigSave));
    model.settings.AutoHide = !model.savedAutoHide; // the pushpin alone
    EXPECT_TRUE(Enabled(IdConfigSave));
    model.settings.AutoHide = model.savedAutoHide;
    model.SetModified();
    EXPECT_TRUE(Enabled(IdConfigSave));
}

TEST_F(MenuStateTest, ContextMenuOfASlot) {
    Put(0, "Editor");
    Put(1, "Docs", "folder");
    Put(3, "Control Panel", "folder")->SetOpenMode(2);
    // Empty slot 2 lies before the last used slot 3; slot 4 does not.
    EXPECT_TRUE(menus.ContextState(IdRemoveGap, 2).enabled);
    EXPECT_FALSE(menus.ContextState(IdRemoveGap, 4).enabled);
    // Shift right needs an empty slot at or after, shift left at or before.
    EXPECT_TRUE(menus.ContextState(IdShiftRight, 0).enabled);
    EXPECT_FALSE(menus.ContextState(IdShiftLeft, 1).enabled);
    EXPECT_TRUE(menus.ContextState(IdShiftLeft, 3).enabled);
    EXPECT_EQ(menus.ContextState(IdFindFile, 0).text, "&Find Application...");
    EXPECT_EQ(menus.ContextState(IdFindFile, 1).text, "&Find Folder...");
    EXPECT_TRUE(menus.ContextState(IdLaunchMaximized, 3).checked);
    EXPECT_FALSE(menus.ContextState(IdLaunchMaximized, 0).checked);
    EXPECT_FALSE(menus.ContextState(IdPopupText, 3).enabled); // special folder
    EXPECT_TRUE(menus.ContextState(IdPopupText, 0).enabled);
    model.settings.DisplayPopupText = false;
    EXPECT_FALSE(menus.ContextState(IdPopupText, 0).enabled);
}

TEST(MenuTable, ShortCaptionsRenameTheThreeMenusBothWays) {
    EXPECT_EQ(TopMenuCaption("Confi&gurations", true), "Confi&gs");
    EXPECT_EQ(TopMenuCaption("&Cats", false), "&Categories");
    EXPECT_EQ(TopMenuCaption("&Favorites", true), "&Favs");
    EXPECT_EQ(TopMenuCaption("&Help", true), "&Help");
    EXPECT_TRUE(IsTopMenu("&Favs", kFavoritesCaption));
    EXPECT_FALSE(IsTopMenu("&Favs", kCategoriesCaption));
}

TEST(MenuTable, WindowMenuListsCategoriesThenCopiesWithoutFavoritesAndCategories) {
    using Kind = MenuItemDef::Kind;
    const std::vector<MenuItemDef>& menu = WindowMenu();
    ASSERT_EQ(menu.size(), 6u);
    EXPECT_EQ(menu[0].kind, Kind::DynamicList);
    EXPECT_EQ(menu[0].id, kFirstSystemCategoryId);
    EXPECT_EQ(menu[1].kind, Kind::Separator);
    EXPECT_EQ(menu[2].text, "Dorvane");
    std::vector<std::string> copied;
    for (const MenuItemDef& top : menu[2].children)
        copied.push_back(top.text);
    EXPECT_EQ(copied, (std::vector<std::string>{"&Setup", "Confi&gurations", "&Open", "&Help"}));
    EXPECT_EQ(FindMenuItem(menu[2].children, IdFavoritesAddCategory), nullptr);
    EXPECT_EQ(FindMenuItem(menu[2].children, IdCategoryCreate), nullptr);
    // The Favorites copy keeps its fixed items above the user's tree.
    EXPECT_EQ(menu[3].text, "Favorites");
    ASSERT_EQ(menu[3].children.size(), 4u);
    EXPECT_EQ(menu[3].children[0].id, IdOrganizeFavorites);
    EXPECT_EQ(menu[3].children[1].id, IdFavoritesAddCategory);
    EXPECT_EQ(menu[3].children[3].kind, Kind::DynamicList);
    EXPECT_EQ(menu[3].children[3].id, kFirstFavoriteId);
    EXPECT_EQ(menu[4].kind, Kind::Command);
    EXPECT_EQ(menu[4].id, IdSettings);
    EXPECT_EQ(menu[4].text, "Settings...");
    EXPECT_EQ(menu[5].kind, Kind::Separator);
    // The copy follows the pending rule of the menu bar's Favorites.
    EXPECT_TRUE(IsTopMenu(menu[3].text, kFavoritesCaption));
    EXPECT_FALSE(IsTopMenu(menu[3].text, kCategoriesCaption));
}

TEST(MenuTable, EveryAcceleratorRunsACommandOfTheMainMenu) {
    for (const AcceleratorDef& a : Accelerators())
        EXPECT_NE(FindMenuItem(MainMenu(), a.id), nullptr) << a.keys;
    const MenuItemDef* all = FindMenuItem(MainMenu(), IdAddAllSpecial);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->text, "&All of the Above");
    EXPECT_NE(FindMenuItem(ButtonContextMenu(true), IdAllowBackup), nullptr);
    EXPECT_EQ(FindMenuItem(ButtonContextMenu(false), IdAllowBackup), nullptr);
}

TEST(MenuTable, BitmapItemsFollowTheirSettings) {
    CSettings s;
    MenuBitmapFacts facts;
    MenuBitmaps b = MenuBarBitmaps(s, facts);
    ASSERT_EQ(b.leading.size(), 2u);
    EXPECT_EQ(b.leading[0].id, IdPushpin);
    EXPECT_EQ(b.leading[0].picture, MenuPicture::PushpinOut);
    EXPECT_EQ(b.leading[1].picture, MenuPicture::LockClosed);
    ASSERT_EQ(b.trailing.size(), 2u); // A drive and the alarm clock
    EXPECT_EQ(b.trailing[1].picture, MenuPicture::NoAlarm);

    s.CategoryOnEntry = "Games";
    s.MenuShowPushpin = false;
    facts = MenuBitmapFacts{3, true, true, true, true};
    b = MenuBarBitmaps(s, facts);
    ASSERT_EQ(b.leading.size(), 1u);
    EXPECT_EQ(b.leading[0].id, IdLock);
    std::vector<int> ids;
    for (const MenuBitmapItem& item : b.trailing)
        ids.push_back(item.id);
    EXPECT_EQ(ids, (std::vector<int>{IdHome, IdADrive, IdAlarmClock, IdScheduleBitmap,
                                     IdScreenSaverBitmap, IdCategoryUp, IdCategoryDown}));
    EXPECT_EQ(b.trailing[2].picture, MenuPicture::AlarmDue);
    s.MenuColorBitmaps = false;
    EXPECT_EQ(MenuBarBitmaps(s, facts).trailing[2].picture, MenuPicture::Alarm);
}

} // namespace
