#pragma once
// The countdown before a power rule acts, and the 500 ms check that opens it. Windows is
// reached through small interfaces (the dialog, the clock, the session's end), so the count and
// the guard against a second countdown run in tests without ending anybody's session.
#include <string>
#include <string_view>

#include "data/DateTime.h"
#include "system/SettingsRecord.h"
#include "system/ShutdownRules.h"

inline constexpr int countdownSeconds = 60;
inline constexpr unsigned countdownTickMs = 950;

// Ends the session: shutdownMode powers the computer off, restartMode restarts it. On failure
// returns false with the operator's message in `message`.
class PowerSwitch {
public:
    virtual ~PowerSwitch() = default;
    virtual bool exitWindows(int mode, std::u16string& message) = 0;
};

// The failure message of `exitWindows` around the system's text for the error.
std::u16string exitWindowsFailureText(int mode, std::u16string_view systemText);
// The dialog's text line: "关机倒计时" or "关机重启倒计时".
std::u16string_view countdownTitle(int mode);

// What the countdown dialog does for the count.
class CountdownDisplay {
public:
    virtual ~CountdownDisplay() = default;
    virtual void showCount(int count) = 0;
    virtual void stopTimer() = 0;
    // A message box owned by the dialog; returns when it has been answered.
    virtual void showFailure(std::u16string_view text) = 0;
    virtual void close() = 0;
};

// The count of one open dialog: from countdownSeconds down by one a tick; at 0 the session ends.
class ShutdownCountdown {
public:
    ShutdownCountdown(int mode, PowerSwitch& power, CountdownDisplay& display)
        : mode_(mode), power_(power), display_(display) {}

    int mode() const { return mode_; }
    int count() const { return count_; }
    void tick();
    // "取消" or Escape: the rule's stamp keeps this occurrence as fired.
    void cancel();

private:
    int mode_;
    int count_ = countdownSeconds;
    bool finished_ = false;
    PowerSwitch& power_;
    CountdownDisplay& display_;
};

// What one check of the power rules asks of the program.
class ShutdownRuleHost {
public:
    virtual ~ShutdownRuleHost() = default;
    virtual DateTime localNow() = 0;
    virtual void postDeviceBarRefresh() = 0;
    // Brings the main window forward and runs the countdown modally; returns when it has closed.
    virtual void runCountdown(int mode) = 0;
};

// The check on the settings page's timer. While a countdown is open (its dialog's modal loop
// keeps the timer running) every check returns at once, so the device bar's refresh pauses too.
class ShutdownRuleCheck {
public:
    void check(const SettingsRecord& settings, PowerRuleStamps& stamps, ShutdownRuleHost& host);
    bool countdownOpen() const { return countdownOpen_; }

private:
    bool countdownOpen_ = false;
};
