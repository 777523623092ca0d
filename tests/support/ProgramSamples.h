#pragma once
// Sound program records and the exact bytes of a programs file holding them.
#include <cstdint>
#include <string>
#include <vector>

#include "data/Md5.h"
#include "data/ProgramRecord.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"

inline ProgramRecord sampleProgram(std::u16string_view name, int startHour = 8) {
    ProgramRecord record = defaultProgram();
    setFixed(record.name, name);
    setFixed(record.path, u"D:\\铃声\\上课铃.mp3");
    record.startTimeCount = 2;
    record.startTimes[0] = TimeOfDay{startHour, 0, 0};
    record.startTimes[1] = TimeOfDay{startHour + 1, 30, 15};
    record.weekdays[5] = 0;
    record.weekdays[6] = 0;
    return record;
}

inline std::vector<std::uint8_t> withDigest(std::vector<std::uint8_t> payload) {
    const Md5Digest digest = md5Of(payload.data(), payload.size());
    payload.insert(payload.end(), digest.begin(), digest.end());
    return payload;
}

inline std::vector<std::uint8_t> programsFileBytes(const std::vector<ProgramRecord>& programs) {
    return withDigest(programsPayload(programs));
}
