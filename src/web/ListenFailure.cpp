#include "web/ListenFailure.h"

#include "data/Text.h"

namespace {

constexpr std::uint32_t accessDenied = 5;
constexpr std::uint32_t sharingViolation = 32;
constexpr std::uint32_t alreadyExists = 183;

}  // namespace

ListenTexts listenFailureTexts(std::uint32_t code, int port, std::u16string_view systemText) {
    const std::u16string number = formatNumber(port);
    if (code == sharingViolation || code == alreadyExists) {
        return {formatText(u"网页控制台无法使用端口 %s：该端口已被其他程序占用。请换一个端口（如 %s）。",
                           {number, formatNumber(port < 65535 ? port + 1 : port - 1)}),
                formatText(u"网页控制台 ◆ 端口 %s 已被占用 ◆ 请在设置中换一个端口", {number})};
    }
    if (code == accessDenied) {
        return {formatText(u"网页控制台无法使用端口 %s：没有权限。请重新运行安装程序（它为默认端口开放权限），"
                           u"或关闭再开启网页控制台，在 Windows 的管理员提示中点“是”。",
                           {number}),
                formatText(u"网页控制台 ◆ 端口 %s 没有权限 ◆ 请重新安装，或关闭再开启网页控制台并允许管理员提示", {number})};
    }
    const std::u16string codeText = formatNumber(code);
    return {formatText(u"网页控制台启动失败（端口 %s，错误 %s）：%s", {number, codeText, systemText}),
            formatText(u"网页控制台 ◆ 启动失败 ◆ 端口 %s 错误 %s", {number, codeText})};
}

ListenTexts askingRightsTexts(int port) {
    const std::u16string number = formatNumber(port);
    return {formatText(u"网页控制台需要管理员权限才能使用端口 %s：请在 Windows 的提示中点“是”，"
                       u"本软件将为所有用户开放该端口。",
                       {number}),
            formatText(u"网页控制台 ◆ 端口 %s 没有权限 ◆ 请求管理员开放", {number})};
}

ListenTexts listeningTexts(int port) {
    const std::u16string number = formatNumber(port);
    return {formatText(u"网页控制台已开启，端口 %s", {number}), formatText(u"网页控制台 ◆ 开启 ◆ 端口 %s", {number})};
}
