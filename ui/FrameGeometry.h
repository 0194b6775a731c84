#pragma once

#include "ui/GridLayout.h"

#include <vector>

class CModel;
struct CSettings;

// Docking codes of SpecialWindowLayout.
enum DockCode : int {
    DockFree = 0,
    DockTopEdge = 1,
    DockLeftEdge = 2,
    DockBottomEdge = 3,
    DockRightEdge = 4
};

// What the frame geometry asks of the real window. Every call is a change the
// program makes itself (the window raises its program-move flag around it).
class FrameHost {
  public:
    virtual ~FrameHost() = default;
    // Moves and sizes the outer window.
    virtual void SetFrameRect(const Rect& rect) = 0;
    // Attaches or detaches the menu bar (MenuVisible already updated).
    virtual void SetMenuAttached(bool attached) = 0;
    // Adds or removes the caption bar (the rect change follows separately).
    virtual void SetCaptionShown(bool /*shown*/) {}
    virtual void SetHidden(bool /*hidden*/) {}
    // Shows the current category again; runs the grid layout, which reports
    // its frame size through CFrameGeometry::LayoutResized and ends with
    // CFrameGeometry::AfterLayout.
    virtual void Redisplay() = 0;
    virtual void ApplyZOrder() {}
    // Brings the window to the top of the z-order (docking does).
    virtual void Raise() {}
};

// The first geometry of the frame: the remembered one when both sizes are
// known, else 300 x 300 at the origin.
Rect CreationGeometry(const CSettings& s);

// The screen a window belongs to: the one holding its centre, else the one
// holding its top-left corner, else (its screen is gone) the primary.
int ScreenIndexFor(const std::vector<Rect>& availableAreas, int primary, const Rect& window);

// A collapsed (auto-hidden) frame.
struct CollapsePlan {
    Rect rect;
    bool removeCaption = false; // the caption goes before the strip is sized
    bool hide = false;          // InvisibleOnAutoHide
};
// The strip an expanded frame `rect` (outer, desktop coordinates) collapses
// to. `captionShown` is whether the frame has its caption now. The strip is
// placed from the real outer frame: at least the frame the window manager
// draws (none once the caption is gone) around a one-pixel client, lying
// wholly inside the work area against its edge.
CollapsePlan CollapsedGeometry(const CSettings& s, const ScreenMetrics& m, const Rect& rect,
                               bool captionShown);

// The frame's placement rules: docking to an edge, spanning and centring,
// user moves and resizes with the lock, and auto-hide. It keeps the outer
// rectangle the window has (desktop coordinates) and changes the settings of
// the model as the rules say.
class CFrameGeometry {
  public:
    CFrameGeometry(CModel& model, FrameHost& host);

    void SetScreen(const ScreenMetrics& m) { screen_ = m; }
    const ScreenMetrics& Screen() const { return screen_; }

    // The outer rectangle as the window reports it.
    const Rect& Geometry() const { return rect_; }
    void SetGeometry(const Rect& r) { rect_ = r; }

    // Start-up placement is done; moves may now snap the window back.
    bool placementReady = false;
    // The frame has its caption bar.
    bool captionShown = true;
    bool collapsed = false;

    // Re-applies every window setting after a configuration load.
    void ApplyWindowSettings();
    // The end of the start-up placement: spans the screen on an axis whose
    // size is not yet known, then lets moves snap back to the stored place.
    void CompleteStartupPlacement();

    void DockTop(int x) { DockHorizontalStrip(DockTopEdge, x); }
    void DockBottom(int x) { DockHorizontalStrip(DockBottomEdge, x); }
    void DockLeft(int y) { DockVerticalStrip(DockLeftEdge, y); }
    void DockRight(int y) { DockVerticalStrip(DockRightEdge, y); }

    void SetWidthToScreen();
    void SetHeightToScreen();
    void CenterHorizontally();
    void CenterVertically();

    // The grid layout resized the frame (position kept).
    void LayoutResized(int outerW, int outerH);
    // End of every grid layout: bottom and right strips go back to their edge.
    void AfterLayout();

    // The user moved the window to `topLeft`: a locked window snaps back (a
    // docked one to its edge), a docked one keeps to its edge, a free one
    // stores its new place.
    void UserMoved(Point topLeft);
    // The user dragged a border to the outer size w x h: the screen-spanning
    // and centring settings end, the grid is laid out once with both layout
    // types fitted to the new size, and that size is stored.
    void UserResized(int w, int h);

    // Auto-hide halves. Collapse remembers the expanded size; Expand restores
    // the size saved at the last collapse. Neither marks the settings changed.
    void Collapse();
    void Expand();
    int SavedWidth() const { return savedW_; }
    int SavedHeight() const { return savedH_; }

  private:
    void DockHorizontalStrip(int code, int x);
    void DockVerticalStrip(int code, int y);
    void Place(const Rect& r);
    // `r` moved, where docked, so that it lies on the work area along its
    // edge and its caption is never above or left of the area.
    Rect DockedOnScreen(Rect r) const;
    int ToScreenX(int x) const { return screen_.available.x + x; }
    int ToScreenY(int y) const { return screen_.available.y + y; }
    int FromScreenX(int x) const { return x - screen_.available.x; }
    int FromScreenY(int y) const { return y - screen_.available.y; }

    CModel& model_;
    CSettings& s_;
    FrameHost& host_;
    ScreenMetrics screen_;
    Rect rect_{0, 0, 300, 300};
    int savedW_ = 0;
    int savedH_ = 0;
};
