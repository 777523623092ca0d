// The pin as an IPin: connection to the renderer and the allocator handshake.
#include "OutputPin.h"

#include <uuids.h>
#include <vfwmsgs.h>

#include <algorithm>
#include <cwchar>

#include "MediaTypeEnumerator.h"
#include "SourceFilter.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr wchar_t pinName[] = L"Output";
constexpr long bufferCount = 4;
constexpr DWORD buffersPerSecond = 20;

}  // namespace

STDMETHODIMP_(ULONG) OutputPin::AddRef() {
    return filter_.AddRef();
}

STDMETHODIMP_(ULONG) OutputPin::Release() {
    return filter_.Release();
}

HRESULT OutputPin::offeredType(AM_MEDIA_TYPE& type) const {
    if (!reader_) return VFW_E_NO_TYPES;
    return makeMediaType(format_, type);
}

STDMETHODIMP OutputPin::Connect(IPin* receiver, const AM_MEDIA_TYPE* type) {
    if (!receiver) return E_POINTER;
    Locked lock(filter_.lock());
    if (peer_) return VFW_E_ALREADY_CONNECTED;
    if (filter_.state() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!reader_) return VFW_E_NO_ACCEPTABLE_TYPES;
    if (type && !matchesMediaType(format_, *type)) return VFW_E_TYPE_NOT_ACCEPTED;
    PIN_DIRECTION direction = PINDIR_OUTPUT;
    if (FAILED(receiver->QueryDirection(&direction)) || direction != PINDIR_INPUT) return VFW_E_INVALID_DIRECTION;

    HRESULT hr = makeMediaType(format_, connectionType_.get());
    if (FAILED(hr)) return hr;
    // Connected before asking, so that the receiver sees a consistent pin if it calls back.
    peer_ = receiver;
    hr = receiver->ReceiveConnection(this, &connectionType_.get());
    if (FAILED(hr)) {
        peer_.Reset();
        connectionType_.clear();
        return VFW_E_NO_ACCEPTABLE_TYPES;
    }
    ComPtr<IMemInputPin> input;
    ComPtr<IMemAllocator> allocator;
    hr = receiver->QueryInterface(IID_PPV_ARGS(&input));
    if (SUCCEEDED(hr)) hr = decideAllocator(input.Get(), allocator);
    if (FAILED(hr)) {
        receiver->Disconnect();
        peer_.Reset();
        connectionType_.clear();
        return hr;
    }
    input_ = std::move(input);
    allocator_ = std::move(allocator);
    return S_OK;
}

HRESULT OutputPin::decideAllocator(IMemInputPin* input, ComPtr<IMemAllocator>& chosen) const {
    ALLOCATOR_PROPERTIES wanted{};
    wanted.cBuffers = bufferCount;
    const DWORD framesPerBuffer = std::max<DWORD>(format_.samplesPerSecond / buffersPerSecond, 1);
    wanted.cbBuffer = static_cast<long>(format_.blockAlign() * framesPerBuffer);
    wanted.cbAlign = 1;
    ALLOCATOR_PROPERTIES required{};
    if (SUCCEEDED(input->GetAllocatorRequirements(&required))) {
        wanted.cBuffers = std::max(wanted.cBuffers, required.cBuffers);
        wanted.cbAlign = std::max(wanted.cbAlign, required.cbAlign);
        wanted.cbPrefix = required.cbPrefix;
    }
    const auto tryAllocator = [&](IMemAllocator* allocator) {
        ALLOCATOR_PROPERTIES actual{};
        HRESULT hr = allocator->SetProperties(&wanted, &actual);
        if (SUCCEEDED(hr) && (actual.cBuffers < 1 || actual.cbBuffer < format_.blockAlign())) hr = VFW_E_SIZENOTSET;
        if (SUCCEEDED(hr)) hr = input->NotifyAllocator(allocator, FALSE);
        return hr;
    };

    // Downstream's own allocator first, then a standard one of ours.
    ComPtr<IMemAllocator> allocator;
    if (SUCCEEDED(input->GetAllocator(&allocator)) && SUCCEEDED(tryAllocator(allocator.Get()))) {
        chosen = std::move(allocator);
        return S_OK;
    }
    allocator.Reset();
    HRESULT hr = CoCreateInstance(CLSID_MemoryAllocator, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&allocator));
    if (SUCCEEDED(hr)) hr = tryAllocator(allocator.Get());
    if (SUCCEEDED(hr)) chosen = std::move(allocator);
    return hr;
}

