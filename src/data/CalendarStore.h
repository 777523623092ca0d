#pragma once
// The owner of the holidays and the shift days, which share the holiday file: it loads them,
// keeps them, and carries out every change of either list, each saved at once through the
// data-file protocol after its views have been told which rows changed.
#include <string>
#include <string_view>
#include <vector>

#include "data/DataFile.h"
#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/HolidayRecord.h"
#include "data/ListChange.h"

// ListChange::list of the two lists.
inline constexpr int holidayListIndex = 0;
inline constexpr int shiftDayListIndex = 1;

class CalendarStore {
public:
    CalendarStore(DataFolder folder, std::u16string path);
    CalendarStore(const CalendarStore&) = delete;
    CalendarStore& operator=(const CalendarStore&) = delete;

    const std::vector<HolidayRecord>& holidays() const { return holidays_; }
    const std::vector<ShiftDayRecord>& shiftDays() const { return shiftDays_; }
    const DataFolder& folder() const { return folder_; }
    const std::u16string& path() const { return path_; }
    bool& readFailed() { return readFailed_; }

    void addObserver(ListObserver& observer) { observers_.add(observer); }
    void removeObserver(ListObserver& observer) { observers_.remove(observer); }

    // The start-up read; its failures go to `owner`. Both lists are shown anew.
    ReadResult load(Prompt* owner);

    // Each change below tells the views, then saves with `prompt` answering for the file.
    SaveResult add(const HolidayRecord& holiday, Prompt& prompt);
    SaveResult add(const ShiftDayRecord& shiftDay, Prompt& prompt);
    SaveResult modify(int index, const HolidayRecord& holiday, Prompt& prompt);
    SaveResult modify(int index, const ShiftDayRecord& shiftDay, Prompt& prompt);
    // Rows ascending, as a list view gives its selection.
    SaveResult removeHolidays(const std::vector<int>& rows, Prompt& prompt);
    SaveResult removeShiftDays(const std::vector<int>& rows, Prompt& prompt);
    // Nothing is saved when no record changes; every selected row is shown again otherwise.
    SaveResult setHolidaysDisabled(const std::vector<int>& rows, bool disabled, Prompt& prompt);
    SaveResult setShiftDaysDisabled(const std::vector<int>& rows, bool disabled, Prompt& prompt);
    // Nothing is sorted or saved with fewer than two records.
    SaveResult sortHolidaysByName(Prompt& prompt);
    SaveResult sortHolidaysByStart(Prompt& prompt);
    SaveResult sortShiftDaysByADate(Prompt& prompt);

    // A restore saved the lists it replaces itself: these are now the lists in use.
    void restored(std::vector<HolidayRecord> holidays, std::vector<ShiftDayRecord> shiftDays);

private:
    SaveResult save(Prompt& prompt);
    void showAnew();

    DataFolder folder_;
    std::u16string path_;
    bool readFailed_ = false;
    std::vector<HolidayRecord> holidays_;
    std::vector<ShiftDayRecord> shiftDays_;
    ListObservers observers_;
};
