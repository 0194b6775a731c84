#pragma once

#include "model/Startup.h"
#include "ui/FrameGeometry.h"
#include "ui/MenuState.h"
#include "ui/MenuTable.h"
#include "ui/ViewRules.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>

class CModel;
class CDorvaneView;
class QtViewHooks;
class QtEditDialogs;
class EditDialogs;
class TrayIcon;
class Tutorial;
class QMenu;
class QAction;
class QTimer;
class QWindow;
class QtClockActions;
class CScheduleListDlg;
class CFindButtonPopup;
class CGlobalHotkey;
class ShortcutDesktop;
enum class ScheduleMode;

// The program's only top-level window: the menu bar with its bitmap buttons,
// the button grid, placement and docking, auto-hide, keep-on-top, the tray
// icon, dropped files and closing. Placement rules live in CFrameGeometry;
// this class turns them into window calls and window events into them.
class CMainFrame : public QMainWindow, public FrameHost {
    Q_OBJECT
  public:
    explicit CMainFrame(CModel& model);
    ~CMainFrame() override;

    // The first display: tray icon, configuration load, placement, the start
    // category, the window shown, the clock started and the greeting offered.
    void Start(const StartupState& state);

    CDorvaneView* View() const { return view_; }
    CFrameGeometry& Geometry() { return geometry_; }
    TrayIcon& Tray() { return *tray_; }
    CMenuState& MenuStates() { return menuState_; }
    Tutorial* TutorialWindow() const { return tutorial_; }

    // Window arithmetic inputs, from the screen the window is on.
    ScreenMetrics Metrics() const;
    Rect OuterRect() const;
    // The menu bar's height in a frame `outerW` wide (a long bar wraps).
    int MeasuredMenuHeight(int outerW) const;
    // The grid layout asks for a new outer size (position kept).
    void ResizeFromLayout(int w, int h);
    void AfterLayout();

    // Paints the window at once while a long load runs; the start-up load
    // shows the window this way as soon as its start category is read.
    void RepaintNow();
    void RefreshCaption();
    void SetCaptionText(const std::string& text);
    // Enabled states and check marks of the menus, the top-level menus
    // disabled while a two-click operation is pending.
    void RefreshMenus();
    // Bitmap items, short captions and the category lists.
    void RebuildMenuBar();
    void RebuildCategoryMenus();
    // The user's Favorites tree below the fixed items of each Favorites menu.
    void RebuildFavoritesMenu();
    // The configurations of the program folder below the fixed items of each
    // Configurations menu, the current one checked.
    void RebuildConfigurationList();
    void ApplyWindowSettings();

    // Runs a command of the menus, accelerators, tray or menu-bar buttons.
    void RunCommand(int id);
    // The facts the menu rules need from outside the model.
    MenuFacts Facts() const;
    // Saves the configuration to its current file; false when it failed, after
    // telling the user why (the menu command, the clock tick, the session end).
    bool SaveConfiguration();
    // A left click on a slot of the grid.
    void ClickSlot(int slot);
    void ToggleWindowVisible();
    // Shows, raises and focuses the window; a rolled-up window expands as it
    // becomes active.
    void BringToFront();
    void OpenTutorial();
    // Find Button: the search popup over the grid, field focused.
    void OpenFindButton();
    CFindButtonPopup* FindPopup() const { return findPopup_; }
    // The global shortcut: brings the window up from anywhere and opens Find
    // Button (or raises the open dialog, which must be answered first).
    CGlobalHotkey& Hotkey() { return *hotkey_; }
    void ActivateFromShortcut();
    // The first dropped file and where it was dropped (view coordinates).
    void HandleDrop(const QList<QString>& files, const QPoint& pos);
    // A right click on a slot: its context menu, or a click while a two-click
    // operation is pending.
    void RightClickSlot(int slot, QPoint globalPos);
    // The dialogs the editing commands open.
    EditDialogs& Dialogs();
    QMenu* SystemMenu() const { return systemMenu_; }
    // The schedule list of launches or alarms, modal; while it is open the
    // clock tick refills it through RefreshScheduleList(), which also brings
    // an open scheduling dialog up to date.
    void OpenScheduleList(ScheduleMode mode);
    void RefreshScheduleList();

