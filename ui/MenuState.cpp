#include "ui/MenuState.h"

#include "model/ButtonDef.h"
#include "model/Model.h"
#include "model/Text.h"
#include "ui/MenuIds.h"
#include "ui/MenuTable.h"

void CMenuState::SetAvailable(int id, bool available) {
    if (available)
        available_.insert(id);
    else
        available_.erase(id);
}

bool CMenuState::HasUnsavedChanges(const CModel& model) {
    return model.settingsModified || model.settings.AutoHide != model.savedAutoHide ||
           model.settings.LockWindowPosition != model.savedLockWindowPosition;
}

namespace {

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

} // namespace

MenuItemState CMenuState::State(int id, const MenuFacts& facts) const {
    const CModel& m = model_;
    const bool pending = m.editState.PendingOperation();
    const bool hasEmptySlot = m.FindFreeSlot(-1, 0, true) >= 0;
    MenuItemState st;

    // The run-time lists: categories are checked when shown.
    if (InRange(id, kFirstCategoryId, kLastCategoryId)) {
        st.checked = id - kFirstCategoryId == m.CurrentCategoryIndex();
        return st;
    }
    if (InRange(id, kFirstSystemCategoryId, kLastSystemCategoryId)) {
        st.checked = id - kFirstSystemCategoryId == m.CurrentCategoryIndex();
        return st;
    }
    if (InRange(id, kFirstFavoriteId, kLastFavoriteId) ||
        InRange(id, kFirstConfigurationId, kLastConfigurationId))
        return st;

    if (!Available(id)) {
        st.enabled = false;
        return st;
    }
    switch (id) {
    case IdCategoryCreate:
        st.enabled = !pending && m.FirstFreeCategoryIndex() >= 0;
        break;
    case IdAddApplication:
    case IdAddInstalledApplication:
    case IdAddFolder:
        st.enabled = !pending && hasEmptySlot;
        break;
    case IdCategoryDelete:
    case IdCategoryOrganize:
        st.enabled = !pending && m.CategoryCount() >= 2;
        break;
    case IdScreenSaver:
    case IdTrayScreenSaver:
    case IdScreenSaverBitmap:
        st.enabled = facts.screenSaverAvailable;
        break;
    case IdViewStartMenu:
    case IdViewPrograms:
    case IdViewWindowsFolder:
    case IdAlarms:
    case IdFindButton:
    case IdCategoryRename:
    case IdConfigSaveAs:
    case IdConfigBackup:
    case IdConfigRename:
    case IdConfigCreate:
        st.enabled = !pending;
        break;
    case IdUndoChanges:
        st.enabled = !m.changes.Empty() && !pending;
        break;
    case IdAddControlPanel:
    case IdAddDialUp:
    case IdAddPrinters:
    case IdAddMyComputer:
        st.enabled = !pending && hasEmptySlot;
        break;
    case IdCategorySort:
        st.enabled = !pending && !facts.categoriesInOrder;
        break;
    case IdCategoryStartUp: {
        const CCategory* c = m.CurrentCategory();
        st.checked = c && EqualsNoCase(c->Name(), m.settings.CategoryOnEntry);
        break;
    }
    case IdShowSchedule:
        st.enabled = !pending && facts.scheduledLaunchesExist;
        break;
    case IdEnableScheduledLaunches:
        st.enabled = !pending && facts.scheduledLaunchesExist;
        st.checked = m.settings.EnableScheduledLaunches;
        break;
    case IdTutorial:
        st.enabled = !facts.tutorialRunning;
        break;
    case IdSetIcons:
        st.enabled = !pending && m.ButtonCount(-1) > 0;
        break;
    case IdConfigLoad:
    case IdConfigDelete:
        st.enabled = !pending && facts.configurationCount > 1;
        break;
    case IdConfigSave:
        st.enabled = HasUnsavedChanges(m);
        break;
    case IdWebBrowser:
        st.enabled = facts.webBrowserFound;
        break;
    case IdOrganizeFavorites:
        st.enabled = facts.favoritesCount > 0;
        break;
    case IdFavoritesAddCategory:
        st.enabled = !pending && m.ButtonCount(-1) > 0;
        break;
    default:
        break;
    }
    return st;
}

namespace {

const char* FindText(const CButtonDef& b) {
    if (b.IsFolder())
        return "&Find Folder...";
    if (b.IsDocument())
        return "&Find Document...";
    if (b.IsDrive())
        return "&Find Drive...";
    if (b.IsExe())
        return "&Find Application...";
    return "";
}

} // namespace

MenuItemState CMenuState::ContextState(int id, int slot) const {
    const CModel& m = model_;
    MenuItemState st;
    if (!Available(id)) {
        st.enabled = false;
        return st;
    }
    if (id == IdRemoveGap) {
        st.enabled = slot < m.LastUsedSlot(-1);
        return st;
    }
    const CButtonDef* b = m.GetButton(-1, slot);
    if (!b)
        return st;
    switch (id) {
    case IdPopupText:
        st.enabled = m.settings.DisplayPopupText && !b->IsSpecialFolder();
        break;
    case IdButtonText:
        st.enabled = m.settings.TextOnButtons != 0;
        break;
    case IdShowIconInfo:
        st.enabled = !b->IconFile().empty();
        break;
    case IdDownloadData:
        st.enabled = b->IsExe() || b->IsDocument();
        break;
    case IdScheduleLaunch:
        st.enabled = b->IsExe();
        if (b->Schedule())
            st.text = "Cancel &Scheduled Launch";
        break;
    case IdCopyIcon:
        st.enabled = !b->ShellIcon() && !b->IconFile().empty();
        break;
    case IdChangeIcon:
        st.enabled = b->Icon().role != IconRole::Default;
        break;
    case IdLaunchMaximized:
        st.checked = b->OpenMode() == 2;
        break;
    case IdShiftRight:
        st.enabled = m.FindFreeSlot(-1, slot, true) >= 0;
        break;
    case IdShiftLeft:
        st.enabled = m.FindFreeSlot(-1, slot, false) >= 0;
        break;
    case IdFindFile:
        st.text = FindText(*b);
        break;
    case IdBackupButton:
        st.enabled = b->IsBackupCandidate(false);
        break;
    case IdAllowBackup:
        st.enabled = b->IsBackupCandidate(true);
        st.checked = b->BackupEnabled();
        break;
    default:
        break;
    }
    return st;
}

bool CMenuState::TopMenuEnabled(const std::string& caption) const {
    if (!model_.editState.PendingOperation())
        return true;
    for (const char* c : {kSetupCaption, kConfigurationsCaption, kOpenCaption, kFavoritesCaption}) {
        if (IsTopMenu(caption, c))
            return false;
    }
    return true;
}
