// The DLL as the program reaches it: its exports, the class factory, and when it may unload.
#include <windows.h>
#include <strmif.h>
#include <vfwmsgs.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include "FilterModule.h"

using Microsoft::WRL::ComPtr;

namespace {

ComPtr<IUnknown> identityOf(IUnknown* object) {
    ComPtr<IUnknown> identity;
    object->QueryInterface(IID_PPV_ARGS(&identity));
    return identity;
}

TEST(ToolsModule, GivesAFactoryForTheFilterClassOnly) {
    const CLSID otherClass = {0xABE7B1D9, 0x4B3E, 0x4ACD, {0xA0, 0xD1, 0x92, 0x61, 0x1D, 0x3A, 0x44, 0x93}};
    ComPtr<IClassFactory> factory;
    EXPECT_EQ(getToolsClassObject(otherClass, IID_PPV_ARGS(&factory)), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(factory, nullptr);

    ASSERT_EQ(getToolsClassObject(toolsSourceClassId, IID_PPV_ARGS(&factory)), S_OK);
    ComPtr<IUnknown> outer = factory;
    ComPtr<IBaseFilter> filter;
    EXPECT_EQ(factory->CreateInstance(outer.Get(), IID_PPV_ARGS(&filter)), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(filter, nullptr);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&filter)), S_OK);
    ComPtr<IFileSourceFilter> file;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&file)), S_OK);
}

TEST(ToolsModule, StaysLoadedWhileAnyObjectOrLockIsAlive) {
    ASSERT_EQ(canUnloadToolsModule(), S_OK);
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(getToolsClassObject(toolsSourceClassId, IID_PPV_ARGS(&factory)), S_OK);
    EXPECT_EQ(canUnloadToolsModule(), S_FALSE);

    ASSERT_EQ(factory->LockServer(TRUE), S_OK);
    factory.Reset();
    EXPECT_EQ(canUnloadToolsModule(), S_FALSE);
    ASSERT_EQ(getToolsClassObject(toolsSourceClassId, IID_PPV_ARGS(&factory)), S_OK);
    ASSERT_EQ(factory->LockServer(FALSE), S_OK);

    ComPtr<IBaseFilter> filter;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_PPV_ARGS(&filter)), S_OK);
    factory.Reset();
    EXPECT_EQ(canUnloadToolsModule(), S_FALSE);

    // An enumerator outlives the filter it came from, and keeps it alive.
    ComPtr<IEnumPins> pins;
    ASSERT_EQ(filter->EnumPins(&pins), S_OK);
    filter.Reset();
    ComPtr<IPin> pin;
    ASSERT_EQ(pins->Next(1, &pin, nullptr), S_OK);
    pins.Reset();
    EXPECT_EQ(canUnloadToolsModule(), S_FALSE);
    pin.Reset();
    EXPECT_EQ(canUnloadToolsModule(), S_OK);
}

TEST(ToolsModule, FilterInterfacesShareOneIdentityAndLeaveSeekingToThePin) {
    ComPtr<IBaseFilter> filter;
    ASSERT_EQ(createToolsSource(filter), S_OK);
    ComPtr<IMediaFilter> mediaFilter;
    ComPtr<IPersist> persist;
    ComPtr<IFileSourceFilter> file;
    ASSERT_EQ(filter.As(&mediaFilter), S_OK);
    ASSERT_EQ(filter.As(&persist), S_OK);
    ASSERT_EQ(filter.As(&file), S_OK);
    EXPECT_EQ(identityOf(mediaFilter.Get()), identityOf(filter.Get()));
    EXPECT_EQ(identityOf(file.Get()), identityOf(filter.Get()));
    CLSID classId{};
    EXPECT_EQ(persist->GetClassID(&classId), S_OK);
    EXPECT_EQ(classId, toolsSourceClassId);

    // A graph seeks every filter that answers IMediaSeeking: on the filter too, a seek would
    // reach the source twice (directly and through the renderer).
    ComPtr<IMediaSeeking> filterSeeking;
    EXPECT_EQ(filter.As(&filterSeeking), E_NOINTERFACE);

    ComPtr<IPin> pin;
    ASSERT_EQ(firstPin(filter.Get(), PINDIR_OUTPUT, pin), S_OK);
    ComPtr<IMediaSeeking> pinSeeking;
    ASSERT_EQ(pin.As(&pinSeeking), S_OK);
    EXPECT_EQ(identityOf(pinSeeking.Get()), identityOf(pin.Get()));
    PIN_INFO info{};
    ASSERT_EQ(pin->QueryPinInfo(&info), S_OK);
    EXPECT_EQ(identityOf(info.pFilter), identityOf(filter.Get()));
    EXPECT_EQ(info.dir, PINDIR_OUTPUT);
    info.pFilter->Release();

    LPWSTR id = nullptr;
    ASSERT_EQ(pin->QueryId(&id), S_OK);
    ComPtr<IPin> found;
    EXPECT_EQ(filter->FindPin(id, &found), S_OK);
    EXPECT_EQ(found, pin);
    CoTaskMemFree(id);
    EXPECT_EQ(filter->FindPin(L"Input", &found), VFW_E_NOT_FOUND);
    EXPECT_EQ(found, nullptr);
}

TEST(ToolsModule, PinEnumerationSkipsResetsAndClones) {
    ComPtr<IBaseFilter> filter;
    ASSERT_EQ(createToolsSource(filter), S_OK);
    ComPtr<IEnumPins> pins;
    ASSERT_EQ(filter->EnumPins(&pins), S_OK);
    IPin* got[2] = {};
    ULONG fetched = 9;
    EXPECT_EQ(pins->Next(2, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    // Not Attach: mingw's ComPtr::Attach adds a reference of its own.
    const ComPtr<IPin> first = got[0];
    got[0]->Release();
    EXPECT_EQ(pins->Next(1, got, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);

    EXPECT_EQ(pins->Reset(), S_OK);
    EXPECT_EQ(pins->Skip(0), S_OK);
    ComPtr<IEnumPins> clone;
    ASSERT_EQ(pins->Clone(&clone), S_OK);
    EXPECT_EQ(pins->Skip(2), S_FALSE);
    ComPtr<IPin> again;
    EXPECT_EQ(clone->Next(1, &again, nullptr), S_OK);
    EXPECT_EQ(again, first);
}

}  // namespace
