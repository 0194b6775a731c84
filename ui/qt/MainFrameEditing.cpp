// The editing side of CMainFrame: the commands that build and arrange buttons
// and categories, the two context menus, the keys that switch category or
// cancel a two-click operation, and dropped files.
#include "ui/qt/MainFrame.h"

#include <cstdlib>
#include <set>

#include <QFile>
#include <QMenu>
#include <QShortcut>

#include "model/Model.h"
#include "ui/AddButtons.h"
#include "ui/ButtonEditing.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/CategoryOps.h"
#include "ui/ContextMenus.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/InstalledAppsDialog.h"
#include "ui/InstalledApps.h"
#include "favorites/FavoritesCommands.h"
#include "ui/MenuIds.h"
#include "ui/qt/QtCollation.h"
#include "ui/qt/QtEditDialogs.h"
#include "ui/qt/UndoDialog.h"
#include "utilities/DownloadDataEdit.h"
#include "utilities/FileBackup.h"
#include "utilities/qt/DownloadDataDialog.h"
#include "utilities/qt/FileBackupDialog.h"
#include "utilities/qt/SelectIconsDialog.h"

void CMainFrame::BuildEditCommands() {
    dialogs_ = std::make_unique<QtEditDialogs>(model_, this);
    std::set<int> existing;
    for (const auto& [id, command] : commands_)
        existing.insert(id);
    CModel& m = model_;
    EditDialogs& d = *dialogs_;
    const auto clicked = [&m] { return m.editState.rightClickedSlot; };

    commands_[IdAddApplication] = [&m, &d] { AddApplicationCommand(m, d, -1); };
    commands_[IdAddInstalledApplication] = [this, &m, &d] {
        const char* home = std::getenv("HOME");
        const auto env = [](const char* name) {
            const char* value = std::getenv(name);
            return std::string(value ? value : "");
        };
        AddInstalledApplication(m, d, -1, ApplicationFolders(env, home ? home : "/"),
                                [this](const std::vector<InstalledApplication>& apps) {
                                    CInstalledAppsDlg dialog(apps, this);
                                    return dialog.exec() == QDialog::Accepted
                                               ? dialog.Chosen()
                                               : std::vector<std::string>();
                                });
    };
    commands_[IdAddToFavorites] = [&m, clicked] { AddToFavorites(m, clicked()); };
    commands_[IdFavoritesAddCategory] = [&m] { AddCurrentCategory(m); };
    commands_[IdAddInternetAddress] = [&m, &d] { AddInternetAddress(m, d, -1); };
    commands_[IdAddFolder] = [&m, &d] { AddFolder(m, d, -1); };
    commands_[IdAddApplicationHere] = [&m, &d, clicked] { AddApplicationCommand(m, d, clicked()); };
    commands_[IdAddFolderHere] = [&m, &d, clicked] { AddFolder(m, d, clicked()); };
    commands_[IdViewWindowsFolder] = [&m, &d] { ViewWindowsFolderApps(m, d); };
    const std::pair<int, SpecialButton> specials[] = {
        {IdAddMyComputer, SpecialButton::MyComputer},
        {IdAddExplorer, SpecialButton::Explorer},
        {IdAddControlPanel, SpecialButton::ControlPanel},
        {IdAddDialUp, SpecialButton::DialUp},
        {IdAddPrinters, SpecialButton::Printers},
        {IdAddWindowsFolder, SpecialButton::WindowsFolder},
        {IdAddStartMenu, SpecialButton::StartMenu},
        {IdAddStartUp, SpecialButton::StartUp},
    };
    for (const auto& [id, which] : specials)
        commands_[id] = [&m, which] { AddSpecialButton(m, which); };
    commands_[IdAddAllSpecial] = [&m] { AddAllSpecialButtons(m); };

    commands_[IdRemoveGap] = [&m] { RemoveGap(m); };
    commands_[IdDeleteButton] = [&m] { DeleteButton(m); };
    commands_[IdCopyButton] = [&m] { StartTwoClick(m, TwoClickMode::Copy); };
    commands_[IdCopyIcon] = [&m] { StartTwoClick(m, TwoClickMode::CopyIcon); };
    commands_[IdMoveButton] = [&m] { StartTwoClick(m, TwoClickMode::Move); };
    commands_[IdShiftRight] = [&m] { ShiftRight(m); };
    commands_[IdShiftLeft] = [&m] { ShiftLeft(m); };
    commands_[IdProperties] = [&m, &d] { EditButtonProperties(m, d); };
    commands_[IdShowIconInfo] = [&m] { ShowIconInfo(m); };
    commands_[IdPopupText] = [&m, &d] { EditPopupText(m, d); };
    commands_[IdButtonText] = [&m, &d, clicked] { EditButtonText(m, d, clicked()); };
    commands_[IdLaunchMaximized] = [&m] { ToggleLaunchMaximized(m); };

    commands_[IdCategoryCreate] = [&m, &d] { CreateNewCategory(m, d); };
    commands_[IdCategoryRename] = [&m, &d] { RenameCurrentCategory(m, d); };
    commands_[IdCategoryDelete] = [&m] { DeleteCurrentCategory(m); };
    commands_[IdCategoryOrganize] = [&m, &d] { OrganizeCategories(m, d, QtCollate); };
    commands_[IdCategoryStartUp] = [&m, &d] { SetStartupCategory(m, d); };
    commands_[IdCategorySort] = [&m] { SortCategories(m, QtCollate); };
    commands_[IdUndoChanges] = [this] { CUndoDlg::Show(model_, this); };
    commands_[IdFileBackup] = [this] { CFileBackupDlg::Open(model_, this); };
    commands_[IdBackupButton] = [this] {
        const std::string path = BackupCommandPath(model_);
        if (!path.empty())
            CFileBackupDlg::Open(model_, this, path, true);
    };
    commands_[IdAllowBackup] = [&m] { ToggleAllowBackup(m); };
    commands_[IdSetIcons] = [this] { CSelectIconsDlg::Show(model_, this); };
    commands_[IdChangeIcon] = [this, clicked] { CSelectIconsDlg::Show(model_, this, clicked()); };
    commands_[IdDownloadData] = [this] {
        EditDownloadData(model_, [this](CDownloadDataEdit& edit) {
            CDownloadDataDlg::Show(model_, edit, this);
        });
    };
    // After every edit the caption and the menu states follow the model.
    for (auto& [id, command] : commands_) {
        if (existing.count(id))
            continue;
        command = [this, run = std::move(command)] {
            run();
            RefreshCaption();
            RefreshMenus();
        };
    }

    // Keys handled before they reach the slot controls.
    const auto key = [this](QKeySequence keys, std::function<void()> handler) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, std::move(handler));
    };
    key(QKeySequence(Qt::Key_Escape), [this] {
        if (model_.editState.PendingOperation())
            CancelTwoClick(model_, true);
        RefreshMenus();
    });
    key(QKeySequence(Qt::Key_Home), [this] {
        if (model_.editState.PendingOperation())
            CancelTwoClick(model_, false);
        RefreshMenus();
    });
    const std::pair<Qt::Key, CategoryKey> switches[] = {
        {Qt::Key_PageUp, CategoryKey::PageUp},
        {Qt::Key_PageDown, CategoryKey::PageDown},
        {Qt::Key_Up, CategoryKey::Up},
        {Qt::Key_Down, CategoryKey::Down},
    };
    for (const auto& [k, which] : switches)
        key(QKeySequence(k), [this, which] { SwitchCategoryByKey(model_, which); });

    connect(this, &CMainFrame::FileDropped, this, &CMainFrame::DropOnView);
}

