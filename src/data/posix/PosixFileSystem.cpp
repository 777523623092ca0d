#include "data/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/Text.h"

namespace {

constexpr ErrorCode errorWriteFault = 29;
constexpr ErrorCode errorReadFault = 30;
constexpr ErrorCode errorDiskFull = 112;
constexpr ErrorCode errorAlreadyExists = 183;
constexpr ErrorCode errorDirNotEmpty = 145;
constexpr ErrorCode errorInvalidName = 123;

std::string nativePath(std::u16string_view path) {
    return toUtf8(path);
}

// Windows tells a missing file (2) from a missing folder on the way to it (3).
ErrorCode codeForPath(int posixError, std::u16string_view path) {
    if (posixError == ENOENT) {
        struct stat info;
        const std::string parent = nativePath(parentFolder(path));
        if (!parent.empty() && (::stat(parent.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))) return errorPathNotFound;
    }
    return windowsCodeOf(posixError);
}

class PosixFile : public FileHandle {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    ErrorCode read(void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        auto* bytes = static_cast<char*>(buffer);
        while (got < size) {
            const ssize_t n = ::read(fd_, bytes + got, size - got);
            if (n < 0) {
                if (errno == EINTR) continue;
                return windowsCodeOf(errno);
            }
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        return errorSuccess;
    }

    ErrorCode write(const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const char*>(data);
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd_, bytes + done, size - done);
            if (n < 0) {
                if (errno == EINTR) continue;
                return windowsCodeOf(errno);
            }
            done += static_cast<std::size_t>(n);
        }
        return errorSuccess;
    }

    ErrorCode flush() override { return ::fsync(fd_) == 0 ? errorSuccess : windowsCodeOf(errno); }

    ErrorCode size(std::uint64_t& bytes) override {
        struct stat info;
        if (::fstat(fd_, &info) != 0) return windowsCodeOf(errno);
        bytes = static_cast<std::uint64_t>(info.st_size);
        return errorSuccess;
    }

private:
    int fd_;
};

}  // namespace

ErrorCode windowsCodeOf(int posixError) {
    switch (posixError) {
        case 0: return errorSuccess;
        case ENOENT: return errorFileNotFound;
        case ENOTDIR: return errorPathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return errorAccessDenied;
        case EBUSY:
        case ETXTBSY: return errorSharingViolation;
        case EEXIST: return errorAlreadyExists;
        case ENOTEMPTY: return errorDirNotEmpty;
        case ENOSPC: return errorDiskFull;
        case ENAMETOOLONG: return errorInvalidName;
        case EIO: return errorReadFault;
        default: return errorWriteFault;
    }
}

PathStatus PosixFileSystem::status(std::u16string_view path) {
    struct stat info;
    if (::stat(nativePath(path).c_str(), &info) != 0) return {false, false, codeForPath(errno, path)};
    return {true, S_ISDIR(info.st_mode), errorSuccess};
}

ErrorCode PosixFileSystem::setNormalAttributes(std::u16string_view path) {
    // No hidden or system attributes here; read-only is the missing owner write bit.
    struct stat info;
    const std::string native = nativePath(path);
    if (::stat(native.c_str(), &info) != 0) return windowsCodeOf(errno);
    if (S_ISDIR(info.st_mode) || (info.st_mode & S_IWUSR)) return errorSuccess;
    return ::chmod(native.c_str(), info.st_mode | S_IWUSR) == 0 ? errorSuccess : windowsCodeOf(errno);
}

std::unique_ptr<FileHandle> PosixFileSystem::open(std::u16string_view path, OpenMode mode, ErrorCode& error) {
    int flags = O_RDONLY;
    if (mode == OpenMode::writeTruncate) flags = O_WRONLY | O_CREAT | O_TRUNC;
    if (mode == OpenMode::append) flags = O_WRONLY | O_CREAT | O_APPEND;
    const int fd = ::open(nativePath(path).c_str(), flags | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = codeForPath(errno, path);
        return nullptr;
    }
    error = errorSuccess;
    return std::make_unique<PosixFile>(fd);
}

ErrorCode PosixFileSystem::deleteFile(std::u16string_view path) {
    return ::unlink(nativePath(path).c_str()) == 0 ? errorSuccess : codeForPath(errno, path);
}

ErrorCode PosixFileSystem::renameFile(std::u16string_view from, std::u16string_view to) {
    // Windows never replaces an existing target by a plain rename.
    struct stat info;
    if (::lstat(nativePath(to).c_str(), &info) == 0) return errorAlreadyExists;
    return ::rename(nativePath(from).c_str(), nativePath(to).c_str()) == 0 ? errorSuccess : windowsCodeOf(errno);
}

ErrorCode PosixFileSystem::createFolder(std::u16string_view path) {
    return ::mkdir(nativePath(path).c_str(), 0755) == 0 ? errorSuccess : windowsCodeOf(errno);
}

ErrorCode PosixFileSystem::removeFolder(std::u16string_view path) {
    return ::rmdir(nativePath(path).c_str()) == 0 ? errorSuccess : windowsCodeOf(errno);
}

ErrorCode PosixFileSystem::listFolder(std::u16string_view path, std::vector<FolderItem>& items) {
    items.clear();
    const std::string native = nativePath(path);
    DIR* dir = ::opendir(native.c_str());
    if (!dir) return windowsCodeOf(errno);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat info;
        const bool isFolder = ::stat((native + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
        items.push_back({fromUtf8(name), isFolder});
    }
    ::closedir(dir);
    return errorSuccess;
}

void PosixFileSystem::repairAccess(std::u16string_view path) {
    struct stat info;
    const std::string native = nativePath(path);
    if (::stat(native.c_str(), &info) != 0) return;
    const mode_t wanted = S_ISDIR(info.st_mode) ? (S_IRUSR | S_IWUSR | S_IXUSR) : (S_IRUSR | S_IWUSR);
    if ((info.st_mode & wanted) != wanted) ::chmod(native.c_str(), info.st_mode | wanted);
}

bool PosixFileSystem::isAdminUnelevated() {
    return false;
}

std::u16string PosixFileSystem::systemMessage(ErrorCode code) {
    return u"系统错误 " + formatNumber(code);
}
