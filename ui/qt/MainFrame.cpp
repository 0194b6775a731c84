#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

#include "config/ConfigWriter.h"
#include "config/LoadConfiguration.h"
#include "platform/qt/QtShortcutDesktop.h"
#include "model/Category.h"
#include "model/Model.h"
#include "model/Text.h"
#include "resources/IconNames.h"
#include "ui/qt/ProgramIcons.h"
#include "schedule/AlarmTable.h"
#include "schedule/LaunchSchedules.h"
#include "sounds/PlaySound.h"
#include "ui/qt/AboutBox.h"
#include "ui/Caption.h"
#include "ui/qt/ButtonSlot.h"
#include "ui/qt/DorvaneView.h"
#include "ui/qt/FindButtonPopup.h"
#include "ui/GlobalHotkey.h"
#include "ui/HelpTexts.h"
#include "ui/Launcher.h"
#include "ui/MenuIds.h"
#include "ui/MenuTable.h"
#include "ui/qt/QtClockActions.h"
#include "ui/qt/QtEditDialogs.h"
#include "ui/ButtonEditing.h"
#include "ui/qt/QtViewHooks.h"
#include "ui/qt/TrayIcon.h"
#include "ui/qt/Tutorial.h"
#include "ui/ViewRules.h"

namespace {
// How long the program waits for the window manager to confirm a geometry
// change of its own before it takes the change as done anyway (a window
// manager may place the window elsewhere than asked, or not at all).
constexpr int kGeometryConfirmMs = 500;

QString QtText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CMainFrame::CMainFrame(CModel& model)
    : model_(model), geometry_(model, *this), menuState_(model),
      tray_(std::make_unique<TrayIcon>()) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("DORVANE"));
    setWindowIcon(ProgramIcons::Window());
    setAcceptDrops(true);
    const Rect start = CreationGeometry(model_.settings);
    geometry_.SetGeometry(start);
    setGeometry(start.x, start.y, start.w, start.h);

    view_ = new CDorvaneView(model_, *this);
    setCentralWidget(view_);
    guardTimer_ = new QTimer(this);
    guardTimer_->setSingleShot(true);
    guardTimer_->setInterval(kGeometryConfirmMs);
    connect(guardTimer_, &QTimer::timeout, this, &CMainFrame::EndGeometryGuard);
    hooks_ = std::make_unique<QtViewHooks>(*this);
    model_.SetView(hooks_.get());
    BuildCommandTable();
    BuildMenus();
    menuBar()->installEventFilter(this);

    connect(tray_.get(), &TrayIcon::ToggleWindowRequested, this, &CMainFrame::ToggleWindowVisible);
    connect(tray_.get(), &TrayIcon::ExitRequested, this, &QWidget::close);
    connect(view_, &CDorvaneView::SlotClicked, this, &CMainFrame::ClickSlot);
    connect(view_, &CDorvaneView::SlotRightClicked, this, &CMainFrame::RightClickSlot);
    shortcutDesktop_ = std::make_unique<QtShortcutDesktop>();
    hotkey_ = std::make_unique<CGlobalHotkey>(model_.platform.profile, *shortcutDesktop_,
                                              [this] { ActivateFromShortcut(); });
}

CMainFrame::~CMainFrame() {
    model_.SetView(nullptr);
}

void CMainFrame::Start(const StartupState& state) {
    trayAvailable_ = tray_->Add();
    // With a tray icon to reach it, the window is a tool window without a
    // taskbar entry; without one it keeps its entry.
    setWindowFlag(Qt::Tool, trayAvailable_);
    ApplyFirstDisplayChoice(model_);
    // The reader shows the start category as soon as it is read (RepaintNow),
    // so the window appears while the other categories are still loading.
    loadingAtStart_ = true;
    LoadConfiguration(model_, true);
    loadingAtStart_ = false;
    PlaceAndShow();
    RebuildConfigurationList();

    CSettings& s = model_.settings;
    model_.settingsModified = false;
    model_.savedAutoHide = s.AutoHide;
    model_.savedLockWindowPosition = s.LockWindowPosition;
    RefreshCaption();
    // The window manager frames the window a moment after it is shown.
    QTimer::singleShot(250, this, [this] { CheckFrameMargins(); });

    clock_ = new QtClockActions(model_, *this);
    clock_->Start();

    // The program may have been closed while the greeting was up.
    if (ShowFirstUseGreeting(model_, state) && !model_.closing)
        OpenTutorial();
    // From here on the user's edits are recorded for undo.
    model_.changes.recording = true;
    // After the first paint: on Wayland the shortcut asks the session bus.
    QTimer::singleShot(0, this, [this] { hotkey_->Start(); });
}

