#pragma once
// The tools folder and its source filter, created through the filter file's own
// DllGetClassObject: nothing is registered with Windows.
#include <windows.h>

#include <strmif.h>
#include <wrl/client.h>

#include <string>
#include <string_view>

struct AudioToolsConfig {
    std::u16string toolsFolder;  // the program folder's "lvtx_tools"
};

AudioToolsConfig toolsConfigFor(std::u16string_view exeDir);
std::u16string toolsSourceFilterPath(const AudioToolsConfig& config);
// The short chime played to wake a device.
std::u16string testSoundPath(const AudioToolsConfig& config);

// The filter file is loaded on first use and kept for the life of the process. E_FAIL when
// the file is absent, does not load, lacks the export or makes no instance.
HRESULT createToolsSource(const AudioToolsConfig& config, Microsoft::WRL::ComPtr<IBaseFilter>& source);
