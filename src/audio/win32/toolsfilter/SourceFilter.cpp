#include "SourceFilter.h"

#include <evcode.h>
#include <vfwmsgs.h>

#include <cwchar>
#include <algorithm>
#include <new>

#include "PcmReader.h"
#include "PinEnumerator.h"
#include "SourceFilterClass.h"

using Microsoft::WRL::ComPtr;

namespace {

HRESULT copyToTaskMemory(const std::wstring& text, LPWSTR* copy) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    *copy = static_cast<LPWSTR>(CoTaskMemAlloc(bytes));
    if (!*copy) return E_OUTOFMEMORY;
    wmemcpy(*copy, text.c_str(), text.size() + 1);
    return S_OK;
}

}  // namespace

HRESULT SourceFilter::create(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    return handOver(new (std::nothrow) SourceFilter(), iid, object);
}

STDMETHODIMP SourceFilter::GetClassID(CLSID* classId) {
    if (!classId) return E_POINTER;
    *classId = sourceFilterClassId;
    return S_OK;
}

HRESULT SourceFilter::activate() {
    if (state_ != State_Stopped) return S_OK;
    const HRESULT hr = pin_.activate();
    // Also as an event: a graph that already holds another filter's S_FALSE for the same state
    // change may not pass this failure on, and the renderer would wait for data forever.
    if (FAILED(hr)) streamFailed(hr);
    return hr;
}

STDMETHODIMP SourceFilter::Stop() {
    Locked lock(lock_);
    if (state_ != State_Stopped) pin_.deactivate();
    state_ = State_Stopped;
    return S_OK;
}

STDMETHODIMP SourceFilter::Pause() {
    Locked lock(lock_);
    const HRESULT hr = activate();
    if (FAILED(hr)) return hr;
    state_ = State_Paused;
    return S_OK;
}

// Downstream paces the samples by their time stamps; the source itself ignores the start time.
STDMETHODIMP SourceFilter::Run(REFERENCE_TIME) {
    Locked lock(lock_);
    const HRESULT hr = activate();
    if (FAILED(hr)) return hr;
    state_ = State_Running;
    return S_OK;
}

STDMETHODIMP SourceFilter::GetState(DWORD, FILTER_STATE* state) {
    if (!state) return E_POINTER;
    Locked lock(lock_);
    *state = state_;
    return S_OK;
}

STDMETHODIMP SourceFilter::SetSyncSource(IReferenceClock* clock) {
    Locked lock(lock_);
    clock_ = clock;
    return S_OK;
}

STDMETHODIMP SourceFilter::GetSyncSource(IReferenceClock** clock) {
    if (!clock) return E_POINTER;
    Locked lock(lock_);
    *clock = clock_.Get();
    if (*clock) (*clock)->AddRef();
    return S_OK;
}

STDMETHODIMP SourceFilter::EnumPins(IEnumPins** enumerator) {
    return PinEnumerator::create(this, &pin_, 0, enumerator);
}

STDMETHODIMP SourceFilter::FindPin(LPCWSTR id, IPin** pin) {
    if (!id || !pin) return E_POINTER;
    *pin = nullptr;
    LPWSTR pinId = nullptr;
    const HRESULT hr = pin_.QueryId(&pinId);
    if (FAILED(hr)) return hr;
    const bool found = wcscmp(id, pinId) == 0;
    CoTaskMemFree(pinId);
    if (!found) return VFW_E_NOT_FOUND;
    *pin = &pin_;
    pin_.AddRef();
    return S_OK;
}

STDMETHODIMP SourceFilter::QueryFilterInfo(FILTER_INFO* info) {
    if (!info) return E_POINTER;
    Locked lock(lock_);
    const std::size_t length = std::min<std::size_t>(name_.size(), MAX_FILTER_NAME - 1);
    wmemcpy(info->achName, name_.c_str(), length);
    info->achName[length] = L'\0';
    info->pGraph = graph_.load();
    if (info->pGraph) info->pGraph->AddRef();
    return S_OK;
}

STDMETHODIMP SourceFilter::JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) {
    Locked lock(lock_);
    graph_ = graph;
    name_ = name ? name : L"";
    return S_OK;
}

STDMETHODIMP SourceFilter::QueryVendorInfo(LPWSTR*) {
    return E_NOTIMPL;
}

STDMETHODIMP SourceFilter::Load(LPCOLESTR path, const AM_MEDIA_TYPE*) {
    if (!path) return E_POINTER;
    Locked lock(lock_);
    if (state_ != State_Stopped) return VFW_E_NOT_STOPPED;
    if (pin_.isConnected()) return VFW_E_ALREADY_CONNECTED;
    // Streaming reads from this same reader: under Wine every reader opened costs memory that
    // its release does not give back, and a school plays thousands of files between restarts.
    auto reader = std::make_unique<PcmReader>();
    const HRESULT hr = reader->open(path);
    if (FAILED(hr)) return hr;
    path_ = path;
    pin_.setSource(std::move(reader));
    return S_OK;
}

STDMETHODIMP SourceFilter::GetCurFile(LPOLESTR* path, AM_MEDIA_TYPE* type) {
    if (!path) return E_POINTER;
    Locked lock(lock_);
    *path = nullptr;
    if (type) *type = AM_MEDIA_TYPE{};
    if (path_.empty()) return E_FAIL;
    HRESULT hr = copyToTaskMemory(path_, path);
    if (SUCCEEDED(hr) && type) hr = pin_.offeredType(*type);
    if (FAILED(hr)) {
        CoTaskMemFree(*path);
        *path = nullptr;
    }
    return hr;
}

void SourceFilter::streamFailed(HRESULT hr) {
    IFilterGraph* graph = graph_.load();
    if (!graph) return;
    ComPtr<IMediaEventSink> events;
    if (SUCCEEDED(graph->QueryInterface(IID_PPV_ARGS(&events)))) {
        events->Notify(EC_ERRORABORT, static_cast<LONG_PTR>(hr), 0);
    }
}
