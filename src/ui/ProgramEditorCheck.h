#pragma once
// The program editor's confirm sequence and the checks of its sub-dialogs, over the values
// read from the controls. The dialogs only read controls, call these and show the result.
#include <string>
#include <variant>
#include <vector>

#include "audio/AudioPath.h"
#include "data/DateTime.h"
#include "data/FileSystem.h"
#include "data/InputValidation.h"
#include "data/ProgramRecord.h"

// The editor's fields that a failed check puts the focus into.
enum class EditorField { name, filePath, folderPath, volume, startTimes, songs, seconds, days };
using EditorFailure = InputFailure<EditorField>;

// The date-range dialog's hour edits.
enum class DateRangeField { startHour, endHour };
using DateRangeFailure = InputFailure<DateRangeField>;

// A play-now dialog's one edit: the number of songs or of seconds.
enum class PlayNowField { amount };
using PlayNowFailure = InputFailure<PlayNowField>;

struct DaySelection {
    bool byWeekday = true;
    std::int32_t weekdays[7] = {1, 1, 1, 1, 1, 1, 1};
    std::int32_t monthDays[31] = {};
};

// At least one day of the active kind (weekdays or days of the month) is chosen.
bool hasChosenDays(const DaySelection& days);

// The editor's controls and working values.
struct ProgramEditorInput {
    std::u16string name;
    bool fileMode = true;
    std::u16string filePath;
    std::u16string folderPath;
    bool sequential = false;
    std::u16string volume;
    std::vector<TimeOfDay> startTimes;
    bool countMode = true;  // "播 n 首" checked
    std::u16string songs;
    std::u16string seconds;
    DaySelection days;
    DateHourRange dateRange{};
    bool delayable = false;
    bool disabled = false;
};

// The working values of a new program, or of the program being modified.
ProgramEditorInput editorInputFor(const ProgramRecord* program);

// `editing` is the index of the program being modified, or -1 when adding.
std::variant<ProgramRecord, EditorFailure> checkProgramInput(const std::vector<ProgramRecord>& programs, int editing,
                                                             const ProgramEditorInput& input, FileSystem& fs,
                                                             const NetworkDriveQuery& isNetworkDrive);

// Asked before a program that is playing is changed: stop it first?
std::u16string stopToModifyQuestion(std::u16string_view oldName, bool renamed);

// "每周:1234567", "每月:1,15,31", or empty.
std::u16string daySelectionText(const DaySelection& days);

// The day-selection dialog's OK: at least one box of the active kind.
std::variant<DaySelection, std::u16string> checkDaySelection(const DaySelection& boxes);

// The date-range dialog's OK.
std::variant<DateHourRange, DateRangeFailure> checkDateRangeInput(int startYear, int startMonth, int startDay,
                                                                   std::u16string_view startHour, int endYear,
                                                                   int endMonth, int endDay,
                                                                   std::u16string_view endHour);

// The play-now dialogs' OK: a whole number of at least 1.
std::variant<int, PlayNowFailure> checkPlayNowAmount(bool countMode, std::u16string_view text);
