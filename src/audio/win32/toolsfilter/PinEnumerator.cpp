#include "PinEnumerator.h"

#include <new>

PinEnumerator::PinEnumerator(IBaseFilter* filter, IPin* pin, ULONG position)
    : filter_(filter), pin_(pin), cursor_(1, position) {}

HRESULT PinEnumerator::create(IBaseFilter* filter, IPin* pin, ULONG position, IEnumPins** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = new (std::nothrow) PinEnumerator(filter, pin, position);
    return *enumerator ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP PinEnumerator::Next(ULONG count, IPin** pins, ULONG* fetched) {
    return cursor_.next(count, pins, fetched, [&](IPin*& slot) {
        slot = pin_;
        pin_->AddRef();
        return S_OK;
    });
}

STDMETHODIMP PinEnumerator::Skip(ULONG count) {
    return cursor_.skip(count);
}

STDMETHODIMP PinEnumerator::Reset() {
    cursor_.reset();
    return S_OK;
}

STDMETHODIMP PinEnumerator::Clone(IEnumPins** clone) {
    return create(filter_.Get(), pin_, cursor_.position(), clone);
}