EditDialogs& CMainFrame::Dialogs() {
    return *dialogs_;
}

void CMainFrame::RunEditCommand(int id) {
    const auto found = commands_.find(id);
    if (found == commands_.end())
        return;
    found->second();
}

void CMainFrame::RightClickSlot(int slot, QPoint globalPos) {
    const std::optional<PreparedContextMenu> prepared =
        PrepareContextMenu(model_, menuState_, slot);
    if (!prepared) {
        // While a two-click operation is pending a right click is a click.
        ClickSlot(slot);
        return;
    }
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("contextMenu%1").arg(prepared->menu));
    const bool emptySlot = prepared->menu == kEmptySlotMenu;
    for (const ContextMenuEntry& entry : prepared->entries) {
        if (entry.separator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(QString::fromStdString(entry.text));
        action->setData(entry.id);
        action->setEnabled(entry.enabled);
        action->setCheckable(entry.checked);
        action->setChecked(entry.checked);
    }
    QAction* chosen = menu.exec(globalPos);
    if (!chosen)
        return;
    const int id = chosen->data().toInt();
    // The empty-slot menu's internet address goes to the right-clicked slot.
    if (emptySlot && id == IdAddInternetAddress) {
        AddInternetAddress(model_, *dialogs_, model_.editState.rightClickedSlot);
        RefreshCaption();
        RefreshMenus();
        return;
    }
    RunEditCommand(id);
}

void CMainFrame::DropOnView(const QString& file, const QPoint& pos) {
    const int slot = view_->HitTest(view_->mapToGlobal(pos));
    const bool onSlot = slot >= 0 && slot < kSlotsPerCategory && view_->Slot(slot)->isVisible();
    const bool rolledUp = frameGeometry().width() <= 9 || frameGeometry().height() <= 9;
    if (DropGoesToBackup(model_, rolledUp)) {
        CFileBackupDlg::Open(model_, this, QFile::encodeName(file).toStdString(), true);
        raise();
        activateWindow();
        return;
    }
    DropFile(model_, *dialogs_, QFile::encodeName(file).toStdString(), onSlot ? slot : -1,
             rolledUp);
    RefreshMenus();
}
