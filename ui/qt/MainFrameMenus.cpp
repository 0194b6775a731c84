// The menus of CMainFrame: built from the core menu tables, their states from
// the core rules, and the routing of command ids to their handlers.
#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>
#include <QToolTip>

#include "config/ConfigurationCommands.h"
#include "config/Configurations.h"
#include "favorites/FavoritesCommands.h"
#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesTree.h"
#include "favorites/OrganizeFavorites.h"
#include "model/ButtonDef.h"
#include "model/Category.h"
#include "model/Model.h"
#include "model/Text.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "schedule/AlarmTable.h"
#include "schedule/LaunchSchedules.h"
#include "sounds/qt/DefaultSoundsDialog.h"
#include "sounds/PlaySound.h"
#include "ui/AccessibleNames.h"
#include "ui/qt/AboutBox.h"
#include "ui/CategoryOps.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/OptionsSheet.h"
#include "ui/HelpTexts.h"
#include "ui/Launcher.h"
#include "ui/MenuIds.h"
#include "ui/MenuTable.h"
#include "ui/qt/QtCollation.h"
#include "ui/Tooltips.h"
#include "ui/qt/TrayIcon.h"
#include "ui/ViewRules.h"

namespace {
QString QtText(const std::string& s) {
    return QString::fromStdString(s);
}

const char* PicturePath(MenuPicture picture) {
    switch (picture) {
    case MenuPicture::PushpinOut:
        return IconNames::PushpinOut;
    case MenuPicture::PushpinIn:
        return IconNames::PushpinIn;
    case MenuPicture::LockOpen:
        return IconNames::LockOpen;
    case MenuPicture::LockClosed:
        return IconNames::LockClosed;
    case MenuPicture::Home:
        return IconNames::Home;
    case MenuPicture::ADrive:
        return IconNames::Floppy;
    case MenuPicture::NoAlarm:
        return IconNames::AlarmNone;
    case MenuPicture::Alarm:
        return IconNames::Alarm;
    case MenuPicture::AlarmDue:
        return IconNames::AlarmDue;
    case MenuPicture::Schedule:
        return IconNames::Schedule;
    case MenuPicture::ScreenSaver:
        return IconNames::ScreenSaver;
    case MenuPicture::CategoryUp:
        return IconNames::Up;
    case MenuPicture::CategoryDown:
        return IconNames::Down;
    }
    return IconNames::App;
}

// The id a menu action carries, or 0.
int ActionId(const QAction* action) {
    return action ? action->data().toInt() : 0;
}
} // namespace

