#pragma once

#include "model/Category.h"
#include "model/Settings.h"
#include "model/ViewHooks.h"
#include "platform/Platform.h"
#include "favorites/FavoritesTree.h"
#include "schedule/AlarmTable.h"
#include "sounds/ActionSounds.h"
#include "undo/ChangeLog.h"

#include <array>
#include <memory>
#include <string>

class CButtonDef;

// One file-dialog parameter entry: the filter index and folder last used.
struct DialogParams {
    int filter = 0;
    std::string folder;
};

// The button window's run-time state that loading resets: the pending
// two-click operation (move, copy, copy icon) and the right-clicked slot.
struct ButtonWindowState {
    bool moveMode = false;
    bool copyMode = false;
    bool iconCopyMode = false;
    int sourceCategory = -1;
    int sourceSlot = -1;
    int rightClickedSlot = -1;
    bool PendingOperation() const { return moveMode || copyMode || iconCopyMode; }
};

// What a load leaves for the saves after it, so that no save silently
// replaces what the user had.
struct SaveGuard {
    // A configuration file that exists but could not be read: a save replaces
    // it only when the user agrees.
    std::string unreadFile;
    // A file whose load reported a problem, and its bytes as read: the first
    // save of it keeps them beside it, in the same name with ".bak" added.
    std::string problemFile;
    std::string problemBytes;
};

// Folders recorded at start.
struct StartFolders {
    std::string windowsFolder = "/usr";      // the system's program folder
    std::string programFilesFolder = "/opt"; // where add-on programs live
};

// The whole configuration in memory and the state beside it. The program owns
// one; tests build a fresh one each. Nothing here is global.
class CModel {
  public:
    CModel(Platform& platform, ViewHooks* view = nullptr);
    ~CModel();
    CModel(const CModel&) = delete;
    CModel& operator=(const CModel&) = delete;

    Platform& platform;
    ViewHooks& View() { return view_ ? *view_ : noView_; }
    void SetView(ViewHooks* view) { view_ = view; }

    // Shows a message box with the modal flag raised while it is up, and
    // counts it.
    MsgAnswer Message(const std::string& text, const std::string& caption, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok);

    // --- Category table ----------------------------------------------------
    CCategory* Category(int index) const; // -1: the current category; null when none
    // Creates a category in entry `index` (-1: the first free entry), emptying
    // its 100 slots. An empty name becomes "Category n" with n = index + 1.
    // Null when the entry is outside the table or there is no free entry.
    CCategory* CreateCategory(int index, const std::string& name);
    void SetCategoryEntry(int index, std::unique_ptr<CCategory> category);
    std::unique_ptr<CCategory> TakeCategoryEntry(int index);
    int CategoryIndexOf(const CCategory* category) const;
    int FindCategoryByName(const std::string& name) const;
    int CategoryCount() const;
    int FirstFreeCategoryIndex() const;
    void CompactCategories();
    void SwapCategories(int a, int b);
    // Removes every category (a new configuration is about to be read).
    void ClearCategories();
    // After reading: an "Untitled" category at 0 when entry 0 is empty, a valid
    // current index, and the CategoryOnEntry category made current.
    void NormaliseCategories();

    int CurrentCategoryIndex() const { return currentCategory_; }
    void SetCurrentCategoryIndex(int index) { currentCategory_ = index; }
    CCategory* CurrentCategory() const { return Category(currentCategory_); }

    // --- Slots (category -1 = current) ---------------------------------------
    bool HasButton(int cat, int slot) const;
    bool IsSlotEmpty(int cat, int slot) const { return !HasButton(cat, slot); }
    CButtonDef* GetButton(int cat, int slot) const;
    void DeleteButtonAt(int cat, int slot);
    int ButtonCount(int cat) const;
    int LastUsedSlot(int cat) const;
    int FindFreeSlot(int cat, int start, bool upward) const;
    int FindButtonInCategory(int cat, const std::string& name) const;
    bool FindButtonByName(const std::string& name, int& cat, int& slot) const;
    // Where that very button sits; cat = -1 when it is in no slot.
    void FindButtonLocation(const CButtonDef* button, int& cat, int& slot) const;

    // --- File-dialog parameters ---------------------------------------------
    static constexpr int kDialogEntries = 10;
    void SetDialogFolder(int entry, const std::string& folder);
    std::string DialogFolder(int entry, const std::string& fallback) const;
    void SetDialogFilter(int entry, int filter);
    int DialogFilter(int entry, int count) const;
    void ClearDialogParams();
    DialogParams& DialogEntry(int entry) { return dialogParams_[entry]; }
    const DialogParams& DialogEntry(int entry) const { return dialogParams_[entry]; }

    // --- Settings --------------------------------------------------------------
    CSettings settings;
    // Every setting to its default and the first category made current.
    void ResetSettings();

    // --- State -------------------------------------------------------------------
    bool settingsModified = false;
    bool loading = false;
    bool loadDropped = false;
    // While button records load, the caption shows the progress: categories
    // read so far out of CategoryCount().
    bool loadProgress = false;
    int loadedCategories = 0;
    bool writing = false;
    bool closing = false; // the main window is closing
    bool modal = false;   // a message box or modal dialog of the program is up
    std::string configName = "Buttons";
    std::string programFolder;
    StartFolders folders;
    // AutoHide and LockWindowPosition as last saved.
    bool savedAutoHide = true;
    bool savedLockWindowPosition = true;

    void SetModified() { settingsModified = true; }
    int messagesShown = 0; // message boxes shown so far
    SaveGuard saveGuard;
    // Why the last save failed, in the system's words; empty after a good one.
    std::string saveError;
    ButtonWindowState editState;

    // --- The other tables of a configuration -----------------------------------
    CAlarmTable alarms;
    CFavoritesTree favorites;
    CActionSounds sounds;
    CChangeLog changes;

  private:
    std::array<std::unique_ptr<CCategory>, kMaxCategories> categories_;
    int currentCategory_ = 0;
    std::array<DialogParams, kDialogEntries> dialogParams_;
    ViewHooks* view_ = nullptr;
    ViewHooks noView_;
};
