#pragma once
// The settings file "设置t": the record in file order and its digest.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "system/SettingsRecord.h"

inline constexpr std::u16string_view settingsFileName = u"设置t";

const DataFileTexts& settingsFileTexts();

// The field checks of a record as read; cuts the device name to its capacity.
bool acceptLoadedSettings(SettingsRecord& settings);

// Starts from the defaults; any failure leaves the defaults.
ReadResult loadSettings(const DataFileContext& context, SettingsRecord& settings);

std::vector<std::uint8_t> settingsPayload(const SettingsRecord& settings);

SaveResult saveSettings(const DataFileContext& context, const SettingsRecord& settings);
