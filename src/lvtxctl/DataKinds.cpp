#include "lvtxctl/DataKinds.h"

#include <array>

#include "data/HolidaysFile.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"
#include "instant/InstantFile.h"
#include "lvtxctl/HolidaysJson.h"
#include "lvtxctl/InstantJson.h"
#include "lvtxctl/ProgramsJson.h"
#include "lvtxctl/SettingsJson.h"
#include "lvtxctl/WebJson.h"
#include "system/SettingsFile.h"
#include "web/WebSettingsFile.h"

namespace {

const std::array<DataKind, 5> kinds{{
    {"programs", programsFileName, loadProgramsFile},
    {"holidays", holidaysFileName, loadHolidaysFile},
    {"settings", settingsFileName, loadSettingsFile},
    {"instant", instantFileName, loadInstantFile},
    {"web", webSettingsFileName, loadWebSettingsFile},
}};

std::u16string_view fileNameOf(std::u16string_view path) {
    const std::size_t separator = path.find_last_of(u"\\/");
    return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::span<const DataKind> dataKinds() {
    return kinds;
}

const DataKind* findKindByName(std::string_view name) {
    for (const DataKind& kind : kinds) {
        if (kind.name == name) return &kind;
    }
    return nullptr;
}

const DataKind* findKindByPath(std::u16string_view path) {
    const std::u16string_view name = fileNameOf(path);
    for (const DataKind& kind : kinds) {
        // Windows compares file names without regard to case.
        if (equalsNoCase(name, kind.fileName) || equalsNoCase(name, tempPathOf(kind.fileName))) return &kind;
    }
    return nullptr;
}
