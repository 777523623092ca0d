#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/ShutdownCountdown.h"

namespace {

// Every call the countdown makes, in order, as one line each.
struct Recorder : PowerSwitch, CountdownDisplay {
    std::vector<std::u16string> calls;
    bool refuse = false;

    bool exitWindows(int mode, std::u16string& message) override {
        calls.push_back(u"exit " + std::u16string(1, static_cast<char16_t>(u'0' + mode)));
        if (refuse) message = exitWindowsFailureText(mode, u"客户端没有所需的特权。");
        return !refuse;
    }
    void showCount(int count) override { calls.push_back(u"count " + toText(count)); }
    void stopTimer() override { calls.push_back(u"stop"); }
    void showFailure(std::u16string_view text) override { calls.push_back(u"failure " + std::u16string(text)); }
    void close() override { calls.push_back(u"close"); }

    static std::u16string toText(int n) {
        std::u16string digits;
        do digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10)); while ((n /= 10) > 0);
        return digits;
    }
};

std::vector<std::u16string> countsFrom(int first, int last) {
    std::vector<std::u16string> calls;
    for (int n = first; n >= last; --n) calls.push_back(u"count " + Recorder::toText(n));
    return calls;
}

TEST(ShutdownCountdown, SixtyTicksCountDownToZeroAndEndTheSessionOnce) {
    for (const int mode : {shutdownMode, restartMode}) {
        Recorder recorder;
        ShutdownCountdown countdown(mode, recorder, recorder);
        EXPECT_EQ(countdown.count(), 60);
        for (int i = 0; i < 59; ++i) countdown.tick();
        EXPECT_EQ(recorder.calls, countsFrom(59, 1)) << "no system call before the count reaches 0";

        // The 60th tick, 57 s after opening: 0 shown, the timer stopped, the session ended.
        countdown.tick();
        std::vector<std::u16string> expected = countsFrom(59, 0);
        expected.insert(expected.end(), {u"stop", mode == shutdownMode ? u"exit 1" : u"exit 0", u"close"});
        EXPECT_EQ(recorder.calls, expected);
        countdown.tick();
        countdown.cancel();
        EXPECT_EQ(recorder.calls, expected) << "a late tick or cancel does nothing more";
    }
}

TEST(ShutdownCountdown, ARefusedShutdownShowsItsMessageBeforeTheDialogCloses) {
    Recorder recorder;
    recorder.refuse = true;
    ShutdownCountdown countdown(shutdownMode, recorder, recorder);
    for (int i = 0; i < 60; ++i) countdown.tick();
    const std::vector<std::u16string> tail(recorder.calls.end() - 4, recorder.calls.end());
    EXPECT_EQ(tail, (std::vector<std::u16string>{
                        u"stop", u"exit 1",
                        u"failure 定时关机失败：\n客户端没有所需的特权。\n\n专家在线 - 主界面左侧点 {帮助栏}"
                        u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000",
                        u"close"}));
    EXPECT_EQ(exitWindowsFailureText(restartMode, u"拒绝访问。"),
              u"关机重启失败：\n拒绝访问。\n\n专家在线 - 主界面左侧点 {帮助栏}"
              u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000");
}

TEST(ShutdownCountdown, CancelAtCountOneNeverEndsTheSession) {
    Recorder recorder;
    ShutdownCountdown countdown(restartMode, recorder, recorder);
    for (int i = 0; i < 59; ++i) countdown.tick();
    ASSERT_EQ(countdown.count(), 1);
    countdown.cancel();
    for (int i = 0; i < 5; ++i) countdown.tick();
    std::vector<std::u16string> expected = countsFrom(59, 1);
    expected.insert(expected.end(), {u"stop", u"close"});
    EXPECT_EQ(recorder.calls, expected);
    EXPECT_EQ(countdownTitle(shutdownMode), u"关机倒计时");
    EXPECT_EQ(countdownTitle(restartMode), u"关机重启倒计时");
}

// The settings page's timer as the check sees it: a clock that the test moves, the refreshes it
// posts, and countdowns whose modal loop runs more timer ticks before it closes.
class TickingHost : public ShutdownRuleHost {
public:
    TickingHost(ShutdownRuleCheck& check, const SettingsRecord& settings, PowerRuleStamps& stamps)
        : check_(check), settings_(settings), stamps_(stamps) {}

    DateTime now{2024, 6, 1, 3, 8, 0, 0, 0};  // Monday 3 June 2024, 08:00:00
    int refreshes = 0;
    std::vector<int> countdowns;  // the mode of each countdown run
    int ticksInsideCountdown = 0;

    DateTime localNow() override { return now; }
    void postDeviceBarRefresh() override { ++refreshes; }
    void runCountdown(int mode) override {
        countdowns.push_back(mode);
        // The timer keeps firing while the main window comes forward and the dialog counts.
        for (int i = 0; i < ticksInsideCountdown; ++i) {
            now.second = static_cast<std::uint16_t>(now.second + 1);
            check_.check(settings_, stamps_, *this);
        }
    }

private:
    ShutdownRuleCheck& check_;
    const SettingsRecord& settings_;
    PowerRuleStamps& stamps_;
};

TEST(ShutdownRuleCheck, ASecondRuleDueWhileACountdownOpensWaitsUntilItHasClosed) {
    SettingsRecord settings = defaultSettings();
    settings.dailyShutdownOn = 1;
    settings.dailyShutdownTime = {8, 0, 0};
    settings.restartOn = 1;
    settings.restartDays[0] = 1;  // Monday
    settings.restartTime = {8, 0, 0};
    PowerRuleStamps stamps = neverFiredStamps();
    ShutdownRuleCheck check;
    TickingHost host(check, settings, stamps);
    host.ticksInsideCountdown = 3;

    check.check(settings, stamps, host);
    EXPECT_EQ(host.countdowns, std::vector<int>{shutdownMode}) << "only the daily rule's countdown while it is open";
    EXPECT_EQ(host.refreshes, 1) << "no refresh of the device bar while the countdown is open";
    EXPECT_FALSE(check.countdownOpen());

    // Cancelled at 08:00:03, within the restart rule's window: the restart comes next tick.
    host.ticksInsideCountdown = 0;
    check.check(settings, stamps, host);
    EXPECT_EQ(host.countdowns, (std::vector<int>{shutdownMode, restartMode}));
    check.check(settings, stamps, host);
    EXPECT_EQ(host.countdowns.size(), 2u) << "each occurrence fires once";
    EXPECT_EQ(host.refreshes, 3);
}

}  // namespace
