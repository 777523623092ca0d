#include "ClassFactory.h"

#include <new>

#include "SourceFilter.h"

HRESULT ClassFactory::create(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    return handOver(new (std::nothrow) ClassFactory(), iid, object);
}

STDMETHODIMP ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    return SourceFilter::create(iid, object);
}

STDMETHODIMP ClassFactory::LockServer(BOOL lock) {
    lockModule(lock != FALSE);
    return S_OK;
}
