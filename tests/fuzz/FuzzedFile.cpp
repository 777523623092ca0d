#include "FuzzedFile.h"

#include <cstdio>
#include <cstdlib>

#include "data/Md5.h"

namespace {

std::vector<std::uint8_t> contentOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> content(data + 1, data + size);
    if ((data[0] & 1) != 0) {
        const Md5Digest digest = md5Of(content.data(), content.size());
        content.insert(content.end(), digest.begin(), digest.end());
    }
    return content;
}

}  // namespace

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

FuzzedFile::FuzzedFile(std::u16string path, const std::uint8_t* data, std::size_t size)
    : path_(std::move(path)), content_(contentOf(data, size)), fs_(path_, content_.data(), content_.size()) {}

DataFileContext FuzzedFile::context(bool* readFailed) {
    return {{fs_, u"/", std::u16string(parentFolder(path_))}, path_, nullptr, readFailed};
}

void FuzzedFile::requireContentError(const ReadResult& result, const ReadTexts& texts, bool readFailed) {
    require(!readFailed, "memory reads never fail, so the read-failed flag stays clear");
    require(result.failure == ReadFailure::content, "only content errors");
    require(result.message == readFailureText(fs_, texts, ReadFailure::content, errorSuccess, path_),
            "the content-error text");
}

void FuzzedFile::requirePayloadSize(std::size_t payloadSize) const {
    require(content_.size() >= payloadSize + sizeof(Md5Digest), "the payload and its digest were present");
    const Md5Digest digest = md5Of(content_.data(), payloadSize);
    require(std::memcmp(digest.data(), content_.data() + payloadSize, digest.size()) == 0,
            "the digest follows the payload read");
}
