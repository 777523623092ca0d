#pragma once
// One fuzz input as the only file of its own in-memory file system, and the promises
// every data-file loader keeps whatever that file holds.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/DataFileRead.h"
#include "data/SingleFileSystem.h"

// Stops the run when a loader breaks a promise.
void require(bool condition, const char* what);

class FuzzedFile {
public:
    // A mutated file almost never keeps a matching digest. So an odd first byte takes the
    // rest as a payload and appends its correct digest, letting inputs reach the record
    // checks; an even one takes the rest as the whole file. `size` is at least 1.
    FuzzedFile(std::u16string path, const std::uint8_t* data, std::size_t size);

    // The file with no owner window, the read-failed flag in `readFailed`.
    DataFileContext context(bool* readFailed);
    const std::vector<std::uint8_t>& content() const { return content_; }
    // For code that opens the file by its path itself.
    FileSystem& fileSystem() { return fs_; }

    // A failed load: memory reads never fail, so only a content error with its text, and
    // the read-failed flag left clear.
    void requireContentError(const ReadResult& result, const ReadTexts& texts, bool readFailed);
    // A sound load read exactly `payloadSize` bytes: the digest of those follows them.
    void requirePayloadSize(std::size_t payloadSize) const;

    // The record stored at `offset`, which a sound load has shown to be inside the file.
    template <typename Record>
    Record storedAt(std::size_t offset) const {
        require(offset + sizeof(Record) <= content_.size(), "the record lies inside the file");
        Record record;
        std::memcpy(&record, content_.data() + offset, sizeof record);
        return record;
    }

private:
    std::u16string path_;
    std::vector<std::uint8_t> content_;
    SingleFileSystem fs_;
};

template <typename Record>
bool sameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}
