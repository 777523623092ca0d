#include "audio/win32/OutputDevices.h"

#include <oaidl.h>
#include <uuids.h>

#include <functional>

#include "audio/AudioPlayer.h"
#include "audio/DefaultDevice.h"
#include "audio/win32/DirectShowIds.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr std::u16string_view directSoundPrefix = u"DirectSound: ";
constexpr std::u16string_view enumerationFailedText =
    u"音频设备枚举报错：系统环境问题\n\n修复：\n官网 > 帮助 > Directx 修复工具\n\n官网/专家在线: 主界面左侧帮助栏";

bool hasDirectSoundPrefix(std::u16string_view name) {
    return name.size() >= directSoundPrefix.size() &&
           sameTextIgnoringCase(name.substr(0, directSoundPrefix.size()), directSoundPrefix);
}

std::u16string friendlyNameOf(IMoniker& moniker) {
    ComPtr<IPropertyBag> bag;
    if (FAILED(moniker.BindToStorage(nullptr, nullptr, IID_PPV_ARGS(&bag)))) return {};
    VARIANT value;
    VariantInit(&value);
    std::u16string name;
    if (SUCCEEDED(bag->Read(L"FriendlyName", &value, nullptr)) && value.vt == VT_BSTR) {
        name = fromWide(std::wstring_view(value.bstrVal, SysStringLen(value.bstrVal)));
    }
    VariantClear(&value);
    return name;
}

// Visits the audio renderer category in order until `visit` returns true; false when the
// device enumerator cannot be created.
bool forEachRenderer(const std::function<bool(const std::u16string& name, IMoniker& moniker)>& visit) {
    ComPtr<ICreateDevEnum> devices;
    if (FAILED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&devices)))) {
        return false;
    }
    ComPtr<IEnumMoniker> monikers;
    // S_FALSE and no enumerator: the category is empty.
    if (devices->CreateClassEnumerator(CLSID_AudioRendererCategory, &monikers, 0) != S_OK || !monikers) return true;
    for (ComPtr<IMoniker> moniker; monikers->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK;) {
        if (visit(friendlyNameOf(*moniker.Get()), *moniker.Get())) break;
    }
    return true;
}

}  // namespace

OutputDeviceList listOutputDevices() {
    OutputDeviceList list;
    const bool enumerated = forEachRenderer([&](const std::u16string& name, IMoniker&) {
        if (!sameTextIgnoringCase(name, defaultDeviceName) && hasDirectSoundPrefix(name)) {
            list.names.push_back(name.substr(directSoundPrefix.size()));
        }
        return false;
    });
    if (!enumerated) list.errorText = enumerationFailedText;
    return list;
}

ComPtr<IBaseFilter> createAudioRenderer(std::u16string_view name) {
    ComPtr<IBaseFilter> renderer;
    if (sameTextIgnoringCase(name, nullDeviceName)) {
        CoCreateInstance(nullRendererClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&renderer));
        return renderer;
    }
    const bool wantsDefault = sameTextIgnoringCase(name, defaultDeviceName);
    forEachRenderer([&](const std::u16string& friendlyName, IMoniker& moniker) {
        const bool matches = hasDirectSoundPrefix(friendlyName)
                                 ? sameTextIgnoringCase(std::u16string_view(friendlyName).substr(directSoundPrefix.size()), name)
                                 : wantsDefault && sameTextIgnoringCase(friendlyName, name);
        if (!matches) return false;
        moniker.BindToObject(nullptr, nullptr, IID_PPV_ARGS(&renderer));
        return true;
    });
    return renderer;
}
