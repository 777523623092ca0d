#pragma once
// IEnumPins over the filter's single pin.
#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include "ModuleCount.h"
#include "OneItemCursor.h"
#include "winutil/ComObject.h"

class PinEnumerator final : public ComObject<ComInterface<IEnumPins>>, private CountedObject {
public:
    static HRESULT create(IBaseFilter* filter, IPin* pin, ULONG position, IEnumPins** enumerator);

    STDMETHODIMP Next(ULONG count, IPin** pins, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumPins** clone) override;

private:
    PinEnumerator(IBaseFilter* filter, IPin* pin, ULONG position);

    // Holds the filter, which owns the pin.
    Microsoft::WRL::ComPtr<IBaseFilter> filter_;
    IPin* pin_;
    OneItemCursor cursor_;
};
