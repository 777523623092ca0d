#include "e2e/driver/WebSettingsFile.h"

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 72;
constexpr size_t onOffset = 0;
constexpr size_t portOffset = 4;
constexpr size_t passwordSetOffset = 8;
constexpr size_t algorithmOffset = 16;
constexpr size_t iterationsOffset = 20;

}  // namespace

std::optional<std::string> webSettingsFileBytes(const TestWebSettings& settings) {
    std::string record(recordSize, '\0');
    putInt(record, onOffset, settings.on);
    putInt(record, portOffset, settings.port);
    putInt(record, passwordSetOffset, settings.passwordSet);
    putInt(record, algorithmOffset, 1);  // PBKDF2-SHA256
    putInt(record, iterationsOffset, 200000);
    const auto digest = md5Digest(record);
    if (!digest) return std::nullopt;
    return record + *digest;
}

std::optional<TestWebSettings> webSettingsIn(const std::string& bytes) {
    if (bytes.size() < recordSize) return std::nullopt;
    const char* record = bytes.data();
    return TestWebSettings{intAt(record, onOffset), intAt(record, portOffset), intAt(record, passwordSetOffset)};
}
