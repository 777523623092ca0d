#include "data/FileSystem.h"

std::u16string_view parentFolder(std::u16string_view path) {
    const auto cut = path.find_last_of(u"\\/");
    if (cut == std::u16string_view::npos) return {};
    return path.substr(0, cut);
}

std::u16string joinPath(std::u16string_view folder, std::u16string_view name) {
    std::u16string joined(folder);
    if (!joined.empty() && joined.back() != u'\\' && joined.back() != u'/') {
        joined.push_back(joined.find(u'/') != std::u16string::npos && joined.find(u'\\') == std::u16string::npos
                             ? u'/'
                             : u'\\');
    }
    joined.append(name);
    return joined;
}

ErrorCode writeWholeFile(FileSystem& fs, std::u16string_view path, std::string_view bytes) {
    ErrorCode error = errorSuccess;
    auto file = fs.open(path, OpenMode::writeTruncate, error);
    if (!file) return error != errorSuccess ? error : errorAccessDenied;
    error = file->write(bytes.data(), bytes.size());
    if (error == errorSuccess) error = file->flush();
    file.reset();
    if (error != errorSuccess) fs.deleteFile(path);
    return error;
}
