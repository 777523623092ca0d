#include "lvtxctl/WebCommand.h"

#include "data/DataFileRead.h"
#include "data/Prompt.h"
#include "data/Text.h"
#include "lvtxctl/Commands.h"
#include "lvtxctl/Console.h"
#include "lvtxctl/WebJson.h"
#include "web/WebSettingsFile.h"
#include "web/WebSettingsStore.h"

namespace {

// A password longer than this is no password file.
constexpr std::size_t maxPasswordFileBytes = 4096;

// The tool has no window: a failure is written out, and a file it could not read is never
// overwritten.
class ConsolePrompt : public Prompt {
public:
    bool told = false;
    void showMessage(std::u16string_view text, MessageIcon) override {
        writeError(toUtf8(text) + "\n");
        told = true;
    }
    bool askYesNo(std::u16string_view) override { return false; }
};

// A refused value is the caller's to mend; a failed save the prompt has already reported.
int failed(const WebSettingsResult& result, const ConsolePrompt& prompt) {
    if (!prompt.told) writeError("lvtxctl: " + toUtf8(result.message) + "\n");
    return result.refused ? exitUsage : exitIo;
}

}  // namespace

std::optional<std::string> readPasswordLine(FileSystem& fs, std::u16string_view path, std::string& why) {
    ErrorCode error = errorSuccess;
    auto file = openForRead(fs, path, error);
    if (!file) {
        why = error == errorSuccess ? "no such file" : toUtf8(systemTextFor(fs, error));
        return std::nullopt;
    }
    std::string content(maxPasswordFileBytes + 1, '\0');
    std::size_t got = 0;
    if (const ErrorCode readError = file->read(content.data(), content.size(), got); readError != errorSuccess) {
        why = toUtf8(systemTextFor(fs, readError));
        return std::nullopt;
    }
    if (got > maxPasswordFileBytes) {
        why = "longer than 4096 bytes";
        return std::nullopt;
    }
    content.resize(got);
    if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
    std::string line = content.substr(0, content.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

int runWeb(FileSystem& fs, std::u16string_view dataDir, const WebChanges& changes, PasswordKdf& kdf,
           RandomBytes& random, bool programRuns) {
    if (!changes.on && !changes.port && changes.passwordFile.empty()) {
        writeError("lvtxctl: nothing to change; give --on, --off, --port or --password-file\n");
        return exitUsage;
    }
    if (programRuns) {
        writeError("lvtxctl: the program is running on " + toUtf8(dataDir) +
                   " and would overwrite the change with its next save; quit it first\n");
        return exitIo;
    }
    std::string password;
    if (!changes.passwordFile.empty()) {
        std::string why;
        const auto line = readPasswordLine(fs, changes.passwordFile, why);
        if (!line) {
            writeError("lvtxctl: cannot read the password from " + toUtf8(changes.passwordFile) + ": " + why + "\n");
            return exitIo;
        }
        if (line->empty()) {
            writeError("lvtxctl: the first line of " + toUtf8(changes.passwordFile) + " is empty\n");
            return exitUsage;
        }
        password = *line;
    }

    if (const PathStatus status = fs.status(dataDir); !status.exists || !status.isFolder) {
        writeError("lvtxctl: " + toUtf8(dataDir) + " is no data folder\n");
        return exitIo;
    }
    const std::u16string folder(dataDir);
    WebSettingsStore store({fs, std::u16string(parentFolder(folder)), folder}, joinPath(folder, webSettingsFileName),
                           kdf, random);
    // A damaged file is reported, not silently replaced by the defaults and the change.
    if (const ReadResult read = store.load(nullptr); !read.ok()) {
        writeError(toUtf8(read.message) + "\n");
        return read.failure == ReadFailure::content ? exitContent : exitIo;
    }
    ConsolePrompt prompt;
    if (!password.empty()) {
        if (const WebSettingsResult result = store.setPassword(fromUtf8(password), prompt); !result.ok) return failed(result, prompt);
    }
    if (changes.port) {
        if (const WebSettingsResult result = store.setPort(*changes.port, prompt); !result.ok) return failed(result, prompt);
    }
    if (changes.on) {
        if (const WebSettingsResult result = store.setOn(*changes.on, prompt); !result.ok) return failed(result, prompt);
    }
    writeOutput("ok: " + webSettingsSummary(store.settings()) + "\n");
    return exitOk;
}
