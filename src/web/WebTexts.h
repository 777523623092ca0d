#pragma once
// The console's words: the play-log lines of what a remote operator did, and the error texts
// its answers carry.
#include <string>
#include <string_view>

// "<what> ◆ 网页 ◆ <address>", as the play log words its events.
std::u16string webLogText(std::u16string_view what, std::string_view address);

namespace webLog {
inline constexpr std::u16string_view login = u"网页控制台登录";
inline constexpr std::u16string_view logout = u"网页控制台退出";
inline constexpr std::u16string_view wrongPassword = u"网页控制台密码错误";
inline constexpr std::u16string_view lockedOut = u"网页控制台密码连错5次，锁定15分钟";
inline constexpr std::u16string_view stopAll = u"终止全部播放";
inline constexpr std::u16string_view stopOne = u"终止播放: %s";
inline constexpr std::u16string_view play = u"立即播此节目: %s";
inline constexpr std::u16string_view instantStart = u"立即播开始: 第%s首";
inline constexpr std::u16string_view instantStop = u"立即播停止";
inline constexpr std::u16string_view silenceToday = u"今天停铃: 节假日 {网页停铃} 到今天结束";
}  // namespace webLog

namespace webError {
inline constexpr std::string_view notFound = "没有这个页面";
inline constexpr std::string_view badHost = "地址不是本机";
inline constexpr std::string_view tooLarge = "请求太大";
inline constexpr std::string_view badJson = "请求内容有错误";
inline constexpr std::string_view notLoggedIn = "请先登录";
inline constexpr std::string_view forbidden = "请求被拒绝，请刷新页面后重试";
inline constexpr std::string_view methodNotAllowed = "不支持的请求方法";
inline constexpr std::string_view wrongPassword = "密码错误";
inline constexpr std::string_view lockedOut = "密码错误次数过多，请15分钟后再试";
inline constexpr std::string_view consoleOff = "网页控制台已关闭";
inline constexpr std::string_view noRandom = "无法生成随机数";
inline constexpr std::string_view unknownProgram = "没有这个节目";
inline constexpr std::string_view badIndex = "立即播列表中没有这一项";
inline constexpr std::string_view badDate = "日期无效，应为 YYYY-MM-DD";
inline constexpr std::string_view badLines = "行数无效，应为1到500";
}  // namespace webError
