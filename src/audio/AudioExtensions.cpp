#include "audio/AudioExtensions.h"

#include "audio/AudioPath.h"
#include "data/Text.h"

bool isSupportedAudioFile(std::u16string_view path) {
    const std::u16string_view name = fileNameOf(path);
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos) return false;
    const std::u16string_view extension = name.substr(dot + 1);
    for (const auto known : audioExtensions) {
        if (equalsNoCase(extension, known)) return true;
    }
    return false;
}

std::u16string audioExtensionList(std::u16string_view separator) {
    std::u16string list;
    for (const auto extension : audioExtensions) {
        if (!list.empty()) list += separator;
        list += extension;
    }
    return list;
}

std::u16string audioFileFilter() {
    std::u16string patterns;
    for (const auto extension : audioExtensions) {
        if (!patterns.empty()) patterns += u';';
        patterns += u"*.";
        patterns += extension;
    }
    return audioExtensionList(u"/") + u'\0' + patterns + u'\0';
}
