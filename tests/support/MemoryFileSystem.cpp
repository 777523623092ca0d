#include "support/MemoryFileSystem.h"

#include <algorithm>

#include "data/Text.h"

namespace {

constexpr ErrorCode errorAlreadyExists = 183;
constexpr ErrorCode errorDirNotEmpty = 145;

class MemoryFile : public FileHandle {
public:
    MemoryFile(MemoryFileSystem& fs, std::u16string path, bool writing)
        : fs_(fs), path_(std::move(path)), writing_(writing) {}

    ErrorCode read(void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        if (const ErrorCode code = fs_.takeFailure(MemoryFileSystem::Op::read, path_)) return code;
        const auto& bytes = fs_.files.at(path_);
        got = std::min(size, bytes.size() - position_);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(position_), got, static_cast<std::uint8_t*>(buffer));
        position_ += got;
        return errorSuccess;
    }

    ErrorCode write(const void* data, std::size_t size) override {
        if (!writing_) return errorAccessDenied;
        if (const ErrorCode code = fs_.takeFailure(MemoryFileSystem::Op::write, path_)) return code;
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        auto& content = fs_.files.at(path_);
        content.insert(content.end(), bytes, bytes + size);
        return errorSuccess;
    }

    ErrorCode flush() override { return fs_.takeFailure(MemoryFileSystem::Op::flush, path_); }

    ErrorCode size(std::uint64_t& bytes) override {
        if (const ErrorCode code = fs_.takeFailure(MemoryFileSystem::Op::size, path_)) return code;
        bytes = fs_.files.at(path_).size();
        return errorSuccess;
    }

private:
    MemoryFileSystem& fs_;
    std::u16string path_;
    bool writing_;
    std::size_t position_ = 0;
};

}  // namespace

void MemoryFileSystem::failNext(Op op, const std::u16string& path, ErrorCode code, int times) {
    injected_[{op, path}] = Injected{code, times};
}

ErrorCode MemoryFileSystem::takeFailure(Op op, const std::u16string& path) {
    const auto found = injected_.find({op, path});
    if (found == injected_.end() || found->second.times <= 0) return errorSuccess;
    --found->second.times;
    return found->second.code;
}

void MemoryFileSystem::addFolder(const std::u16string& path) {
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (path[i] == u'/') folders.insert(path.substr(0, i));
    }
    folders.insert(path);
}

void MemoryFileSystem::addFile(const std::u16string& path, std::vector<std::uint8_t> bytes) {
    addFolder(std::u16string(parentFolder(path)));
    files[path] = std::move(bytes);
}

bool MemoryFileSystem::isDenied(std::u16string_view path) const {
    return denied.count(std::u16string(path)) != 0 || denied.count(std::u16string(parentFolder(path))) != 0;
}

PathStatus MemoryFileSystem::status(std::u16string_view path) {
    const std::u16string key(path);
    if (const ErrorCode code = takeFailure(Op::status, key)) return {false, false, code};
    if (denied.count(std::u16string(parentFolder(path)))) return {false, false, errorAccessDenied};
    if (folders.count(key)) return {true, true, errorSuccess};
    if (files.count(key)) return {true, false, errorSuccess};
    return {false, false, folders.count(std::u16string(parentFolder(path))) ? errorFileNotFound : errorPathNotFound};
}

ErrorCode MemoryFileSystem::setNormalAttributes(std::u16string_view path) {
    const std::u16string key(path);
    readOnly.erase(key);
    return files.count(key) || folders.count(key) ? errorSuccess : errorFileNotFound;
}

