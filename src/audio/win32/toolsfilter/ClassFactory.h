#pragma once
// The class factory DllGetClassObject hands out for the source filter.
#include <windows.h>
#include <unknwn.h>

#include "ModuleCount.h"
#include "winutil/ComObject.h"

class ClassFactory final : public ComObject<ComInterface<IClassFactory>>, private CountedObject {
public:
    static HRESULT create(REFIID iid, void** object);

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    ClassFactory() = default;
    ~ClassFactory() = default;
};
