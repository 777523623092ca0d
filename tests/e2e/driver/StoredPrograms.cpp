#include "e2e/driver/StoredPrograms.h"

#include <cstdint>

#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 7032;
constexpr size_t digestSize = 16;

StoredProgram unpack(const char* record) {
    StoredProgram program;
    program.name = textAt(record, 0, 64);
    program.isFile = intAt(record, 128) != 0;
    program.path = textAt(record, 132, 260);
    program.sequential = intAt(record, 652) != 0;
    program.volume = intAt(record, 656);
    const std::int32_t count = intAt(record, 660);
    for (std::int32_t i = 0; i < count && i < 512; ++i) {
        const size_t at = 664 + 12 * static_cast<size_t>(i);
        program.startTimes.push_back({intAt(record, at), intAt(record, at + 4), intAt(record, at + 8)});
    }
    program.countMode = intAt(record, 6808) != 0;
    program.songCount = intAt(record, 6812);
    program.seconds = intAt(record, 6816);
    program.byWeekday = intAt(record, 6836) != 0;
    for (size_t day = 0; day < 7; ++day) program.weekdays[day] = intAt(record, 6840 + 4 * day);
    for (size_t day = 0; day < 31; ++day) program.monthDays[day] = intAt(record, 6868 + 4 * day);
    for (size_t i = 0; i < 8; ++i) program.dateRange[i] = intAt(record, 6992 + 4 * i);
    program.delayable = intAt(record, 7024) != 0;
    program.disabled = intAt(record, 7028) != 0;
    return program;
}

}  // namespace

std::optional<std::vector<StoredProgram>> readStoredPrograms(const std::string& bytes) {
    if (bytes.size() < 4 + digestSize) return std::nullopt;
    const std::int32_t count = intAt(bytes.data(), 0);
    if (count < 0 || bytes.size() != 4 + static_cast<size_t>(count) * recordSize + digestSize) return std::nullopt;
    std::vector<StoredProgram> programs;
    for (std::int32_t i = 0; i < count; ++i) programs.push_back(unpack(bytes.data() + 4 + i * recordSize));
    return programs;
}

std::vector<std::wstring> storedNames(const std::vector<StoredProgram>& programs) {
    std::vector<std::wstring> names;
    for (const StoredProgram& program : programs) names.push_back(program.name);
    return names;
}
