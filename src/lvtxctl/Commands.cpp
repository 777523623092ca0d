#include "lvtxctl/Commands.h"

#include <string>

#include "data/Text.h"
#include "lvtxctl/Console.h"
#include "lvtxctl/DataKinds.h"

namespace {

// Reads the file as the program does at start-up. A nonzero result is the exit code,
// its message already written to stderr.
int readFile(FileSystem& fs, std::u16string_view path, std::string_view kindName, LoadedFile& loaded) {
    const DataKind* kind = kindName.empty() ? findKindByPath(path) : findKindByName(kindName);
    if (kind == nullptr) {
        writeError("lvtxctl: cannot tell the kind of " + toUtf8(path) +
                   " from its name; give --kind programs|holidays|settings|instant\n");
        return exitUsage;
    }
    if (kind->load == nullptr) {
        writeError("lvtxctl: " + std::string(kind->name) + " files are not supported yet\n");
        return exitUsage;
    }

    const std::u16string dataDir(parentFolder(path));
    const DataFolder folder{fs, std::u16string(parentFolder(dataDir)), dataDir};
    loaded = kind->load(folder, path);
    if (loaded.result.ok()) return exitOk;
    writeError(toUtf8(loaded.result.message) + "\n");
    return loaded.result.failure == ReadFailure::content ? exitContent : exitIo;
}

}  // namespace

int runShow(FileSystem& fs, std::u16string_view path, std::string_view kindName) {
    LoadedFile loaded;
    if (const int code = readFile(fs, path, kindName, loaded); code != exitOk) return code;
    // Texts come from toUtf8, which never yields invalid UTF-8; replace keeps dump from throwing regardless.
    writeOutput(loaded.document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
    return exitOk;
}

int runCheck(FileSystem& fs, std::u16string_view path, std::string_view kindName) {
    LoadedFile loaded;
    if (const int code = readFile(fs, path, kindName, loaded); code != exitOk) return code;
    writeOutput("ok: " + loaded.summary + "\n");
    return exitOk;
}
