#pragma once
// The IUnknown of our COM classes: QueryInterface over a fixed list of interfaces, and the
// reference count of an object that lives on the heap.
#include <windows.h>
#include <unknwn.h>

#include <atomic>

// An interface the class implements, also handed out for the interfaces it derives from, so
// that a caller asking for IPersist gets the IBaseFilter that includes it.
template <typename Interface, typename... Bases>
struct ComInterface {
    using Type = Interface;
    static bool answers(REFIID iid) { return iid == __uuidof(Interface) || ((iid == __uuidof(Bases)) || ...); }
};

// QueryInterface over the listed ComInterface entries; IUnknown is answered with the first.
// The class supplies AddRef and Release, or takes them from ComObject.
template <typename First, typename... Others>
class ComInterfaces : public First::Type, public Others::Type... {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == __uuidof(IUnknown)) {
            *object = static_cast<typename First::Type*>(this);
        } else if (!(answer<First>(iid, object) || ... || answer<Others>(iid, object))) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        static_cast<typename First::Type*>(this)->AddRef();
        return S_OK;
    }

private:
    template <typename Entry>
    bool answer(REFIID iid, void** object) {
        if (!Entry::answers(iid)) return false;
        *object = static_cast<typename Entry::Type*>(this);
        return true;
    }
};

// A COM object with a reference count of its own: it starts with one reference, its
// creator's, and is deleted with the last.
template <typename... Entries>
class ComObject : public ComInterfaces<Entries...> {
public:
    STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }

protected:
    ComObject() = default;
    virtual ~ComObject() = default;

    // Gives a newly made object (null when it could not be made) to the caller as `iid`; the
    // maker's reference is dropped, so the object goes if the caller cannot take it.
    static HRESULT handOver(ComObject* created, REFIID iid, void** object) {
        if (!created) return E_OUTOFMEMORY;
        const HRESULT hr = created->QueryInterface(iid, object);
        created->Release();
        return hr;
    }

private:
    std::atomic<ULONG> references_{1};
};
