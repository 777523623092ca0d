#pragma once
// The information texts behind the program editor's links, and the texts of the two links
// that open something of their own (the sample-audio folder and the amplifier advice).
#include <string>
#include <string_view>

// The information boxes of the links, each named by its link text.
// "调整、统一MP3文件的响度"
inline constexpr std::u16string_view loudnessAdvice =
    u"1. MP3Gain：MP3文件响度查看/调整\n    (官网 > 帮助 > MP3Gain下载/教程)\n2. 正常歌曲的响度 90-98，默认值 93.5\n"
    u"3. 语音录音文件的响度大些，建议 95.5\n4. 如个别MP3文件的响度太低，可调大\n5. 如需要，可统一文件夹内歌曲的响度 \n\n官网 / 专家在线 - 主界面左侧 {帮助栏}";

// "录音/降噪/剪辑、格式转换"
inline constexpr std::u16string_view recordingAdvice =
    u"工具和教程，参看：\n官网 > 帮助 > 录音/降噪/剪辑、转格式\n\n官网 / 专家在线 - 主界面左侧 {帮助栏}";

// "i" beside "顺序播放"
inline constexpr std::u16string_view sequentialPlayNote =
    u"--- 文 件 夹 顺 序 播 放 ---\n\n1. 给文件名加序号，控制播放顺序：　 \n    01. 文件\n    02. 文件 …\n    12. 文件\n"
    u"    文件个数 ≥ 10，需用2位序号 !!\n\n2. 节目每次执行都是从头重新播放；\n    想要续播的话，可弄成多个节目。\n\n\n专家在线 - 主界面左侧点 {帮助栏}";

// "i" beside "随机播放"
inline constexpr std::u16string_view randomPlayNote =
    u"--- 文 件 夹 随 机 播 放 ---\n\n1. 当天(次)不重复：\n  {下一首} 从文件夹中未播放的音频里选\n  文件夹中的音频全部播完后才会重复播\n\n2. 隔天(次)不重复：\n"
    u"  不支持此功能，可通过变通的方法实现\n  将音频文件夹拆为多个，弄成多个节目\n\n\n专家在线 - 主界面左侧点 {帮助栏}\n ";

// "音量指南"
inline constexpr std::u16string_view volumeAdvice =
    u"--- 音 量 设 置 建 议 ---\n\n1. 节目音量：\n    课操80, 打铃90, 语音录音100\n    歌曲室内时 50,  歌曲室外 65\n"
    u"    (跟具体音频文件响度也有关)\n2. 歌曲文件/语音录音响度建议：\n    右上角 > 调整MP3文件响度\n3. 系统音量：[70-90],  默认 80\n"
    u"    (参看：主界面底部的状态栏)\n4. 功放音量：由低到高调到满意\n5. 只是建议：厂家对硬件更专业\n6. 专家在线：主界面左侧点 {帮助栏}　 ";

// "过了开始时间?"
inline constexpr std::u16string_view lateStartNote =
    u"过了开始时间，分两种情况：\n\n播 n 首  -  打开软件时，如果已经过了该节目的开始时间，则不播放\n播 n 秒  -  打开软件时，只要还在该节目的播出时间段内，就会播放";

// "关于末尾淡出"
inline constexpr std::u16string_view fadeNote =
    u"分两种情况：\n\n播 n 秒  -  末尾 9 秒淡出；\n播 n 首  -  没有淡出效果。　　　　　   ";

// "选音频设备、多路"
inline constexpr std::u16string_view deviceNote =
    u"参看：\n主界面左侧 设置栏 -> 选音频设备/多路\n\n针对：含多个音频输出设备/接口的电脑";

// "专 家 在 线"
inline constexpr std::u16string_view expertNote =
    u"专家在线 - 主界面左侧点 {帮助栏}　　  \n\n\n ";

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
