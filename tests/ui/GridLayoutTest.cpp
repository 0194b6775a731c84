#include "ui/GridLayout.h"

#include <gtest/gtest.h>

#include "model/Settings.h"

namespace {

struct FitCase {
    int size, extent, gap;
    bool ok;
    int count, fitGap, margin;
};

TEST(FitAxis, SpreadsLeftoverPixelsOverGapsAndMargins) {
    const FitCase cases[] = {
        {54, 300, 1, true, 5, 5, 0},  // 24 spare pixels: 4 more per gap
        {54, 100, 1, true, 1, 23, 0}, // one button, the rest in its two gaps
        {10, 37, 1, true, 3, 1, 1},   // 3 spare pixels over 4 gaps: margins
        {32, 34, 1, true, 1, 1, 0},   // exactly one button and two gaps
        {32, 33, 1, false, 0, 0, 0},  // one pixel short
        {54, -20, 1, false, 0, 0, 0},
    };
    for (const FitCase& c : cases) {
        const AxisFit fit = FitAxis(c.size, c.extent, c.gap);
        SCOPED_TRACE(c.extent);
        EXPECT_EQ(fit.ok, c.ok);
        if (c.ok) {
            EXPECT_EQ(fit.count, c.count);
            EXPECT_EQ(fit.gap, c.fitGap);
            EXPECT_EQ(fit.margin, c.margin);
        }
    }
}

CSettings GridSettings(int rowType, int colType) {
    CSettings s;
    s.ButtonWidth = 54;
    s.ButtonHeight = 64;
    s.ButtonSpacing = 1;
    s.NRowsConstant = 3;
    s.NColsConstant = 4;
    s.LayoutRowType = rowType;
    s.LayoutColType = colType;
    return s;
}

TEST(ComputeGrid, EveryRowAndColumnTypeCombination) {
    // Ten slots in use, client 300 x 200: the width fits 5 buttons with gap 5,
    // the height 3 rows with gap 2.
    struct Case {
        int rowType, colType;
        GridState expected;
    };
    const Case cases[] = {
        {1, 2, {3, 4, 1, 0, 0}},
        {1, 3, {2, 5, 5, 0, 0}},
        {2, 1, {3, 4, 1, 0, 0}},
        {2, 2, {3, 4, 1, 0, 0}},
        {2, 3, {3, 5, 5, 0, 0}},
        {3, 1, {3, 4, 2, 0, 0}},
        {3, 2, {3, 4, 2, 0, 0}},
        // Both fitted: the smaller gap, the width keeps its buttons in place
        // with (5 - 2) * 6 / 2 extra margin.
        {3, 3, {3, 5, 2, 9, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.rowType << "/" << c.colType);
        GridState g{9, 9, 9, 9, 9};
        ASSERT_TRUE(ComputeGrid(GridSettings(c.rowType, c.colType), 10, 300, 200, g));
        EXPECT_EQ(g, c.expected);
    }
}

TEST(ComputeGrid, BothFittedWithTheSmallerGapAcrossMovesTheDifferenceIntoTheHeightMargin) {
    // Width 200: 3 columns, gap 9, margin 1. Height 300: 4 rows, gap 8, margin 2.
    GridState g;
    ASSERT_TRUE(ComputeGrid(GridSettings(3, 3), 1, 200, 300, g));
    EXPECT_EQ(g, (GridState{4, 3, 8, 1 + 1 * 4 / 2, 2}));
    // The buttons still fill the width exactly.
    EXPECT_EQ(2 * g.marginX + g.gap * (g.cols + 1) + 54 * g.cols, 200);
}

TEST(ComputeGrid, FailuresKeepThePreviousGrid) {
    const GridState previous{2, 7, 3, 4, 5};
    struct Case {
        const char* what;
        CSettings s;
        int w, h;
    };
    CSettings zeroCols = GridSettings(1, 2);
    zeroCols.NColsConstant = 0;
    CSettings zeroRows = GridSettings(2, 1);
    zeroRows.NRowsConstant = 0;
    const Case cases[] = {
        {"both variable", GridSettings(1, 1), 300, 200},
        {"width too narrow", GridSettings(1, 3), 55, 200},
        {"height too flat", GridSettings(3, 3), 300, 65},
        {"constant 0 columns", zeroCols, 300, 200},
        {"constant 0 rows", zeroRows, 300, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GridState g = previous;
        EXPECT_FALSE(ComputeGrid(c.s, 10, c.w, c.h, g));
        EXPECT_EQ(g, previous);
    }
    GridState g = previous;
    EXPECT_TRUE(ComputeGrid(GridSettings(4, 3), 10, 300, 200, g));
    EXPECT_EQ(g.rows, 0);
    EXPECT_EQ(g.cols, 0);
}

TEST(ComputeGrid, EmptyCategoryWithVariableRowsShowsOneRow) {
    GridState g;
    ASSERT_TRUE(ComputeGrid(GridSettings(1, 3), UsedSlotCount(-1), 300, 200, g));
    EXPECT_EQ(g.rows, 1);
    EXPECT_EQ(RowsNeeded(GridSettings(1, 3), 0, 5), 1);
    EXPECT_EQ(RowsNeeded(GridSettings(1, 3), 11, 5), 3);
    EXPECT_EQ(RowsNeeded(GridSettings(2, 3), 11, 5), -1); // constant rows
}

TEST(Placement, OnlyTheFirstHundredSlotsOfALargerGridAreShown) {
    const GridState g{15, 7, 2, 1, 3};
    const std::vector<Rect> rects = SlotRects(g, 54, 64);
    ASSERT_EQ(rects.size(), 100u);
    // Slot 99 is row 14, column 1.
    EXPECT_EQ(rects[99], (Rect{1 + 2 + 1 * 56, 3 + 2 + 14 * 66, 54, 64}));
    EXPECT_EQ(SlotRects(GridState{3, 4, 1, 0, 0}, 54, 64).size(), 12u);
    EXPECT_TRUE(SlotRects(GridState{}, 54, 64).empty());
}

TEST(Placement, HitTestFindsSlotsButNotGapsMarginsOrCutSlots) {
    const GridState g{15, 7, 2, 1, 3};
    EXPECT_EQ(HitTestSlot(g, 54, 64, {3, 5}), 0);       // first pixel of slot 0
    EXPECT_EQ(HitTestSlot(g, 54, 64, {2, 5}), -1);      // margin
    EXPECT_EQ(HitTestSlot(g, 54, 64, {3 + 54, 5}), -1); // gap after slot 0
    EXPECT_EQ(HitTestSlot(g, 54, 64, {3 + 56, 5 + 66}), 8);
    const Rect last = SlotRect(g, 54, 64, 99);
    EXPECT_EQ(HitTestSlot(g, 54, 64, {last.x, last.y}), 99);
    EXPECT_EQ(HitTestSlot(g, 54, 64, {last.x + 56, last.y}), -1); // slot 100 is cut
    EXPECT_EQ(HitTestSlot(g, 54, 64, {7 * 56 + 10, 5}), -1);      // right of the grid
}

class Sizing : public ::testing::Test {
  protected:
    ScreenMetrics m; // 1920 x 1050 work area, frame 4, caption 17, menu 19
    LayoutMemory mem;
};

TEST_F(Sizing, TopStripKeepsItsWidthAndTakesTheHeightOfItsRows) {
    CSettings s = GridSettings(1, 3);
    const SizingResult r = RunSizingPass(s, m, 10, 1920, 300, 19, mem);
    // Client width 1908 fits 34 buttons with gap 2 and margin 1: one row.
    EXPECT_TRUE(r.resize);
    EXPECT_EQ(mem.grid, (GridState{1, 34, 2, 1, 0}));
    EXPECT_EQ(r.outerW, 1920);
    EXPECT_EQ(r.outerH, 64 + 2 * 2 + 17 + 3 * 4 + 19);
    EXPECT_EQ(mem.clientH, 68);
}

TEST_F(Sizing, ConstantGridSizesBothAxesAndPassCountFollowsTheMenu) {
    CSettings s = GridSettings(2, 2);
    s.NRowsConstant = 2;
    s.NColsConstant = 2;
    const LayoutResult r = ComputeLayout(s, m, 3, 300, 300, 0, mem);
    EXPECT_EQ(r.frameW, 54 * 2 + 3 + 12);
    EXPECT_EQ(r.frameH, 64 * 2 + 3 + 17 + 12 + 19);
    EXPECT_EQ(r.slots.size(), 4u);
    EXPECT_EQ(SizingPassCount(s), 2);
    s.LayoutRowType = 3;
    EXPECT_EQ(SizingPassCount(s), 4);
    s.MenuVisible = false;
    EXPECT_EQ(SizingPassCount(s), 2);
}

TEST_F(Sizing, MenuBarThatWrapsAtTheNewWidthIsMeasuredInEachPass) {
    // Rows fitted to the height, one column: the first pass narrows the
    // window from 800 to one button's width, where the menu bar takes three
    // lines instead of one.
    CSettings s = GridSettings(3, 2);
    s.NColsConstant = 1;
    const auto wrapping = [](int outerW) { return outerW >= 300 ? 19 : 57; };
    std::vector<int> widths;
    const LayoutResult r = ComputeLayout(
        s, m, 20, 800, 400,
        [&](int outerW) {
            widths.push_back(outerW);
            return wrapping(outerW);
        },
        mem);
    ASSERT_EQ(widths.size(), 4u);
    EXPECT_EQ(widths[0], 800);
    EXPECT_LT(widths[1], 300) << "later passes measure at the narrowed width";

    LayoutMemory once, threeLines;
    const LayoutResult oneLine = ComputeLayout(s, m, 20, 800, 400, 19, once);
    const LayoutResult narrow = ComputeLayout(s, m, 20, 800, 400, 57, threeLines);
    ASSERT_NE(oneLine.grid.rows, narrow.grid.rows) << "the case must tell the heights apart";
    EXPECT_EQ(r.grid, narrow.grid);
    EXPECT_EQ(r.frameH, narrow.frameH);

    // A hidden menu bar is not measured.
    s.MenuVisible = false;
    widths.clear();
    ComputeLayout(
        s, m, 20, 800, 400, [&](int w) { return widths.push_back(w), 19; }, mem);
    EXPECT_TRUE(widths.empty());
}

TEST_F(Sizing, TooTallKeepsTheFrameAndAFailedGridKeepsItsValues) {
    CSettings s = GridSettings(1, 3);
    mem.grid = GridState{1, 1, 1, 0, 0};
    // Too narrow to fit a button: the previous 1 x 1 grid sizes the window.
    SizingResult r = RunSizingPass(s, m, 100, 40, 300, 19, mem);
    EXPECT_FALSE(r.gridOk);
    EXPECT_EQ(mem.grid, (GridState{1, 1, 1, 0, 0}));
    EXPECT_TRUE(r.resize);
    // A fitted grid of 100 rows does not fit the screen: size unchanged.
    mem = LayoutMemory{};
    r = RunSizingPass(s, m, 100, 80, 300, 19, mem);
    EXPECT_TRUE(r.gridOk);
    EXPECT_EQ(mem.grid.rows, 100);
    EXPECT_FALSE(r.resize);
    EXPECT_GT(r.outerH, m.MaxHeight());
}

TEST_F(Sizing, FlatWindowWithFittedRowsAndVariableColumnsMakesRoomForOneRow) {
    CSettings s = GridSettings(3, 1);
    mem.grid = GridState{1, 3, 2, 0, 1};
    const SizingResult r = RunSizingPass(s, m, 3, 200, 30, 19, mem);
    EXPECT_FALSE(r.gridOk);
    EXPECT_TRUE(r.resize);
    EXPECT_EQ(r.outerH, 64 + 2 * 1 + 2 * 2 + 17 + 12 + 19);
}

TEST(ButtonFace, TextLinesByModeAndHeight) {
    struct Case {
        int mode, height;
        const char* l1;
        const char* l2;
        std::vector<FaceText> lines;
    };
    const Case cases[] = {
        {0, 64, "My", "Computer", {}},
        {1, 64, "My", "Computer", {{{0, 38, 54, 24}, "My"}}},
        {2, 64, "My", "", {{{0, 38, 54, 24}, "My"}}},
        {2, 64, "My", "Computer", {{{0, 38, 54, 11}, "My"}, {{0, 49, 54, 11}, "Computer"}}},
        {2, 64, "", "Computer", {{{0, 49, 54, 11}, "Computer"}}},
        {2, 40, "My", "Computer", {}}, // h = -1: no text at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.height << " " << c.l1);
        const ButtonFace face = LayoutButtonFace(c.mode, 54, c.height, c.l1, c.l2);
        // Icon-only buttons centre their icon as an icon push button does.
        EXPECT_EQ(face.icon, (Rect{11, c.mode == 0 ? (c.height - 32) / 2 : 4, 32, 32}));
        ASSERT_EQ(face.lines.size(), c.lines.size());
        for (std::size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(face.lines[i].rect, c.lines[i].rect);
            EXPECT_EQ(face.lines[i].text, c.lines[i].text);
        }
    }
}

TEST(StripDock, BottomAndRightStripsSitOnTheirScreenEdge) {
    ScreenMetrics m;
    m.available = Rect{1920, 30, 1280, 994};
    const Rect frame{2000, 100, 400, 120};
    EXPECT_EQ(StripDockPosition(3, m, frame), (Point{2000, 30 + 994 - 120}));
    EXPECT_EQ(StripDockPosition(4, m, frame), (Point{1920 + 1280 - 400, 100}));
    EXPECT_EQ(StripDockPosition(1, m, frame), (Point{2000, 100}));
}

} // namespace
