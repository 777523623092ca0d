#include "PinEnumerator.h"

#include <algorithm>
#include <new>

PinEnumerator::PinEnumerator(IBaseFilter* filter, IPin* pin, ULONG position)
    : filter_(filter), pin_(pin), position_(position) {}

HRESULT PinEnumerator::create(IBaseFilter* filter, IPin* pin, ULONG position, IEnumPins** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = new (std::nothrow) PinEnumerator(filter, pin, position);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP PinEnumerator::Next(ULONG count, IPin** pins, ULONG* fetched) {
    if (!pins) return E_POINTER;
    if (count != 1 && !fetched) return E_INVALIDARG;
    ULONG given = 0;
    if (count > 0 && position_ == 0) {
        pins[0] = pin_;
        pin_->AddRef();
        ++position_;
        given = 1;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

STDMETHODIMP PinEnumerator::Skip(ULONG count) {
    const ULONG step = std::min<ULONG>(count, position_ == 0 ? 1 : 0);
    position_ += step;
    return step == count ? S_OK : S_FALSE;
}

STDMETHODIMP PinEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

STDMETHODIMP PinEnumerator::Clone(IEnumPins** clone) {
    return create(filter_.Get(), pin_, position_, clone);
}
