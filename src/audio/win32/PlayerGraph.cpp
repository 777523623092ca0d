#include "audio/win32/PlayerGraph.h"

#include <uuids.h>

#include <initializer_list>

#include "audio/win32/DirectShowIds.h"

HRESULT PlayerGraph::create() {
    HRESULT result = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&builder));
    if (SUCCEEDED(result)) result = builder.As(&control);
    if (SUCCEEDED(result)) result = builder.As(&events);
    if (SUCCEEDED(result)) result = builder.As(&seeking);
    return result;
}

void PlayerGraph::release() {
    if (builder) {
        for (IBaseFilter* filter : {source.Get(), asfReader.Get(), wmaDecoder.Get(), renderer.Get()}) {
            if (filter) builder->RemoveFilter(filter);
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
