#pragma once

// Command ids of the menus, accelerators, menu-bar bitmaps and the system
// menu. The numeric values are fixed: stored routing and the dynamic ranges
// depend on them.
enum CommandId : int {
    // Menu-bar bitmap items.
    IdPushpin = 219,
    IdAlarmClock = 222,
    IdScheduleBitmap = 223,
    IdScreenSaverBitmap = 225,
    IdCategoryUp = 229,
    IdCategoryDown = 230,
    IdADrive = 231,
    IdLock = 232,
    IdHome = 234,

    // Setup > Buttons.
    IdAddApplication = 32774,
    IdAddInstalledApplication = 32975, // the installed applications as a list
    IdAddInternetAddress = 32956,
    IdAddFolder = 32785,
    IdAddMyComputer = 32907,
    IdAddExplorer = 32954,
    IdAddControlPanel = 32801,
    IdAddDialUp = 32802,
    IdAddPrinters = 32807,
    IdAddWindowsFolder = 32921,
    IdAddStartMenu = 32922,
    IdAddStartUp = 32923,
    IdAddAllSpecial = 32951,
    IdViewStartMenu = 32786,
    IdViewPrograms = 32788,
    IdViewWindowsFolder = 32789,
    IdSetIcons = 32881,

    // Setup.
    IdShowSchedule = 32817,
    IdEnableScheduledLaunches = 32818,
    IdAlarms = 32865,
    IdOrganizeFavorites = 32826,
    IdActionSounds = 32920,
    IdSettings = 32888,
    IdUndoChanges = 32795,
    IdExit = 57665,

    // Configurations.
    IdConfigCreate = 32905,
    IdConfigSave = 32912,
    IdConfigSaveAs = 32889,
    IdConfigBackup = 32897,
    IdConfigLoad = 32890,
    IdConfigRename = 32900,
    IdConfigDelete = 32903,
    IdConfigMenuAnchor = 32906, // the item whose containing menu the system menu remembers

    // Categories.
    IdCategoryCreate = 32771,
    IdCategoryRename = 32803,
    IdCategoryDelete = 32781,
    IdCategoryOrganize = 32867,
    IdCategoryStartUp = 32810,
    IdCategorySort = 32809,

    // Open.
    IdWebBrowser = 32797,
    IdEmailUtility = 32796,
    IdScreenSaver = 32784,
    IdFileBackup = 32960,
    IdFindButton = 32970,

    // Favorites.
    IdFavoritesAddCategory = 32910,

    // Help.
    IdHelpConfigurations = 32904,
    IdHelpCreateButtons = 32845,
    IdHelpChangeCategories = 32791,
    IdHelpTaskbarIcon = 32847,
    IdTutorial = 32848,
    IdAbout = 57664,
    IdHelp = 57670,

    // Tray menu.
    IdHideWindow = 32844,
    IdTrayScreenSaver = 32863,

    // Context menus of a button (131, 134) and of an empty slot (132).
    IdRemoveGap = 32858,
    IdDeleteButton = 32849,
    IdCopyButton = 32850,
    IdCopyIcon = 32851,
    IdMoveButton = 32852,
    IdShiftRight = 32932,
    IdShiftLeft = 32933,
    IdProperties = 32853,
    IdShowIconInfo = 32957,
    IdPopupText = 32908,
    IdButtonText = 32911,
    IdChangeIcon = 32955,
    IdDownloadData = 32914,
    IdLaunchMaximized = 32887,
    IdFindFile = 32913,
    IdBackupButton = 32963,
    IdAllowBackup = 32964,
    IdScheduleLaunch = 32854,
    IdAddToFavorites = 32855,
    IdAddApplicationHere = 32856,
    IdAddFolderHere = 32857,

    // File backup dialog menu.
    IdSetBackupRoot = 32961,
    IdShowBackupRoot = 32962,
};

// Dynamic id ranges (first and last id, inclusive).
inline constexpr int kFirstSystemCategoryId = 181; // system-menu category list
inline constexpr int kLastSystemCategoryId = 210;
inline constexpr int kFirstFavoriteId = 34000;
inline constexpr int kLastFavoriteId = 34499;
inline constexpr int kFirstConfigurationId = 34500;
inline constexpr int kLastConfigurationId = 34999;
inline constexpr int kFirstCategoryId = 35000;
inline constexpr int kLastCategoryId = 35499;

// Menu resources.
inline constexpr int kMainMenu = 128;
inline constexpr int kTrayMenu = 130;
inline constexpr int kButtonMenu = 131;
inline constexpr int kEmptySlotMenu = 132;
inline constexpr int kButtonBackupMenu = 134;