std::unique_ptr<FileHandle> MemoryFileSystem::open(std::u16string_view path, OpenMode mode, ErrorCode& error) {
    const std::u16string key(path);
    const bool writing = mode != OpenMode::read;
    const Op op = mode == OpenMode::read ? Op::openRead : mode == OpenMode::append ? Op::openAppend : Op::openWrite;
    error = takeFailure(op, key);
    if (error == errorSuccess && isDenied(path)) error = errorAccessDenied;
    if (error == errorSuccess && busy.count(key)) error = errorSharingViolation;
    if (error == errorSuccess && writing && readOnly.count(key)) error = errorAccessDenied;
    if (error == errorSuccess && folders.count(key)) error = errorAccessDenied;
    if (error == errorSuccess && !folders.count(std::u16string(parentFolder(path)))) error = errorPathNotFound;
    if (error == errorSuccess && !writing && !files.count(key)) error = errorFileNotFound;
    if (error != errorSuccess) return nullptr;
    if (mode == OpenMode::writeTruncate) files[key].clear();
    if (mode == OpenMode::append) files.try_emplace(key);  // created when absent, kept otherwise
    return std::make_unique<MemoryFile>(*this, key, writing);
}

ErrorCode MemoryFileSystem::deleteFile(std::u16string_view path) {
    const std::u16string key(path);
    if (const ErrorCode code = takeFailure(Op::deleteFile, key)) return code;
    if (isDenied(path) || readOnly.count(key)) return errorAccessDenied;
    if (busy.count(key)) return errorSharingViolation;
    if (!files.count(key)) return folders.count(key) ? errorAccessDenied : errorFileNotFound;
    files.erase(key);
    return errorSuccess;
}

ErrorCode MemoryFileSystem::renameFile(std::u16string_view from, std::u16string_view to) {
    const std::u16string source(from);
    const std::u16string target(to);
    if (const ErrorCode code = takeFailure(Op::rename, source)) return code;
    if (isDenied(from) || isDenied(to)) return errorAccessDenied;
    if (busy.count(source)) return errorSharingViolation;
    if (!files.count(source)) return errorFileNotFound;
    if (files.count(target) || folders.count(target)) return errorAlreadyExists;
    files[target] = std::move(files[source]);
    files.erase(source);
    return errorSuccess;
}

ErrorCode MemoryFileSystem::createFolder(std::u16string_view path) {
    const std::u16string key(path);
    if (const ErrorCode code = takeFailure(Op::createFolder, key)) return code;
    if (files.count(key) || folders.count(key)) return errorAlreadyExists;
    const std::u16string parent(parentFolder(path));
    if (!parent.empty() && !folders.count(parent)) return errorPathNotFound;
    if (denied.count(parent)) return errorAccessDenied;
    folders.insert(key);
    return errorSuccess;
}

ErrorCode MemoryFileSystem::removeFolder(std::u16string_view path) {
    const std::u16string key(path);
    if (!folders.count(key)) return errorFileNotFound;
    if (isDenied(path)) return errorAccessDenied;
    const std::u16string prefix = key + u"/";
    const auto inside = [&](const std::u16string& p) { return p.rfind(prefix, 0) == 0; };
    if (std::any_of(files.begin(), files.end(), [&](const auto& f) { return inside(f.first); }) ||
        std::any_of(folders.begin(), folders.end(), inside)) {
        return errorDirNotEmpty;
    }
    folders.erase(key);
    return errorSuccess;
}

ErrorCode MemoryFileSystem::listFolder(std::u16string_view path, std::vector<FolderItem>& items) {
    items.clear();
    const std::u16string key(path);
    if (!folders.count(key)) return errorPathNotFound;
    if (denied.count(key)) return errorAccessDenied;
    for (const auto& folder : folders) {
        if (parentFolder(folder) == path) items.push_back({folder.substr(key.size() + 1), true});
    }
    for (const auto& file : files) {
        if (parentFolder(file.first) == path) items.push_back({file.first.substr(key.size() + 1), false});
    }
    return errorSuccess;
}

void MemoryFileSystem::repairAccess(std::u16string_view path) {
    repaired.emplace_back(path);
    denied.erase(std::u16string(path));
    readOnly.erase(std::u16string(path));
}

std::u16string MemoryFileSystem::systemMessage(ErrorCode code) {
    return u"\r\nsystem text " + formatNumber(code) + u"\r\n";
}
