#pragma once
// An in-memory file system for the envelope tests: files, folders, denied paths
// that repairAccess heals, files held open by "another program", and injected
// failures per operation and path.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/FileSystem.h"

class MemoryFileSystem : public FileSystem {
public:
    enum class Op { status, openRead, openWrite, openAppend, read, write, flush, size, deleteFile, rename, createFolder };

    std::map<std::u16string, std::vector<std::uint8_t>> files;
    std::set<std::u16string> folders;
    std::set<std::u16string> denied;     // access denied until repairAccess on that path
    std::set<std::u16string> busy;       // held open exclusively elsewhere: 32 on open and delete
    std::set<std::u16string> readOnly;   // cleared by setNormalAttributes
    std::vector<std::u16string> repaired;
    bool adminUnelevated = false;

    // The next `times` calls of `op` on `path` fail with `code`.
    void failNext(Op op, const std::u16string& path, ErrorCode code, int times = 1);

    // Creates the folder and every folder above it.
    void addFolder(const std::u16string& path);
    void addFile(const std::u16string& path, std::vector<std::uint8_t> bytes);
    bool hasFile(const std::u16string& path) const { return files.count(path) != 0; }

    PathStatus status(std::u16string_view path) override;
    ErrorCode setNormalAttributes(std::u16string_view path) override;
    std::unique_ptr<FileHandle> open(std::u16string_view path, OpenMode mode, ErrorCode& error) override;
    ErrorCode deleteFile(std::u16string_view path) override;
    ErrorCode renameFile(std::u16string_view from, std::u16string_view to) override;
    ErrorCode createFolder(std::u16string_view path) override;
    ErrorCode removeFolder(std::u16string_view path) override;
    ErrorCode listFolder(std::u16string_view path, std::vector<FolderItem>& items) override;
    void repairAccess(std::u16string_view path) override;
    bool isAdminUnelevated() override { return adminUnelevated; }
    std::u16string systemMessage(ErrorCode code) override;

    // Used by the handles.
    ErrorCode takeFailure(Op op, const std::u16string& path);

private:
    struct Injected {
        ErrorCode code;
        int times;
    };
    std::map<std::pair<Op, std::u16string>, Injected> injected_;
    bool isDenied(std::u16string_view path) const;
};
