#include "ui/GridLayout.h"

#include <algorithm>
#include <cmath>

#include "model/Category.h"
#include "model/Settings.h"

AxisFit FitAxis(int size, int extent, int gap) {
    AxisFit fit;
    const double x = static_cast<double>(extent - gap) / static_cast<double>(size + gap);
    if (!(x >= 1.0))
        return fit;
    const int n = static_cast<int>(x);
    if (n < 1)
        return fit;
    const int rest = extent - gap * (n + 1) - size * n;
    const int extra = rest / (n + 1);
    fit.ok = true;
    fit.count = n;
    fit.gap = gap + extra;
    fit.margin = (rest - extra * (n + 1)) / 2;
    return fit;
}

int UsedSlotCount(int lastUsedSlot) {
    return lastUsedSlot < 0 ? 1 : lastUsedSlot + 1;
}

namespace {

int CeilDiv(int a, int b) {
    return (a + b - 1) / b;
}

} // namespace

bool ComputeGrid(const CSettings& s, int usedSlots, int clientW, int clientH, GridState& grid) {
    const int rowType = s.LayoutRowType;
    const int colType = s.LayoutColType;
    if (rowType < 1 || rowType > 3 || colType < 1 || colType > 3) {
        grid.rows = 0;
        grid.cols = 0;
        return true;
    }
    if (rowType == 1 && colType == 1)
        return false;
    const int used = std::max(usedSlots, 1);
    GridState g;
    g.gap = s.ButtonSpacing;

    AxisFit fitW, fitH;
    if (colType == 3) {
        fitW = FitAxis(s.ButtonWidth, clientW, s.ButtonSpacing);
        if (!fitW.ok)
            return false;
    }
    if (rowType == 3) {
        fitH = FitAxis(s.ButtonHeight, clientH, s.ButtonSpacing);
        if (!fitH.ok)
            return false;
    }
    // A constant count of 0 would divide by zero below; it fails like a fit.
    if ((colType == 2 && s.NColsConstant < 1) || (rowType == 2 && s.NRowsConstant < 1))
        return false;

    if (colType == 2)
        g.cols = s.NColsConstant;
    else if (colType == 3)
        g.cols = fitW.count;
    if (rowType == 2)
        g.rows = s.NRowsConstant;
    else if (rowType == 3)
        g.rows = fitH.count;
    if (rowType == 1)
        g.rows = CeilDiv(used, g.cols);
    if (colType == 1)
        g.cols = CeilDiv(used, g.rows);

    if (colType == 3 && rowType == 3) {
        // One gap for both directions: the smaller; the other axis keeps its
        // buttons in place by taking the difference into its margin.
        g.gap = std::min(fitW.gap, fitH.gap);
        g.marginX = fitW.margin;
        g.marginY = fitH.margin;
        if (fitW.gap > fitH.gap)
            g.marginX += (fitW.gap - fitH.gap) * (fitW.count + 1) / 2;
        else if (fitH.gap > fitW.gap)
            g.marginY += (fitH.gap - fitW.gap) * (fitH.count + 1) / 2;
    } else if (colType == 3) {
        g.gap = fitW.gap;
        g.marginX = fitW.margin;
    } else if (rowType == 3) {
        g.gap = fitH.gap;
        g.marginY = fitH.margin;
    }
    grid = g;
    return true;
}

int RowsNeeded(const CSettings& s, int usedSlots, int cols) {
    if (s.LayoutRowType == 2 && s.NRowsConstant > 0)
        return -1;
    if (cols < 1)
        return 1;
    return std::max(1, CeilDiv(std::max(usedSlots, 0), cols));
}

int MenuBarHeight(const ScreenMetrics& m, bool menuVisible, int measuredHeight) {
    return menuVisible ? std::max(measuredHeight, m.menuHeight) : 0;
}

int SizingPassCount(const CSettings& s) {
    return s.MenuVisible && s.LayoutRowType == 3 ? 4 : 2;
}

SizingResult RunSizingPass(const CSettings& s, const ScreenMetrics& m, int usedSlots,
                           int frameOuterW, int frameOuterH, int menuHeight, LayoutMemory& mem) {
    const bool fitCols = s.LayoutColType == 3;
    const bool fitRows = s.LayoutRowType == 3;
    if (fitCols)
        mem.windowW = frameOuterW;
    if (fitRows)
        mem.windowH = frameOuterH;

    const int clientW = fitCols ? mem.windowW - 3 * m.frameX : mem.clientW;
    int clientH = fitRows ? mem.windowH - 3 * m.frameY - menuHeight - m.captionHeight : mem.clientH;

    SizingResult r;
    r.gridOk = ComputeGrid(s, usedSlots, clientW, clientH, mem.grid);
    const GridState& g = mem.grid;

    int newClientW = clientW;
    int outerW = mem.windowW;
    if (!fitCols) {
        newClientW = s.ButtonWidth * g.cols + g.gap * (g.cols + 1) + 2 * g.marginX;
        outerW = newClientW + 3 * m.frameX;
        mem.clientW = newClientW;
    }
    const int chrome = m.captionHeight + 3 * m.frameY + menuHeight;
    int outerH = mem.windowH;
    if (!fitRows) {
        clientH = s.ButtonHeight * g.rows + g.gap * (g.rows + 1) + 2 * g.marginY;
        outerH = clientH + chrome;
    } else if (s.LayoutColType == 1 && clientH < 0) {
        // Too flat to fit anything: make room for one row.
        clientH = s.ButtonHeight + 2 * g.marginY + 2 * g.gap;
        outerH = clientH + chrome;
        mem.windowH = outerH;
    }

    r.outerW = outerW;
    r.outerH = outerH;
    if (outerH <= m.MaxHeight()) {
        r.resize = true;
        mem.clientW = newClientW;
        mem.clientH = clientH;
        mem.windowW = outerW;
        mem.windowH = outerH;
    }
    return r;
}

