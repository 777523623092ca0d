// The DLL's two exports: the program loads the file by path and asks for the filter's class
// factory directly; nothing is registered.
#include <windows.h>

#include "ClassFactory.h"
#include "ModuleCount.h"
#include "SourceFilterClass.h"

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (classId != sourceFilterClassId) return CLASS_E_CLASSNOTAVAILABLE;
    return ClassFactory::create(iid, object);
}

STDAPI DllCanUnloadNow() {
    return moduleInUse() ? S_FALSE : S_OK;
}
