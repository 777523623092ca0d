#include "audio/JobTexts.h"

#include "audio/AudioExtensions.h"
#include "data/Text.h"

namespace jobText {

namespace {

const std::u16string helpDesk = u"官网/专家在线: 主界面左侧点{帮助栏}";
const std::u16string environmentAdvice = u"系统环境有问题 ◆ 修复工具: 官网>帮助>Directx修复 ◆ " + helpDesk;
const std::u16string deviceAdvice =
    u"音频设备无效 ◆ 常见原因: (1)找不到设备,电脑无声卡或被禁用了; (2)有多个设备,到设置栏另选音频设备; "
    u"(3)远程登录时,应选{在远程电脑上播音频} (参看:官网>帮助) ◆ " + helpDesk;
const std::u16string formatAdvice =
    u"常见原因: (1)文件格式的问题,重新转换下! (官网>帮助>格式转换工具) (伪装的,后缀名跟实际不符,重新转换下) "
    u"(多声道文件,可能播放失败,请转为双声道); (2)文件是否损坏; (3)是否缺少读权限 ◆ " + helpDesk;
const std::u16string damagedAdvice = u"文件缺失或损坏 ◆ 可从官网下载软件重装(10.x版), 重装软件不会丢失数据! ◆ " + helpDesk;
const std::u16string playbackAdvice =
    u"常见原因: (1)如安装了酷狗/酷我,建议卸载掉,可用QQ音乐等代替; (2)音频设备问题,到设置栏选其它设备逐个测试 ◆ "
    u"专家在线:主界面左侧点{帮助栏}";

std::u16string join(std::initializer_list<std::u16string_view> parts) {
    std::u16string text;
    bool first = true;
    for (const auto part : parts) {
        if (!first) text += u" ◆ ";
        text += part;
        first = false;
    }
    return text;
}

}  // namespace

std::u16string started(std::u16string_view prefix) { return join({prefix, u"开始播放"}); }
std::u16string startedSong(std::u16string_view prefix, std::u16string_view song) {
    return join({prefix, u"开始播放", song});
}
std::u16string switchedSong(std::u16string_view prefix, std::u16string_view song) {
    return join({prefix, u"音频切换", song});
}
std::u16string ended(std::u16string_view prefix) { return join({prefix, u"播放结束"}); }

std::u16string stopped(std::u16string_view prefix, bool sounding, std::u16string_view reason) {
    return join({prefix, sounding ? u"终止播放…" : u"终止播放", reason});
}

std::u16string clockWentBack(std::u16string_view prefix, bool sounding) {
    return stopped(prefix, sounding, u"系统时间倒退");
}

std::u16string badPath(std::u16string_view prefix, std::u16string_view check, std::u16string_view path, bool folder) {
    return join({prefix, check, path, folder ? u"请重选音频文件夹" : u"请重选音频文件"});
}

std::u16string noAudioInFolder(std::u16string_view prefix) {
    return join({prefix, u"找不到音频文件", u"支持 " + audioExtensionList(u","),
                 u"不支持 ac3,amr,dts,mid,midi,mka,ra", u"官网->帮助->格式转换工具"});
}

std::u16string allSongsFailed(std::u16string_view prefix) { return join({prefix, u"音频全部失败或异常"}); }

std::u16string tooManyFailures(std::u16string_view prefix) {
    return join({prefix, u"终止播放", u"因:连续多个音频失败或异常"});
}

std::u16string openFailed(std::u16string_view prefix, PlayErrorKind kind, std::u16string_view song,
                          std::u16string_view errorText) {
    const bool folder = !song.empty();
    const std::u16string head = folder ? join({prefix, u"音频失败(跳过)", song}) : join({prefix, u"播放失败"});
    switch (kind) {
        case PlayErrorKind::EnvironmentProblem: return join({head, environmentAdvice});
        case PlayErrorKind::DeviceInvalid: return join({head, deviceAdvice});
        case PlayErrorKind::FormatProblem: return join({head, errorText, formatAdvice});
        case PlayErrorKind::ToolFilesDamaged: break;
    }
    return join({head, damagedAdvice});
}

std::u16string playbackFailed(std::u16string_view prefix, bool deviceFailure, std::u16string_view song,
                              std::u16string_view errorText) {
    if (song.empty()) {
        if (deviceFailure) {
            return join({prefix, u"播放异常", u"音频设备失效",
                         u"常见原因: (1)音频设备被拔出或禁用; (2)远程登录时,应选{在远程电脑上播音频} (参看:官网>帮助)",
                         helpDesk});
        }
        return join({prefix, u"播放异常", errorText, playbackAdvice});
    }
    if (deviceFailure) {
        return join({prefix, u"音频异常(跳过)", song, u"音频设备失效",
                     u"常见原因: (1)音频设备被拔出或禁用; (2)远程登录时,应选{在远程电脑上播放音频} (参看:官网>帮助)",
                     helpDesk});
    }
    return join({prefix, u"音频异常(跳过)", song, errorText, playbackAdvice});
}

}  // namespace jobText
