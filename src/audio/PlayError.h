#pragma once
// Why a file did not start, in the four kinds the operator's messages name, and the
// time texts shown beside playing items.
#include <cstdint>
#include <functional>
#include <string>

#include "audio/AudioPlayer.h"

enum class PlayErrorKind { EnvironmentProblem, DeviceInvalid, FormatProblem, ToolFilesDamaged };

struct AudioSystemChecks {
    std::function<bool()> audioSystemWorks;  // a filter graph and the device enumerator can be created
    std::function<bool()> toolFilesIntact;   // every tool file present with its digest
};

PlayErrorKind classifyOpenFailure(AudioResult code, const AudioSystemChecks& checks);

// "%.2d:%.2d" minutes and seconds; empty for a negative time.
std::u16string formatMinSec(std::int32_t ms);
// "%.2d:%.2d / %.2d:%.2d" elapsed (capped at the total) and total; "-" before a negative elapsed.
std::u16string formatProgress(std::int32_t totalSeconds, std::int32_t elapsedSeconds);
