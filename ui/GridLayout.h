#pragma once

#include <functional>
#include <string>
#include <vector>

struct CSettings;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle by its top-left corner and size; right and bottom are exclusive.
struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Contains(Point p) const { return p.x >= x && p.x < x + w && p.y >= y && p.y < y + h; }
    bool operator==(const Rect&) const = default;
};

// The window manager's frame around the client area, per side.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

// What the window arithmetic needs to know about the screen the window is on.
// `available` is the work area in desktop coordinates; a maximised window
// covers it plus one frame width on each side (the MaxWidth/MaxHeight the
// placement formulas start from). Frame and edge sizes are per side.
struct ScreenMetrics {
    Rect available{0, 0, 1920, 1050};
    int frameX = 4;         // horizontal resize-frame width
    int frameY = 4;         // vertical resize-frame height
    int edgeX = 2;          // 3-D edge width
    int edgeY = 2;          // 3-D edge height
    int captionHeight = 17; // the frame's small caption
    int menuHeight = 19;    // one line of menu bar, the least a shown menu bar takes
    // The real frame of the window with its caption; collapsed strips are
    // placed from it.
    FrameMargins margins{4, 21, 4, 4};

    int MaxWidth() const { return available.w + 2 * frameX; }
    int MaxHeight() const { return available.h + 2 * frameY; }
};

// One axis of a fitted grid.
struct AxisFit {
    bool ok = false;
    int count = 0;
    int gap = 0;
    int margin = 0;
};

// How many buttons of `size` fit in `extent` with at least `gap` pixels
// between them and at both ends; the leftover pixels widen the gaps and what
// does not divide evenly becomes a margin on each side.
AxisFit FitAxis(int size, int extent, int gap);

// The grid of the current category: rows, columns, one gap for both
// directions and the extra margins.
struct GridState {
    int rows = 0;
    int cols = 0;
    int gap = 0;
    int marginX = 0;
    int marginY = 0;
    bool operator==(const GridState&) const = default;
};

// Number of slots the layout must hold: last used slot + 1, or 1 when the
// category is empty.
int UsedSlotCount(int lastUsedSlot);

// Computes the grid for client size (w, h). On failure (both types variable,
// a fit that fails, a constant count below 1) returns false and leaves `grid`
// as it was. Types outside 1..3 give 0 rows and columns.
bool ComputeGrid(const CSettings& s, int usedSlots, int clientW, int clientH, GridState& grid);

// The rows needed for `usedSlots` at the present column count (at least 1),
// or -1 when the rows are constant and never need a relayout.
int RowsNeeded(const CSettings& s, int usedSlots, int cols);

// What the view remembers between layouts.
struct LayoutMemory {
    GridState grid;
    int clientW = 0; // client size used by the last layout or size change
    int clientH = 0;
    int windowW = 0; // outer size of the frame at the last layout
    int windowH = 0;
};

// The height the menu bar takes: 0 when hidden, else the measured height
// but at least one menu line.
int MenuBarHeight(const ScreenMetrics& m, bool menuVisible, int measuredHeight);

// How many sizing passes a layout runs: four when the menu bar shows and the
// rows fit the height (the bar may wrap as the width changes), else two.
int SizingPassCount(const CSettings& s);

// The outcome of one sizing pass.
struct SizingResult {
    bool gridOk = false; // the grid computation succeeded
    bool resize = false; // the frame takes outerW x outerH (position kept)
    int outerW = 0;
    int outerH = 0;
};

// One pass of the window sizing: finds the client extents from the frame's
// current outer size (fitted axes) or the remembered client size, computes the
// grid and the outer size that holds it. A height above the maximised height
// keeps the frame's size. Updates `mem`.
SizingResult RunSizingPass(const CSettings& s, const ScreenMetrics& m, int usedSlots,
                           int frameOuterW, int frameOuterH, int menuHeight, LayoutMemory& mem);

// Button placement: the rectangles (client coordinates) of the slots shown,
// row-major, at most 100.
Rect SlotRect(const GridState& g, int buttonW, int buttonH, int slot);
int ShownSlotCount(const GridState& g);
std::vector<Rect> SlotRects(const GridState& g, int buttonW, int buttonH);

// The slot whose rectangle holds the client point, or -1 (gaps, margins and
// slots beyond the grid included).
int HitTestSlot(const GridState& g, int buttonW, int buttonH, Point p);

// A whole layout as the window runs it: the sizing passes, then the
// placement. The frame's outer size after the layout is in frameW/frameH.
// `menuHeightAt` measures the menu bar at an outer frame width; each pass asks
// it again, as a bar that wraps grows taller when the width shrinks.
struct LayoutResult {
    GridState grid;
    int frameW = 0;
    int frameH = 0;
    std::vector<Rect> slots;
};
LayoutResult ComputeLayout(const CSettings& s, const ScreenMetrics& m, int usedSlots,
                           int frameOuterW, int frameOuterH,
                           const std::function<int(int outerW)>& menuHeightAt, LayoutMemory& mem);
// The same with a menu bar of one measured height at every width.
LayoutResult ComputeLayout(const CSettings& s, const ScreenMetrics& m, int usedSlots,
                           int frameOuterW, int frameOuterH, int measuredMenuHeight,
                           LayoutMemory& mem);

// --- Drawing a button face (owner-drawn modes) --------------------------------

struct FaceText {
    Rect rect; // item coordinates; the text is centred on one line in it
    std::string text;
};

// Where the icon and the text lines of a button face go. `line1` and `line2`
// are the button text's lines (empty for an empty slot).
struct ButtonFace {
    Rect icon;
    std::vector<FaceText> lines;
};
inline constexpr int kFaceIconSize = 32;
ButtonFace LayoutButtonFace(int textOnButtons, int width, int height, const std::string& line1,
                            const std::string& line2);

// True when the buttons are owner drawn (icon and text) rather than plain
// icon buttons.
inline bool OwnerDrawnButtons(int textOnButtons) {
    return textOnButtons > 0;
}

// The last step of a layout for the bottom and right strips: the frame's new
// top-left corner keeping it on its screen edge; other layouts keep `frame`'s.
Point StripDockPosition(int specialWindowLayout, const ScreenMetrics& m, const Rect& frame);
