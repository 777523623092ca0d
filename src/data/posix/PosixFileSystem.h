#pragma once
// The file operations on Linux, for lvtxctl and the native tests. errno values are
// mapped to the Windows codes the data-file rules tell apart.
#include "data/FileSystem.h"

class PosixFileSystem : public FileSystem {
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

// errno -> Windows system error code.
ErrorCode windowsCodeOf(int posixError);
