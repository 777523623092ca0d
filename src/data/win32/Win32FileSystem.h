#pragma once
// The data files' file operations on the wide Win32 API. Every failure is the
// thread's last error after the call that failed.
#include "data/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
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
};
