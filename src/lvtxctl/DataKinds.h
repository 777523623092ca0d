#pragma once
// The data files the tool knows: the name given to --kind, the file name in DataDir
// and the reader.
#include <span>
#include <string_view>

#include "lvtxctl/LoadedFile.h"

struct DataKind {
    std::string_view name;
    std::u16string_view fileName;  // its "Tmp" companion is recognised too
    KindLoader load;
};

std::span<const DataKind> dataKinds();
const DataKind* findKindByName(std::string_view name);
// The kind whose file, or whose companion, the last component of `path` names.
const DataKind* findKindByPath(std::u16string_view path);
