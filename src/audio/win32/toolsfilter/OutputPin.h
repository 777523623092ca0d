#pragma once
// The filter's only pin: offers the decoded PCM, sets up the downstream allocator, owns the
// streaming and answers seeking in 100-ns units. It lives inside the filter and shares its
// reference count, as DirectShow pins do.
#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include <memory>

#include "MediaType.h"
#include "PcmFormat.h"
#include "PcmReader.h"
#include "Streamer.h"
#include "winutil/ComObject.h"
#include "winutil/CriticalSection.h"

class SourceFilter;

class OutputPin final : public ComInterfaces<ComInterface<IPin>, ComInterface<IMediaSeeking>> {
public:
    explicit OutputPin(SourceFilter& filter) : filter_(filter) {}
    OutputPin(const OutputPin&) = delete;
    OutputPin& operator=(const OutputPin&) = delete;

    // The filter calls these under its lock.
    // Takes the reader Load opened: it streams from it, so each file is opened once.
    void setSource(std::unique_ptr<PcmReader> reader);
    HRESULT offeredType(AM_MEDIA_TYPE& type) const;
    bool isConnected() const { return static_cast<bool>(peer_); }
    // Stopped to paused: starts streaming from the current position.
    HRESULT activate();
    // Back to stopped: ends the streaming, keeping the position reached and the file open.
    void deactivate();

    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Connect(IPin* receiver, const AM_MEDIA_TYPE* type) override;
    STDMETHODIMP ReceiveConnection(IPin* connector, const AM_MEDIA_TYPE* type) override;
    STDMETHODIMP Disconnect() override;
    STDMETHODIMP ConnectedTo(IPin** pin) override;
    STDMETHODIMP ConnectionMediaType(AM_MEDIA_TYPE* type) override;
    STDMETHODIMP QueryPinInfo(PIN_INFO* info) override;
    STDMETHODIMP QueryDirection(PIN_DIRECTION* direction) override;
    STDMETHODIMP QueryId(LPWSTR* id) override;
    STDMETHODIMP QueryAccept(const AM_MEDIA_TYPE* type) override;
    STDMETHODIMP EnumMediaTypes(IEnumMediaTypes** enumerator) override;
    STDMETHODIMP QueryInternalConnections(IPin** pins, ULONG* count) override;
    STDMETHODIMP EndOfStream() override;
    STDMETHODIMP BeginFlush() override;
    STDMETHODIMP EndFlush() override;
    STDMETHODIMP NewSegment(REFERENCE_TIME start, REFERENCE_TIME stop, double rate) override;

    STDMETHODIMP GetCapabilities(DWORD* capabilities) override;
    STDMETHODIMP CheckCapabilities(DWORD* capabilities) override;
    STDMETHODIMP IsFormatSupported(const GUID* format) override;
    STDMETHODIMP QueryPreferredFormat(GUID* format) override;
    STDMETHODIMP GetTimeFormat(GUID* format) override;
    STDMETHODIMP IsUsingTimeFormat(const GUID* format) override;
    STDMETHODIMP SetTimeFormat(const GUID* format) override;
    STDMETHODIMP GetDuration(LONGLONG* duration) override;
    STDMETHODIMP GetStopPosition(LONGLONG* stop) override;
    STDMETHODIMP GetCurrentPosition(LONGLONG* current) override;
    STDMETHODIMP ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                                   const GUID* sourceFormat) override;
    STDMETHODIMP SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) override;
    STDMETHODIMP GetPositions(LONGLONG* current, LONGLONG* stop) override;
    STDMETHODIMP GetAvailable(LONGLONG* earliest, LONGLONG* latest) override;
    STDMETHODIMP SetRate(double rate) override;
    STDMETHODIMP GetRate(double* rate) override;
    STDMETHODIMP GetPreroll(LONGLONG* preroll) override;

private:
    HRESULT decideAllocator(IMemInputPin* input, Microsoft::WRL::ComPtr<IMemAllocator>& chosen) const;
    HRESULT startStreaming();
    HRESULT restartStreaming(REFERENCE_TIME current, REFERENCE_TIME stop);
    REFERENCE_TIME currentPositionLocked() const;

    SourceFilter& filter_;

    // Under the filter's lock.
    // The reader's format, copied: the streaming thread has the reader while it runs.
    PcmFormat format_;
    Microsoft::WRL::ComPtr<IPin> peer_;
    Microsoft::WRL::ComPtr<IMemInputPin> input_;
    Microsoft::WRL::ComPtr<IMemAllocator> allocator_;
    OwnedMediaType connectionType_;
    // Open from Load until the filter goes; declared before the streamer, which uses it.
    std::unique_ptr<PcmReader> reader_;

    // Positions have a lock of their own, never held while calling out: downstream may ask for
    // the position from inside Receive while a seek holds the filter's lock and waits for the thread.
    mutable CriticalSection positionLock_;
    REFERENCE_TIME duration_ = 0;
    // Where the current (or next) segment starts.
    REFERENCE_TIME segmentStart_ = 0;
    StreamProgress progress_;

    Streamer streamer_;
};
