#include "ui/EditorLinks.h"

#include "data/Text.h"

std::u16string sampleAudioText(std::u16string_view musicFolder) {
    return formatText(u"音频资源：\n\n示例音频（铃声、音乐、广播操）放在软件旁边的 music 文件夹：\n%s\n\n点确定打开该文件夹。",
                      {musicFolder});
}
