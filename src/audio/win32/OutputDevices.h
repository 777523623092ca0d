#pragma once
// The output devices: the DirectSound audio renderers as DirectShow lists them, named
// without their "DirectSound: " prefix; "Default DirectSound Device" is Windows' default.
#include <windows.h>

#include <strmif.h>
#include <wrl/client.h>

#include <string>
#include <string_view>
#include <vector>

#include "winutil/WideText.h"

struct OutputDeviceList {
    std::vector<std::u16string> names;  // in enumeration order, the default device not among them
    std::u16string errorText;           // set when the device enumerator is unavailable
};

OutputDeviceList listOutputDevices();

// "NullRenderer" gives the null renderer (sound discarded); no match gives none.
Microsoft::WRL::ComPtr<IBaseFilter> createAudioRenderer(std::u16string_view name);
