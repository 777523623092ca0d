#include "shell/PasteText.h"

std::u16string pasteText(std::u16string_view clipboard, bool multiLine) {
    if (!multiLine) return std::u16string(clipboard.substr(0, clipboard.find_first_of(u"\r\n")));
    std::u16string text;
    text.reserve(clipboard.size());
    for (std::size_t i = 0; i < clipboard.size(); ++i) {
        const char16_t c = clipboard[i];
        if (c == u'\r' || c == u'\n') {
            text += u"\r\n";
            if (c == u'\r' && i + 1 < clipboard.size() && clipboard[i + 1] == u'\n') ++i;
        } else {
            text += c;
        }
    }
    return text;
}
