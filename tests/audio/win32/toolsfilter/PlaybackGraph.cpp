#include "PlaybackGraph.h"

#include <evcode.h>
#include <oleauto.h>

#include <string_view>

#include "FilterModule.h"
#include "audio/DefaultDevice.h"

using Microsoft::WRL::ComPtr;

namespace {

bool hasFriendlyName(IMoniker* moniker, std::u16string_view name) {
    ComPtr<IPropertyBag> properties;
    if (FAILED(moniker->BindToStorage(nullptr, nullptr, IID_PPV_ARGS(&properties)))) return false;
    VARIANT value;
    VariantInit(&value);
    const bool same = SUCCEEDED(properties->Read(L"FriendlyName", &value, nullptr)) && value.vt == VT_BSTR &&
                      reinterpret_cast<const char16_t*>(value.bstrVal) == name;
    VariantClear(&value);
    return same;
}

}  // namespace

HRESULT createDefaultDirectSoundRenderer(ComPtr<IBaseFilter>& renderer) {
    ComPtr<ICreateDevEnum> devices;
    HRESULT hr = CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&devices));
    if (FAILED(hr)) return hr;
    ComPtr<IEnumMoniker> monikers;
    hr = devices->CreateClassEnumerator(CLSID_AudioRendererCategory, &monikers, 0);
    if (hr != S_OK) return VFW_E_NO_AUDIO_HARDWARE;
    ComPtr<IMoniker> moniker;
    while (monikers->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK) {
        if (hasFriendlyName(moniker.Get(), defaultDeviceName)) {
            return moniker->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&renderer));
        }
    }
    return VFW_E_NO_AUDIO_HARDWARE;
}

HRESULT PlaybackGraph::build(const std::wstring& file, IBaseFilter* otherRenderer) {
    HRESULT hr = CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&graph));
    if (SUCCEEDED(hr)) hr = graph.As(&control);
    if (SUCCEEDED(hr)) hr = graph.As(&seeking);
    // mingw's control.h gives IMediaEvent no __uuidof.
    if (SUCCEEDED(hr)) hr = graph->QueryInterface(IID_IMediaEvent, reinterpret_cast<void**>(events.GetAddressOf()));
    if (SUCCEEDED(hr)) {
        renderer = otherRenderer;
        if (!renderer) hr = createDefaultDirectSoundRenderer(renderer);
    }
    if (SUCCEEDED(hr)) hr = loadToolsSource(file, source);
    if (SUCCEEDED(hr)) hr = graph->AddFilter(source.Get(), L"source");
    if (SUCCEEDED(hr)) hr = graph->AddFilter(renderer.Get(), L"renderer");
    ComPtr<IPin> output;
    ComPtr<IPin> input;
    if (SUCCEEDED(hr)) hr = firstPin(source.Get(), PINDIR_OUTPUT, output);
    if (SUCCEEDED(hr)) hr = firstPin(renderer.Get(), PINDIR_INPUT, input);
    if (SUCCEEDED(hr)) hr = graph->ConnectDirect(output.Get(), input.Get(), nullptr);
    if (SUCCEEDED(hr)) hr = output.As(&sourceSeeking);
    return hr;
}

void PlaybackGraph::release() {
    if (control) control->Stop();
    if (graph) {
        if (source) graph->RemoveFilter(source.Get());
        if (renderer) graph->RemoveFilter(renderer.Get());
    }
    sourceSeeking.Reset();
    source.Reset();
    renderer.Reset();
    events.Reset();
    seeking.Reset();
    control.Reset();
    graph.Reset();
}

void pumpMessages(DWORD milliseconds) {
    const ULONGLONG until = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        const ULONGLONG now = GetTickCount64();
        if (now >= until) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
    }
}

long waitForEnd(IMediaSeeking* seeking, DWORD limitMs) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        LONGLONG current = 0;
        LONGLONG stop = 0;
        if (SUCCEEDED(seeking->GetCurrentPosition(&current)) && SUCCEEDED(seeking->GetStopPosition(&stop)) &&
            current >= stop) {
            return static_cast<long>(GetTickCount64() - start);
        }
        if (GetTickCount64() - start > limitMs) return -1;
        pumpMessages(10);
    }
}

long waitForEvent(IMediaEvent* events, long wanted, DWORD limitMs, LONG_PTR* firstParameter) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        long code = 0;
        LONG_PTR first = 0;
        LONG_PTR second = 0;
        while (events->GetEvent(&code, &first, &second, 0) == S_OK) {
            events->FreeEventParams(code, first, second);
            if (code != wanted) continue;
            if (firstParameter) *firstParameter = first;
            return static_cast<long>(GetTickCount64() - start);
        }
        if (GetTickCount64() - start > limitMs) return -1;
        pumpMessages(5);
    }
}

long waitForComplete(IMediaEvent* events, DWORD limitMs) {
    return waitForEvent(events, EC_COMPLETE, limitMs);
}

HRESULT settle(IMediaControl* control, OAFilterState& state) {
    HRESULT hr = VFW_S_STATE_INTERMEDIATE;
    for (int attempt = 0; attempt < 100 && hr == VFW_S_STATE_INTERMEDIATE; ++attempt) {
        hr = control->GetState(20, &state);
        pumpMessages(1);
    }
    return hr;
}
