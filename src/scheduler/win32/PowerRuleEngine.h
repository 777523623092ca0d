#pragma once
// The power rules' check every 500 ms for the life of the program, on an engine window of its
// own like the playing engines, its timer kept running the same way: the due rule from the
// settings and their stamps, the device bar's refresh it posts, and the countdown it opens,
// which the shell supplies.
#include <functional>
#include <memory>

#include "scheduler/KeptTimer.h"
#include "scheduler/win32/EngineHost.h"
#include "scheduler/win32/EngineWindow.h"
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
    static std::unique_ptr<PowerRuleEngine> create(SettingsStore& settings, PowerRuleActions actions,
                                                   EngineTimerReports reports);
    ~PowerRuleEngine() override;
    PowerRuleEngine(const PowerRuleEngine&) = delete;
    PowerRuleEngine& operator=(const PowerRuleEngine&) = delete;

    // A refused timer is reported and retried until it runs.
    void start();
    void stop();

    DateTime localNow() override;
    void postDeviceBarRefresh() override;
    void runCountdown(int mode) override;

private:
    PowerRuleEngine(std::unique_ptr<EngineWindow> window, SettingsStore& settings, PowerRuleActions actions);

    std::unique_ptr<EngineWindow> window_;
    std::unique_ptr<KeptTimer> timer_;
    SettingsStore& settings_;
    PowerRuleActions actions_;
    ShutdownRuleCheck check_;
    WindowsPowerSwitch power_;
};
