#pragma once
// IEnumMediaTypes over the pin's one type (none before a file is loaded).
#include <windows.h>
#include <strmif.h>

#include "MediaType.h"
#include "ModuleCount.h"
#include "OneItemCursor.h"
#include "winutil/ComObject.h"

class MediaTypeEnumerator final : public ComObject<ComInterface<IEnumMediaTypes>>, private CountedObject {
public:
    // `type` is copied; null or empty gives an empty enumeration.
    static HRESULT create(const AM_MEDIA_TYPE* type, ULONG position, IEnumMediaTypes** enumerator);

    STDMETHODIMP Next(ULONG count, AM_MEDIA_TYPE** types, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumMediaTypes** clone) override;

private:
    explicit MediaTypeEnumerator(ULONG position) : cursor_(0, position) {}

    OwnedMediaType type_;
    OneItemCursor cursor_;
};
