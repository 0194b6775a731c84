#include "ui/MenuTable.h"

#include "model/Settings.h"
#include "ui/MenuIds.h"

namespace {

using Kind = MenuItemDef::Kind;

MenuItemDef Cmd(int id, const char* text) {
    return MenuItemDef{Kind::Command, id, text, "", {}};
}

MenuItemDef Sep() {
    return MenuItemDef{Kind::Separator, 0, "", "", {}};
}

MenuItemDef Sub(const char* text, std::vector<MenuItemDef> children, const char* shortText = "") {
    return MenuItemDef{Kind::Submenu, 0, text, shortText, std::move(children)};
}

MenuItemDef List(int firstId) {
    return MenuItemDef{Kind::DynamicList, firstId, "", "", {}};
}

std::vector<MenuItemDef> BuildMainMenu() {
    return {
        Sub(kSetupCaption,
            {
                Sub("&Buttons",
                    {
                        Cmd(IdAddApplication, "Add &Application or Document...\tCtrl+A"),
                        Cmd(IdAddInstalledApplication, "Add Installed Appli&cation..."),
                        Cmd(IdAddInternetAddress, "Add &Internet Address..."),
                        Cmd(IdAddFolder, "Add &Folder...\tCtrl+F"),
                        Sub("Add Special Buttons",
                            {
                                Cmd(IdAddMyComputer, "&My Computer"),
                                Cmd(IdAddExplorer, "&Explorer"),
                                Cmd(IdAddControlPanel, "&Control Panel"),
                                Cmd(IdAddDialUp, "&Dial-Up Networking"),
                                Cmd(IdAddPrinters, "&Printers"),
                                Cmd(IdAddWindowsFolder, "&Windows"),
                                Cmd(IdAddStartMenu, "S&tart Menu"),
                                Cmd(IdAddStartUp, "Start-&Up"),
                                Sep(),
                                Cmd(IdAddAllSpecial, "&All of the Above"),
                            }),
                        Sep(),
                        Sub("&View Apps In",
                            {
                                Cmd(IdViewStartMenu, "&Start Menu Folder..."),
                                Cmd(IdViewPrograms, "Start Menu/&Programs Folder..."),
                                Cmd(IdViewWindowsFolder, "&Windows Folder..."),
                            }),
                        Sep(),
                        Cmd(IdSetIcons, "Set &Icons...\tCtrl+I"),
                    }),
                Sep(),
                Sub("&Schedule",
                    {
                        Cmd(IdShowSchedule, "&Show Schedule..."),
                        Cmd(IdEnableScheduledLaunches, "&Enable Scheduled Launches"),
                    }),
                Cmd(IdAlarms, "&Alarms..."),
                Sep(),
                Cmd(IdOrganizeFavorites, "Organize &Favorites..."),
                Cmd(IdActionSounds, "Action Sounds..."),
                Cmd(IdSettings, "Se&ttings...\tCtrl+S"),
                Sep(),
                Cmd(IdUndoChanges, "&Undo Changes...\tCtrl+U"),
                Sep(),
                Cmd(IdExit, "E&xit"),
            }),
        Sub(kConfigurationsCaption,
            {
                Sub("Confi&gurations",
                    {
                        Cmd(IdConfigCreate, "Create..."),
                        Cmd(IdConfigSave, "&Save"),
                        Cmd(IdConfigSaveAs, "Save &As..."),
                        Cmd(IdConfigBackup, "&Backup"),
                        Cmd(IdConfigLoad, "&Load..."),
                        Cmd(IdConfigRename, "&Rename..."),
                        Cmd(IdConfigDelete, "&Delete..."),
                    }),
                Cmd(IdConfigSave, "&Save Current Configuration"),
                Sep(),
                List(kFirstConfigurationId),
            },
            "Confi&gs"),
        Sub(kCategoriesCaption,
            {
                Sub("&Categories",
                    {
                        Cmd(IdCategoryCreate, "&Create...\tShift+C"),
                        Cmd(IdCategoryRename, "&Rename...\tShift+R"),
                        Cmd(IdCategoryDelete, "&Delete\tShift+D"),
                        Cmd(IdCategoryOrganize, "&Organize...\tShift+O"),
                        Cmd(IdCategoryStartUp, "Set Category to Display at Start&Up..."),
                    }),
                Sep(),
                List(kFirstCategoryId),
            },
            "&Cats"),
        Sub(kOpenCaption,
            {
                Cmd(IdWebBrowser, "&Web Browser\tCtrl+Shift+W"),
                Cmd(IdEmailUtility, "E-&Mail Utility\tCtrl+Shift+M"),
                Sep(),
                Cmd(IdScreenSaver, "Start &Screen Saver\tCtrl+Shift+S"),
                Sep(),
                Cmd(IdFileBackup, "File &Backup Utility..."),
                Sep(),
                Cmd(IdFindButton, "&Find Button...\tCtrl+Shift+F"),
            }),
        Sub(kFavoritesCaption,
            {
                Cmd(IdOrganizeFavorites, "&Organize..."),
                Cmd(IdFavoritesAddCategory, "&Add Current Category"),
                Sep(),
                List(kFirstFavoriteId),
            },
            "&Favs"),
        Sub(kHelpCaption,
            {
                Sub("&Quick Help",
                    {
                        Cmd(IdHelpConfigurations, "Confi&gurations..."),
                        Cmd(IdHelpCreateButtons, "Create &Buttons..."),
                        Cmd(IdHelpChangeCategories, "&Change Categories..."),
                        Cmd(IdHelpTaskbarIcon, "&Taskbar Icon..."),
                    }),
                Cmd(IdTutorial, "&Tutorial..."),
                Sep(),
                Cmd(IdAbout, "&About DORVANE..."),
            }),
    };
}

std::vector<MenuItemDef> BuildButtonMenu(bool withBackup) {
    std::vector<MenuItemDef> menu = {
        Cmd(IdProperties, "&Properties..."),
        Cmd(IdPopupText, "&Popup Text"),
        Cmd(IdButtonText, "&Button Text"),
        Cmd(IdChangeIcon, "Change &Icon..."),
        Cmd(IdShowIconInfo, "Show Icon Info..."),
        Sep(),
        Cmd(IdCopyButton, "&Copy"),
        Cmd(IdCopyIcon, "Copy &Icon"),
        Cmd(IdMoveButton, "&Move"),
        Sep(),
        Cmd(IdShiftRight, "Shift &Right"),
        Cmd(IdShiftLeft, "Shift &Left"),
        Sep(),
        Cmd(IdDeleteButton, "&Delete"),
        Sep(),
        Cmd(IdLaunchMaximized, "Launch Ma&ximized"),
        Cmd(IdFindFile, "&Find File or Folder..."),
        Cmd(IdDownloadData, "Dow&nload Data..."),
        Cmd(IdScheduleLaunch, "&Schedule Launch..."),
        Cmd(IdAddToFavorites, "&Add to Favorites"),
    };
    if (withBackup) {
        menu.push_back(Sep());
        menu.push_back(Cmd(IdBackupButton, "Backup"));
        menu.push_back(Cmd(IdAllowBackup, "Allow Backup"));
    }
    return menu;
}

// The three captions with a short form: long, short.
constexpr const char* kShortCaptions[][2] = {
    {kConfigurationsCaption, "Confi&gs"},
    {kCategoriesCaption, "&Cats"},
    {kFavoritesCaption, "&Favs"},
};

} // namespace

