#pragma once
// The start-up checks of the audio system, also used to word a failed start.
#include <string_view>

#include "audio/PlayError.h"

// True when a filter graph and the system device enumerator can both be created.
bool checkAudioSystem();

// Both checks on the real system, for classifyOpenFailure.
AudioSystemChecks audioSystemChecks(std::u16string_view exeDir);
