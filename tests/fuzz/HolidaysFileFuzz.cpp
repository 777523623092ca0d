// Feeds each input to loadHolidays as the content of the holiday file: a content error
// empties both lists; a success holds the records as stored, texts cut to their capacity,
// every range and date valid.
#include <vector>

#include "FuzzedFile.h"
#include "data/HolidaysFile.h"

namespace {

// A count at `offset` and that many records as stored, each with its text's last unit NUL as
// the load makes it; returns the offset after them.
template <typename Record, int capacity>
std::size_t requireStoredList(const FuzzedFile& file, std::size_t offset, const std::vector<Record>& records,
                              int maxCount, char16_t (Record::*text)[capacity], const char* what) {
    require(file.storedAt<std::uint32_t>(offset) == records.size() && records.size() <= static_cast<std::size_t>(maxCount),
            "the count");
    offset += sizeof(std::uint32_t);
    for (const Record& record : records) {
        Record stored = file.storedAt<Record>(offset);
        (stored.*text)[capacity - 1] = u'\0';
        require(sameBytes(record, stored), what);
        offset += sizeof stored;
    }
    return offset;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    FuzzedFile file(u"/data/节假日t", data, size);
    bool readFailed = false;
    std::vector<HolidayRecord> holidays;
    std::vector<ShiftDayRecord> shiftDays;
    const ReadResult result = loadHolidays(file.context(&readFailed), holidays, shiftDays);

    if (!result.ok()) {
        file.requireContentError(result, holidayFileTexts().read, readFailed);
        require(holidays.empty() && shiftDays.empty(), "a failed load leaves both lists empty");
        return 0;
    }
    require(!readFailed, "a sound load leaves the read-failed flag clear");
    std::size_t offset = requireStoredList(file, 0, holidays, maxHolidays, &HolidayRecord::name,
                                           "a holiday as stored, its name cut to capacity");
    offset = requireStoredList(file, offset, shiftDays, maxShiftDays, &ShiftDayRecord::remark,
                               "a shift day as stored, its remark cut to capacity");
    file.requirePayloadSize(offset);
    for (const HolidayRecord& holiday : holidays) require(isValidRange(holiday.range), "a holiday's range valid");
    for (const ShiftDayRecord& shiftDay : shiftDays) {
        require(isValidDate(shiftDay.aYear, shiftDay.aMonth, shiftDay.aDay) &&
                    isValidDate(shiftDay.bYear, shiftDay.bMonth, shiftDay.bDay),
                "a shift day's dates valid");
    }
    return 0;
}
