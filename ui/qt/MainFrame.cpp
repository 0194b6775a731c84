#include "ui/qt/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
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
#include "model/Category.h"
#include "model/Model.h"
#include "model/Text.h"
#include "resources/IconNames.h"
#include "schedule/AlarmTable.h"
#include "schedule/LaunchSchedules.h"
#include "sounds/PlaySound.h"
#include "ui/qt/AboutBox.h"
#include "ui/Caption.h"
#include "ui/qt/DorvaneView.h"
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
// A resize or move within this time after the program changed the geometry
// is the window system carrying out that change, not the user.
constexpr qint64 kProgramGeometryMs = 400;

QString QtText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CMainFrame::CMainFrame(CModel& model)
    : model_(model), geometry_(model, *this), menuState_(model),
      tray_(std::make_unique<TrayIcon>()) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowTitle(QStringLiteral("DORVANE"));
    setWindowIcon(QIcon(QString::fromUtf8(IconNames::App)));
    setAcceptDrops(true);
    const Rect start = CreationGeometry(model_.settings);
    geometry_.SetGeometry(start);
    setGeometry(start.x, start.y, start.w, start.h);

    view_ = new CDorvaneView(model_, *this);
    setCentralWidget(view_);
    hooks_ = std::make_unique<QtViewHooks>(*this);
    model_.SetView(hooks_.get());
    BuildCommandTable();
    BuildMenus();
    menuBar()->installEventFilter(this);

    connect(tray_.get(), &TrayIcon::ToggleWindowRequested, this, &CMainFrame::ToggleWindowVisible);
    connect(tray_.get(), &TrayIcon::ExitRequested, this, &QWidget::close);
    connect(view_, &CDorvaneView::SlotClicked, this, &CMainFrame::ClickSlot);
    connect(view_, &CDorvaneView::SlotRightClicked, this, &CMainFrame::RightClickSlot);
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

    if (ShowFirstUseGreeting(model_, state))
        OpenTutorial();
    // From here on the user's edits are recorded for undo.
    model_.changes.recording = true;
    DropTestFile();
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
    const QMargins f = windowHandle() ? windowHandle()->frameMargins() : QMargins();
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
    const QRect g = frameGeometry();
    return Rect{g.x(), g.y(), g.width(), g.height()};
}

int CMainFrame::MeasuredMenuHeight() const {
    if (!model_.settings.MenuVisible || !menuBar()->isVisible())
        return 0;
    return menuBar()->heightForWidth(width()) > 0 ? menuBar()->heightForWidth(width())
                                                  : menuBar()->sizeHint().height();
}

void CMainFrame::SetFrameRect(const Rect& rect) {
    const QMargins f = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    programRect_ = rect;
    programGeometryTime_.start();
    geometry_.SetGeometry(rect);
    // The resize this causes is the program's own: no layout runs from it.
    if (view_)
        view_->SuspendLayout(true);
    // move() places the outer frame (the window manager keeps the client's
    // offset), resize() sizes the client.
    move(rect.x, rect.y);
    resize(std::max(1, rect.w - f.left() - f.right()), std::max(1, rect.h - f.top() - f.bottom()));
    if (view_)
        view_->SuspendLayout(false);
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
    if (attached)
        RebuildMenuBar();
}

void CMainFrame::SetCaptionShown(bool /*shown*/) {
    // The window manager's title bar stays: taking it away remaps the window,
    // which X11 window managers answer with a loss and return of the focus
    // that would expand and collapse the strip at random. The collapsed
    // window is then its title bar over a thin strip, always reachable.
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
}

void CMainFrame::RefreshCaption() {
    setWindowTitle(QtText(CaptionText(model_)));
    tray_->SetToolTip(QtText(TrayTooltip(model_)));
}

void CMainFrame::SetCaptionText(const std::string& text) {
    setWindowTitle(QtText(ShownText(text, 4 * kMaxShownText)));
}

bool CMainFrame::ProgramGeometryRecent() const {
    return programGeometryTime_.isValid() && programGeometryTime_.elapsed() < kProgramGeometryMs;
}

bool CMainFrame::CheckFrameMargins() {
    // The window manager reports its frame only after the window is mapped;
    // the outer rectangle the program asked for is applied again with it.
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (margins == knownMargins_)
        return false;
    knownMargins_ = margins;
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
    const Rect now = OuterRect();
    if ((now.x == programRect_.x && now.y == programRect_.y) || ProgramGeometryRecent())
        return;
    geometry_.SetGeometry(now);
    geometry_.UserMoved(Point{now.x, now.y});
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (CheckFrameMargins() || !started_ || model_.closing || geometry_.collapsed)
        return;
    const Rect now = OuterRect();
    if ((now.w == programRect_.w && now.h == programRect_.h) || ProgramGeometryRecent() ||
        view_->LayoutRunning())
        return;
    geometry_.SetGeometry(now);
    // The user dragged a border: the grid follows the new size.
    geometry_.SetScreen(Metrics());
    geometry_.UserResized(now.w, now.h);
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        // Decided once the focus has settled, so that a dialog of the program
        // taking the focus is seen as such.
        QMetaObject::invokeMethod(this, &CMainFrame::OnActivation, Qt::QueuedConnection);
}

void CMainFrame::OnActivation() {
    FrameActivity activity;
    activity.viewReady = started_;
    activity.busy = busy_ || (view_ && view_->LayoutRunning()) || ProgramGeometryRecent();
    activity.closing = model_.closing;
    QWidget* active = QApplication::activeWindow();
    activity.ownWindowActive = active && active != this;
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
        activity.ownWindowActive = true;
    switch (OnActivationChange(model_, activity, isActiveWindow())) {
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
    // The press that brought the window back may still be held; the slots
    // take clicks again once it is released.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
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
    if (!model_.closing && !MayClose(model_, save)) {
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
    if (isVisible()) {
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
    tutorial_ = new Tutorial(model_, this);
    connect(tutorial_, &Tutorial::Closed, this, [this] {
        tutorial_ = nullptr;
        RefreshMenus();
    });
    tutorial_->show();
    RefreshMenus();
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
