#pragma once

#include <string>
#include <vector>

struct CSettings;

// One entry of a menu as data; the Qt menus are built from these tables.
struct MenuItemDef {
    enum class Kind {
        Command, // id and text
        Separator,
        Submenu, // text and children
        // Place holder for the items the program inserts at run time: the
        // configurations, categories or favorites list (id = first id of the
        // range).
        DynamicList,
    };
    Kind kind = Kind::Command;
    int id = 0;
    std::string text;      // with & accelerators and "\t" shortcut texts
    std::string shortText; // top-level popups only: the short caption, or empty
    std::vector<MenuItemDef> children;
};

// The main menu (128): its top-level popups in order.
const std::vector<MenuItemDef>& MainMenu();
// The button context menu (131; 134 with the backup items).
const std::vector<MenuItemDef>& ButtonContextMenu(bool withBackup);
// The empty-slot context menu (132).
const std::vector<MenuItemDef>& EmptySlotContextMenu();
// The window menu (the program's system menu): the category list (ids from
// kFirstSystemCategoryId), a separator, a "Dorvane" copy of the main menu
// without its Favorites and Categories menus, a "Favorites" copy, "Settings..."
// and a separator.
const std::vector<MenuItemDef>& WindowMenu();
// The tray menu (130) as the program shows it: "Exit" only.
const std::vector<MenuItemDef>& TrayMenu();

// Finds an item (recursively) by id; null when absent.
const MenuItemDef* FindMenuItem(const std::vector<MenuItemDef>& menu, int id);

// Top-level captions. Three of them have a short form; each lookup accepts
// either form.
inline constexpr const char* kSetupCaption = "&Setup";
inline constexpr const char* kConfigurationsCaption = "Confi&gurations";
inline constexpr const char* kCategoriesCaption = "&Categories";
inline constexpr const char* kOpenCaption = "&Open";
inline constexpr const char* kFavoritesCaption = "&Favorites";
inline constexpr const char* kHelpCaption = "&Help";

// The caption a top-level popup shows for `ShortMenuCaptions`; any other text
// is returned unchanged.
std::string TopMenuCaption(const std::string& caption, bool shortCaptions);
// True when `shown` is `caption` in its long or short form, with or without
// its mnemonic.
bool IsTopMenu(const std::string& shown, const std::string& caption);

// A keyboard accelerator: the key sequence in Qt's portable text form.
struct AcceleratorDef {
    const char* keys;
    int id;
};
const std::vector<AcceleratorDef>& Accelerators();

// --- Menu-bar bitmap items ---------------------------------------------------

enum class MenuPicture {
    PushpinOut, // auto-hide on: the window is not pinned
    PushpinIn,
    LockOpen,
    LockClosed,
    Home,
    ADrive,
    NoAlarm,
    Alarm,
    AlarmDue, // an alarm falls due within five minutes
    Schedule,
    ScreenSaver,
    CategoryUp,
    CategoryDown,
};

struct MenuBitmapItem {
    int id;
    MenuPicture picture;
    bool operator==(const MenuBitmapItem&) const = default;
};

// Facts outside the settings that decide the bitmap items.
struct MenuBitmapFacts {
    int categoryCount = 1;
    bool alarmsSet = false;
    bool alarmDueSoon = false; // AlarmDueWithin(5)
    bool scheduledLaunchesExist = false;
    bool screenSaverAvailable = false;
};

// Which bitmap items the menu bar shows: `leading` before the first menu,
// `trailing` after "&Help", each in order.
struct MenuBitmaps {
    std::vector<MenuBitmapItem> leading;
    std::vector<MenuBitmapItem> trailing;
    bool operator==(const MenuBitmaps&) const = default;
};
MenuBitmaps MenuBarBitmaps(const CSettings& s, const MenuBitmapFacts& facts);