QMargins CMainFrame::CaptionMargins() const {
    if (!captionMargins_.isNull())
        return captionMargins_;
    return windowHandle() && !frameless_ ? windowHandle()->frameMargins() : QMargins();
}

QMargins CMainFrame::ExpectedMargins() const {
    return frameless_ ? QMargins() : CaptionMargins();
}

ScreenMetrics CMainFrame::Metrics() const {
    ScreenMetrics m;
    QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect a = screen->availableGeometry();
        m.available = Rect{a.x(), a.y(), a.width(), a.height()};
    }
    const QMargins f = CaptionMargins();
    m.margins = FrameMargins{f.left(), f.top(), f.right(), f.bottom()};
    m.frameX = f.left();
    m.frameY = f.bottom();
    // The strip an auto-hidden window keeps is two edges thick, as on the
    // desktops this layout comes from.
    m.edgeX = 2;
    m.edgeY = 2;
    m.captionHeight = std::max(0, f.top() - f.bottom());
    m.menuHeight = menuBar()->isVisible() ? menuBar()->sizeHint().height() : 0;
    if (m.menuHeight == 0)
        m.menuHeight = menuBar()->sizeHint().height();
    return m;
}

Rect CMainFrame::OuterRect() const {
    // The client geometry the program set, with the frame it expects: Qt's
    // own frame geometry lags behind a caption that was just taken away.
    const QRect g = geometry();
    const QMargins f = ExpectedMargins();
    return Rect{g.x() - f.left(), g.y() - f.top(), g.width() + f.left() + f.right(),
                g.height() + f.top() + f.bottom()};
}

int CMainFrame::MeasuredMenuHeight(int outerW) const {
    if (!model_.settings.MenuVisible || !menuBar()->isVisible())
        return 0;
    const QMargins f = ExpectedMargins();
    const int height = menuBar()->heightForWidth(std::max(1, outerW - f.left() - f.right()));
    return height > 0 ? height : menuBar()->sizeHint().height();
}

void CMainFrame::SetFrameRect(const Rect& rect) {
    const QMargins f = ExpectedMargins();
    programRect_ = rect;
    geometry_.SetGeometry(rect);
    const QRect client(rect.x + f.left(), rect.y + f.top(),
                       std::max(1, rect.w - f.left() - f.right()),
                       std::max(1, rect.h - f.top() - f.bottom()));
    WatchWindow();
    if (client != geometry())
        BeginGeometryGuard(client);
    // The resize this causes is the program's own: no layout runs from it.
    if (view_)
        view_->SuspendLayout(true);
    // The client's own position and size: the window manager keeps the
    // frame around it (the window has static gravity).
    setGeometry(client);
    if (view_)
        view_->SuspendLayout(false);
}