void CMainFrame::BuildCommandTable() {
    commands_[IdExit] = [this] { close(); };
    commands_[IdAbout] = [this] { AboutBox::Show(model_, this); };
    commands_[IdTutorial] = [this] { OpenTutorial(); };
    for (int id :
         {IdHelpConfigurations, IdHelpCreateButtons, IdHelpChangeCategories, IdHelpTaskbarIcon})
        commands_[id] = [this, id] { ShowQuickHelp(id); };
    commands_[IdHideWindow] = [this] { ToggleWindowVisible(); };
    commands_[IdPushpin] = [this] {
        PlayActionSound(model_, "Generic Button Click", true);
        model_.settings.AutoHide = !model_.settings.AutoHide;
        AutoHideChanged();
    };
    commands_[IdLock] = [this] {
        PlayActionSound(model_, "Generic Button Click", true);
        model_.settings.LockWindowPosition = !model_.settings.LockWindowPosition;
        RebuildMenuBar();
    };
    commands_[IdCategoryUp] = [this] { ShowCategoryStep(SteppedCategory(model_, -1)); };
    commands_[IdCategoryDown] = [this] { ShowCategoryStep(SteppedCategory(model_, +1)); };
    commands_[IdHome] = [this] { ShowCategoryStep(HomeCategory(model_)); };
    commands_[IdWebBrowser] = [this] { OpenWebBrowser(model_); };
    commands_[IdEmailUtility] = [this] { OpenEmailUtility(model_); };
    for (int id : {IdScreenSaver, IdScreenSaverBitmap, IdTrayScreenSaver})
        commands_[id] = [this] { StartScreenSaver(model_); };
    commands_[IdViewStartMenu] = [this] { ViewStartMenuFolder(model_); };
    commands_[IdViewPrograms] = [this] { ViewProgramsFolder(model_); };
    commands_[IdFindFile] = [this] { FindFileOrFolder(model_); };
    commands_[IdADrive] = [this] {
        OpenRemovableMedia(model_,
                           RemovableMediaFolders(qEnvironmentVariable("USER").toStdString()));
    };
    commands_[IdConfigSave] = [this] {
        if (SaveConfiguration()) {
            model_.savedAutoHide = model_.settings.AutoHide;
            model_.savedLockWindowPosition = model_.settings.LockWindowPosition;
        }
        RefreshMenus();
    };
    commands_[IdConfigSaveAs] = [this] { SaveConfigurationAs(model_, ""); };
    commands_[IdConfigBackup] = [this] { SaveConfigurationAs(model_, BackupProposal(model_)); };
    commands_[IdConfigCreate] = [this] { CreateConfiguration(model_); };
    commands_[IdConfigLoad] = [this] { LoadConfigurationCommand(model_); };
    commands_[IdConfigRename] = [this] { RenameCurrentConfiguration(model_, Dialogs()); };
    commands_[IdConfigDelete] = [this] { DeleteConfigurationCommand(model_); };
    commands_[IdEnableScheduledLaunches] = [this] {
        ToggleScheduledLaunches(model_);
        RebuildMenuBar();
    };
    commands_[IdOrganizeFavorites] = [this] { OrganizeFavorites(model_, Dialogs()); };
    commands_[IdActionSounds] = [this] {
        CDefaultSoundsDlg dialog(model_, this);
        dialog.exec();
    };
    BuildScheduleCommands();
    commands_[IdSettings] = [this] {
        QtOptionsWindow window(*this);
        COptions sheet(model_, window, SessionStartupLinkPlaces(), this);
        sheet.exec();
        RefreshMenus();
    };
    commands_[IdFindButton] = [this] { OpenFindButton(); };
    BuildEditCommands();
    for (const auto& [id, handler] : commands_)
        menuState_.SetAvailable(id, true);
}

void CMainFrame::RunCommand(int id) {
    if (id >= kFirstFavoritesId && id < kFavoritesIdEnd) {
        LaunchFavorite(model_, id);
        return;
    }
    if (id >= kFirstCategoryId && id <= kLastCategoryId) {
        ShowCategoryStep(id - kFirstCategoryId);
        return;
    }
    if (id >= kFirstSystemCategoryId && id <= kLastSystemCategoryId) {
        ShowCategoryStep(id - kFirstSystemCategoryId);
        return;
    }
    if (id >= kFirstConfigurationId && id <= kLastConfigurationId) {
        // The names as the menus show them; the folder may have changed since.
        const auto index = static_cast<std::size_t>(id - kFirstConfigurationId);
        if (index < configNames_.size())
            ChooseListedConfiguration(model_, configNames_[index]);
        return;
    }
    if (!menuState_.State(id, Facts()).enabled)
        return;
    const auto found = commands_.find(id);
    if (found != commands_.end())
        found->second();
}

MenuFacts CMainFrame::Facts() const {
    MenuFacts facts;
    facts.tutorialRunning = tutorial_ != nullptr;
    facts.scheduledLaunchesExist = AnyLaunchSchedule(model_);
    facts.screenSaverAvailable = ScreenSaverAvailable(model_);
    facts.webBrowserFound = WebBrowserFound(model_);
    facts.categoriesInOrder = CategoriesInOrder(model_, QtCollate);
    facts.favoritesCount = model_.favorites.NodeCount();
    facts.configurationCount = static_cast<int>(configNames_.size());
    return facts;
}

