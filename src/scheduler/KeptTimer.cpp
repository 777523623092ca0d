#include "scheduler/KeptTimer.h"

#include "data/Text.h"

KeptTimer::KeptTimer(TickTimer& step, TickTimer& retry, TimerFailureNotice notice)
    : step_(step), retry_(retry), notice_(std::move(notice)) {}

bool KeptTimer::start(unsigned periodMs) {
    periodMs_ = periodMs;
    if (step_.start(periodMs)) return true;
    // Armed before the operator is told, so that the retry runs while the message waits for OK.
    retrying_ = retry_.start(timerRetryPeriodMs);
    const std::u16string_view engine = notice_.engine;
    if (retrying_) {
        notice_.log(formatText(u"%s ◆ 定时器创建失败 ◆ 每秒自动重试", {engine}));
        notice_.tell(formatText(
            u"定时器创建失败，%s暂停。\n\n软件每秒自动重试，恢复后自动继续。\n如长时间未恢复，请重启电脑。", {engine}));
    } else {
        notice_.log(formatText(u"%s ◆ 定时器创建失败 ◆ 无法重试", {engine}));
        notice_.tell(formatText(u"定时器创建失败，%s暂停。\n\n请关闭软件后重新打开；如仍失败，请重启电脑。", {engine}));
    }
    return false;
}

void KeptTimer::stop() {
    step_.stop();
    if (retrying_) retry_.stop();
    retrying_ = false;
}

void KeptTimer::retry() {
    if (!retrying_ || !step_.start(periodMs_)) return;
    retry_.stop();
    retrying_ = false;
    notice_.log(formatText(u"%s ◆ 定时器已恢复 ◆ 继续播放", {notice_.engine}));
}
