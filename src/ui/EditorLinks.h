#pragma once
// The information texts behind the program editor's links, and the texts of the two links
// that open something of their own (the sample-audio folder and the amplifier advice).
#include <string>
#include <string_view>

// The information box of link `linkId`; empty for an id without one.
std::u16string_view editorLinkMessage(int linkId);

// Shown before the sample-audio folder "music" beside the program is opened.
std::u16string sampleAudioText(std::u16string_view musicFolder);

// The dialog "功放开/关": how to switch an amplifier on and off on a timer.
inline constexpr std::u16string_view amplifierAdvice =
    u"功放定时开关，常用两种方法：\n\n"
    u"1. 定时插座：功放插在定时插座上，开的时间比当天第一个节目早 2 分钟，"
    u"关的时间比最后一个节目晚 2 分钟。\n"
    u"2. 电源时序器：多台设备（电脑、调音台、功放）按顺序通电、断电，功放最后开、最先关，"
    u"可避免开关时喇叭里的冲击声。\n\n"
    u"注意：\n"
    u"- 定时插座的时钟要与电脑时间一致，并定期校对；\n"
    u"- 节假日停播时，也请同时设置插座的停用日；\n"
    u"- 电脑须一直开着，本软件才能按时打铃。";

// The play-now dialog's link beside "播 n 秒".
inline constexpr std::u16string_view playNowFadeMessage = u"播 n 秒  -  末尾 9 秒淡出";
