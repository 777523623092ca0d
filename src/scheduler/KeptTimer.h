#pragma once
// The step timer of a playing engine, kept running. Without it the bells stop without a sound,
// so when the system refuses it the play log says so, the operator is told once, and a timer of
// another kind tries it again every second until it runs; the play log then says it is back.
#include <functional>
#include <string>
#include <string_view>

#include "scheduler/EnginePlatform.h"

inline constexpr unsigned timerRetryPeriodMs = 1000;

// Where a refused step timer is told.
struct TimerFailureNotice {
    std::u16string engine;                                // whose steps stop: "定时播" or "立即播"
    std::function<void(std::u16string_view text)> log;   // a line in the play log
    // Shows the text to the operator once the call has returned: the retry must run while the
    // box waits for its OK.
    std::function<void(std::u16string_view text)> tell;
};

class KeptTimer : public TickTimer {
public:
    // `step` drives the engine; `retry`, which must not depend on what refused the step timer,
    // calls retry() at its expiries.
    KeptTimer(TickTimer& step, TickTimer& retry, TimerFailureNotice notice);

    // False when the step timer was refused; the retry then runs.
    bool start(unsigned periodMs) override;
    void stop() override;
    // An expiry of the retry timer; one that comes late, after a stop or the recovery, does nothing.
    void retry();

private:
    TickTimer& step_;
    TickTimer& retry_;
    TimerFailureNotice notice_;
    unsigned periodMs_ = 0;
    bool retrying_ = false;
};
