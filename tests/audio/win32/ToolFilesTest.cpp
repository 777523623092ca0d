// The tool-file check over the files the build put in the tools folder, and over copies
// of them that are missing, altered, cut short or replaced by a folder.
#include "audio/win32/ToolFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "AudioTestSupport.h"
#include "winutil/WideText.h"
#include "support/TempFolder.h"

namespace {

bool copyToolFiles(const std::u16string& from, const std::u16string& to) {
    if (!CreateDirectoryW(toWide(joinPath(to, u"lvtx_tools")).c_str(), nullptr)) return false;
    for (const ToolFileDigest& file : shippedToolFiles()) {
        if (!CopyFileW(toWide(joinPath(from, file.relativePath)).c_str(), toWide(joinPath(to, file.relativePath)).c_str(),
                       TRUE)) {
            return false;
        }
    }
    return true;
}

bool appendByte(const std::u16string& path, bool truncateInstead) {
    const HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool done = false;
    if (truncateInstead) {
        LARGE_INTEGER size{};
        done = GetFileSizeEx(file, &size) && SetFilePointer(file, static_cast<LONG>(size.QuadPart - 1), nullptr, FILE_BEGIN) &&
               SetEndOfFile(file);
    } else {
        DWORD written = 0;
        done = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
               WriteFile(file, "x", 1, &written, nullptr) && written == 1;
    }
    CloseHandle(file);
    return done;
}

TEST(ToolFilesTest, TheBuildShipsTheChimeAndTheSourceFilterWithTheirDigests) {
    std::vector<std::u16string> names;
    for (const ToolFileDigest& file : shippedToolFiles()) names.emplace_back(file.relativePath);
    EXPECT_NE(std::find(names.begin(), names.end(), u"lvtx_tools\\asv.dll"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), u"lvtx_tools\\DCBassSourceMod.ax"), names.end());
    EXPECT_TRUE(checkToolFiles(builtProgramFolder()).empty());
}

TEST(ToolFilesTest, MissingAlteredAndShortenedFilesAreListedInOrder) {
    TempFolder program;
    ASSERT_TRUE(copyToolFiles(builtProgramFolder(), program.path()));
    EXPECT_TRUE(checkToolFiles(program.path()).empty());

    const auto files = shippedToolFiles();
    std::vector<std::u16string> expected;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::u16string path = program / files[i].relativePath;
        switch (i % 3) {
        case 0: ASSERT_TRUE(DeleteFileW(toWide(path).c_str())); break;
        case 1: ASSERT_TRUE(appendByte(path, false)); break;
        default: ASSERT_TRUE(appendByte(path, true)); break;
        }
        expected.emplace_back(files[i].relativePath);
    }
    EXPECT_EQ(checkToolFiles(program.path()), expected);
}

TEST(ToolFilesTest, AFolderInPlaceOfAFileOrAMissingToolsFolderFailsTheCheck) {
    TempFolder program;
    const std::vector<ToolFileDigest> files{{u"lvtx_tools\\asv.dll", {}}, {u"lvtx_tools\\other.dll", {}}};
    std::vector<std::u16string> all{u"lvtx_tools\\asv.dll", u"lvtx_tools\\other.dll"};
    auto fs = makeRealFileSystem();
    EXPECT_EQ(checkToolFiles(*fs, program.path(), files), all);
    ASSERT_TRUE(CreateDirectoryW(toWide(program / u"lvtx_tools").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(toWide(program / u"lvtx_tools\\asv.dll").c_str(), nullptr));
    EXPECT_EQ(checkToolFiles(*fs, program.path(), files), all);
}

TEST(ToolFilesTest, DigestsCoverWholeBlocksAndTheLastPartialBlock) {
    TempFolder program;
    ASSERT_TRUE(CreateDirectoryW(toWide(program / u"lvtx_tools").c_str(), nullptr));
    std::vector<ToolFileDigest> files;
    std::vector<std::u16string> names{u"lvtx_tools\\empty", u"lvtx_tools\\block", u"lvtx_tools\\longer"};
    const std::size_t sizes[] = {0, 1024, 2500};
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string bytes(sizes[i], '\0');
        for (std::size_t b = 0; b < bytes.size(); ++b) bytes[b] = static_cast<char>(b * 31 + i);
        const HANDLE file = CreateFileW(toWide(program / names[i]).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        files.push_back({names[i], md5Of(bytes.data(), bytes.size())});
    }
    auto fs = makeRealFileSystem();
    EXPECT_TRUE(checkToolFiles(*fs, program.path(), files).empty());
    files[2].digest[15] ^= 1;
    EXPECT_EQ(checkToolFiles(*fs, program.path(), files), std::vector<std::u16string>{u"lvtx_tools\\longer"});
}

}  // namespace
