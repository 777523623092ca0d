#pragma once
// The clock of the running program.
#include "data/DateTime.h"

// The current local time (milliseconds kept).
DateTime localNow();