namespace {
void AddItems(QMenu* menu, const std::vector<MenuItemDef>& items, std::map<int, QAction*>& actions,
              QMenu*& categories, std::vector<QMenu*>& favorites,
              std::vector<QMenu*>& configurations, QObject* receiver,
              const std::function<void(int)>& run) {
    for (const MenuItemDef& item : items) {
        switch (item.kind) {
        case MenuItemDef::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuItemDef::Kind::Submenu: {
            QMenu* sub = menu->addMenu(QtText(item.text));
            AddItems(sub, item.children, actions, categories, favorites, configurations, receiver,
                     run);
            break;
        }
        case MenuItemDef::Kind::DynamicList:
            if (item.id == kFirstCategoryId)
                categories = menu;
            if (item.id == kFirstFavoriteId)
                favorites.push_back(menu);
            if (item.id == kFirstConfigurationId)
                configurations.push_back(menu);
            break;
        case MenuItemDef::Kind::Command: {
            QAction* action = menu->addAction(QtText(item.text));
            action->setData(item.id);
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, receiver, [run, id] { run(id); });
            if (!actions.count(id))
                actions[id] = action;
            break;
        }
        }
    }
}
} // namespace

void CMainFrame::BuildMenus() {
    const auto run = [this](int id) { RunCommand(id); };
    for (const MenuItemDef& top : MainMenu()) {
        QMenu* menu = menuBar()->addMenu(QtText(top.text));
        menu->setObjectName(QtText(top.text).remove(QLatin1Char('&')));
        topMenus_[top.text] = menu;
        AddItems(menu, top.children, actions_, categoriesMenu_, favoritesMenus_,
                 configurationMenus_, this, run);
        connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateActionStates(menu); });
    }
    for (const AcceleratorDef& accelerator : Accelerators()) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromLatin1(accelerator.keys)), this);
        const int id = accelerator.id;
        connect(shortcut, &QShortcut::activated, this, [this, id] { RunCommand(id); });
    }

    // The window menu: the category list, copies of the menus and Settings,
    // offered by a right click on the menu bar or, when the menu bar is
    // hidden, on the grid's background.
    systemMenu_ = new QMenu(this);
    systemMenu_->setObjectName(QStringLiteral("systemMenu"));
    std::map<int, QAction*> copiedActions;
    QMenu* unusedCategories = nullptr;
    const auto addCopy = [&](QMenu* parent, const MenuItemDef& top) {
        QMenu* menu = parent->addMenu(QtText(top.text));
        AddItems(menu, top.children, copiedActions, unusedCategories, favoritesMenus_,
                 configurationMenus_, this, run);
        systemTopMenus_[top.text] = menu;
        return menu;
    };
    for (const MenuItemDef& item : WindowMenu()) {
        if (item.kind == MenuItemDef::Kind::Separator) {
            QAction* separator = systemMenu_->addSeparator();
            if (!systemCategoriesEnd_)
                systemCategoriesEnd_ = separator;
        } else if (item.kind == MenuItemDef::Kind::Submenu && item.text == "Dorvane") {
            QMenu* copies = systemMenu_->addMenu(QtText(item.text));
            copies->setObjectName(QStringLiteral("systemDorvane"));
            for (const MenuItemDef& top : item.children)
                addCopy(copies, top);
        } else if (item.kind == MenuItemDef::Kind::Submenu) {
            addCopy(systemMenu_, item)->setObjectName(QStringLiteral("systemFavorites"));
        } else if (item.kind == MenuItemDef::Kind::Command) {
            QAction* action = systemMenu_->addAction(QtText(item.text));
            action->setData(item.id);
            const int id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        }
    }
    for (auto& [caption, menu] : systemTopMenus_)
        connect(menu, &QMenu::aboutToShow, this, [this, menu = menu] { UpdateActionStates(menu); });
    // The folder may have gained or lost files since the list was built.
    for (QMenu* menu : configurationMenus_)
        connect(menu, &QMenu::aboutToShow, this, [this] { RebuildConfigurationList(); });
    connect(systemMenu_, &QMenu::aboutToShow, this, [this] {
        RebuildCategoryMenus();
        UpdateActionStates(systemMenu_);
    });
    view_->installEventFilter(this);
}

void CMainFrame::RebuildConfigurationList() {
    configNames_ = ConfigurationList(model_, QtCollate);
    const std::vector<ConfigMenuEntry> entries = ConfigurationMenuEntries(model_, configNames_);
    for (QMenu* menu : configurationMenus_) {
        for (QAction* action : menu->actions()) {
            const int id = ActionId(action);
            if (id >= kFirstConfigurationId && id <= kLastConfigurationId) {
                menu->removeAction(action);
                action->deleteLater();
            }
        }
        for (const ConfigMenuEntry& entry : entries) {
            QAction* action = menu->addAction(QtText(entry.text));
            action->setData(entry.id);
            action->setObjectName(QStringLiteral("configuration%1").arg(entry.id));
            // Only the current configuration carries a mark.
            action->setCheckable(entry.checked);
            action->setChecked(entry.checked);
            const int id = entry.id;
            connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        }
    }
    RefreshMenus();
}

