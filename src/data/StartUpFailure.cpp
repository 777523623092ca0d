#include "data/StartUpFailure.h"

#include "data/Text.h"

namespace {

// "0x" and eight upper-case hex digits, as Windows' own codes are written.
std::u16string hexCode(std::uint32_t code) {
    std::u16string text = u"0x";
    for (int shift = 28; shift >= 0; shift -= 4) text += u"0123456789ABCDEF"[(code >> shift) & 0xF];
    return text;
}

}  // namespace

std::u16string startUpFailureText(std::u16string_view call, std::uint32_t code) {
    return formatText(u"软件启动失败：%s 返回 %s\n\n请重启电脑后再试；如仍失败，请重装软件。", {call, hexCode(code)});
}
