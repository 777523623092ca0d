#include "instant/InstantTexts.h"

#include <algorithm>

#include "data/Text.h"

namespace instantText {

namespace {

constexpr std::u16string_view banner = u"- - -  立 即 播  - - -\n";

}  // namespace

std::u16string waiting(int blink) {
    return blink > 6 ? u"即将播放 ..." : u"即将播放";
}

std::u16string status(const InstantOptions& options, int playedCount, std::int64_t elapsedSeconds) {
    if (options.countMode == 1) {
        if (options.songCount == 0) return formatText(u"第 %s 首 / 一直播", {formatNumber(playedCount)});
        return formatText(u"第 %s/%s 首", {formatNumber(playedCount), formatNumber(options.songCount)});
    }
    if (options.seconds == 0) return formatText(u"%s 秒 / 一直播", {formatNumber(elapsedSeconds)});
    const std::int64_t shown = std::min<std::int64_t>(elapsedSeconds, options.seconds);
    return formatText(u"%s / %s秒", {formatNumber(shown), formatNumber(options.seconds)});
}

std::u16string badPath(std::u16string_view check, std::u16string_view path) {
    return formatText(std::u16string(banner) + u"%s： %s\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000  ",
                      {check, path});
}

std::u16string openFailed(PlayErrorKind kind, std::u16string_view path, std::u16string_view errorText) {
    switch (kind) {
        case PlayErrorKind::EnvironmentProblem:
            return std::u16string(banner) +
                   u"\n播放失败 - 系统环境有问题\n\n修复： 官网 > 帮助 > Directx 修复工具\n\n官网 / 专家在线 - "
                   u"主界面左侧点 {帮助栏}\u3000\u3000\u3000\u3000\u3000";
        case PlayErrorKind::DeviceInvalid:
            return std::u16string(banner) +
                   u"\n播放失败 - 音频设备无效\n\n常见原因：\n1. 找不到设备 - 电脑无声卡或声卡被禁用了\u3000\u3000\u3000\u3000\n"
                   u"2. 有多个设备 - 到设置栏里选其它音频设备\n3. 远程登录时 - 应选 {在远程电脑上播音频}\n"
                   u"   (详情参看：官网 > 帮助 > 远程桌面登录)\n\n官网 / 专家在线  -  主界面左侧点 {帮助栏}\n ";
        case PlayErrorKind::ToolFilesDamaged:
            return u"播放失败 (立即播)：\n文件有缺失或损坏\n\n可从官网下载软件重装 (10.x版)\n提示：重装软件不会丢失数据 !\n\n"
                   u"官网 / 专家在线 - 主界面左侧点 {帮助栏}\u3000\u3000\u3000\u3000\u3000";
        case PlayErrorKind::FormatProblem:
            break;
    }
    return formatText(std::u16string(banner) +
                          u"\n播放失败： %s  (%s)\n\n常见原因：\n1. 文件格式的问题\n"
                          u"    (1) 重新转换下  -  官网 -> 帮助 -> 格式转换工具\n"
                          u"    (2) 伪装的后缀  -  后缀名跟实际不符, 重新转换下\n"
                          u"    (3) 多声道文件  -  可能会播放失败, 请转为双声道\n2. 文件是否已损坏，是否缺少读权限\n\n"
                          u"官网 / 专家在线  -  主界面左侧点 {帮助栏}",
                      {path, errorText});
}

std::u16string playbackFailed(const AudioEvent& event, std::u16string_view path) {
    if (event.deviceFailure) {
        return std::u16string(banner) +
               u"\n播放异常 - 音频设备失效\n\n常见原因：\n1. 设备被拔掉 - 音频设备被用户拔出或禁用\u3000\u3000\u3000\u3000\n"
               u"2. 远程登录时 - 应选 {在远程电脑上播音频}\n   (详情参看：官网 > 帮助 > 远程桌面登录)\n\n"
               u"官网 / 专家在线  -  主界面左侧点 {帮助栏}\n\n ";
    }
    return formatText(std::u16string(banner) +
                          u"\n播放异常：\n%s\n%s\n\n常见原因：\n1. 如果安装了酷狗/酷我，建议卸载掉，可用QQ音乐等\n"
                          u"2. 音频输出设备问题，可到设置栏选其它设备逐个测试\n\n专家在线 - 主界面左侧点 {帮助栏}\n ",
                      {path, event.errorText});
}

std::u16string clockWentBack() {
    return std::u16string(banner) + u"\n播放异常 - 系统时间倒退";
}

}  // namespace instantText