void CMainFrame::UpdateActionStates(QMenu* menu) {
    const MenuFacts facts = Facts();
    for (QAction* action : menu->actions()) {
        const int id = ActionId(action);
        if (action->menu()) {
            UpdateActionStates(action->menu());
            continue;
        }
        if (id == 0 || (id >= kFirstFavoriteId && id <= kLastCategoryId) ||
            (id >= kFirstSystemCategoryId && id <= kLastSystemCategoryId))
            continue;
        const MenuItemState state = menuState_.State(id, facts);
        action->setEnabled(state.enabled);
        action->setCheckable(state.checked || action->isCheckable());
        action->setChecked(state.checked);
        if (!state.text.empty())
            action->setText(QtText(state.text));
    }
}

void CMainFrame::RefreshMenus() {
    for (auto& [caption, menu] : topMenus_) {
        menu->menuAction()->setEnabled(menuState_.TopMenuEnabled(caption));
        menu->setTitle(QtText(TopMenuCaption(caption, model_.settings.ShortMenuCaptions)));
    }
    // The window menu's copies follow the same rule as the menu bar's.
    for (auto& [caption, menu] : systemTopMenus_) {
        menu->menuAction()->setEnabled(menuState_.TopMenuEnabled(caption));
        menu->setTitle(QtText(TopMenuCaption(caption, model_.settings.ShortMenuCaptions)));
    }
    if (!bitmapActions_.empty()) {
        // Finding the browser and the screen saver reads files; once a refresh.
        const MenuFacts facts = Facts();
        for (QAction* action : bitmapActions_)
            action->setEnabled(menuState_.State(ActionId(action), facts).enabled);
    }
    RebuildCategoryMenus();
}

void CMainFrame::RebuildMenuBar() {
    std::optional<MenuBitmaps> bitmaps;
    if (model_.settings.MenuVisible) {
        MenuBitmapFacts facts;
        facts.categoryCount = model_.CategoryCount();
        facts.alarmsSet = model_.alarms.AnyAlarm();
        facts.alarmDueSoon = model_.alarms.AlarmDueWithin(5);
        facts.scheduledLaunchesExist = AnyLaunchSchedule(model_);
        facts.screenSaverAvailable = ScreenSaverAvailable(model_);
        bitmaps = MenuBarBitmaps(model_.settings, facts);
    }
    // The same pictures are left in place: a start asks several times, and
    // each new picture is drawn again and lays the menu bar out again.
    if (bitmaps == shownBitmaps_) {
        if (bitmaps)
            RefreshMenus();
        return;
    }
    for (QAction* action : bitmapActions_) {
        menuBar()->removeAction(action);
        delete action;
    }
    bitmapActions_.clear();
    shownBitmaps_ = bitmaps;
    if (!bitmaps)
        return;
    const auto makeAction = [this](const MenuBitmapItem& item) {
        auto* action =
            new QAction(ProgramIcons::Icon(PicturePath(item.picture)), QString(), menuBar());
        action->setData(item.id);
        action->setObjectName(QStringLiteral("bitmap%1").arg(item.id));
        // The text names the picture for screen readers; the menu bar draws
        // only the icon of an action that has one.
        action->setText(QtText(PictureButtonName(item.id)));
        const std::string tip = ControlTooltip(item.id);
        if (!tip.empty())
            action->setToolTip(QtText(tip));
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        bitmapActions_.append(action);
        return action;
    };
    QAction* first = menuBar()->actions().isEmpty() ? nullptr : menuBar()->actions().first();
    for (const MenuBitmapItem& item : bitmaps->leading)
        menuBar()->insertAction(first, makeAction(item));
    for (const MenuBitmapItem& item : bitmaps->trailing)
        menuBar()->addAction(makeAction(item));
    RefreshMenus();
}

