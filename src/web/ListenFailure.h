#pragma once
// What the settings page and the play log say when the console cannot listen on its port, and
// what to do about it. The codes are the system's: 5 access denied, 32 and 183 the port taken.
#include <cstdint>
#include <string>
#include <string_view>

struct ListenTexts {
    std::u16string status;  // the settings page's line
    std::u16string log;     // the play log's line
};

ListenTexts listenFailureTexts(std::uint32_t code, int port, std::u16string_view systemText);
// The port refused for want of rights, and Windows' prompt for an administrator's shown.
ListenTexts askingRightsTexts(int port);
// "网页控制台已开启，端口 8765"
ListenTexts listeningTexts(int port);
// The console off: nothing listens.
inline constexpr std::u16string_view consoleOffText = u"网页控制台未开启";