int ShownSlotCount(const GridState& g) {
    if (g.rows <= 0 || g.cols <= 0)
        return 0;
    // Compared in 64 bits: absurd counts must not overflow.
    return static_cast<int>(
        std::min<long long>(kSlotsPerCategory, static_cast<long long>(g.rows) * g.cols));
}

Rect SlotRect(const GridState& g, int buttonW, int buttonH, int slot) {
    const int col = g.cols > 0 ? slot % g.cols : 0;
    const int row = g.cols > 0 ? slot / g.cols : 0;
    return Rect{g.marginX + g.gap + col * (buttonW + g.gap),
                g.marginY + g.gap + row * (buttonH + g.gap), buttonW, buttonH};
}

std::vector<Rect> SlotRects(const GridState& g, int buttonW, int buttonH) {
    std::vector<Rect> rects;
    const int n = ShownSlotCount(g);
    rects.reserve(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k)
        rects.push_back(SlotRect(g, buttonW, buttonH, k));
    return rects;
}

int HitTestSlot(const GridState& g, int buttonW, int buttonH, Point p) {
    const int n = ShownSlotCount(g);
    if (n == 0 || buttonW + g.gap <= 0 || buttonH + g.gap <= 0)
        return -1;
    const int px = p.x - g.marginX - g.gap;
    const int py = p.y - g.marginY - g.gap;
    if (px < 0 || py < 0)
        return -1;
    const int col = px / (buttonW + g.gap);
    const int row = py / (buttonH + g.gap);
    if (col >= g.cols || px % (buttonW + g.gap) >= buttonW || py % (buttonH + g.gap) >= buttonH)
        return -1;
    const long long slot = static_cast<long long>(row) * g.cols + col;
    return slot < n ? static_cast<int>(slot) : -1;
}

LayoutResult ComputeLayout(const CSettings& s, const ScreenMetrics& m, int usedSlots,
                           int frameOuterW, int frameOuterH, int measuredMenuHeight,
                           LayoutMemory& mem) {
    return ComputeLayout(
        s, m, usedSlots, frameOuterW, frameOuterH, [=](int) { return measuredMenuHeight; }, mem);
}

LayoutResult ComputeLayout(const CSettings& s, const ScreenMetrics& m, int usedSlots,
                           int frameOuterW, int frameOuterH,
                           const std::function<int(int outerW)>& menuHeightAt, LayoutMemory& mem) {
    LayoutResult result;
    result.frameW = frameOuterW;
    result.frameH = frameOuterH;
    for (int pass = SizingPassCount(s); pass > 0; --pass) {
        const int menuHeight =
            MenuBarHeight(m, s.MenuVisible, s.MenuVisible ? menuHeightAt(result.frameW) : 0);
        const SizingResult r =
            RunSizingPass(s, m, usedSlots, result.frameW, result.frameH, menuHeight, mem);
        if (r.resize) {
            result.frameW = r.outerW;
            result.frameH = r.outerH;
        }
    }
    result.grid = mem.grid;
    result.slots = SlotRects(mem.grid, s.ButtonWidth, s.ButtonHeight);
    return result;
}

ButtonFace LayoutButtonFace(int textOnButtons, int width, int height, const std::string& line1,
                            const std::string& line2) {
    ButtonFace face;
    face.icon = Rect{(width - kFaceIconSize) / 2, 4, kFaceIconSize, kFaceIconSize};
    if (textOnButtons <= 0) {
        // An icon push button centres its icon both ways.
        face.icon.y = (height - kFaceIconSize) / 2;
        return face;
    }
    constexpr int textTop = 38;
    if (textOnButtons == 1 || line2.empty()) {
        face.lines.push_back({Rect{0, textTop, width, height - 2 - textTop}, line1});
        return face;
    }
    const int h = (height - 42) / 2;
    if (h <= 0)
        return face;
    if (!line1.empty())
        face.lines.push_back({Rect{0, textTop, width, h}, line1});
    face.lines.push_back({Rect{0, textTop + h, width, h}, line2});
    return face;
}

Point StripDockPosition(int specialWindowLayout, const ScreenMetrics& m, const Rect& frame) {
    const int ax = m.available.x;
    const int ay = m.available.y;
    if (specialWindowLayout == 3)
        return Point{frame.x, ay + m.MaxHeight() - 2 * m.frameY - frame.h};
    if (specialWindowLayout == 4)
        return Point{ax + m.MaxWidth() - 2 * m.frameX - frame.w, frame.y};
    return Point{frame.x, frame.y};
}