STDMETHODIMP OutputPin::ReceiveConnection(IPin*, const AM_MEDIA_TYPE*) {
    return VFW_E_INVALID_DIRECTION;
}

STDMETHODIMP OutputPin::Disconnect() {
    Locked lock(filter_.lock());
    if (filter_.state() != State_Stopped) return VFW_E_NOT_STOPPED;
    if (!peer_) return S_FALSE;
    allocator_->Decommit();
    allocator_.Reset();
    input_.Reset();
    peer_.Reset();
    connectionType_.clear();
    return S_OK;
}

STDMETHODIMP OutputPin::ConnectedTo(IPin** pin) {
    if (!pin) return E_POINTER;
    Locked lock(filter_.lock());
    *pin = peer_.Get();
    if (!*pin) return VFW_E_NOT_CONNECTED;
    (*pin)->AddRef();
    return S_OK;
}

STDMETHODIMP OutputPin::ConnectionMediaType(AM_MEDIA_TYPE* type) {
    if (!type) return E_POINTER;
    Locked lock(filter_.lock());
    *type = AM_MEDIA_TYPE{};
    if (!peer_) return VFW_E_NOT_CONNECTED;
    return copyMediaType(*type, connectionType_.get());
}

STDMETHODIMP OutputPin::QueryPinInfo(PIN_INFO* info) {
    if (!info) return E_POINTER;
    info->pFilter = &filter_;
    filter_.AddRef();
    info->dir = PINDIR_OUTPUT;
    wcscpy(info->achName, pinName);
    return S_OK;
}

STDMETHODIMP OutputPin::QueryDirection(PIN_DIRECTION* direction) {
    if (!direction) return E_POINTER;
    *direction = PINDIR_OUTPUT;
    return S_OK;
}

STDMETHODIMP OutputPin::QueryId(LPWSTR* id) {
    if (!id) return E_POINTER;
    *id = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof(pinName)));
    if (!*id) return E_OUTOFMEMORY;
    wcscpy(*id, pinName);
    return S_OK;
}

STDMETHODIMP OutputPin::QueryAccept(const AM_MEDIA_TYPE* type) {
    if (!type) return E_POINTER;
    Locked lock(filter_.lock());
    return reader_ && matchesMediaType(format_, *type) ? S_OK : S_FALSE;
}

STDMETHODIMP OutputPin::EnumMediaTypes(IEnumMediaTypes** enumerator) {
    if (!enumerator) return E_POINTER;
    Locked lock(filter_.lock());
    if (!reader_) return MediaTypeEnumerator::create(nullptr, 0, enumerator);
    OwnedMediaType type;
    const HRESULT hr = makeMediaType(format_, type.get());
    if (FAILED(hr)) return hr;
    return MediaTypeEnumerator::create(&type.get(), 0, enumerator);
}

STDMETHODIMP OutputPin::QueryInternalConnections(IPin**, ULONG*) {
    return E_NOTIMPL;
}

// Data and flushes only ever flow out of this pin.
STDMETHODIMP OutputPin::EndOfStream() {
    return E_UNEXPECTED;
}

STDMETHODIMP OutputPin::BeginFlush() {
    return E_UNEXPECTED;
}

STDMETHODIMP OutputPin::EndFlush() {
    return E_UNEXPECTED;
}

STDMETHODIMP OutputPin::NewSegment(REFERENCE_TIME, REFERENCE_TIME, double) {
    return S_OK;
}
