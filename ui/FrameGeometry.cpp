#include "ui/FrameGeometry.h"

#include <algorithm>
#include <tuple>

#include "model/Model.h"
#include "model/Settings.h"

namespace {

// Marks the configuration changed when a move or resize by the user changed
// what is stored. A window manager that confirms one of the program's own
// geometry changes late is taken for the user, and must not make the
// program save an unchanged configuration.
class StoredPlacementChange {
  public:
    StoredPlacementChange(CModel& model, const CSettings& s)
        : model_(model), s_(s), before_(Stored(s)) {}
    ~StoredPlacementChange() {
        if (Stored(s_) != before_)
            model_.SetModified();
    }
    StoredPlacementChange(const StoredPlacementChange&) = delete;
    StoredPlacementChange& operator=(const StoredPlacementChange&) = delete;

  private:
    using Placement = std::tuple<int, int, int, int, bool, bool, bool, bool>;
    static Placement Stored(const CSettings& s) {
        return {s.FrameX,
                s.FrameY,
                s.FrameW,
                s.FrameH,
                s.WindowWidthToScreen,
                s.WindowHeightToScreen,
                s.CenterWindowHorizontally,
                s.CenterWindowVertically};
    }
    CModel& model_;
    const CSettings& s_;
    Placement before_;
};

} // namespace

Rect CreationGeometry(const CSettings& s) {
    if (s.FrameW > 0 && s.FrameH > 0)
        return Rect{s.FrameX, s.FrameY, s.FrameW, s.FrameH};
    return Rect{0, 0, 300, 300};
}

int ScreenIndexFor(const std::vector<Rect>& availableAreas, int primary, const Rect& window) {
    const Point centre{window.x + window.w / 2, window.y + window.h / 2};
    for (const Point p : {centre, Point{window.x, window.y}}) {
        for (std::size_t i = 0; i < availableAreas.size(); ++i) {
            if (availableAreas[i].Contains(p))
                return static_cast<int>(i);
        }
    }
    if (primary >= 0 && primary < static_cast<int>(availableAreas.size()))
        return primary;
    return 0;
}

CollapsePlan CollapsedGeometry(const CSettings& s, const ScreenMetrics& m, const Rect& rect,
                               bool captionShown) {
    CollapsePlan plan;
    plan.rect = rect;
    plan.hide = s.InvisibleOnAutoHide;
    int thickness = m.edgeY + m.captionHeight;
    if (!s.AutoHideShowCaptionBar) {
        thickness = m.edgeY;
        plan.removeCaption = captionShown;
    }
    // Without its caption the window has no frame at all.
    const bool framed = captionShown && !plan.removeCaption;
    const FrameMargins f = framed ? m.margins : FrameMargins{};
    const int stripH = std::max(thickness, f.top + f.bottom + 1);
    const int stripW = std::max(std::max(m.frameX, m.edgeX), f.left + f.right + 1);
    const Rect& a = m.available;
    Rect& r = plan.rect;
    switch (s.SpecialWindowLayout) {
    case DockLeftEdge:
        r.w = stripW;
        break;
    case DockBottomEdge:
        r.y = a.Bottom() - stripH;
        r.h = stripH;
        break;
    case DockRightEdge:
        r.x = a.Right() - stripW;
        r.w = stripW;
        break;
    default:
        r.h = stripH;
        break;
    }
    return plan;
}

CFrameGeometry::CFrameGeometry(CModel& model, FrameHost& host)
    : model_(model), s_(model.settings), host_(host) {}

void CFrameGeometry::Place(const Rect& r) {
    rect_ = r;
    host_.SetFrameRect(r);
}

void CFrameGeometry::ApplyWindowSettings() {
    host_.ApplyZOrder();
    const bool menuVisible = s_.MenuVisible;
    switch (s_.SpecialWindowLayout) {
    case DockTopEdge:
    case DockBottomEdge:
        DockHorizontalStrip(s_.SpecialWindowLayout, s_.FrameX);
        if (!s_.WindowWidthToScreen && s_.FrameW > 0) {
            Place(DockedOnScreen(
                Rect{s_.FrameX, rect_.y, std::min(s_.FrameW, screen_.available.w), 200}));
            host_.Redisplay();
        }
        break;
    case DockLeftEdge:
    case DockRightEdge:
        DockVerticalStrip(s_.SpecialWindowLayout, s_.FrameY);
        if (!s_.WindowHeightToScreen && s_.FrameH > 0) {
            Place(DockedOnScreen(
                Rect{rect_.x, s_.FrameY, 200, std::min(s_.FrameH, screen_.available.h)}));
            host_.Redisplay();
        }
        break;
    default: {
        if (s_.FrameX != 0 || s_.FrameY != 0)
            Place(Rect{s_.FrameX, s_.FrameY, rect_.w, rect_.h});
        const int width = s_.LayoutColType == 3 ? s_.FrameW : 200;
        // A size not yet known (0) never shrinks the window to nothing.
        if (s_.LayoutRowType == 3 && width > 0 && s_.FrameH > 0)
            Place(Rect{rect_.x, rect_.y, width, s_.FrameH});
        else if (s_.LayoutRowType != 3 && s_.LayoutColType == 3 && s_.FrameW > 0)
            Place(Rect{rect_.x, rect_.y, s_.FrameW, 200});
        host_.Redisplay();
        break;
    }
    }
    if (s_.CenterWindowHorizontally)
        CenterHorizontally();
    else if (s_.CenterWindowVertically)
        CenterVertically();
    if (s_.MenuVisible != menuVisible) {
        // Docking forced the menu bar on or off; the stored choice wins.
        s_.MenuVisible = menuVisible;
        host_.SetMenuAttached(menuVisible);
        host_.Redisplay();
    }
}