const std::vector<MenuItemDef>& MainMenu() {
    static const std::vector<MenuItemDef> menu = BuildMainMenu();
    return menu;
}

const std::vector<MenuItemDef>& ButtonContextMenu(bool withBackup) {
    static const std::vector<MenuItemDef> plain = BuildButtonMenu(false);
    static const std::vector<MenuItemDef> backup = BuildButtonMenu(true);
    return withBackup ? backup : plain;
}

const std::vector<MenuItemDef>& EmptySlotContextMenu() {
    static const std::vector<MenuItemDef> menu = {
        Cmd(IdAddApplicationHere, "Add &Application or Document..."),
        Cmd(IdAddFolderHere, "Add &Folder..."),
        Cmd(IdAddInternetAddress, "Add &Internet Address..."),
        Sep(),
        Cmd(IdRemoveGap, "&Remove Gap"),
    };
    return menu;
}

const std::vector<MenuItemDef>& WindowMenu() {
    static const std::vector<MenuItemDef> menu = [] {
        std::vector<MenuItemDef> copies;
        std::vector<MenuItemDef> favorites;
        for (const MenuItemDef& top : MainMenu()) {
            if (top.text == kFavoritesCaption)
                favorites = top.children;
            else if (top.text != kCategoriesCaption)
                copies.push_back(top);
        }
        return std::vector<MenuItemDef>{
            List(kFirstSystemCategoryId),      Sep(),
            Sub("Dorvane", std::move(copies)), Sub("Favorites", std::move(favorites)),
            Cmd(IdSettings, "Settings..."),    Sep(),
        };
    }();
    return menu;
}

