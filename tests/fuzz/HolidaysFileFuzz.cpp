// Feeds each input to loadHolidays as the content of the holiday file: a content error
// empties both lists; a success holds the records as stored, texts cut to their capacity,
// every range and date valid.
#include <vector>

#include "FuzzedFile.h"
#include "data/HolidaysFile.h"

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
    std::size_t offset = 0;
    require(file.storedAt<std::uint32_t>(offset) == holidays.size() && holidays.size() <= maxHolidays,
            "the holiday count");
    offset += sizeof(std::uint32_t);
    for (const HolidayRecord& holiday : holidays) {
        HolidayRecord stored = file.storedAt<HolidayRecord>(offset);
        stored.name[holidayNameCapacity - 1] = u'\0';
        require(sameBytes(holiday, stored), "a holiday as stored, its name cut to capacity");
        require(isValidRange(holiday.range), "a holiday's range valid");
        offset += sizeof stored;
    }
    require(file.storedAt<std::uint32_t>(offset) == shiftDays.size() && shiftDays.size() <= maxShiftDays,
            "the shift-day count");
    offset += sizeof(std::uint32_t);
    for (const ShiftDayRecord& shiftDay : shiftDays) {
        ShiftDayRecord stored = file.storedAt<ShiftDayRecord>(offset);
        stored.remark[remarkCapacity - 1] = u'\0';
        require(sameBytes(shiftDay, stored), "a shift day as stored, its remark cut to capacity");
        require(isValidDate(shiftDay.aYear, shiftDay.aMonth, shiftDay.aDay) &&
                    isValidDate(shiftDay.bYear, shiftDay.bMonth, shiftDay.bDay),
                "a shift day's dates valid");
        offset += sizeof stored;
    }
    file.requirePayloadSize(offset);
    return 0;
}
