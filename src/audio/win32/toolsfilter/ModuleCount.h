#pragma once
// What keeps this DLL loaded: its live COM objects and IClassFactory::LockServer locks.

// Every COM object of the DLL derives from this, so DllCanUnloadNow sees it from birth to death.
class CountedObject {
public:
    CountedObject();
    ~CountedObject();
    CountedObject(const CountedObject&) = delete;
    CountedObject& operator=(const CountedObject&) = delete;
};

void lockModule(bool lock);
bool moduleInUse();
