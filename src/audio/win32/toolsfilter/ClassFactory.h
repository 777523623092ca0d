#pragma once
// The class factory DllGetClassObject hands out for the source filter.
#include <windows.h>
#include <unknwn.h>

#include <atomic>

#include "ModuleCount.h"

class ClassFactory final : public IClassFactory, private CountedObject {
public:
    static HRESULT create(REFIID iid, void** object);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ClassFactory() = default;
    ~ClassFactory() = default;

    std::atomic<ULONG> references_{1};
};
