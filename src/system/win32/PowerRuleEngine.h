#pragma once
// The power rules' check every 500 ms for the life of the program, on a message-only window of
// its own, like the playing engines: the due rule from the settings and their stamps, the
// device bar's refresh it posts, and the countdown it opens, which the shell supplies.
#include <windows.h>

#include <functional>
#include <memory>

#include "system/SettingsStore.h"
#include "system/ShutdownCountdown.h"
#include "system/win32/WindowsPowerSwitch.h"

inline constexpr unsigned powerRuleCheckPeriodMs = 500;

struct PowerRuleActions {
    std::function<void()> postDeviceBarRefresh;
    // Brings the main window forward and runs the countdown modally; returns when it has closed.
    std::function<void(int mode, PowerSwitch& power)> runCountdown;
};

class PowerRuleEngine : public ShutdownRuleHost {
public:
    // Null when Windows refuses the window.
    static std::unique_ptr<PowerRuleEngine> create(SettingsStore& settings, PowerRuleActions actions);
    ~PowerRuleEngine() override;
    PowerRuleEngine(const PowerRuleEngine&) = delete;
    PowerRuleEngine& operator=(const PowerRuleEngine&) = delete;

    // False when Windows refuses the timer.
    bool start();
    void stop();

    DateTime localNow() override;
    void postDeviceBarRefresh() override;
    void runCountdown(int mode) override;

private:
    PowerRuleEngine(HWND window, SettingsStore& settings, PowerRuleActions actions);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_;
    SettingsStore& settings_;
    PowerRuleActions actions_;
    ShutdownRuleCheck check_;
    WindowsPowerSwitch power_;
};
