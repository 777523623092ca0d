#pragma once
// The system's own text for a Windows error code, in its default language, as failure
// messages quote it (at most 255 units, line breaks trimmed at both ends); empty when the
// system has none.
#include <string>

#include "data/ErrorCodes.h"

std::u16string systemMessageText(ErrorCode code);
