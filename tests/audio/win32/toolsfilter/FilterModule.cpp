#include "FilterModule.h"

#include "ToolsFilterPaths.h"

using Microsoft::WRL::ComPtr;

const CLSID toolsSourceClassId = {0xABE7B1D9, 0x4B3E, 0x4ACD, {0xA0, 0xD1, 0x92, 0x61, 0x1D, 0x3A, 0x44, 0x92}};

namespace {

using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();

struct ToolsModule {
    HINSTANCE module = nullptr;
    GetClassObject getClassObject = nullptr;
    CanUnloadNow canUnloadNow = nullptr;
};

const ToolsModule& toolsModule() {
    static const ToolsModule loaded = [] {
        ToolsModule result;
        result.module = CoLoadLibrary(const_cast<LPOLESTR>(toolsFilterDllPath().c_str()), FALSE);
        if (result.module) {
            // Through void*: FARPROC's own signature never matches an export's.
            result.getClassObject = reinterpret_cast<GetClassObject>(
                reinterpret_cast<void*>(GetProcAddress(result.module, "DllGetClassObject")));
            result.canUnloadNow = reinterpret_cast<CanUnloadNow>(
                reinterpret_cast<void*>(GetProcAddress(result.module, "DllCanUnloadNow")));
        }
        return result;
    }();
    return loaded;
}

}  // namespace

HRESULT getToolsClassObject(REFCLSID classId, REFIID iid, void** object) {
    if (!toolsModule().getClassObject) return E_FAIL;
    return toolsModule().getClassObject(classId, iid, object);
}

HRESULT canUnloadToolsModule() {
    if (!toolsModule().canUnloadNow) return E_FAIL;
    return toolsModule().canUnloadNow();
}

HRESULT createToolsSource(ComPtr<IBaseFilter>& filter) {
    ComPtr<IClassFactory> factory;
    HRESULT hr = getToolsClassObject(toolsSourceClassId, IID_PPV_ARGS(&factory));
    if (SUCCEEDED(hr)) hr = factory->CreateInstance(nullptr, IID_PPV_ARGS(&filter));
    return hr;
}

HRESULT loadToolsSource(const std::wstring& path, ComPtr<IBaseFilter>& filter) {
    HRESULT hr = createToolsSource(filter);
    ComPtr<IFileSourceFilter> file;
    if (SUCCEEDED(hr)) hr = filter.As(&file);
    if (SUCCEEDED(hr)) hr = file->Load(path.c_str(), nullptr);
    return hr;
}

HRESULT firstPin(IBaseFilter* filter, PIN_DIRECTION direction, ComPtr<IPin>& pin) {
    ComPtr<IEnumPins> pins;
    HRESULT hr = filter->EnumPins(&pins);
    if (FAILED(hr)) return hr;
    ComPtr<IPin> candidate;
    while (pins->Next(1, candidate.ReleaseAndGetAddressOf(), nullptr) == S_OK) {
        PIN_DIRECTION found = PINDIR_INPUT;
        if (SUCCEEDED(candidate->QueryDirection(&found)) && found == direction) {
            pin = candidate;
            return S_OK;
        }
    }
    return E_FAIL;
}
