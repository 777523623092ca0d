#include "ui/win32/AudioChoosers.h"

#include <cderr.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>

#include "winutil/WideText.h"
#include "winutil/SystemMemory.h"

namespace {

constexpr DWORD pathUnits = 260;
constexpr wchar_t audioFilter[] =
    L"mp3/wav/wma/flac/aac/ape/cda/m1a/m2a/m4a/mp2/mpa/ogg/tak/tta/wv\0"
    L"*.mp3;*.wav;*.wma;*.flac;*.aac;*.ape;*.cda;*.m1a;*.m2a;*.m4a;*.mp2;*.mpa;*.ogg;*.tak;*.tta;*.wv\0";

// Opens the folder chooser at the folder the edit holds.
int CALLBACK folderChooserEvent(HWND chooser, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start != 0) SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

}  // namespace

std::optional<std::u16string> chooseAudioFile(HWND owner, std::u16string_view current) {
    std::wstring path(pathUnits, L'\0');
    const std::wstring start = toWide(current.substr(0, pathUnits - 1));
    path.replace(0, start.size(), start);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = audioFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = pathUnits;
    dialog.lpstrDefExt = L"mp3";
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER;
    if (GetOpenFileNameW(&dialog)) return fromWide(path.c_str());
    // A path the chooser cannot start from: start it empty instead.
    if (CommDlgExtendedError() != FNERR_INVALIDFILENAME || start.empty()) return std::nullopt;
    path.assign(pathUnits, L'\0');
    dialog.lpstrFile = path.data();
    if (GetOpenFileNameW(&dialog)) return fromWide(path.c_str());
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
