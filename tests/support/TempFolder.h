#pragma once
// A fresh folder on the real file system for one test, removed with everything in it.
#include <memory>
#include <string>

#include "data/FileSystem.h"

std::unique_ptr<FileSystem> makeRealFileSystem();

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::u16string& path() const { return path_; }
    std::u16string operator/(std::u16string_view name) const { return joinPath(path_, name); }

private:
    std::u16string path_;
};
