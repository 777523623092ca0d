#include "data/HolidaysFile.h"

#include <cstring>

namespace {

// The holiday file's writer pads the path with ideographic spaces to widen the box.
WriteTexts paddedWriteTexts(const WriteTexts& reference, std::u16string_view padding) {
    const auto pad = [&](const std::u16string& text) {
        std::u16string padded = text;
        const auto at = padded.find(u"%s");
        padded.insert(at + 2, padding);
        return padded;
    };
    return WriteTexts{pad(reference.deniedAdmin), pad(reference.deniedOther), pad(reference.busy),
                      pad(reference.other) + u"\n "};
}

DataFileTexts makeHolidayTexts() {
    DataFileTexts texts = referenceTexts();
    texts.write = paddedWriteTexts(referenceTexts().write, u"\u3000\u3000 ");
    texts.prepare = paddedWriteTexts(referenceTexts().prepare, u"\u3000\u3000\u3000\u3000 ");
    texts.saveQuestion =
        u"要保存修改吗 ？\n\n%s\u3000\u3000\u3000\u3000 \n\n警告 !!\n软件启动时，该文件读取失败，保存会覆盖该文件\n ";
    return texts;
}

template <typename Record>
void appendRecords(std::vector<std::uint8_t>& payload, const std::vector<Record>& records) {
    const auto count = static_cast<std::uint32_t>(records.size());
    const std::size_t at = payload.size();
    payload.resize(at + sizeof count + records.size() * sizeof(Record));
    std::memcpy(payload.data() + at, &count, sizeof count);
    if (!records.empty()) std::memcpy(payload.data() + at + sizeof count, records.data(), records.size() * sizeof(Record));
}

}  // namespace

const DataFileTexts& holidayFileTexts() {
    static const DataFileTexts texts = makeHolidayTexts();
    return texts;
}

ReadResult loadHolidays(const DataFileContext& context, std::vector<HolidayRecord>& holidays,
                        std::vector<ShiftDayRecord>& shiftDays) {
    holidays.clear();
    shiftDays.clear();
    std::vector<HolidayRecord> loadedHolidays;
    std::vector<ShiftDayRecord> loadedShiftDays;
    const auto parse = [&](PayloadReader& reader) {
        std::uint32_t count = 0;
        if (!reader.read(count) || count > static_cast<std::uint32_t>(maxHolidays)) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            HolidayRecord record;
            if (!reader.read(record)) return false;
            record.name[holidayNameCapacity - 1] = u'\0';
            if (!isValidRange(record.range)) return false;
            loadedHolidays.push_back(record);
        }
        if (!reader.read(count) || count > static_cast<std::uint32_t>(maxShiftDays)) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            ShiftDayRecord record;
            if (!reader.read(record)) return false;
            record.remark[remarkCapacity - 1] = u'\0';
            if (!isValidDate(record.aYear, record.aMonth, record.aDay) ||
                !isValidDate(record.bYear, record.bMonth, record.bDay)) {
                return false;
            }
            loadedShiftDays.push_back(record);
        }
        return true;
    };
    ReadResult result = readDataFile(context, holidayFileTexts(), parse);
    if (result.ok()) {
        holidays = std::move(loadedHolidays);
        shiftDays = std::move(loadedShiftDays);
    }
    return result;
}

std::vector<std::uint8_t> holidaysPayload(const std::vector<HolidayRecord>& holidays,
                                          const std::vector<ShiftDayRecord>& shiftDays) {
    std::vector<std::uint8_t> payload;
    appendRecords(payload, holidays);
    appendRecords(payload, shiftDays);
    return payload;
}

SaveResult saveHolidays(const DataFileContext& context, const std::vector<HolidayRecord>& holidays,
                        const std::vector<ShiftDayRecord>& shiftDays) {
    return saveDataFile(context, holidayFileTexts(), holidaysPayload(holidays, shiftDays));
}
