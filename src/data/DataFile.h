#pragma once
// The envelope shared by every data file: payload + MD5 digest, the "Tmp" companion
// that makes a save safe against interruption, the access repair and the failure
// messages. Each record file supplies its payload reader or bytes and its texts.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/DataFileTexts.h"
#include "data/FileSystem.h"
#include "data/Md5.h"
#include "data/Prompt.h"

// Where the data files live; prepareReplace repairs the folder, a save creates it.
struct DataFolder {
    FileSystem& fs;
    std::u16string shellFolder;  // the roaming application-data folder
    std::u16string dataDir;      // shellFolder + "lvtx.10"
};

inline constexpr std::u16string_view tempSuffix = u"Tmp";
std::u16string tempPathOf(std::u16string_view path);

enum class ReadFailure { none, content, io };

struct ReadResult {
    ReadFailure failure = ReadFailure::none;
    ErrorCode code = errorSuccess;  // the system code of an input/output failure
    std::u16string path;            // the path last opened (the file or its companion)
    std::u16string message;         // the text shown, or that would have been shown
    bool ok() const { return failure == ReadFailure::none; }
};

// Reads bytes of the payload and feeds each into the digest. After the first
// failure every further read fails too, so a payload reader may just stop.
class PayloadReader {
public:
    PayloadReader(FileHandle& file, Md5State& digest);
    bool read(void* buffer, std::size_t size);
    template <typename T>
    bool read(T& value) {
        return read(&value, sizeof value);
    }
    // Reads the 16 bytes after the payload (not fed to the digest) and compares.
    bool checkDigest();
    // A field out of range.
    void markContentError();
    ReadFailure failure() const { return failure_; }
    ErrorCode code() const { return code_; }

private:
    FileHandle& file_;
    Md5State& digest_;
    ReadFailure failure_ = ReadFailure::none;
    ErrorCode code_ = errorSuccess;
};

// Reads the payload; returns false (after markContentError or a failed read) to reject the file.
using PayloadParser = std::function<bool(PayloadReader&)>;

// File operations of the envelope, usable on their own.
std::unique_ptr<FileHandle> openForRead(FileSystem& fs, std::u16string_view path, ErrorCode& error);
std::unique_ptr<FileHandle> openForWrite(FileSystem& fs, std::u16string_view path, ErrorCode& error);
// Deletes a folder and everything below it, reporting nothing.
void removeTreeQuiet(FileSystem& fs, std::u16string_view folder);
// The same, repairing access before each deletion; a folder already gone is a success.
ErrorCode removeTreeChecked(FileSystem& fs, std::u16string_view folder);
ErrorCode ensureDataFolder(FileSystem& fs, std::u16string_view shellFolder, std::u16string_view dataDir);

// The start-up read of file `path`: the file, else its companion, else absent (a success
// with nothing parsed). On failure the message goes to `owner` (silent when null) and an
// input/output failure sets *readFailed.
ReadResult readDataFile(const DataFolder& folder, std::u16string_view path, const DataFileTexts& texts,
                        Prompt* owner, bool* readFailed, const PayloadParser& parse);

struct SaveResult {
    bool ok = false;
    ErrorCode code = errorSuccess;  // 0 also when the operator declined the save question
    std::u16string message;
};

// Saves payload + digest through the companion. `readFailed` may be null for files
// without the flag; a set flag asks the save question first and a success clears it.
SaveResult saveDataFile(const DataFolder& folder, std::u16string_view path, const DataFileTexts& texts,
                        Prompt* owner, bool* readFailed, const std::vector<std::uint8_t>& payload);

// The system's text for a code as messages quote it: at most 255 units, line breaks trimmed at both ends.
std::u16string systemTextFor(FileSystem& fs, ErrorCode code);

// The message for a failure code, chosen as every data file chooses it.
std::u16string readFailureText(FileSystem& fs, const ReadTexts& texts, ReadFailure failure, ErrorCode code,
                               std::u16string_view path);
std::u16string writeFailureText(FileSystem& fs, const WriteTexts& texts, ErrorCode code, std::u16string_view path);
