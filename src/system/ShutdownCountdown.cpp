#include "system/ShutdownCountdown.h"

#include "data/Text.h"

std::u16string exitWindowsFailureText(int mode, std::u16string_view systemText) {
    const std::u16string_view pattern =
        mode == shutdownMode
            ? u"定时关机失败：\n%s\n\n专家在线 - 主界面左侧点 {帮助栏}\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
            : u"关机重启失败：\n%s\n\n专家在线 - 主界面左侧点 {帮助栏}\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000";
    return formatText(pattern, {systemText});
}

std::u16string_view countdownTitle(int mode) {
    return mode == shutdownMode ? u"关机倒计时" : u"关机重启倒计时";
}

void ShutdownCountdown::tick() {
    if (finished_) return;
    if (count_ > 0) {
        --count_;
        display_.showCount(count_);
    }
    if (count_ > 0) return;
    finished_ = true;
    display_.stopTimer();
    std::u16string message;
    if (!power_.exitWindows(mode_, message)) display_.showFailure(message);
    display_.close();
}

void ShutdownCountdown::cancel() {
    if (finished_) return;
    finished_ = true;
    display_.stopTimer();
    display_.close();
}

void ShutdownRuleCheck::check(const SettingsRecord& settings, PowerRuleStamps& stamps, ShutdownRuleHost& host) {
    if (countdownOpen_) return;
    host.postDeviceBarRefresh();
    const PowerRuleFiring firing = dueShutdownRule(settings, stamps, host.localNow());
    if (firing.rule == PowerRule::none) return;
    // Marked before the dialog exists: bringing the main window forward may dispatch messages,
    // and a check reached from there must not open a second countdown.
    countdownOpen_ = true;
    host.runCountdown(firing.mode);
    countdownOpen_ = false;
}