namespace {
// Appends the entries of a Favorites menu: submenus as menus, items as
// commands with their ids. The tree is walked without recursion.
void AddFavorites(QMenu* menu, const CFavoritesMenu& favorites, QObject* receiver,
                  const std::function<void(int)>& run) {
    std::vector<QMenu*> open{menu};
    CFavoritesTree::Walk(
        favorites,
        [&](const CFavoritesMenu& parent, int index, int level) {
            QMenu* into = open[static_cast<size_t>(level)];
            if (const CFavoritesMenu* sub = parent.SubMenu(index)) {
                open.resize(static_cast<size_t>(level) + 1);
                open.push_back(into->addMenu(QtText(ShownText(sub->Text()))));
            } else if (const CButtonDef* item = parent.Item(index)) {
                QAction* action = into->addAction(QtText(ShownText(item->Name())));
                const int id = parent.CommandId(index);
                action->setData(id);
                QObject::connect(action, &QAction::triggered, receiver, [run, id] { run(id); });
            }
        },
        [&open](const CFavoritesMenu&, int level) { open.resize(static_cast<size_t>(level) + 1); });
}
} // namespace

void CMainFrame::RebuildFavoritesMenu() {
    const auto run = [this](int id) { RunCommand(id); };
    for (QMenu* menu : favoritesMenus_) {
        // The fixed items (Organize, Add Current Category, a separator) stay.
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = kFixedFavoritesItems; i < actions.size(); ++i) {
            menu->removeAction(actions[i]);
            if (QMenu* sub = actions[i]->menu())
                sub->deleteLater();
            actions[i]->deleteLater();
        }
        if (model_.favorites.Exist() && model_.favorites.Root())
            AddFavorites(menu, *model_.favorites.Root(), this, run);
    }
}

void CMainFrame::RebuildCategoryMenus() {
    std::vector<std::pair<int, std::string>> names;
    for (int i = 0; i < kMaxCategories; ++i)
        if (const CCategory* category = model_.Category(i))
            names.emplace_back(i, category->Name());
    // Showing another category changes only the check marks.
    if (names == shownCategoryNames_) {
        const auto check = [this](QMenu* menu, int firstId) {
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                const int id = ActionId(action);
                if (id >= firstId && id < firstId + kMaxCategories)
                    action->setChecked(id - firstId == model_.CurrentCategoryIndex());
            }
        };
        check(categoriesMenu_, kFirstCategoryId);
        check(systemMenu_, kFirstSystemCategoryId);
        return;
    }
    shownCategoryNames_ = names;
    // The menu bar's list follows its fixed items; the window menu's list
    // stands at its top, before the first separator.
    const auto fill = [this](QMenu* menu, int firstId, QAction* before) {
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            const int id = ActionId(action);
            if (id >= firstId && id < firstId + kMaxCategories) {
                menu->removeAction(action);
                delete action;
            }
        }
        for (const auto& [i, name] : shownCategoryNames_) {
            auto* action = new QAction(QtText(ShownText(name)), menu);
            menu->insertAction(before, action);
            action->setData(firstId + i);
            action->setCheckable(true);
            action->setChecked(i == model_.CurrentCategoryIndex());
            const int id = firstId + i;
            connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        }
    };
    fill(categoriesMenu_, kFirstCategoryId, nullptr);
    fill(systemMenu_, kFirstSystemCategoryId, systemCategoriesEnd_);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == view_ && started_ && !painted_) {
        // Reported once the grid has painted itself.
        painted_ = true;
        view_->removeEventFilter(this);
        QApplication::sendEvent(view_, event);
        view_->installEventFilter(this);
        Q_EMIT FirstPaint();
        // Painted later than the start category's load (a window shown
        // hidden first): its stored pictures are checked after this paint.
        QTimer::singleShot(0, view_, &CDorvaneView::CheckStoredPictures);
        return true;
    }
    // A menu bar shows no tips of its own: the bitmap items get theirs here.
    if (event->type() == QEvent::ToolTip && watched == menuBar()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::string tip = MenuBarTooltip(model_, ActionId(menuBar()->actionAt(help->pos())));
        if (tip.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), QtText(tip), menuBar());
        return true;
    }
    if (event->type() == QEvent::ContextMenu &&
        (watched == menuBar() || (watched == view_ && !model_.settings.MenuVisible))) {
        systemMenu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
