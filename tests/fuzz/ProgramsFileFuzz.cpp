// Feeds each input to loadPrograms as the content of the programs file, and checks
// what a load promises: a content error empties the list and shows the content text;
// a success holds only records that pass every load check.
#include <vector>

#include "FuzzedFile.h"
#include "data/ProgramsFile.h"

namespace {

bool anySet(const std::int32_t* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (values[i] != 0) return true;
    }
    return false;
}

void requireSound(const ProgramRecord& program) {
    require(program.name[programNameCapacity - 1] == 0, "name ends in NUL");
    require(program.path[pathCapacity - 1] == 0, "path ends in NUL");
    require(program.volume >= minVolume && program.volume <= maxVolume, "volume in range");
    require(program.startTimeCount >= 1 && program.startTimeCount <= maxStartTimes, "start time count in range");
    for (int i = 0; i < program.startTimeCount; ++i) {
        const TimeOfDay& time = program.startTimes[i];
        require(time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
                    time.second <= 59,
                "start time valid");
    }
    require(program.countMode != 0 ? program.songCount >= 1 : program.seconds >= 1, "duration at least 1");
    require(program.byWeekday != 0 ? anySet(program.weekdays, 7) : anySet(program.monthDays, 31), "some day chosen");
    require(isValidRange(program.dateRange), "date range valid");
    require(sameInstant(program.lastStart, resetStamp()), "lastStart reset");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    FuzzedFile file(u"/data/定时播t", data, size);
    bool readFailed = false;
    std::vector<ProgramRecord> programs;
    const ReadResult result = loadPrograms(file.context(&readFailed), programs);

    if (!result.ok()) {
        file.requireContentError(result, referenceTexts().read, readFailed);
        require(programs.empty(), "a failed load leaves the list empty");
        return 0;
    }
    require(!readFailed, "a sound load leaves the read-failed flag clear");
    const auto count = file.storedAt<std::int32_t>(0);
    require(count >= 0 && count <= maxPrograms && programs.size() == static_cast<std::size_t>(count),
            "the list holds count records");
    file.requirePayloadSize(sizeof count + programs.size() * sizeof(ProgramRecord));
    for (const ProgramRecord& program : programs) requireSound(program);
    return 0;
}
