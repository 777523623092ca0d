#pragma once
// The moment given to `eligible`, as the clock of the program would give it.
#include <string_view>

#include "data/DateTime.h"

// Exactly "YYYY-MM-DD HH:MM:SS" naming a valid date and time of day; milliseconds 0 and
// the day of week computed. False leaves `moment` unchanged.
bool parseMoment(std::string_view text, DateTime& moment);
