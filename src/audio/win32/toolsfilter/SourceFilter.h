#pragma once
// The push source filter: IBaseFilter with its one output pin, and IFileSourceFilter to name the
// file. Seeking is answered by the pin only: a graph that also found IMediaSeeking on the filter
// would seek the source twice, once directly and once through the renderer.
#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include <atomic>
#include <string>

#include "ModuleCount.h"
#include "OutputPin.h"
#include "Streamer.h"
#include "winutil/ComObject.h"
#include "winutil/CriticalSection.h"

class SourceFilter final
    : public ComObject<ComInterface<IBaseFilter, IMediaFilter, IPersist>, ComInterface<IFileSourceFilter>>,
      public StreamErrorSink,
      private CountedObject {
public:
    static HRESULT create(REFIID iid, void** object);

    // For the pin.
    CriticalSection& lock() { return lock_; }
    FILTER_STATE state() const { return state_; }
    // Reports a decoding failure to the graph; called on the streaming thread.
    void streamFailed(HRESULT hr) override;

    STDMETHODIMP GetClassID(CLSID* classId) override;

    STDMETHODIMP Stop() override;
    STDMETHODIMP Pause() override;
    STDMETHODIMP Run(REFERENCE_TIME start) override;
    STDMETHODIMP GetState(DWORD timeoutMs, FILTER_STATE* state) override;
    STDMETHODIMP SetSyncSource(IReferenceClock* clock) override;
    STDMETHODIMP GetSyncSource(IReferenceClock** clock) override;

    STDMETHODIMP EnumPins(IEnumPins** enumerator) override;
    STDMETHODIMP FindPin(LPCWSTR id, IPin** pin) override;
    STDMETHODIMP QueryFilterInfo(FILTER_INFO* info) override;
    STDMETHODIMP JoinFilterGraph(IFilterGraph* graph, LPCWSTR name) override;
    STDMETHODIMP QueryVendorInfo(LPWSTR* info) override;

    STDMETHODIMP Load(LPCOLESTR path, const AM_MEDIA_TYPE* type) override;
    STDMETHODIMP GetCurFile(LPOLESTR* path, AM_MEDIA_TYPE* type) override;

private:
    SourceFilter() = default;
    ~SourceFilter() = default;
    HRESULT activate();

    // Recursive: the filter's methods call each other and the downstream pin calls back in.
    CriticalSection lock_;
    FILTER_STATE state_ = State_Stopped;
    Microsoft::WRL::ComPtr<IReferenceClock> clock_;
    // Not held: the graph holds the filter. Atomic for the streaming thread's error reports.
    std::atomic<IFilterGraph*> graph_{nullptr};
    std::wstring name_;
    std::wstring path_;
    // Last, so that it goes first: its streaming uses the lock above.
    OutputPin pin_{*this};
};
