#include "ui/EditorLinks.h"

#include <array>

#include "data/Text.h"

namespace {

struct LinkMessage {
    int id;
    std::u16string_view text;
};

constexpr std::array<LinkMessage, 9> linkMessages{{
    {1028, u"1. MP3Gain：MP3文件响度查看/调整\n    (官网 > 帮助 > MP3Gain下载/教程)\n2. 正常歌曲的响度 90-98，默认值 93.5\n3. 语音录音文件的响度大些，建议 95.5\n4. 如个别MP3文件的响度太低，可调大\n5. 如需要，可统一文件夹内歌曲的响度 \n\n官网 / 专家在线 - 主界面左侧 {帮助栏}"},
    {1029, u"工具和教程，参看：\n官网 > 帮助 > 录音/降噪/剪辑、转格式\n\n官网 / 专家在线 - 主界面左侧 {帮助栏}"},
    {1030, u"--- 文 件 夹 顺 序 播 放 ---\n\n1. 给文件名加序号，控制播放顺序：　 \n    01. 文件\n    02. 文件 …\n    12. 文件\n    文件个数 ≥ 10，需用2位序号 !!\n\n2. 节目每次执行都是从头重新播放；\n    想要续播的话，可弄成多个节目。\n\n\n专家在线 - 主界面左侧点 {帮助栏}"},
    {1031, u"--- 文 件 夹 随 机 播 放 ---\n\n1. 当天(次)不重复：\n  {下一首} 从文件夹中未播放的音频里选\n  文件夹中的音频全部播完后才会重复播\n\n2. 隔天(次)不重复：\n  不支持此功能，可通过变通的方法实现\n  将音频文件夹拆为多个，弄成多个节目\n\n\n专家在线 - 主界面左侧点 {帮助栏}\n "},
    {1032, u"--- 音 量 设 置 建 议 ---\n\n1. 节目音量：\n    课操80, 打铃90, 语音录音100\n    歌曲室内时 50,  歌曲室外 65\n    (跟具体音频文件响度也有关)\n2. 歌曲文件/语音录音响度建议：\n    右上角 > 调整MP3文件响度\n3. 系统音量：[70-90],  默认 80\n    (参看：主界面底部的状态栏)\n4. 功放音量：由低到高调到满意\n5. 只是建议：厂家对硬件更专业\n6. 专家在线：主界面左侧点 {帮助栏}　 "},
    {1033, u"过了开始时间，分两种情况：\n\n播 n 首  -  打开软件时，如果已经过了该节目的开始时间，则不播放\n播 n 秒  -  打开软件时，只要还在该节目的播出时间段内，就会播放"},
    {1034, u"分两种情况：\n\n播 n 秒  -  末尾 9 秒淡出；\n播 n 首  -  没有淡出效果。　　　　　   "},
    {1036, u"参看：\n主界面左侧 设置栏 -> 选音频设备/多路\n\n针对：含多个音频输出设备/接口的电脑"},
    {1038, u"专家在线 - 主界面左侧点 {帮助栏}　　  \n\n\n "},
}};

}  // namespace

std::u16string_view editorLinkMessage(int linkId) {
    for (const LinkMessage& link : linkMessages) {
        if (link.id == linkId) return link.text;
    }
    return {};
}

std::u16string sampleAudioText(std::u16string_view musicFolder) {
    return formatText(u"音频资源：\n\n示例音频（铃声、音乐、广播操）放在软件旁边的 music 文件夹：\n%s\n\n点确定打开该文件夹。",
                      {musicFolder});
}
