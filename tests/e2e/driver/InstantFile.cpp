#include "e2e/driver/InstantFile.h"

#include <cstdint>

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t itemSize = 1572;
constexpr size_t textUnits = 260;
constexpr size_t digestSize = 16;

std::string packItem(const TestInstantItem& item) {
    const std::wstring name = item.path.substr(item.path.find_last_of(L'\\') + 1);
    const size_t dot = name.rfind(L'.');
    std::string record(itemSize, '\0');
    putText(record, 0, name, textUnits);
    putText(record, 520, item.path, textUnits);
    putText(record, 1040, dot == std::wstring::npos ? L"" : name.substr(dot), textUnits);
    putInt(record, 1560, item.durationMs);
    putInt(record, 1564, item.isCurrent ? 1 : 0);
    putInt(record, 1568, item.playedInCycle ? 1 : 0);
    return record;
}

StoredInstantItem unpackItem(const char* record) {
    return {textAt(record, 0, textUnits),       textAt(record, 520, textUnits), textAt(record, 1040, textUnits),
            intAt(record, 1560),                intAt(record, 1564) != 0,       intAt(record, 1568) != 0};
}

}  // namespace

std::optional<std::string> instantFileBytes(const TestInstantList& list) {
    std::string payload(12, '\0');
    putInt(payload, 0, list.volume);
    putInt(payload, 4, list.mode);
    putInt(payload, 8, static_cast<std::int32_t>(list.items.size()));
    for (const TestInstantItem& item : list.items) payload += packItem(item);
    std::string tail(12, '\0');
    putInt(tail, 0, list.countMode);
    putInt(tail, 4, list.songCount);
    putInt(tail, 8, list.seconds);
    payload += tail;
    const auto digest = md5Digest(payload);
    if (!digest) return std::nullopt;
    return payload + *digest;
}

std::optional<StoredInstantList> readStoredInstant(const std::string& bytes) {
    if (bytes.size() < 24 + digestSize) return std::nullopt;
    const std::int32_t count = intAt(bytes.data(), 8);
    if (count < 0 || bytes.size() != 24 + static_cast<size_t>(count) * itemSize + digestSize) return std::nullopt;
    const std::string payload = bytes.substr(0, bytes.size() - digestSize);
    if (md5Digest(payload) != bytes.substr(payload.size())) return std::nullopt;
    StoredInstantList list;
    list.volume = intAt(bytes.data(), 0);
    list.mode = intAt(bytes.data(), 4);
    for (std::int32_t i = 0; i < count; ++i) list.items.push_back(unpackItem(bytes.data() + 12 + i * itemSize));
    const char* tail = bytes.data() + 12 + static_cast<size_t>(count) * itemSize;
    list.countMode = intAt(tail, 0);
    list.songCount = intAt(tail, 4);
    list.seconds = intAt(tail, 8);
    return list;
}
