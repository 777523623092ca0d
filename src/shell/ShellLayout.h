#pragma once
// Geometry of the main window: where the navigation bar, the pages and the status bar go, and
// the navigation buttons' rectangles, all in device pixels at the screen's scale.
#include <array>

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect&) const = default;
};

// Logical pixels per inch / 96, kept within 1.0 .. 4.0.
double scaleForDpi(int dpi);

struct MainLayout {
    PixelRect navBar;
    PixelRect page;       // every page has the same place; one is visible at a time
    PixelRect statusBar;
};

// `statusHeight` is the status bar's own client height, which it keeps at every size.
MainLayout layoutMain(int clientWidth, int clientHeight, int statusHeight, double uiScale);

inline constexpr int navButtonCount = 6;
using NavButtons = std::array<PixelRect, navButtonCount>;

NavButtons navButtonRects(double uiScale);
// The index of the button under the point, or -1.
int navButtonAt(const NavButtons& buttons, int x, int y);
