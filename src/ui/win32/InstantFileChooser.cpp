#include "ui/win32/InstantFileChooser.h"

#include <commdlg.h>

namespace {

// Room for a folder of several thousand long names.
constexpr DWORD resultUnits = 10485760;
constexpr wchar_t audioFilter[] =
    L"mp3/wav/wma/flac/aac/ape/cda/m1a/m2a/m4a/mp2/mpa/ogg/tak/tta/wv\0"
    L"*.aac;*.ape;*.cda;*.flac;*.m1a;*.m2a;*.m4a;*.mp2;*.mp3;*.mpa;*.ogg;*.tak;*.tta;*.wav;*.wma;*.wv\0";

}  // namespace

std::optional<ChosenFiles> chooseInstantFiles(HWND owner) {
    ChosenFiles chosen;
    chosen.buffer.assign(resultUnits, u'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = audioFilter;
    dialog.nFilterIndex = 1;
    // The string types differ only in name: both are UTF-16 units.
    dialog.lpstrFile = reinterpret_cast<wchar_t*>(chosen.buffer.data());
    dialog.nMaxFile = resultUnits;
    dialog.lpstrDefExt = L"mp3";
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    chosen.fileOffset = dialog.nFileOffset;
    return chosen;
}
