#include "e2e/driver/ProgramsFile.h"

#include <cstdint>

#include "e2e/driver/Md5Digest.h"
#include "e2e/driver/RecordBytes.h"

namespace {

constexpr size_t recordSize = 7032;

std::string packProgram(const TestProgram& program) {
    std::string record(recordSize, '\0');
    putText(record, 0, program.name, 64);
    putInt(record, 128, 1);  // isFile
    putText(record, 132, program.path, 260);
    putInt(record, 652, 0);  // sequential
    putInt(record, 656, program.volume);
    putInt(record, 660, static_cast<std::int32_t>(program.startTimes.size()));
    for (size_t i = 0; i < program.startTimes.size(); ++i) {
        const StartTime& time = program.startTimes[i];
        putInt(record, 664 + 12 * i, time.hour);
        putInt(record, 668 + 12 * i, time.minute);
        putInt(record, 672 + 12 * i, time.second);
    }
    putInt(record, 6808, program.countMode ? 1 : 0);
    putInt(record, 6812, program.songCount);
    putInt(record, 6816, program.seconds);
    // lastStart at 6820: the reader resets it.
    putInt(record, 6836, 1);  // byWeekday
    for (size_t day = 0; day < 7; ++day) putInt(record, 6840 + 4 * day, program.weekdays[day]);
    const std::int32_t range[8] = {2000, 1, 1, 0, 2099, 12, 31, 24};
    for (size_t i = 0; i < 8; ++i) putInt(record, 6992 + 4 * i, range[i]);
    putInt(record, 7024, program.delayable ? 1 : 0);
    putInt(record, 7028, 0);  // disabled
    return record;
}

}  // namespace

std::optional<std::string> programsFileBytes(const std::vector<TestProgram>& programs) {
    std::string payload(4, '\0');
    putInt(payload, 0, static_cast<std::int32_t>(programs.size()));
    for (const TestProgram& program : programs) payload += packProgram(program);
    const auto digest = md5Digest(payload);
    if (!digest) return std::nullopt;
    return payload + *digest;
}
