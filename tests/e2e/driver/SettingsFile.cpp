#include "e2e/driver/SettingsFile.h"

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 628;
constexpr size_t outputDeviceOffset = 116;
constexpr size_t outputDeviceUnits = 256;

void putTime(std::string& record, size_t offset, int hour, int minute, int second) {
    putInt(record, offset, hour);
    putInt(record, offset + 4, minute);
    putInt(record, offset + 8, second);
}

}  // namespace

std::optional<std::string> settingsFileBytes(const std::wstring& outputDevice) {
    std::string record(recordSize, '\0');
    putTime(record, 4, 1, 0, 0);   // daily shutdown, off
    putInt(record, 20 + 4 * 5, 1);  // weekly shutdown on Saturday and Sunday, off
    putInt(record, 20 + 4 * 6, 1);
    putTime(record, 48, 1, 0, 0);
    putTime(record, 92, 1, 0, 0);  // restart, off
    putInt(record, 104, 60);       // ducking
    putInt(record, 108, 5);
    putInt(record, 112, 9);
    putText(record, outputDeviceOffset, outputDevice, outputDeviceUnits);
    const auto digest = md5Digest(record);
    if (!digest) return std::nullopt;
    return record + *digest;
}

std::optional<std::wstring> outputDeviceIn(const std::string& bytes) {
    if (bytes.size() < recordSize) return std::nullopt;
    return textAt(bytes.data(), outputDeviceOffset, outputDeviceUnits);
}
