#include "ui/win32/InstantFileChooser.h"

#include <commdlg.h>

#include "ui/win32/AudioChoosers.h"

namespace {

// Room for a folder of several thousand long names.
constexpr std::size_t resultUnits = 10485760;

}  // namespace

std::optional<ChosenFiles> chooseInstantFiles(HWND owner) {
    ChosenFiles chosen;
    chosen.buffer.assign(resultUnits, u'\0');
    const auto fileOffset = showAudioFileDialog(owner, OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, chosen.buffer);
    if (!fileOffset) return std::nullopt;
    chosen.fileOffset = *fileOffset;
    return chosen;
}
