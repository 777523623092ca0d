#pragma once
// The texts of a run: the status line and the operator's messages when an item cannot start
// or stops sounding.
#include <cstdint>
#include <string>
#include <string_view>

#include "audio/AudioPlayer.h"
#include "audio/PlayError.h"
#include "instant/InstantItem.h"

namespace instantText {

// "即将播放", with " ..." in the second half of each 600 ms blink (`blink` 1..12).
std::u16string waiting(int blink);
// "第 2/3 首", "第 2 首 / 一直播", "40 / 300秒" (capped at the run's length) or "40 秒 / 一直播".
std::u16string status(const InstantOptions& options, int playedCount, std::int64_t elapsedSeconds);

// The audio check failed; `check` is its text.
std::u16string badPath(std::u16string_view check, std::u16string_view path);
std::u16string openFailed(PlayErrorKind kind, std::u16string_view path, std::u16string_view errorText);
std::u16string playbackFailed(const AudioEvent& event, std::u16string_view path);
std::u16string clockWentBack();

}  // namespace instantText

// The label of the check that precedes each start.
inline constexpr std::u16string_view instantAudioLabel = u"音频";