    // FrameHost.
    void SetFrameRect(const Rect& rect) override;
    void SetMenuAttached(bool attached) override;
    void SetCaptionShown(bool shown) override;
    void SetHidden(bool hidden) override;
    void Redisplay() override;
    void ApplyZOrder() override;
    void Raise() override;

  Q_SIGNALS:
    void FileDropped(const QString& file, const QPoint& pos);
    void FirstPaint();

  protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenus();
    void BuildCommandTable();
    void UpdateActionStates(QMenu* menu);
    void OnActivation();
    void ReleaseClicksWhenMouseUp();
    void ShowCategoryStep(int index);
    void ShowQuickHelp(int id);
    bool CheckFrameMargins();
    // The frame the window manager draws with the caption, and the one
    // expected now (none while the caption is taken away).
    QMargins CaptionMargins() const;
    QMargins ExpectedMargins() const;
    QPoint LastClientTopLeft() const;
    // The program's own geometry changes wait for the window manager's
    // confirmation; an activation change meanwhile is decided after it.
    void WatchWindow();
    void BeginGeometryGuard(const QRect& client);
    void EndGeometryGuard();
    FrameActivity Activity() const;
    void ReconcileActivation();
    // After AutoHide changed: the menu bar's pushpin, the menus, and the
    // window rolled up or brought back to match.
    void AutoHideChanged();
    void ApplyAutoHide(AutoHideAction action);
    void PlaceAndShow();
    // Editing commands, their keys and dropped files (MainFrameEditing.cpp).
    void BuildEditCommands();
    void RunEditCommand(int id);
    void DropOnView(const QString& file, const QPoint& pos);
    // The schedule and alarm commands (MainFrameSchedule.cpp).
    void BuildScheduleCommands();

    CModel& model_;
    CFrameGeometry geometry_;
    CMenuState menuState_;
    CDorvaneView* view_ = nullptr;
    std::unique_ptr<QtViewHooks> hooks_;
    std::unique_ptr<TrayIcon> tray_;
    Tutorial* tutorial_ = nullptr;
    QtClockActions* clock_ = nullptr;
    CScheduleListDlg* scheduleList_ = nullptr;
    CFindButtonPopup* findPopup_ = nullptr;
    // Find Button waits for the window's activation after the shortcut; a
    // window manager that refuses it is given a second at most.
    static constexpr int kFindActivationPollMs = 20;
    static constexpr int kFindActivationPolls = 50;
    QTimer* findTimer_ = nullptr;
    int findWaits_ = 0;
    std::unique_ptr<ShortcutDesktop> shortcutDesktop_;
    std::unique_ptr<CGlobalHotkey> hotkey_;
    std::map<int, std::function<void()>> commands_;
    std::unique_ptr<QtEditDialogs> dialogs_;
    std::map<int, QAction*> actions_;
    std::map<std::string, QMenu*> topMenus_;
    QMenu* categoriesMenu_ = nullptr;
    QMenu* systemMenu_ = nullptr;
    QAction* systemCategoriesEnd_ = nullptr;       // the separator below the category list
    std::map<std::string, QMenu*> systemTopMenus_; // the window menu's copies by caption
    std::vector<QMenu*> favoritesMenus_;           // the menu bar's and the system menu's
    std::vector<QMenu*> configurationMenus_;       // the same two
    // The categories the category menus list, by index: rebuilt when they change.
    std::vector<std::pair<int, std::string>> shownCategoryNames_;
    std::vector<std::string> configNames_; // as the configuration menus list them
    static constexpr int kFixedFavoritesItems = 3;
    QList<QAction*> bitmapActions_;
    std::optional<MenuBitmaps> shownBitmaps_; // the pictures bitmapActions_ show
    Rect programRect_;
    QMargins captionMargins_;
    bool frameless_ = false;
    QWindow* watchedWindow_ = nullptr;
    QTimer* guardTimer_ = nullptr;
    QRect pendingClient_;
    bool geometryPending_ = false;
    bool started_ = false;
    bool loadingAtStart_ = false;
    bool busy_ = false;
    bool painted_ = false;
    bool trayAvailable_ = false;
};
