#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scheduler/KeptTimer.h"

namespace {

// A timer the system refuses while `refusals` lasts.
class RefusableTimer : public TickTimer {
public:
    int refusals = 0;
    unsigned period = 0;  // 0 while stopped
    int starts = 0;
    bool start(unsigned periodMs) override {
        ++starts;
        if (refusals > 0) {
            --refusals;
            return false;
        }
        period = periodMs;
        return true;
    }
    void stop() override { period = 0; }
};

struct KeptTimerBench {
    RefusableTimer step;
    RefusableTimer retry;
    std::vector<std::u16string> logged;
    std::vector<std::u16string> told;
    unsigned retryPeriodWhenTold = 0;
    KeptTimer timer{step, retry,
                    TimerFailureNotice{u"定时播", [this](std::u16string_view text) { logged.emplace_back(text); },
                                       [this](std::u16string_view text) {
                                           told.emplace_back(text);
                                           retryPeriodWhenTold = retry.period;
                                       }}};
};

}  // namespace

TEST(KeptTimer, AStepTimerThatRunsIsNeitherLoggedNorTold) {
    KeptTimerBench bench;
    EXPECT_TRUE(bench.timer.start(50));
    EXPECT_EQ(bench.step.period, 50u);
    EXPECT_EQ(bench.retry.starts, 0);
    bench.timer.retry();
    EXPECT_EQ(bench.step.starts, 1) << "an expiry with nothing to retry";
    EXPECT_TRUE(bench.logged.empty());
    EXPECT_TRUE(bench.told.empty());
}

// The bells stop when the step timer is refused: logged, told once, retried every second until it
// runs, and the recovery logged.
TEST(KeptTimer, ARefusedStepTimerIsToldOnceAndRetriedEverySecondUntilItRuns) {
    KeptTimerBench bench;
    bench.step.refusals = 3;
    EXPECT_FALSE(bench.timer.start(50));
    EXPECT_EQ(bench.retry.period, timerRetryPeriodMs);
    EXPECT_EQ(bench.retryPeriodWhenTold, timerRetryPeriodMs) << "the retry runs before the operator reads the message";
    EXPECT_EQ(bench.logged, std::vector<std::u16string>{u"定时播 ◆ 定时器创建失败 ◆ 每秒自动重试"});
    EXPECT_EQ(bench.told, std::vector<std::u16string>{
                              u"定时器创建失败，定时播暂停。\n\n软件每秒自动重试，恢复后自动继续。\n如长时间未恢复，请重启电脑。"});

    bench.timer.retry();
    bench.timer.retry();
    EXPECT_EQ(bench.step.period, 0u);
    EXPECT_EQ(bench.logged.size(), 1u) << "a retry that fails again says nothing";
    EXPECT_EQ(bench.told.size(), 1u);

    bench.timer.retry();
    EXPECT_EQ(bench.step.period, 50u) << "at the period first asked for";
    EXPECT_EQ(bench.retry.period, 0u);
    EXPECT_EQ(bench.logged.back(), u"定时播 ◆ 定时器已恢复 ◆ 继续播放");

    // An expiry already posted when the retry stopped.
    bench.timer.retry();
    EXPECT_EQ(bench.step.starts, 4);
    EXPECT_EQ(bench.logged.size(), 2u);
    EXPECT_EQ(bench.told.size(), 1u);
}

TEST(KeptTimer, AStopEndsTheRetryAndALaterRefusalIsToldAgain) {
    KeptTimerBench bench;
    bench.step.refusals = 1;
    bench.timer.start(50);
    bench.timer.stop();
    EXPECT_EQ(bench.retry.period, 0u);
    bench.timer.retry();
    EXPECT_EQ(bench.step.period, 0u) << "nothing starts after the stop";

    bench.step.refusals = 1;
    bench.timer.start(50);
    EXPECT_EQ(bench.told.size(), 2u);
    EXPECT_EQ(bench.retry.period, timerRetryPeriodMs);
}

TEST(KeptTimer, WithoutARetryTheOperatorIsToldToRestart) {
    KeptTimerBench bench;
    bench.step.refusals = 1;
    bench.retry.refusals = 1;
    EXPECT_FALSE(bench.timer.start(50));
    EXPECT_EQ(bench.logged, std::vector<std::u16string>{u"定时播 ◆ 定时器创建失败 ◆ 无法重试"});
    EXPECT_EQ(bench.told, std::vector<std::u16string>{
                              u"定时器创建失败，定时播暂停。\n\n请关闭软件后重新打开；如仍失败，请重启电脑。"});
}
