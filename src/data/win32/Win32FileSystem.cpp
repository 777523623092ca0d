#include "data/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <utility>

#include "data/win32/AccessRepair.h"
#include "data/win32/SystemMessage.h"
#include "winutil/WideText.h"
#include "winutil/UniqueHandle.h"

namespace {

ErrorCode resultOf(BOOL ok) {
    return ok ? errorSuccess : GetLastError();
}

class Win32File : public FileHandle {
public:
    explicit Win32File(UniqueFileHandle handle) : handle_(std::move(handle)) {}

    ErrorCode read(void* buffer, std::size_t size, std::size_t& got) override {
        got = 0;
        auto* bytes = static_cast<unsigned char*>(buffer);
        while (got < size) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - got, maxChunk));
            DWORD done = 0;
            if (!ReadFile(handle_.get(), bytes + got, chunk, &done, nullptr)) return GetLastError();
            if (done == 0) break;
            got += done;
        }
        return errorSuccess;
    }

    ErrorCode write(const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t written = 0; written < size;) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - written, maxChunk));
            DWORD done = 0;
            SetLastError(ERROR_SUCCESS);
            const BOOL ok = WriteFile(handle_.get(), bytes + written, chunk, &done, nullptr);
            if (!ok || done != chunk) {
                const DWORD error = GetLastError();
                return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
            }
            written += done;
        }
        return errorSuccess;
    }

    ErrorCode flush() override { return resultOf(FlushFileBuffers(handle_.get())); }

    ErrorCode size(std::uint64_t& bytes) override {
        LARGE_INTEGER length{};
        if (!GetFileSizeEx(handle_.get(), &length)) return GetLastError();
        bytes = static_cast<std::uint64_t>(length.QuadPart);
        return errorSuccess;
    }

private:
    static constexpr std::size_t maxChunk = std::numeric_limits<DWORD>::max() / 2;
    UniqueFileHandle handle_;
};

bool isDotEntry(const wchar_t* name) {
    return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

}  // namespace

PathStatus Win32FileSystem::status(std::u16string_view path) {
    PathStatus result;
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        result.error = GetLastError();
        return result;
    }
    result.exists = true;
    result.isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return result;
}

ErrorCode Win32FileSystem::setNormalAttributes(std::u16string_view path) {
    return resultOf(SetFileAttributesW(toWide(path).c_str(), FILE_ATTRIBUTE_NORMAL));
}

std::unique_ptr<FileHandle> Win32FileSystem::open(std::u16string_view path, OpenMode mode, ErrorCode& error) {
    const std::wstring name = toWide(path);
    HANDLE handle = INVALID_HANDLE_VALUE;
    switch (mode) {
        case OpenMode::read:
            handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
            break;
        case OpenMode::writeTruncate:
            handle = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
            break;
        case OpenMode::append:
            // Append-only access makes every write land at the end, as a runtime "ab" stream does.
            handle = CreateFileW(name.c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE, FILE_SHARE_READ,
                                 nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            break;
    }
    if (handle == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return nullptr;
    }
    error = errorSuccess;
    return std::make_unique<Win32File>(UniqueFileHandle(handle));
}

ErrorCode Win32FileSystem::deleteFile(std::u16string_view path) {
    return resultOf(DeleteFileW(toWide(path).c_str()));
}

ErrorCode Win32FileSystem::renameFile(std::u16string_view from, std::u16string_view to) {
    return resultOf(MoveFileW(toWide(from).c_str(), toWide(to).c_str()));
}

ErrorCode Win32FileSystem::createFolder(std::u16string_view path) {
    return resultOf(CreateDirectoryW(toWide(path).c_str(), nullptr));
}

ErrorCode Win32FileSystem::removeFolder(std::u16string_view path) {
    return resultOf(RemoveDirectoryW(toWide(path).c_str()));
}

ErrorCode Win32FileSystem::listFolder(std::u16string_view path, std::vector<FolderItem>& items) {
    items.clear();
    std::wstring pattern = toWide(path);
    if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/') pattern.push_back(L'\\');
    pattern.push_back(L'*');

    WIN32_FIND_DATAW found{};
    const UniqueFindHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search) return GetLastError();
    do {
        if (isDotEntry(found.cFileName)) continue;
        items.push_back({fromWide(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileW(search.get(), &found));
    const DWORD error = GetLastError();
    return error == ERROR_NO_MORE_FILES ? errorSuccess : error;
}

void Win32FileSystem::repairAccess(std::u16string_view path) {
    ::repairAccess(path);
}

bool Win32FileSystem::isAdminUnelevated() {
    return ::isAdminUnelevated();
}

std::u16string Win32FileSystem::systemMessage(ErrorCode code) {
    return systemMessageText(code);
}