void CFrameGeometry::CompleteStartupPlacement() {
    if (s_.FrameW == 0)
        SetWidthToScreen();
    if (s_.FrameH == 0)
        SetHeightToScreen();
    placementReady = true;
}

void CFrameGeometry::DockHorizontalStrip(int code, int x) {
    if (!s_.MenuVisible) {
        s_.MenuVisible = true;
        host_.SetMenuAttached(true);
    }
    s_.SpecialWindowLayout = code;
    s_.LayoutRowType = 1;
    s_.LayoutColType = 3;
    // A stored position beyond this screen (a screen that is gone) starts the
    // strip at the screen's left edge instead of off-screen.
    const Rect& a = screen_.available;
    if (x < a.x || x >= a.Right())
        x = a.x;
    Place(DockedOnScreen(Rect{x, a.y, rect_.w, rect_.h}));
    host_.Raise();
    s_.FrameX = x;
    if (s_.WindowWidthToScreen)
        SetWidthToScreen();
    host_.Redisplay();
}

void CFrameGeometry::DockVerticalStrip(int code, int y) {
    if (s_.MenuVisible) {
        s_.MenuVisible = false;
        host_.SetMenuAttached(false);
    }
    s_.SpecialWindowLayout = code;
    s_.LayoutColType = 1;
    s_.LayoutRowType = 3;
    const Rect& a = screen_.available;
    if (y < a.y || y >= a.Bottom())
        y = a.y;
    Place(DockedOnScreen(Rect{a.x, y, rect_.w, rect_.h}));
    host_.Raise();
    s_.FrameY = y;
    if (s_.WindowHeightToScreen)
        SetHeightToScreen();
    host_.Redisplay();
}

void CFrameGeometry::SetWidthToScreen() {
    if (s_.LayoutColType != 3)
        return;
    // The classic width allows for a frame that hangs off the work area; the
    // window never gets wider than the area itself, and a span that would
    // run past its right edge starts at the area's left.
    const Rect& a = screen_.available;
    const int w = std::min(screen_.MaxWidth() - (3 * screen_.edgeX + 2), a.w);
    int x = rect_.x;
    if (x < a.x || x + w > a.Right()) {
        x = a.x;
        s_.FrameX = x;
    }
    Place(Rect{x, rect_.y, w, rect_.h});
    s_.FrameW = w;
    model_.SetModified();
    host_.ApplyZOrder();
    host_.Redisplay();
}

void CFrameGeometry::SetHeightToScreen() {
    if (s_.LayoutRowType != 3)
        return;
    const Rect& a = screen_.available;
    const int h = std::min(screen_.MaxHeight() - (3 * screen_.edgeY + 2), a.h);
    int y = rect_.y;
    if (y < a.y || y + h > a.Bottom()) {
        y = a.y;
        s_.FrameY = y;
    }
    Place(Rect{rect_.x, y, rect_.w, h});
    s_.FrameH = h;
    model_.SetModified();
    host_.ApplyZOrder();
    host_.Redisplay();
}

void CFrameGeometry::CenterHorizontally() {
    const int left = FromScreenX(rect_.x);
    const int right = left + rect_.w;
    const int x = ToScreenX((left + screen_.MaxWidth() - right - 3 * screen_.edgeX - 2) / 2);
    Place(Rect{x, rect_.y, rect_.w, rect_.h});
    s_.FrameX = x;
    model_.SetModified();
}

void CFrameGeometry::CenterVertically() {
    const int top = FromScreenY(rect_.y);
    const int bottom = top + rect_.h;
    const int y = ToScreenY((top + screen_.MaxHeight() - bottom - 3 * screen_.edgeY - 2) / 2);
    Place(Rect{rect_.x, y, rect_.w, rect_.h});
    s_.FrameY = y;
    model_.SetModified();
}

void CFrameGeometry::LayoutResized(int outerW, int outerH) {
    if (outerW != rect_.w || outerH != rect_.h)
        Place(Rect{rect_.x, rect_.y, outerW, outerH});
}

void CFrameGeometry::AfterLayout() {
    const int code = s_.SpecialWindowLayout;
    if (code != DockBottomEdge && code != DockRightEdge)
        return;
    const Point p = StripDockPosition(code, screen_, rect_);
    const Rect r = DockedOnScreen(Rect{p.x, p.y, rect_.w, rect_.h});
    if (r.x != rect_.x || r.y != rect_.y)
        Place(r);
}

