#pragma once
// A file system whose only content is one read-only file held in memory: a loader checks
// bytes that are not (yet) a file on disk, such as a file inside a backup, or a fuzz input.
// Every other path is absent; every change is refused.
#include <cstdint>
#include <string>
#include <vector>

#include "data/FileSystem.h"

class SingleFileSystem : public FileSystem {
public:
    SingleFileSystem(std::u16string path, const std::uint8_t* content, std::size_t size);

    PathStatus status(std::u16string_view path) override;
    ErrorCode setNormalAttributes(std::u16string_view path) override;
    std::unique_ptr<FileHandle> open(std::u16string_view path, OpenMode mode, ErrorCode& error) override;
    ErrorCode deleteFile(std::u16string_view path) override;
    ErrorCode renameFile(std::u16string_view from, std::u16string_view to) override;
    ErrorCode createFolder(std::u16string_view path) override;
    ErrorCode removeFolder(std::u16string_view path) override;
    ErrorCode listFolder(std::u16string_view path, std::vector<FolderItem>& items) override;
    void repairAccess(std::u16string_view path) override;
    bool isAdminUnelevated() override;
    std::u16string systemMessage(ErrorCode code) override;

private:
    std::u16string path_;
    std::vector<std::uint8_t> content_;
};
