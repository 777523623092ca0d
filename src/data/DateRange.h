#pragma once
// The three-way test of a date-hour range at minute resolution, both ends included:
// a range covers from minute 00 of its start hour through minute 00 of its end hour;
// an end hour of 24 covers the whole end date.
#include "data/DateTime.h"

enum class RangeStatus { notBegun = -1, inside = 0, over = 1 };

RangeStatus dateRangeStatus(const DateHourRange& range, const DateTime& moment);

// The same answer by formatting "YYYY-MM-DD HH:00" and "YYYY-MM-DD HH:MM" texts and comparing
// them unit by unit; dateRangeStatus falls back to it for fields wider than their text width.
RangeStatus dateRangeStatusByText(const DateHourRange& range, const DateTime& moment);
