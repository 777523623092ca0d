#include "audio/PlayError.h"

#include <cstdlib>

#include "data/Text.h"

PlayErrorKind classifyOpenFailure(AudioResult code, const AudioSystemChecks& checks) {
    if (!checks.audioSystemWorks()) return PlayErrorKind::EnvironmentProblem;
    if (code == audioNoHardware) return PlayErrorKind::DeviceInvalid;
    if (checks.toolFilesIntact()) return PlayErrorKind::FormatProblem;
    return PlayErrorKind::ToolFilesDamaged;
}

std::u16string formatMinSec(std::int32_t ms) {
    if (ms < 0) return {};
    const std::int32_t minutes = ms / 60000;
    return formatNumber(minutes, 2) + u":" + formatNumber(ms / 1000 - minutes * 60, 2);
}

std::u16string formatProgress(std::int32_t totalSeconds, std::int32_t elapsedSeconds) {
    if (elapsedSeconds > totalSeconds) elapsedSeconds = totalSeconds;
    const auto minSec = [](std::int64_t seconds) {
        return formatNumber(seconds / 60, 2) + u":" + formatNumber(seconds % 60, 2);
    };
    std::u16string text = elapsedSeconds < 0 ? u"-" : u"";
    text += minSec(std::llabs(elapsedSeconds));
    text += u" / ";
    text += minSec(totalSeconds);
    return text;
}
