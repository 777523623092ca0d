#pragma once
// Pins by direction and position, and the direct connection of two filters' first pins.
#include <windows.h>

#include <strmif.h>
#include <wrl/client.h>

// The n-th pin of `filter` facing `direction`, in enumeration order; none when there is no such pin.
Microsoft::WRL::ComPtr<IPin> pinOf(IBaseFilter& filter, PIN_DIRECTION direction, int n);

// ConnectDirect of the upstream filter's output pin 0 to the downstream filter's input
// pin 0, with no media type; E_FAIL when either pin is missing.
HRESULT connectFirstPins(IGraphBuilder& graph, IBaseFilter& upstream, IBaseFilter& downstream);
