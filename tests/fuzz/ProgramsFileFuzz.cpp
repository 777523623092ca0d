// Feeds each input to loadPrograms as the content of the programs file, and checks
// what a load promises: a content error empties the list and shows the content text;
// a success holds only records that pass every load check.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "SingleFileSystem.h"
#include "data/Md5.h"
#include "data/ProgramsFile.h"

namespace {

constexpr std::u16string_view dataDir = u"/data";
constexpr std::u16string_view filePath = u"/data/定时播t";

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

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

// A mutated file almost never keeps a matching digest. So an odd first byte takes the
// rest as a payload and appends its correct digest, letting inputs reach the record checks.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::vector<std::uint8_t> content(data + 1, data + size);
    if ((data[0] & 1) != 0) {
        const Md5Digest digest = md5Of(content.data(), content.size());
        content.insert(content.end(), digest.begin(), digest.end());
    }

    SingleFileSystem fs(std::u16string(filePath), content.data(), content.size());
    bool readFailed = false;
    std::vector<ProgramRecord> programs;
    const ReadResult result =
        loadPrograms({{fs, u"/", std::u16string(dataDir)}, std::u16string(filePath), nullptr, &readFailed}, programs);

    require(!readFailed, "memory reads never fail, so the read-failed flag stays clear");
    if (!result.ok()) {
        require(result.failure == ReadFailure::content, "only content errors");
        require(programs.empty(), "a failed load leaves the list empty");
        require(result.message == readFailureText(fs, referenceTexts().read, ReadFailure::content, errorSuccess, filePath),
                "the content-error text");
        return 0;
    }

    std::int32_t count = 0;
    require(content.size() >= sizeof count, "a sound file holds its count");
    std::memcpy(&count, content.data(), sizeof count);
    require(count >= 0 && count <= maxPrograms && programs.size() == static_cast<std::size_t>(count),
            "the list holds count records");
    require(content.size() >= sizeof count + programs.size() * sizeof(ProgramRecord) + sizeof(Md5Digest),
            "every record and the digest were present");
    for (const ProgramRecord& program : programs) requireSound(program);
    return 0;
}
