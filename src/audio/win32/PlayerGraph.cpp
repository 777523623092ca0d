#include "audio/win32/PlayerGraph.h"

#include <uuids.h>

#include "audio/win32/DirectShowIds.h"
#include "data/win32/WideText.h"

using Microsoft::WRL::ComPtr;

HRESULT PlayerGraph::create() {
    HRESULT result = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&builder));
    if (SUCCEEDED(result)) result = builder.As(&control);
    if (SUCCEEDED(result)) result = builder.As(&events);
    if (SUCCEEDED(result)) result = builder.As(&seeking);
    return result;
}

void PlayerGraph::release() {
    if (builder) {
        for (const ComPtr<IBaseFilter>* filter : {&source, &asfReader, &wmaDecoder, &renderer}) {
            if (*filter) builder->RemoveFilter(filter->Get());
        }
    }
    audio.Reset();
    seeking.Reset();
    events.Reset();
    control.Reset();
    source.Reset();
    asfReader.Reset();
    wmaDecoder.Reset();
    renderer.Reset();
    builder.Reset();
}

std::vector<std::u16string> PlayerGraph::filterNames() const {
    std::vector<std::u16string> names;
    ComPtr<IEnumFilters> filters;
    if (!builder || FAILED(builder->EnumFilters(&filters)) || !filters) return names;
    for (ComPtr<IBaseFilter> filter; filters->Next(1, filter.ReleaseAndGetAddressOf(), nullptr) == S_OK;) {
        FILTER_INFO info{};
        if (FAILED(filter->QueryFilterInfo(&info))) continue;
        if (info.pGraph) info.pGraph->Release();
        names.push_back(fromWide(info.achName));
    }
    return names;
}
