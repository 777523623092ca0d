#include "MediaTypeEnumerator.h"

#include <algorithm>
#include <new>

HRESULT MediaTypeEnumerator::create(const AM_MEDIA_TYPE* type, ULONG position, IEnumMediaTypes** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    auto* created = new (std::nothrow) MediaTypeEnumerator(position);
    if (!created) return E_OUTOFMEMORY;
    if (type && type->majortype != GUID_NULL) {
        const HRESULT hr = copyMediaType(created->type_.get(), *type);
        if (FAILED(hr)) {
            created->Release();
            return hr;
        }
    }
    *enumerator = created;
    return S_OK;
}

STDMETHODIMP MediaTypeEnumerator::Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) {
    if (!types) return E_POINTER;
    if (count != 1 && !fetched) return E_INVALIDARG;
    ULONG given = 0;
    if (count > 0 && position_ < typeCount()) {
        const HRESULT hr = allocateMediaTypeCopy(type_.get(), types[0]);
        if (FAILED(hr)) return hr;
        ++position_;
        given = 1;
    }
    if (fetched) *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

STDMETHODIMP MediaTypeEnumerator::Skip(ULONG count) {
    const ULONG step = std::min(count, typeCount() - std::min(position_, typeCount()));
    position_ += step;
    return step == count ? S_OK : S_FALSE;
}

STDMETHODIMP MediaTypeEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

STDMETHODIMP MediaTypeEnumerator::Clone(IEnumMediaTypes** clone) {
    return create(typeCount() ? &type_.get() : nullptr, position_, clone);
}
