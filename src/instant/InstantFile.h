#pragma once
// The immediate-play list "立即播t": volume, mode, item count, the items, count mode, song
// count, seconds, then the MD5 digest. It has no read-failed flag and no save question.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "instant/InstantItem.h"

inline constexpr std::u16string_view instantFileName = u"立即播t";

const DataFileTexts& instantFileTexts();

// The list of a new installation: the sample song of the music folder.
std::vector<InstantItem> defaultInstantItems(std::u16string_view musicDir);

// Neither the file nor its companion: the default list and options, no message. A failure
// empties the list and resets the options. `context.readFailed` is not used.
ReadResult loadInstant(const DataFileContext& context, std::u16string_view musicDir, std::vector<InstantItem>& items,
                       InstantOptions& options);

std::vector<std::uint8_t> instantPayload(const std::vector<InstantItem>& items, const InstantOptions& options);

SaveResult saveInstant(const DataFileContext& context, const std::vector<InstantItem>& items,
                       const InstantOptions& options);
