#pragma once
// The web console's settings file "网页t": the record in file order and its digest.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "web/WebSettingsRecord.h"

inline constexpr std::u16string_view webSettingsFileName = u"网页t";

// The field checks of a record as read: the port, the hash's algorithm and count, the flags,
// and a console that is on only with a password.
bool acceptLoadedWebSettings(const WebSettingsRecord& settings);

// Starts from the defaults; any failure leaves the defaults.
ReadResult loadWebSettings(const DataFileContext& context, WebSettingsRecord& settings);

std::vector<std::uint8_t> webSettingsPayload(const WebSettingsRecord& settings);

SaveResult saveWebSettings(const DataFileContext& context, const WebSettingsRecord& settings);
