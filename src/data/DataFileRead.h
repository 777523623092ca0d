#pragma once
// Reading a data file at start-up: the file, else the companion an interrupted save left,
// else absent; the payload fed through the digest and checked against it.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "data/DataFile.h"
#include "data/DataFileTexts.h"
#include "data/Md5.h"

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

// Opens for reading, repairing access when denied. No handle with `error` 0: nothing to read
// there (no file, or a folder in its place).
std::unique_ptr<FileHandle> openForRead(FileSystem& fs, std::u16string_view path, ErrorCode& error);

// The start-up read of the file: the file, else its companion, else absent (a success with
// nothing parsed). On failure the message goes to the owner and an input/output failure
// sets the read-failed flag.
ReadResult readDataFile(const DataFileContext& context, const DataFileTexts& texts, const PayloadParser& parse);
