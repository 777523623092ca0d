#pragma once
// AM_MEDIA_TYPE ownership: the format block and pUnk belong to the structure, as DirectShow
// expects of types handed across pins and enumerators.
#include <windows.h>
#include <strmif.h>

void freeMediaTypeContents(AM_MEDIA_TYPE& type);
// Replaces what `target` owned: it must hold an owned type or be zeroed.
HRESULT copyMediaType(AM_MEDIA_TYPE& target, const AM_MEDIA_TYPE& source);
// A CoTaskMemAlloc'ed copy, as IEnumMediaTypes::Next returns them.
HRESULT allocateMediaTypeCopy(const AM_MEDIA_TYPE& source, AM_MEDIA_TYPE*& copy);

class OwnedMediaType {
public:
    OwnedMediaType() = default;
    ~OwnedMediaType() { freeMediaTypeContents(type_); }
    OwnedMediaType(const OwnedMediaType&) = delete;
    OwnedMediaType& operator=(const OwnedMediaType&) = delete;

    AM_MEDIA_TYPE& get() { return type_; }
    const AM_MEDIA_TYPE& get() const { return type_; }
    bool empty() const { return type_.majortype == GUID_NULL; }
    void clear() { freeMediaTypeContents(type_); }

private:
    AM_MEDIA_TYPE type_{};
};
