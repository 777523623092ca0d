#include "audio/AudioPath.h"

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

std::u16string_view fileNameOf(std::u16string_view path) {
    const auto cut = path.find_last_of(u"\\/");
    return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}