const std::vector<MenuItemDef>& TrayMenu() {
    static const std::vector<MenuItemDef> menu = {Cmd(IdExit, "Exit")};
    return menu;
}

const MenuItemDef* FindMenuItem(const std::vector<MenuItemDef>& menu, int id) {
    for (const MenuItemDef& item : menu) {
        if (item.kind == Kind::Command && item.id == id)
            return &item;
        if (item.kind == Kind::Submenu) {
            if (const MenuItemDef* found = FindMenuItem(item.children, id))
                return found;
        }
    }
    return nullptr;
}

std::string TopMenuCaption(const std::string& caption, bool shortCaptions) {
    for (const auto& pair : kShortCaptions) {
        if (caption == pair[0] || caption == pair[1])
            return shortCaptions ? pair[1] : pair[0];
    }
    return caption;
}

namespace {
std::string WithoutMnemonics(const std::string& text) {
    std::string plain;
    for (char c : text)
        if (c != '&')
            plain += c;
    return plain;
}
} // namespace

bool IsTopMenu(const std::string& shown, const std::string& caption) {
    // The window menu's "Favorites" copy carries no mnemonic.
    return shown == caption || WithoutMnemonics(TopMenuCaption(shown, false)) ==
                                   WithoutMnemonics(TopMenuCaption(caption, false));
}

const std::vector<AcceleratorDef>& Accelerators() {
    // The Organize item shows Shift+O while the historic key is Shift+M; both
    // keys work so the key the menu names does what it says.
    static const std::vector<AcceleratorDef> table = {
        {"Ctrl+A", IdAddApplication},    {"Ctrl+F", IdAddFolder},
        {"Ctrl+I", IdSetIcons},          {"Ctrl+S", IdSettings},
        {"Ctrl+U", IdUndoChanges},       {"Ctrl+Shift+S", IdScreenSaver},
        {"Ctrl+Shift+W", IdWebBrowser},  {"Ctrl+Shift+M", IdEmailUtility},
        {"Shift+C", IdCategoryCreate},   {"Shift+D", IdCategoryDelete},
        {"Shift+M", IdCategoryOrganize}, {"Shift+O", IdCategoryOrganize},
        {"Shift+R", IdCategoryRename},   {"Ctrl+Shift+F", IdFindButton},
    };
    return table;
}

MenuBitmaps MenuBarBitmaps(const CSettings& s, const MenuBitmapFacts& facts) {
    MenuBitmaps b;
    if (s.MenuShowPushpin)
        b.leading.push_back(
            {IdPushpin, s.AutoHide ? MenuPicture::PushpinOut : MenuPicture::PushpinIn});
    if (s.MenuShowLock)
        b.leading.push_back(
            {IdLock, s.LockWindowPosition ? MenuPicture::LockClosed : MenuPicture::LockOpen});
    if (s.MenuShowHome && !s.CategoryOnEntry.empty())
        b.trailing.push_back({IdHome, MenuPicture::Home});
    if (s.MenuShowADrive)
        b.trailing.push_back({IdADrive, MenuPicture::ADrive});
    MenuPicture alarm = MenuPicture::NoAlarm;
    if (facts.alarmsSet)
        alarm =
            s.MenuColorBitmaps && facts.alarmDueSoon ? MenuPicture::AlarmDue : MenuPicture::Alarm;
    b.trailing.push_back({IdAlarmClock, alarm});
    if (facts.scheduledLaunchesExist)
        b.trailing.push_back({IdScheduleBitmap, MenuPicture::Schedule});
    if (s.MenuShowScreenSaver && facts.screenSaverAvailable)
        b.trailing.push_back({IdScreenSaverBitmap, MenuPicture::ScreenSaver});
    if (s.MenuShowCategoryUpDown && facts.categoryCount > 1) {
        b.trailing.push_back({IdCategoryUp, MenuPicture::CategoryUp});
        b.trailing.push_back({IdCategoryDown, MenuPicture::CategoryDown});
    }
    return b;
}
