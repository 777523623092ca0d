#include "lvtxctl/FullPath.h"

#include <filesystem>
#include <system_error>

#include "data/Text.h"

std::u16string fullPath(std::u16string_view path) {
    if (path.empty()) return {};
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(toUtf8(path), error);
    if (error) return std::u16string(path);
    std::string full = absolute.lexically_normal().string();
    // "c/." and "c/" normalise to "c/", which names the folder "c".
    if (full.size() > 1 && full.back() == '/') full.pop_back();
    return fromUtf8(full);
}
