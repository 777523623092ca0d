#include "e2e/driver/FileDrop.h"

#include <shlobj.h>

#include "e2e/driver/RemoteMemory.h"
#include "e2e/driver/Windows.h"

namespace {

// The drop handle is taken for a fixed global block (the system locks and frees it as such);
// the heap's bookkeeping before it must lie inside the remote block too.
constexpr size_t blockOffset = 64;

}  // namespace

bool dropFilesOn(HWND window, const std::vector<std::wstring>& paths) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::wstring names;
    for (const std::wstring& path : paths) names += path + L'\0';
    names += L'\0';
    const size_t namesSize = names.size() * sizeof(wchar_t);
    const RemoteMemory memory(window, blockOffset + sizeof header + namesSize);
    if (!memory.write(&header, sizeof header, blockOffset) ||
        !memory.write(names.data(), namesSize, blockOffset + sizeof header)) {
        return false;
    }
    // Sent, not posted: the window has read the paths before the block is freed.
    const auto drop = static_cast<WPARAM>(memory.address() + blockOffset);
    return sendBounded(window, WM_DROPFILES, drop, 0).has_value();
}