Rect CFrameGeometry::DockedOnScreen(Rect r) const {
    const Rect& a = screen_.available;
    // Along the edge the window stays wholly on the work area where it fits,
    // else it starts at the area's start; across it, its caption never rises
    // above (or left of) the area.
    const auto along = [](int pos, int size, int start, int end) {
        return size >= end - start ? start : std::clamp(pos, start, end - size);
    };
    switch (s_.SpecialWindowLayout) {
    case DockTopEdge:
    case DockBottomEdge:
        r.x = along(r.x, r.w, a.x, a.Right());
        r.y = std::max(r.y, a.y);
        break;
    case DockLeftEdge:
    case DockRightEdge:
        r.y = along(r.y, r.h, a.y, a.Bottom());
        r.x = std::max(r.x, a.x);
        break;
    default:
        break;
    }
    return r;
}

void CFrameGeometry::UserMoved(Point topLeft) {
    rect_.x = topLeft.x;
    rect_.y = topLeft.y;
    const Rect& a = screen_.available;
    const int code = s_.SpecialWindowLayout;
    if (s_.LockWindowPosition) {
        if (!placementReady)
            return;
        // Back to the stored place; a docked window goes back to its edge
        // rather than to a corner it never had.
        Rect r{s_.FrameX, s_.FrameY, rect_.w, rect_.h};
        if (code == DockTopEdge)
            r.y = a.y;
        else if (code == DockLeftEdge)
            r.x = a.x;
        else if (code == DockBottomEdge || code == DockRightEdge) {
            const Point p = StripDockPosition(code, screen_, r);
            r.x = p.x;
            r.y = p.y;
        }
        Place(DockedOnScreen(r));
        return;
    }
    const StoredPlacementChange change(model_, s_);
    s_.FrameX = topLeft.x;
    s_.FrameY = topLeft.y;
    s_.CenterWindowHorizontally = false;
    s_.CenterWindowVertically = false;
    switch (code) {
    case DockTopEdge:
        if (placementReady)
            Place(DockedOnScreen(Rect{rect_.x, a.y, rect_.w, rect_.h}));
        break;
    case DockLeftEdge:
        if (placementReady)
            Place(DockedOnScreen(Rect{a.x, rect_.y, rect_.w, rect_.h}));
        break;
    case DockBottomEdge:
    case DockRightEdge:
        host_.Redisplay();
        break;
    default:
        return;
    }
    if (placementReady) {
        s_.FrameX = rect_.x;
        s_.FrameY = rect_.y;
    }
}

void CFrameGeometry::UserResized(int w, int h) {
    rect_.w = w;
    rect_.h = h;
    const StoredPlacementChange change(model_, s_);
    s_.WindowHeightToScreen = false;
    s_.WindowWidthToScreen = false;
    s_.CenterWindowHorizontally = false;
    s_.CenterWindowVertically = false;
    if (s_.SpecialWindowLayout != DockFree && placementReady) {
        // A docked window dragged larger than the work area is held to it,
        // so its caption and menu bar stay on the screen.
        const Rect& a = screen_.available;
        const Rect held =
            DockedOnScreen(Rect{rect_.x, rect_.y, std::min(rect_.w, a.w), std::min(rect_.h, a.h)});
        if (!(held == rect_))
            Place(held);
    }

    // The grid follows the new window size once, whatever the layout types.
    const int rowType = s_.LayoutRowType;
    const int colType = s_.LayoutColType;
    s_.LayoutRowType = 3;
    s_.LayoutColType = 3;
    host_.Redisplay();
    s_.LayoutRowType = rowType;
    s_.LayoutColType = colType;

    switch (s_.SpecialWindowLayout) {
    case DockTopEdge:
    case DockBottomEdge:
        s_.FrameW = rect_.w;
        break;
    case DockLeftEdge:
    case DockRightEdge:
        s_.FrameH = rect_.h;
        break;
    default:
        if (colType == 3)
            s_.FrameW = rect_.w;
        if (rowType == 3)
            s_.FrameH = rect_.h;
        break;
    }
}

void CFrameGeometry::Collapse() {
    if (model_.closing)
        return;
    const bool modified = model_.settingsModified;
    if (placementReady) {
        savedW_ = rect_.w;
        savedH_ = rect_.h;
    }
    host_.SetMenuAttached(false);
    const CollapsePlan plan = CollapsedGeometry(s_, screen_, rect_, captionShown);
    if (plan.removeCaption) {
        host_.SetCaptionShown(false);
        captionShown = false;
    }
    collapsed = true;
    Place(plan.rect);
    if (plan.hide)
        host_.SetHidden(true);
    model_.settingsModified = modified;
}

void CFrameGeometry::Expand() {
    const bool modified = model_.settingsModified;
    if (placementReady && savedW_ > 0 && savedH_ > 0) {
        if (!captionShown) {
            host_.SetCaptionShown(true);
            captionShown = true;
        }
        if (s_.MenuVisible)
            host_.SetMenuAttached(true);
        Place(DockedOnScreen(Rect{rect_.x, rect_.y, savedW_, savedH_}));
        collapsed = false;
    }
    host_.Redisplay();
    model_.settingsModified = modified;
}
