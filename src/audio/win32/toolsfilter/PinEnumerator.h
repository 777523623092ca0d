#pragma once
// IEnumPins over the filter's single pin.
#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include <atomic>

#include "ModuleCount.h"

class PinEnumerator final : public IEnumPins, private CountedObject {
public:
    static HRESULT create(IBaseFilter* filter, IPin* pin, ULONG position, IEnumPins** enumerator);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP Next(ULONG count, IPin** pins, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumPins** clone) override;

private:
    PinEnumerator(IBaseFilter* filter, IPin* pin, ULONG position);

    std::atomic<ULONG> references_{1};
    // Holds the filter, which owns the pin.
    Microsoft::WRL::ComPtr<IBaseFilter> filter_;
    IPin* pin_;
    ULONG position_;
};
