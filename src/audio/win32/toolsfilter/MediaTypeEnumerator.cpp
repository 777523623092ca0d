#include "MediaTypeEnumerator.h"

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
        created->cursor_.setItemCount(1);
    }
    *enumerator = created;
    return S_OK;
}

STDMETHODIMP MediaTypeEnumerator::Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) {
    return cursor_.next(count, types, fetched,
                        [&](AM_MEDIA_TYPE*& slot) { return allocateMediaTypeCopy(type_.get(), slot); });
}

STDMETHODIMP MediaTypeEnumerator::Skip(ULONG count) {
    return cursor_.skip(count);
}

STDMETHODIMP MediaTypeEnumerator::Reset() {
    cursor_.reset();
    return S_OK;
}

STDMETHODIMP MediaTypeEnumerator::Clone(IEnumMediaTypes** clone) {
    return create(type_.empty() ? nullptr : &type_.get(), cursor_.position(), clone);
}
