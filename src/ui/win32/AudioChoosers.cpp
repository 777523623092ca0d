#include "ui/win32/AudioChoosers.h"

#include <cderr.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include "audio/AudioExtensions.h"
#include "data/Text.h"
#include "ui/win32/FileDialogs.h"
#include "winutil/SystemMemory.h"
#include "winutil/WideText.h"

namespace {

constexpr std::size_t pathUnits = 260;

// Opens the folder chooser at the folder the edit holds.
int CALLBACK folderChooserEvent(HWND chooser, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start != 0) SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

}  // namespace

std::optional<std::size_t> showAudioFileDialog(HWND owner, DWORD flags, std::u16string& buffer) {
    static const std::wstring filter = toWide(audioFileFilter());
    static const std::wstring defaultExtension = toWide(audioExtensions.front());
    return showFileDialog(owner, {filter.c_str(), defaultExtension.c_str(), nullptr, flags}, buffer);
}

std::optional<std::u16string> chooseAudioFile(HWND owner, std::u16string_view current) {
    constexpr DWORD flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    const std::u16string_view start = current.substr(0, pathUnits - 1);
    std::u16string path(pathUnits, u'\0');
    path.replace(0, start.size(), start);
    if (showAudioFileDialog(owner, flags, path)) return std::u16string(fixedView(path.data(), path.size()));
    // A path the chooser cannot start from: start it empty instead.
    if (CommDlgExtendedError() != FNERR_INVALIDFILENAME || start.empty()) return std::nullopt;
    path.assign(pathUnits, u'\0');
    if (showAudioFileDialog(owner, flags, path)) return std::u16string(fixedView(path.data(), path.size()));
    return std::nullopt;
}

std::optional<std::u16string> chooseAudioFolder(HWND owner, std::u16string_view current) {
    const std::wstring start = toWide(current);
    wchar_t name[MAX_PATH] = {};
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.pszDisplayName = name;
    browse.lpszTitle = L"选音频文件夹：";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = folderChooserEvent;
    browse.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
    const UniqueCoTaskMemory<ITEMIDLIST> chosen(SHBrowseForFolderW(&browse));
    if (!chosen) return std::nullopt;
    wchar_t folder[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(chosen.get(), folder)) return std::nullopt;
    return fromWide(folder);
}
