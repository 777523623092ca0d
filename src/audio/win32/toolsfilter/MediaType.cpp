#include "MediaType.h"

#include <cstring>

void freeMediaTypeContents(AM_MEDIA_TYPE& type) {
    if (type.pbFormat) CoTaskMemFree(type.pbFormat);
    if (type.pUnk) type.pUnk->Release();
    type = AM_MEDIA_TYPE{};
}

HRESULT copyMediaType(AM_MEDIA_TYPE& target, const AM_MEDIA_TYPE& source) {
    AM_MEDIA_TYPE copy = source;
    if (source.cbFormat != 0 && source.pbFormat) {
        copy.pbFormat = static_cast<BYTE*>(CoTaskMemAlloc(source.cbFormat));
        if (!copy.pbFormat) return E_OUTOFMEMORY;
        std::memcpy(copy.pbFormat, source.pbFormat, source.cbFormat);
    } else {
        copy.cbFormat = 0;
        copy.pbFormat = nullptr;
    }
    if (copy.pUnk) copy.pUnk->AddRef();
    freeMediaTypeContents(target);
    target = copy;
    return S_OK;
}

HRESULT allocateMediaTypeCopy(const AM_MEDIA_TYPE& source, AM_MEDIA_TYPE*& copy) {
    copy = static_cast<AM_MEDIA_TYPE*>(CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (!copy) return E_OUTOFMEMORY;
    *copy = AM_MEDIA_TYPE{};
    const HRESULT hr = copyMediaType(*copy, source);
    if (FAILED(hr)) {
        CoTaskMemFree(copy);
        copy = nullptr;
    }
    return hr;
}
