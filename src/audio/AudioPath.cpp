#include "audio/AudioPath.h"

#include <array>

#include "data/Text.h"

std::optional<std::u16string> checkAudioPath(FileSystem& fs, const NetworkDriveQuery& isNetworkDrive,
                                             std::u16string_view path, std::u16string_view label, bool wantFolder) {
    if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\') {
        return formatText(u"%s路径无效, 不可从网络读取", {label});
    }
    if (path.size() >= 2 && path[1] == u':' && isNetworkDrive && isNetworkDrive(path[0])) {
        return formatText(u"%s路径无效, 不可从网络读取[%s]", {label, path.substr(0, 1)});
    }
    if (path.size() >= 2) {
        const PathStatus status = fs.status(path);
        if (status.exists && status.isFolder == wantFolder) return std::nullopt;
    }
    return formatText(u"%s不存在", {label});
}

bool isSupportedAudioFile(std::u16string_view path) {
    static constexpr std::array<std::u16string_view, 16> extensions = {
        u".mp3", u".wav", u".wma", u".tta", u".aac", u".ape", u".cda", u".m1a",
        u".m2a", u".m4a", u".mp2", u".mpa", u".ogg", u".tak", u".flac", u".wv"};
    const std::u16string_view name = fileNameOf(path);
    const auto dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos) return false;
    const std::u16string_view extension = name.substr(dot);
    for (const auto known : extensions) {
        if (equalsNoCase(extension, known)) return true;
    }
    return false;
}

std::u16string_view fileNameOf(std::u16string_view path) {
    const auto cut = path.find_last_of(u"\\/");
    return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}
