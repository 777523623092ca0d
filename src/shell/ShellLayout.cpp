#include "shell/ShellLayout.h"

#include <algorithm>

double scaleForDpi(int dpi) {
    return std::clamp(dpi / 96.0, 1.0, 4.0);
}

MainLayout layoutMain(int clientWidth, int clientHeight, int statusHeight, double uiScale) {
    const int navWidth = static_cast<int>(140 * uiScale) + 1;
    const int pagesHeight = clientHeight - statusHeight;
    MainLayout layout;
    layout.navBar = {0, 0, navWidth, pagesHeight};
    layout.page = {navWidth, 0, clientWidth, pagesHeight};
    layout.statusBar = {0, pagesHeight, clientWidth, clientHeight};
    return layout;
}

NavButtons navButtonRects(double s) {
    // Gap above each button and its height, in unscaled pixels; the first gap is from the top.
    constexpr double gaps[navButtonCount] = {15, 1, 8, 1, 1, 0};
    constexpr double heights[navButtonCount] = {35, 35, 52, 72, 72, 72};
    NavButtons buttons;
    const int left = static_cast<int>(5 * s);
    const int right = static_cast<int>(135 * s);
    int bottom = 0;
    for (int k = 0; k < navButtonCount; ++k) {
        const int top = static_cast<int>(bottom + gaps[k] * s);
        bottom = static_cast<int>(top + heights[k] * s);
        buttons[k] = {left, top, right, bottom};
    }
    return buttons;
}

int navButtonAt(const NavButtons& buttons, int x, int y) {
    for (int k = 0; k < navButtonCount; ++k) {
        if (buttons[k].contains(x, y)) return k;
    }
    return -1;
}
