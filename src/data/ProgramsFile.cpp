#include "data/ProgramsFile.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "records are stored byte for byte, little-endian");

bool acceptLoadedProgram(ProgramRecord& record) {
    record.name[programNameCapacity - 1] = u'\0';
    if (record.volume < minVolume || record.volume > maxVolume) return false;
    record.path[pathCapacity - 1] = u'\0';
    if (record.startTimeCount < 1 || record.startTimeCount > maxStartTimes) return false;
    for (int i = 0; i < record.startTimeCount; ++i) {
        if (!isValidTimeOfDay(record.startTimes[i])) return false;
    }
    if (record.countMode != 0 ? record.songCount < 1 : record.seconds < 1) return false;
    record.lastStart = resetStamp();
    bool anyDay = false;
    if (record.byWeekday != 0) {
        for (const auto day : record.weekdays) anyDay = anyDay || day != 0;
    } else {
        for (const auto day : record.monthDays) anyDay = anyDay || day != 0;
    }
    return anyDay && isValidRange(record.dateRange);
}

ReadResult loadPrograms(const DataFileContext& context, std::vector<ProgramRecord>& programs) {
    programs.clear();
    std::vector<ProgramRecord> loaded;
    const auto parse = [&loaded](PayloadReader& reader) {
        std::int32_t count = 0;
        if (!reader.read(count)) return false;
        if (static_cast<std::uint32_t>(count) > static_cast<std::uint32_t>(maxPrograms)) return false;
        loaded.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            ProgramRecord record;
            if (!reader.read(record) || !acceptLoadedProgram(record)) return false;
            loaded.push_back(record);
        }
        return true;
    };
    ReadResult result = readDataFile(context, referenceTexts(), parse);
    if (result.ok()) programs = std::move(loaded);
    return result;
}

std::vector<std::uint8_t> programsPayload(const std::vector<ProgramRecord>& programs) {
    const auto count = static_cast<std::int32_t>(programs.size());
    std::vector<std::uint8_t> payload(sizeof count + programs.size() * sizeof(ProgramRecord));
    std::memcpy(payload.data(), &count, sizeof count);
    if (!programs.empty()) {
        std::memcpy(payload.data() + sizeof count, programs.data(), programs.size() * sizeof(ProgramRecord));
    }
    return payload;
}

SaveResult savePrograms(const DataFileContext& context, const std::vector<ProgramRecord>& programs) {
    return saveDataFile(context, referenceTexts(), programsPayload(programs));
}
