#pragma once
// The console's "今天停铃": a holiday "网页停铃" from this hour to the end of today, added or
// moved through the holidays' owner like any other edit.
#include <string_view>

#include "data/CalendarStore.h"
#include "data/DateTime.h"
#include "data/Prompt.h"
#include "web/WebConsoleOperations.h"

inline constexpr std::u16string_view silenceHolidayName = u"网页停铃";

// Enabled, from `now`'s hour to hour 24 of its day.
HolidayRecord silenceHoliday(const DateTime& now);

// Moves an existing "网页停铃" rather than adding a second; nothing is saved when it already
// silences the rest of today. Refused when the list is full or the save failed.
WebActionResult silenceRestOfToday(CalendarStore& calendar, const DateTime& now, Prompt& prompt);
