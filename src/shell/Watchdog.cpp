#include "shell/Watchdog.h"

#include "data/Text.h"

namespace {

std::u16string hexCode(std::uint32_t code) {
    constexpr char16_t digits[] = u"0123456789abcdef";
    std::u16string text = u"0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += digits[(code >> shift) & 0xF];
    return text;
}

}  // namespace

int RestartHistory::recent(std::uint64_t nowMs) {
    while (!times_.empty() && nowMs - times_.front() >= restartWindowMs) times_.pop_front();
    return static_cast<int>(times_.size());
}

WatchVerdict judgeEnd(const ProgramEnd& end, bool systemEnding, int recentRestarts) {
    if (!end.crashReported && (end.exitAnnounced || end.code == 0)) return WatchVerdict::leave;
    if (systemEnding) return WatchVerdict::systemEnding;
    if (recentRestarts >= maxRestarts) return WatchVerdict::crashLoop;
    return WatchVerdict::restart;
}

std::u16string watchLogLine(WatchVerdict verdict, std::uint32_t code) {
    const std::u16string crashed = u"软件异常终止 - " + hexCode(code);
    switch (verdict) {
        case WatchVerdict::restart:
            return crashed + u" ◆ 已自动重启";
        case WatchVerdict::crashLoop:
            return crashed + u" ◆ 10分钟内异常终止超过3次 ◆ 不再自动重启";
        case WatchVerdict::systemEnding:
            return crashed + u" ◆ Windows 正在关闭 ◆ 不自动重启";
        case WatchVerdict::leave:
            break;
    }
    return crashed;
}

RestartAnswer answerFor(WatchVerdict verdict) {
    switch (verdict) {
        case WatchVerdict::restart:
            return RestartAnswer::restarting;
        case WatchVerdict::crashLoop:
            return RestartAnswer::crashLoop;
        case WatchVerdict::systemEnding:
            return RestartAnswer::systemEnding;
        case WatchVerdict::leave:
            break;
    }
    return RestartAnswer::none;
}

std::u16string restartFailedLine(std::u16string_view reason) {
    return formatText(u"软件自动重启失败 ◆ %s ◆ 请手动打开软件", {reason});
}

std::u16string crashMessageText(std::uint32_t code, RestartAnswer answer) {
    std::u16string text = u"软件异常终止 - " + hexCode(code) + u"\n";
    switch (answer) {
        case RestartAnswer::restarting:
            text += u"软件正在自动重启，定时播放随即恢复\n";
            break;
        case RestartAnswer::crashLoop:
            text += u"10分钟内异常终止超过3次，不再自动重启，请手动打开软件\n";
            break;
        case RestartAnswer::systemEnding:
        case RestartAnswer::none:
            break;
    }
    return text + u"\n\n专家在线咨询 - 先按 PrtSc 键屏幕截图\n\n\n官网 / 专家在线 - 点确定后弹出网页\n ";
}
