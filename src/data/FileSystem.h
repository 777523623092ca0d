#pragma once
// The file operations the data files need, behind one small interface: the Win32
// implementation serves the program, the POSIX one the tools and tests on Linux.
// Paths are UTF-16; both '\\' and '/' separate folders.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/ErrorCodes.h"

struct PathStatus {
    bool exists = false;
    bool isFolder = false;
    ErrorCode error = errorSuccess;  // why the check found nothing (2, 3, 5, ...); 0 when it exists
};

struct FolderItem {
    std::u16string name;
    bool isFolder = false;
};

class FileHandle {
public:
    virtual ~FileHandle() = default;
    // Reads up to `size` bytes; `got` < `size` with result 0 means the end of the file.
    virtual ErrorCode read(void* buffer, std::size_t size, std::size_t& got) = 0;
    virtual ErrorCode write(const void* data, std::size_t size) = 0;
    // Flushes to the disk (commit-on-flush), so a later replace never sees a partial file.
    virtual ErrorCode flush() = 0;
    // The whole file's size in bytes, wherever reading or writing stands.
    virtual ErrorCode size(std::uint64_t& bytes) = 0;
};

// append opens an existing file or creates it; every write goes to the end.
enum class OpenMode { read, writeTruncate, append };

class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual PathStatus status(std::u16string_view path) = 0;
    // Clears read-only, hidden and system.
    virtual ErrorCode setNormalAttributes(std::u16string_view path) = 0;
    virtual std::unique_ptr<FileHandle> open(std::u16string_view path, OpenMode mode, ErrorCode& error) = 0;
    virtual ErrorCode deleteFile(std::u16string_view path) = 0;
    virtual ErrorCode renameFile(std::u16string_view from, std::u16string_view to) = 0;
    virtual ErrorCode createFolder(std::u16string_view path) = 0;
    // Removes an empty folder.
    virtual ErrorCode removeFolder(std::u16string_view path) = 0;
    virtual ErrorCode listFolder(std::u16string_view path, std::vector<FolderItem>& items) = 0;

    // Gives the current user full control over a file, folder or registry key.
    // Only ever applied to the program's own data folder, its files and its registry key.
    virtual void repairAccess(std::u16string_view path) = 0;
    // Chooses between the two access-denied wordings.
    virtual bool isAdminUnelevated() = 0;
    // The system's own text for an error code, in its default language.
    virtual std::u16string systemMessage(ErrorCode code) = 0;
};

// The folder part of a path (before its last separator), or empty.
std::u16string_view parentFolder(std::u16string_view path);
// `folder` + one separator + `name`; the separator is the one the folder already uses.
std::u16string joinPath(std::u16string_view folder, std::u16string_view name);

// Writes `bytes` as the whole file at `path`, for a file the operator chose (no access repair);
// a file left partial is deleted.
ErrorCode writeWholeFile(FileSystem& fs, std::u16string_view path, std::string_view bytes);
