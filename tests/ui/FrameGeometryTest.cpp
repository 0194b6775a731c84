#include "ui/FrameGeometry.h"

#include <functional>

#include <gtest/gtest.h>

#include "model/Model.h"
#include "tests/support/TestPlatform.h"

namespace {

// Records what the frame geometry asks of the window; a redisplay runs the
// layout stand-in, which gives the window `layoutHeight` like a one-row grid.
class RecordingHost : public FrameHost {
  public:
    CFrameGeometry* geometry = nullptr;
    std::vector<Rect> rects;
    std::vector<bool> menuChanges;
    bool captionShown = true;
    bool hidden = false;
    int redisplays = 0;
    int raises = 0;
    int layoutHeight = 116;
    std::function<void()> onRedisplay;

    void SetFrameRect(const Rect& r) override { rects.push_back(r); }
    void SetMenuAttached(bool attached) override { menuChanges.push_back(attached); }
    void SetCaptionShown(bool shown) override { captionShown = shown; }
    void SetHidden(bool h) override { hidden = h; }
    void Raise() override { ++raises; }
    void Redisplay() override {
        ++redisplays;
        if (onRedisplay)
            onRedisplay();
        if (layoutHeight > 0)
            geometry->LayoutResized(geometry->Geometry().w, layoutHeight);
        geometry->AfterLayout();
    }
};

class FrameGeometryTest : public ::testing::Test {
  protected:
    TestPlatform tp;
    CModel model{tp.platform};
    RecordingHost host;
    CFrameGeometry frame{model, host};
    CSettings& s = model.settings;

