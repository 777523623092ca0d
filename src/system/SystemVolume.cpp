#include "system/SystemVolume.h"

#include <algorithm>

#include "data/Text.h"

std::u16string volumeText(const VolumeReading& reading) {
    if (reading.endpointMuted != 0 || reading.sessionMuted != 0) return u"静";
    const double percent = std::max(0.0, reading.endpointLevel * reading.sessionLevel * 100 + 0.5);
    return formatNumber(static_cast<std::int64_t>(percent));
}

double mixerLevel(std::uint32_t value, std::uint32_t minimum, std::uint32_t maximum) {
    if (maximum == minimum) return 1.0;
    const double level = (static_cast<double>(value) - minimum) / (static_cast<double>(maximum) - minimum);
    return std::clamp(level, 0.0, 1.0);
}
