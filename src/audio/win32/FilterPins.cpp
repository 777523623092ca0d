#include "audio/win32/FilterPins.h"

using Microsoft::WRL::ComPtr;

ComPtr<IPin> pinOf(IBaseFilter& filter, PIN_DIRECTION direction, int n) {
    ComPtr<IEnumPins> pins;
    if (FAILED(filter.EnumPins(&pins)) || !pins) return nullptr;
    for (ComPtr<IPin> pin; pins->Next(1, pin.ReleaseAndGetAddressOf(), nullptr) == S_OK;) {
        PIN_DIRECTION pinDirection;
        if (SUCCEEDED(pin->QueryDirection(&pinDirection)) && pinDirection == direction && n-- == 0) return pin;
    }
    return nullptr;
}

HRESULT connectFirstPins(IGraphBuilder& graph, IBaseFilter& upstream, IBaseFilter& downstream) {
    const ComPtr<IPin> output = pinOf(upstream, PINDIR_OUTPUT, 0);
    const ComPtr<IPin> input = pinOf(downstream, PINDIR_INPUT, 0);
    if (!output || !input) return E_FAIL;
    return graph.ConnectDirect(output.Get(), input.Get(), nullptr);
}