void CMainFrame::WatchWindow() {
    QWindow* window = windowHandle();
    if (!window || watchedWindow_ == window)
        return;
    watchedWindow_ = window;
    // The window system reports the geometry the window manager gave the
    // window; when it is the one the program asked for, the change is done.
    for (auto signal :
         {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
        connect(window, signal, this, [this] {
            if (geometryPending_ && watchedWindow_ && watchedWindow_->geometry() == pendingClient_)
                QMetaObject::invokeMethod(this, &CMainFrame::EndGeometryGuard,
                                          Qt::QueuedConnection);
        });
}

void CMainFrame::BeginGeometryGuard(const QRect& client) {
    pendingClient_ = client;
    geometryPending_ = true;
    guardTimer_->start();
}

void CMainFrame::EndGeometryGuard() {
    if (!geometryPending_)
        return;
    geometryPending_ = false;
    guardTimer_->stop();
    CheckFrameMargins();
    // An activation change that came while the window was being moved was
    // set aside: the window is brought in line with its activation now.
    QMetaObject::invokeMethod(this, &CMainFrame::ReconcileActivation, Qt::QueuedConnection);
}

void CMainFrame::ResizeFromLayout(int w, int h) {
    // The position is the one the program placed the frame at; the window
    // system may not have reported it back yet.
    Rect r = geometry_.Geometry();
    r.w = w;
    r.h = h;
    SetFrameRect(r);
    geometry_.LayoutResized(w, h);
}

void CMainFrame::AfterLayout() {
    Rect r = geometry_.Geometry();
    const Rect now = OuterRect();
    r.w = now.w;
    r.h = now.h;
    geometry_.SetGeometry(r);
    geometry_.AfterLayout();
}

void CMainFrame::SetMenuAttached(bool attached) {
    menuBar()->setVisible(attached);
    // The minimum size follows at once, so a strip is not held at the menu
    // bar's height.
    if (layout())
        layout()->activate();
    if (attached)
        RebuildMenuBar();
}

void CMainFrame::SetCaptionShown(bool shown) {
    // The window manager takes the frame away or gives it back without the
    // window being unmapped (a new window would lose and regain the focus).
    frameless_ = !shown;
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::FramelessWindowHint, !shown);
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

void CMainFrame::SetHidden(bool hidden) {
    if (hidden && !trayAvailable_)
        return; // without a tray icon nothing could bring the window back
    setVisible(!hidden);
}

void CMainFrame::Redisplay() {
    if (view_ && started_)
        view_->ShowCategory(-1);
}

void CMainFrame::ApplyZOrder() {
    const bool top = model_.settings.TopMost;
    if (top != windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        const bool visible = isVisible();
        setWindowFlag(Qt::WindowStaysOnTopHint, top);
        if (visible)
            show();
    }
    if (isVisible())
        raise();
}

void CMainFrame::Raise() {
    if (isVisible())
        raise();
}

void CMainFrame::ApplyWindowSettings() {
    if (!started_)
        return;
    view_->ApplyButtonStyle();
    RebuildMenuBar();
    geometry_.SetScreen(Metrics());
    geometry_.SetGeometry(OuterRect());
    geometry_.ApplyWindowSettings();
}

void CMainFrame::PlaceAndShow() {
    CSettings& s = model_.settings;
    // The menu bar is attached or removed as stored, whatever the layout.
    SetMenuAttached(s.MenuVisible);
    geometry_.SetScreen(Metrics());
    if (s.FrameW == 0)
        geometry_.SetWidthToScreen();
    if (s.FrameH == 0)
        geometry_.SetHeightToScreen();
    geometry_.placementReady = true;
    started_ = true;
    view_->ShowCategory(-1);
    show();
    // The frame's size and menu bar are known once it is shown: place it
    // again with them.
    geometry_.SetScreen(Metrics());
    ApplyWindowSettings();
}

void CMainFrame::RepaintNow() {
    if (loadingAtStart_ && !isVisible()) {
        const bool modified = model_.settingsModified;
        PlaceAndShow();
        model_.settingsModified = modified;
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // The start category is on screen: its document pictures taken from the
    // store are checked against the icon theme now, while the rest of the
    // load can reuse the memory Qt's reading of the theme gives back.
    if (loadingAtStart_ && painted_)
        view_->CheckStoredPictures();
}

void CMainFrame::RefreshCaption() {
    setWindowTitle(QtText(CaptionText(model_)));
    tray_->SetToolTip(QtText(TrayTooltip(model_)));
}

void CMainFrame::SetCaptionText(const std::string& text) {
    setWindowTitle(QtText(ShownText(text, 4 * kMaxShownText)));
}

bool CMainFrame::CheckFrameMargins() {
    // The window manager reports its frame only after the window is mapped;
    // the outer rectangle the program asked for is applied again with it.
    // Not while a change of the program's own is on its way: the window
    // manager reports passing frames while it re-frames the window.
    if (frameless_ || geometryPending_ || !windowHandle())
        return false;
    const QMargins margins = windowHandle()->frameMargins();
    if (margins.isNull() || margins == captionMargins_)
        return false;
    captionMargins_ = margins;
    if (started_ && programRect_.w > 0 && programRect_.h > 0 && !geometry_.collapsed) {
        SetFrameRect(programRect_);
        view_->Layout();
    }
    return true;
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (CheckFrameMargins() || !started_ || !geometry_.placementReady || model_.closing)
        return;
    // The program's own moves, confirmed or still on their way, are not the
    // user's.
    if (geometryPending_ || geometry().topLeft() == LastClientTopLeft())
        return;
    const Rect now = OuterRect();
    geometry_.SetGeometry(now);
    geometry_.UserMoved(Point{now.x, now.y});
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (CheckFrameMargins() || !started_ || model_.closing || geometry_.collapsed)
        return;
    const Rect now = OuterRect();
    if (geometryPending_ || (now.w == programRect_.w && now.h == programRect_.h) ||
        view_->LayoutRunning())
        return;
    geometry_.SetGeometry(now);
    // The user dragged a border: the grid follows the new size.
    geometry_.SetScreen(Metrics());
    geometry_.UserResized(now.w, now.h);
}

QPoint CMainFrame::LastClientTopLeft() const {
    const QMargins f = ExpectedMargins();
    return QPoint(programRect_.x + f.left(), programRect_.y + f.top());
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        // Decided once the focus has settled, so that a dialog of the program
        // taking the focus is seen as such.
        QMetaObject::invokeMethod(this, &CMainFrame::OnActivation, Qt::QueuedConnection);
}

FrameActivity CMainFrame::Activity() const {
    FrameActivity activity;
    activity.viewReady = started_;
    activity.busy = busy_ || (view_ && view_->LayoutRunning());
    activity.closing = model_.closing;
    QWidget* active = QApplication::activeWindow();
    activity.ownWindowActive = active && active != this;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        activity.ownWindowActive = true;
    return activity;
}

void CMainFrame::OnActivation() {
    // While the program's own geometry change is on its way the activation
    // is decided once it is done (ReconcileActivation).
    if (geometryPending_)
        return;
    ApplyAutoHide(OnActivationChange(model_, Activity(), isActiveWindow()));
}

void CMainFrame::ReconcileActivation() {
    if (geometryPending_)
        return;
    ApplyAutoHide(ReconcileAutoHide(model_, Activity(), isActiveWindow(), geometry_.collapsed));
}

void CMainFrame::ApplyAutoHide(AutoHideAction action) {
    switch (action) {
    case AutoHideAction::Collapse:
        geometry_.SetScreen(Metrics());
        geometry_.Collapse();
        view_->SetClicksSuppressed(true);
        break;
    case AutoHideAction::Expand:
        geometry_.Expand();
        ReleaseClicksWhenMouseUp();
        break;
    case AutoHideAction::None:
        break;
    }
}

void CMainFrame::ReleaseClicksWhenMouseUp() {
    // The press that brought the window back may still be held, or not yet
    // delivered: the window manager hands it on after the focus, and only
    // its confirmation of the expanded geometry comes surely after it. The
    // slots take clicks again once that came and the press is released.
    if (geometryPending_ || QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(50, this, &CMainFrame::ReleaseClicksWhenMouseUp);
        return;
    }
    if (!geometry_.collapsed)
        view_->SetClicksSuppressed(false);
}

bool CMainFrame::SaveConfiguration() {
    return WriteConfiguration(model_, model_.configName);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The question of MayClose carries the failure's reason; no second message.
    const auto save = [this] {
        return WriteConfiguration(model_, model_.configName, SaveReport::Quiet);
    };
    // The configuration keeps the auto-hide the open tutorial switched off.
    if (tutorial_)
        model_.settings.AutoHide = tutorial_->SavedAutoHide();
    if (!model_.closing && !MayClose(model_, save)) {
        if (tutorial_)
            model_.settings.AutoHide = false;
        event->ignore();
        return;
    }
    model_.closing = true;
    model_.settings.LockWindowPosition = false;
    if (clock_)
        clock_->Stop();
    if (tutorial_)
        tutorial_->close();
    tray_->Remove();
    event->accept();
    // Dialogs still open end too: before the main loop runs (the first-use
    // greeting) quitting alone would leave the process behind without a window.
    for (int i = 0; i < 8; ++i) {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            break;
        dialog->reject();
    }
    QApplication::quit();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QList<QString> files;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    HandleDrop(files, view_->mapFrom(this, event->position().toPoint()));
    event->acceptProposedAction();
}

void CMainFrame::HandleDrop(const QList<QString>& files, const QPoint& pos) {
    // Only the first file of a drop is taken, as one slot receives it.
    if (!files.isEmpty())
        Q_EMIT FileDropped(files.first(), pos);
}

void CMainFrame::ToggleWindowVisible() {
    // A rolled-up strip is brought back rather than hidden.
    if (isVisible() && !geometry_.collapsed) {
        hide();
        return;
    }
    showNormal();
    ApplyZOrder();
    raise();
    activateWindow();
}

void CMainFrame::BringToFront() {
    if (isMinimized() || !isVisible())
        showNormal();
    ApplyZOrder();
    raise();
    activateWindow();
}

void CMainFrame::OpenTutorial() {
    if (tutorial_) {
        tutorial_->raise();
        tutorial_->activateWindow();
        return;
    }
    if (model_.closing)
        return;
    tutorial_ = new Tutorial(model_, this);
    connect(tutorial_, &Tutorial::Closed, this, [this] {
        tutorial_ = nullptr;
        AutoHideChanged();
    });
    tutorial_->show();
    AutoHideChanged();
}

void CMainFrame::AutoHideChanged() {
    // The pushpin shows the setting at once, and a window rolled up while
    // auto-hide was on comes back now that it is off.
    RebuildMenuBar();
    RefreshMenus();
    if (started_ && !model_.closing)
        QMetaObject::invokeMethod(this, &CMainFrame::ReconcileActivation, Qt::QueuedConnection);
}

void CMainFrame::OpenFindButton() {
    if (findPopup_ == nullptr) {
        findPopup_ = new CFindButtonPopup(model_, view_->Icons(), this);
        // A found button launches through the same core path as a click on
        // its slot: its sound, the "Bad Button" check and the failure report.
        connect(findPopup_, &CFindButtonPopup::LaunchRequested, this, [this](int cat, int slot) {
            LaunchClicked(model_, cat, slot);
            RefreshCaption();
            RefreshMenus();
        });
        connect(findPopup_, &CFindButtonPopup::ShowRequested, this, [this](int cat, int slot) {
            view_->ShowCategory(cat);
            if (ButtonSlot* control = view_->Slot(slot))
                control->setFocus(Qt::OtherFocusReason);
        });
    }
    findPopup_->Open(view_);
}

void CMainFrame::ActivateFromShortcut() {
    BringToFront();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    // Find Button opens over the window once the window manager made it
    // active: a rolled-up window expands on that activation, and a popup
    // opened before it would take the activation away from the window.
    findWaits_ = 0;
    if (findTimer_ == nullptr) {
        findTimer_ = new QTimer(this);
        findTimer_->setInterval(kFindActivationPollMs);
        connect(findTimer_, &QTimer::timeout, this, [this] {
            const bool ready = isActiveWindow() && !geometry_.collapsed && !geometryPending_;
            if (!ready && ++findWaits_ < kFindActivationPolls)
                return;
            findTimer_->stop();
            if (!QApplication::activeModalWidget())
                OpenFindButton();
        });
    }
    findTimer_->start();
}

void CMainFrame::ShowQuickHelp(int id) {
    if (const QuickHelp* help = FindQuickHelp(id))
        model_.Message(help->text, help->caption, MsgIcon::Information);
}

void CMainFrame::ShowCategoryStep(int index) {
    PlayActionSound(model_, "Change Category", true);
    view_->ShowCategory(index);
}

void CMainFrame::ClickSlot(int slot) {
    ::ClickSlot(model_, *dialogs_, slot);
    RefreshCaption();
    RefreshMenus();
}
