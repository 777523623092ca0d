#include "data/CalendarStore.h"

#include <utility>

#include "data/HolidaysFile.h"

namespace {

template <typename Record>
void eraseRows(std::vector<Record>& records, const std::vector<int>& rows) {
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) records.erase(records.begin() + *row);
}

ListChange rowsChange(ListChange::Kind kind, std::vector<int> rows, int list) {
    return ListChange{kind, std::move(rows), 0, list};
}

}  // namespace

CalendarStore::CalendarStore(DataFolder folder, std::u16string path)
    : folder_(std::move(folder)), path_(std::move(path)) {}

ReadResult CalendarStore::load(Prompt* owner) {
    const ReadResult result = loadHolidays({folder_, path_, owner, &readFailed_}, holidays_, shiftDays_);
    showAnew();
    return result;
}

SaveResult CalendarStore::add(const HolidayRecord& holiday, Prompt& prompt) {
    holidays_.push_back(holiday);
    observers_.notify(rowsChange(ListChange::Kind::added, {static_cast<int>(holidays_.size()) - 1}, holidayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::add(const ShiftDayRecord& shiftDay, Prompt& prompt) {
    shiftDays_.push_back(shiftDay);
    observers_.notify(rowsChange(ListChange::Kind::added, {static_cast<int>(shiftDays_.size()) - 1}, shiftDayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::modify(int index, const HolidayRecord& holiday, Prompt& prompt) {
    holidays_.at(static_cast<std::size_t>(index)) = holiday;
    observers_.notify(rowsChange(ListChange::Kind::changed, {index}, holidayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::modify(int index, const ShiftDayRecord& shiftDay, Prompt& prompt) {
    shiftDays_.at(static_cast<std::size_t>(index)) = shiftDay;
    observers_.notify(rowsChange(ListChange::Kind::changed, {index}, shiftDayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::removeHolidays(const std::vector<int>& rows, Prompt& prompt) {
    eraseRows(holidays_, rows);
    observers_.notify(rowsChange(ListChange::Kind::removed, rows, holidayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::removeShiftDays(const std::vector<int>& rows, Prompt& prompt) {
    eraseRows(shiftDays_, rows);
    observers_.notify(rowsChange(ListChange::Kind::removed, rows, shiftDayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::setHolidaysDisabled(const std::vector<int>& rows, bool disabled, Prompt& prompt) {
    if (::setHolidaysDisabled(holidays_, rows, disabled) == 0) return SaveResult{true};
    observers_.notify(rowsChange(ListChange::Kind::changed, rows, holidayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::setShiftDaysDisabled(const std::vector<int>& rows, bool disabled, Prompt& prompt) {
    if (::setShiftDaysDisabled(shiftDays_, rows, disabled) == 0) return SaveResult{true};
    observers_.notify(rowsChange(ListChange::Kind::changed, rows, shiftDayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::sortHolidaysByName(Prompt& prompt) {
    if (!::sortHolidaysByName(holidays_)) return SaveResult{true};
    observers_.notify(rowsChange(ListChange::Kind::replaced, {}, holidayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::sortHolidaysByStart(Prompt& prompt) {
    if (!::sortHolidaysByStart(holidays_)) return SaveResult{true};
    observers_.notify(rowsChange(ListChange::Kind::replaced, {}, holidayListIndex));
    return save(prompt);
}

SaveResult CalendarStore::sortShiftDaysByADate(Prompt& prompt) {
    if (!::sortShiftDaysByADate(shiftDays_)) return SaveResult{true};
    observers_.notify(rowsChange(ListChange::Kind::replaced, {}, shiftDayListIndex));
    return save(prompt);
}

void CalendarStore::restored(std::vector<HolidayRecord> holidays, std::vector<ShiftDayRecord> shiftDays) {
    holidays_ = std::move(holidays);
    shiftDays_ = std::move(shiftDays);
    showAnew();
}

SaveResult CalendarStore::save(Prompt& prompt) {
    return saveHolidays({folder_, path_, &prompt, &readFailed_}, holidays_, shiftDays_);
}

void CalendarStore::showAnew() {
    observers_.notify(rowsChange(ListChange::Kind::replaced, {}, holidayListIndex));
    observers_.notify(rowsChange(ListChange::Kind::replaced, {}, shiftDayListIndex));
}
