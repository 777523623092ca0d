#pragma once
// The play-log texts of timed-play jobs. Each begins with the job's prefix (name and the
// manual mark); the texts end with the operator's advice for the failure.
#include <string>
#include <string_view>

#include "audio/PlayError.h"

namespace jobText {

std::u16string started(std::u16string_view prefix);
std::u16string startedSong(std::u16string_view prefix, std::u16string_view song);
std::u16string switchedSong(std::u16string_view prefix, std::u16string_view song);
std::u16string ended(std::u16string_view prefix);
// A stop while sounding ("终止播放…") or while waiting ("终止播放").
std::u16string stopped(std::u16string_view prefix, bool sounding, std::u16string_view reason);
std::u16string clockWentBack(std::u16string_view prefix, bool sounding);
std::u16string badPath(std::u16string_view prefix, std::u16string_view check, std::u16string_view path, bool folder);
std::u16string noAudioInFolder(std::u16string_view prefix);
std::u16string allSongsFailed(std::u16string_view prefix);
std::u16string tooManyFailures(std::u16string_view prefix);
// A file that did not start; `song` is empty for a single-file job.
std::u16string openFailed(std::u16string_view prefix, PlayErrorKind kind, std::u16string_view song,
                          std::u16string_view errorText);
// A graph error while playing; `song` is empty for a single-file job.
std::u16string playbackFailed(std::u16string_view prefix, bool deviceFailure, std::u16string_view song,
                              std::u16string_view errorText);

}  // namespace jobText

inline constexpr std::u16string_view waitingText = u"排队等候";
inline constexpr std::u16string_view userStopReason = u"用户终止播放";
inline constexpr std::u16string_view deletedReason = u"该节目被删除";