    void SetUp() override {
        host.geometry = &frame;
        frame.SetScreen(ScreenMetrics{}); // 1920 x 1050, frame 4, edge 2
        frame.SetGeometry(CreationGeometry(s));
    }
};

TEST_F(FrameGeometryTest, CreationUsesTheRememberedGeometryOnlyWhenBothSizesAreKnown) {
    CSettings t;
    t.FrameX = 10;
    t.FrameY = 20;
    t.FrameW = 500;
    EXPECT_EQ(CreationGeometry(t), (Rect{0, 0, 300, 300}));
    t.FrameH = 90;
    EXPECT_EQ(CreationGeometry(t), (Rect{10, 20, 500, 90}));
}

TEST_F(FrameGeometryTest, FirstStartWithDefaultsSpansTheScreenWidthAtTheTop) {
    frame.ApplyWindowSettings();
    frame.CompleteStartupPlacement();
    EXPECT_EQ(frame.Geometry(), (Rect{0, 0, 1920, 116}));
    EXPECT_EQ(s.FrameW, 1920);
    EXPECT_EQ(s.FrameH, 0); // rows do not fit the height: no height to span
    EXPECT_TRUE(model.settingsModified);
    EXPECT_TRUE(frame.placementReady);
}

TEST_F(FrameGeometryTest, DockingForcesLayoutTypesMenuBarAndEdge) {
    s.WindowWidthToScreen = false;
    frame.DockBottom(100);
    EXPECT_EQ(s.SpecialWindowLayout, DockBottomEdge);
    EXPECT_EQ(s.LayoutRowType, 1);
    EXPECT_EQ(s.LayoutColType, 3);
    EXPECT_EQ(frame.Geometry(), (Rect{100, 1050 - 116, 300, 116}));

    host.layoutHeight = 0; // keeps the window's height
    s.WindowHeightToScreen = true;
    frame.DockRight(40);
    EXPECT_FALSE(s.MenuVisible);
    EXPECT_EQ(host.menuChanges.back(), false);
    EXPECT_EQ(s.LayoutRowType, 3);
    EXPECT_EQ(s.LayoutColType, 1);
    // The height spans the screen from its top, the right edge sits on the
    // screen's: the stored 40 would have run the window below the screen.
    EXPECT_EQ(s.FrameY, 0);
    EXPECT_EQ(frame.Geometry(), (Rect{1920 - 300, 0, 300, 1050}));
}

TEST_F(FrameGeometryTest, SpanningFitsTheWorkAreaFromItsStartAtEveryEdge) {
    struct Case {
        int code;
        ScreenMetrics screen;
        Rect expected;
    };
    // A frame wider than the classic allowance (8 + 8 > 3 * 2 + 2) and a
    // work area that does not start at the origin (a panel on the left and
    // on top, or a second screen).
    ScreenMetrics wide;
    wide.frameX = wide.frameY = 8;
    ScreenMetrics panels;
    panels.available = Rect{48, 30, 1600, 870};
    const Case cases[] = {
        {DockTopEdge, ScreenMetrics{}, {0, 0, 1920, 116}},
        {DockTopEdge, wide, {0, 0, 1920, 116}},
        {DockTopEdge, panels, {48, 30, 1600, 116}},
        {DockBottomEdge, panels, {48, 900 - 116, 1600, 116}},
        {DockLeftEdge, wide, {0, 0, 300, 1050}},
        {DockLeftEdge, panels, {48, 30, 300, 870}},
        {DockRightEdge, panels, {1648 - 300, 30, 300, 870}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << c.code << " area x " << c.screen.available.x);
        s.WindowWidthToScreen = true;
        s.WindowHeightToScreen = true;
        host.layoutHeight = 0;
        frame.SetScreen(c.screen);
        frame.SetGeometry(Rect{0, 0, 300, 116});
        const bool horizontal = c.code == DockTopEdge || c.code == DockBottomEdge;
        // Stored 40 px into the area: a span from there would run past its end.
        const int stored = (horizontal ? c.screen.available.x : c.screen.available.y) + 40;
        switch (c.code) {
        case DockTopEdge:
            frame.DockTop(stored);
            break;
        case DockBottomEdge:
            frame.DockBottom(stored);
            break;
        case DockLeftEdge:
            frame.DockLeft(stored);
            break;
        default:
            frame.DockRight(stored);
            break;
        }
        EXPECT_EQ(frame.Geometry(), c.expected);
        EXPECT_EQ(horizontal ? s.FrameX : s.FrameY, horizontal ? c.expected.x : c.expected.y);
        EXPECT_EQ(horizontal ? s.FrameW : s.FrameH, horizontal ? c.expected.w : c.expected.h);
    }
}

TEST_F(FrameGeometryTest, DockingOnASecondScreenAndAPositionFromAScreenThatIsGone) {
    ScreenMetrics m;
    m.available = Rect{1920, 0, 1280, 1000};
    frame.SetScreen(m);
    s.WindowWidthToScreen = false;
    frame.DockTop(5000);
    EXPECT_EQ(frame.Geometry().x, 1920);
    EXPECT_EQ(s.FrameX, 1920);
    const std::vector<Rect> screens{Rect{0, 0, 1920, 1050}, m.available};
    EXPECT_EQ(ScreenIndexFor(screens, 0, Rect{2000, 10, 300, 100}), 1);
    EXPECT_EQ(ScreenIndexFor(screens, 0, Rect{1800, 10, 300, 100}), 1); // centre decides
    EXPECT_EQ(ScreenIndexFor(screens, 0, Rect{9000, 10, 300, 100}), 0);
}

TEST_F(FrameGeometryTest, DockingToEachEdgeRaisesTheWindow) {
    host.layoutHeight = 0;
    const std::function<void()> docks[] = {[&] { frame.DockTop(0); }, [&] { frame.DockLeft(0); },
                                           [&] { frame.DockBottom(0); },
                                           [&] { frame.DockRight(0); }};
    for (const auto& dock : docks) {
        host.raises = 0;
        dock();
        EXPECT_EQ(host.raises, 1);
    }
    host.raises = 0;
    frame.UserResized(800, 300);
    EXPECT_EQ(host.raises, 0) << "only the dock move raises";
}

TEST_F(FrameGeometryTest, StoredStripThatWouldRunPastTheWorkAreaStartsInsideIt) {
    s.WindowWidthToScreen = false;
    s.FrameX = 1700;
    s.FrameW = 2500; // from a wider screen
    frame.ApplyWindowSettings();
    EXPECT_EQ(frame.Geometry(), (Rect{0, 0, 1920, 116}));
    s.FrameW = 500;
    frame.ApplyWindowSettings();
    EXPECT_EQ(frame.Geometry(), (Rect{1920 - 500, 0, 500, 116}));
}

TEST_F(FrameGeometryTest, StoredMenuChoiceWinsOverTheDocking) {
    s.MenuVisible = false;
    frame.ApplyWindowSettings(); // Top docking attaches the menu bar
    EXPECT_FALSE(s.MenuVisible);
    EXPECT_EQ(host.menuChanges, (std::vector<bool>{true, false}));
}

TEST_F(FrameGeometryTest, FreePlacementAndCentring) {
    s.SpecialWindowLayout = DockFree;
    s.LayoutRowType = 1;
    s.LayoutColType = 3;
    s.FrameX = 50;
    s.FrameY = 60;
    s.FrameW = 800;
    s.CenterWindowHorizontally = true;
    s.CenterWindowVertically = true;
    frame.ApplyWindowSettings();
    // Only the horizontal centring applies: x = (1928 - 800 - 8) / 2.
    EXPECT_EQ(frame.Geometry(), (Rect{560, 60, 800, 116}));
    EXPECT_EQ(s.FrameX, 560);
    frame.CenterVertically();
    EXPECT_EQ(frame.Geometry().y, (1058 - 116 - 8) / 2);
}

TEST_F(FrameGeometryTest, UserMovesRespectTheLockAndTheDockedAxis) {
    frame.ApplyWindowSettings();
    frame.CompleteStartupPlacement();
    s.FrameX = 0;
    frame.UserMoved({300, 200});
    EXPECT_EQ(frame.Geometry().x, 0); // locked: back where it was
    EXPECT_EQ(frame.Geometry().y, 0);

    s.LockWindowPosition = false;
    frame.UserMoved({300, 200});
    EXPECT_EQ(frame.Geometry().x, 0); // a screen-wide strip has nowhere to slide
    s.WindowWidthToScreen = false;
    frame.SetGeometry(Rect{0, 0, 1000, 116});
    frame.UserMoved({300, 200});
    EXPECT_EQ(frame.Geometry().x, 300); // top strip: slides sideways only
    EXPECT_EQ(frame.Geometry().y, 0);
    EXPECT_EQ(s.FrameX, 300);
    EXPECT_EQ(s.FrameY, 0);
    frame.UserMoved({1500, 0});
    EXPECT_EQ(frame.Geometry().x, 1920 - 1000); // ...as far as the screen's edge
    EXPECT_EQ(s.FrameX, 1920 - 1000);

    frame.DockBottom(100);
    frame.UserMoved({400, 500});
    EXPECT_EQ(frame.Geometry(), (Rect{400, 1050 - 116, 1000, 116}));

    // Locked and docked at the bottom: the snap-back keeps the edge.
    s.LockWindowPosition = true;
    frame.UserMoved({10, 10});
    EXPECT_EQ(frame.Geometry().y, 1050 - 116);

    s.LockWindowPosition = false;
    // Docked at the side, dragged above the screen or past its bottom: the
    // caption stays on the screen.
    host.layoutHeight = 0;
    frame.DockLeft(0);
    frame.SetGeometry(Rect{0, 0, 200, 600});
    frame.UserMoved({30, -80});
    EXPECT_EQ(frame.Geometry(), (Rect{0, 0, 200, 600}));
    frame.DockRight(0);
    frame.UserMoved({1000, 900});
    EXPECT_EQ(frame.Geometry(), (Rect{1920 - 200, 1050 - 600, 200, 600}));
    EXPECT_EQ(s.FrameY, 1050 - 600);
}

TEST_F(FrameGeometryTest, ResizingByHandEndsSpanningAndCentringAndStoresTheSize) {
    frame.ApplyWindowSettings();
    frame.CompleteStartupPlacement();
    s.CenterWindowHorizontally = true;
    int typesDuringLayout = 0;
    host.onRedisplay = [&] { typesDuringLayout = s.LayoutRowType * 10 + s.LayoutColType; };
    frame.UserResized(1000, 300);
    EXPECT_EQ(typesDuringLayout, 33);
    EXPECT_EQ(s.LayoutRowType, 1);
    EXPECT_FALSE(s.WindowWidthToScreen);
    EXPECT_FALSE(s.CenterWindowHorizontally);
    EXPECT_EQ(s.FrameW, 1000);

    // A bottom strip dragged taller than the work area is held to it, its
    // caption on the screen.
    host.layoutHeight = 0;
    s.WindowWidthToScreen = false;
    frame.DockBottom(0);
    frame.SetGeometry(Rect{0, -300, 1000, 1400});
    frame.UserResized(1000, 1400);
    EXPECT_EQ(frame.Geometry(), (Rect{0, 0, 1000, 1050}));
    EXPECT_EQ(s.FrameW, 1000);
}

TEST_F(FrameGeometryTest, CollapseAndExpandByDockingCode) {
    struct Case {
        int code;
        bool captionBar;
        Rect collapsed;
    };
    const Rect expanded{100, 200, 600, 150};
    // The screen's frame is 4 wide with a 21-pixel top (caption) and 4 below;
    // a caption removed takes the whole frame with it. Every strip lies in
    // the work area against its edge.
    const Case cases[] = {
        {DockTopEdge, false, {100, 200, 600, 2}},
        {DockTopEdge, true, {100, 200, 600, 21 + 4 + 1}},
        {DockFree, false, {100, 200, 600, 2}},
        {DockLeftEdge, false, {100, 200, 4, 150}},
        {DockLeftEdge, true, {100, 200, 4 + 4 + 1, 150}},
        {DockBottomEdge, false, {100, 1050 - 2, 600, 2}},
        {DockBottomEdge, true, {100, 1050 - 26, 600, 26}},
        {DockRightEdge, false, {1920 - 4, 200, 4, 150}},
        {DockRightEdge, true, {1920 - 9, 200, 9, 150}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " " << c.captionBar);
        s.SpecialWindowLayout = c.code;
        s.AutoHideShowCaptionBar = c.captionBar;
        host.layoutHeight = 0;
        frame.placementReady = true;
        frame.SetGeometry(expanded);
        model.settingsModified = false;
        frame.Collapse();
        EXPECT_EQ(frame.Geometry(), c.collapsed);
        EXPECT_EQ(host.captionShown, c.captionBar);
        frame.Expand();
        EXPECT_EQ(frame.Geometry().w, 600);
        EXPECT_EQ(frame.Geometry().h, 150);
        EXPECT_TRUE(host.captionShown);
        EXPECT_FALSE(model.settingsModified);
    }

    // A panel above and below the work area: the bottom strip sits on the
    // work area's bottom, not the screen's.
    ScreenMetrics panel;
    panel.available = Rect{0, 30, 1920, 990};
    frame.SetScreen(panel);
    s.SpecialWindowLayout = DockBottomEdge;
    s.AutoHideShowCaptionBar = true;
    frame.SetGeometry(Rect{0, 900, 1920, 120});
    frame.Collapse();
    EXPECT_EQ(frame.Geometry(), (Rect{0, 30 + 990 - 26, 1920, 26}));
}

TEST_F(FrameGeometryTest, InvisibleAutoHideHidesAndNothingCollapsesWhileClosing) {
    s.InvisibleOnAutoHide = true;
    frame.Collapse();
    EXPECT_TRUE(host.hidden);
    host.hidden = false;
    model.closing = true;
    frame.SetGeometry(Rect{0, 0, 500, 100});
    frame.Collapse();
    EXPECT_FALSE(host.hidden);
    EXPECT_EQ(frame.Geometry().h, 100);
}

} // namespace

// A window manager confirming the program's own geometry late looks like the
// user's move or resize; only a change of what is stored marks the
// configuration for saving.
TEST_F(FrameGeometryTest, MovesAndResizesThatChangeNothingStoredLeaveTheConfigurationUnchanged) {
    s.SpecialWindowLayout = DockFree;
    s.LayoutRowType = 2; // rows and columns from the buttons, not the window size
    s.LayoutColType = 2;
    s.LockWindowPosition = false;
    s.WindowWidthToScreen = false;
    s.WindowHeightToScreen = false;
    s.FrameX = 40;
    s.FrameY = 40;
    frame.ApplyWindowSettings();
    frame.CompleteStartupPlacement();
    model.settingsModified = false;

    frame.UserMoved({40, 40});
    frame.UserResized(640, 200);
    EXPECT_FALSE(model.settingsModified);

    frame.UserMoved({60, 40});
    EXPECT_TRUE(model.settingsModified);
    EXPECT_EQ(s.FrameX, 60);

    model.settingsModified = false;
    s.WindowHeightToScreen = true;
    frame.UserResized(640, 220);
    EXPECT_TRUE(model.settingsModified) << "a resize ends the height-to-screen choice";
    EXPECT_FALSE(s.WindowHeightToScreen);
}
