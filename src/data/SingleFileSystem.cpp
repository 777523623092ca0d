#include "data/SingleFileSystem.h"

#include <algorithm>
#include <cstring>

#include "data/Text.h"

namespace {

class MemoryFile : public FileHandle {
public:
    explicit MemoryFile(const std::vector<std::uint8_t>& content) : content_(content) {}

    ErrorCode read(void* buffer, std::size_t size, std::size_t& got) override {
        got = std::min(size, content_.size() - offset_);
        if (got != 0) std::memcpy(buffer, content_.data() + offset_, got);
        offset_ += got;
        return errorSuccess;
    }
    ErrorCode write(const void*, std::size_t) override { return errorAccessDenied; }
    ErrorCode flush() override { return errorSuccess; }
    ErrorCode size(std::uint64_t& bytes) override {
        bytes = content_.size();
        return errorSuccess;
    }

private:
    const std::vector<std::uint8_t>& content_;
    std::size_t offset_ = 0;
};

}  // namespace

SingleFileSystem::SingleFileSystem(std::u16string path, const std::uint8_t* content, std::size_t size)
    : path_(std::move(path)), content_(content, content + size) {}

PathStatus SingleFileSystem::status(std::u16string_view path) {
    if (path == path_) return {true, false, errorSuccess};
    return {false, false, errorFileNotFound};
}

ErrorCode SingleFileSystem::setNormalAttributes(std::u16string_view path) {
    return path == path_ ? errorSuccess : errorFileNotFound;
}

std::unique_ptr<FileHandle> SingleFileSystem::open(std::u16string_view path, OpenMode mode, ErrorCode& error) {
    if (mode != OpenMode::read) {
        error = errorAccessDenied;
        return nullptr;
    }
    if (path != path_) {
        error = errorFileNotFound;
        return nullptr;
    }
    error = errorSuccess;
    return std::make_unique<MemoryFile>(content_);
}

ErrorCode SingleFileSystem::deleteFile(std::u16string_view) {
    return errorAccessDenied;
}

ErrorCode SingleFileSystem::renameFile(std::u16string_view, std::u16string_view) {
    return errorAccessDenied;
}

ErrorCode SingleFileSystem::createFolder(std::u16string_view) {
    return errorAccessDenied;
}

ErrorCode SingleFileSystem::removeFolder(std::u16string_view) {
    return errorAccessDenied;
}

ErrorCode SingleFileSystem::listFolder(std::u16string_view, std::vector<FolderItem>& items) {
    items.clear();
    return errorPathNotFound;
}

void SingleFileSystem::repairAccess(std::u16string_view) {}

bool SingleFileSystem::isAdminUnelevated() {
    return false;
}

std::u16string SingleFileSystem::systemMessage(ErrorCode code) {
    return u"system error " + formatNumber(code);
}
