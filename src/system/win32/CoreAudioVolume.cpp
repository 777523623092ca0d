#include "system/win32/CoreAudioVolume.h"

#include <windows.h>

#include <audiopolicy.h>
#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <wrl/client.h>

// After every other header: defines the property key here instead of declaring it.
#include <initguid.h>
#include <functiondiscoverykeys_devpkey.h>

#include "audio/DefaultDevice.h"
#include "winutil/WideText.h"

using Microsoft::WRL::ComPtr;

namespace {

ComPtr<IMMDeviceEnumerator> deviceEnumerator() {
    ComPtr<IMMDeviceEnumerator> devices;
    CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&devices));
    return devices;
}

ComPtr<IMMDevice> defaultEndpoint(IMMDeviceEnumerator& devices) {
    ComPtr<IMMDevice> device;
    devices.GetDefaultAudioEndpoint(eRender, eConsole, &device);
    return device;
}

template <typename Interface>
ComPtr<Interface> activate(IMMDevice& device) {
    ComPtr<Interface> object;
    device.Activate(__uuidof(Interface), CLSCTX_INPROC_SERVER, nullptr,
                    reinterpret_cast<void**>(object.GetAddressOf()));
    return object;
}

std::u16string friendlyNameOf(IMMDevice& device) {
    ComPtr<IPropertyStore> properties;
    if (FAILED(device.OpenPropertyStore(STGM_READ, &properties))) return {};
    PROPVARIANT value;
    PropVariantInit(&value);
    std::u16string name;
    if (SUCCEEDED(properties->GetValue(PKEY_Device_FriendlyName, &value)) && value.vt == VT_LPWSTR &&
        value.pwszVal != nullptr) {
        name = fromWide(value.pwszVal);
    }
    PropVariantClear(&value);
    return name;
}

void readEndpointVolume(IMMDevice& device, VolumeReading& reading) {
    const ComPtr<IAudioEndpointVolume> volume = activate<IAudioEndpointVolume>(device);
    if (!volume) return;
    float level = 0;
    if (SUCCEEDED(volume->GetMasterVolumeLevelScalar(&level))) reading.endpointLevel = level;
    BOOL muted = FALSE;
    if (SUCCEEDED(volume->GetMute(&muted))) reading.endpointMuted = muted;
}

void readOwnSessions(IMMDevice& device, VolumeReading& reading) {
    const ComPtr<IAudioSessionManager2> manager = activate<IAudioSessionManager2>(device);
    ComPtr<IAudioSessionEnumerator> sessions;
    int count = 0;
    if (!manager || FAILED(manager->GetSessionEnumerator(&sessions)) || FAILED(sessions->GetCount(&count))) return;
    const DWORD self = GetCurrentProcessId();
    for (int i = 0; i < count; ++i) {
        ComPtr<IAudioSessionControl> session;
        ComPtr<IAudioSessionControl2> control;
        DWORD process = 0;
        if (FAILED(sessions->GetSession(i, &session)) || FAILED(session.As(&control)) ||
            FAILED(control->GetProcessId(&process)) || process != self) {
            continue;
        }
        ComPtr<ISimpleAudioVolume> volume;
        if (FAILED(session.As(&volume))) continue;
        float level = 0;
        if (SUCCEEDED(volume->GetMasterVolume(&level))) reading.sessionLevel = level;
        BOOL muted = FALSE;
        if (SUCCEEDED(volume->GetMute(&muted))) reading.sessionMuted = muted;
    }
}

void readEndpoint(IMMDevice& device, VolumeReading& reading) {
    readEndpointVolume(device, reading);
    readOwnSessions(device, reading);
}

}  // namespace

VolumeReading readCoreAudioVolume(std::u16string_view deviceName) {
    VolumeReading reading;
    const ComPtr<IMMDeviceEnumerator> devices = deviceEnumerator();
    if (!devices) return reading;
    if (sameTextIgnoringCase(deviceName, defaultDeviceName)) {
        if (const ComPtr<IMMDevice> device = defaultEndpoint(*devices.Get())) readEndpoint(*device.Get(), reading);
        return reading;
    }
    ComPtr<IMMDeviceCollection> endpoints;
    UINT count = 0;
    if (FAILED(devices->EnumAudioEndpoints(eRender, DEVICE_STATE_ACTIVE, &endpoints)) ||
        FAILED(endpoints->GetCount(&count))) {
        return reading;
    }
    for (UINT i = 0; i < count; ++i) {
        ComPtr<IMMDevice> device;
        if (SUCCEEDED(endpoints->Item(i, &device)) && sameTextIgnoringCase(friendlyNameOf(*device.Get()), deviceName)) {
            readEndpoint(*device.Get(), reading);
        }
    }
    return reading;
}

std::u16string coreAudioDefaultDevice() {
    const ComPtr<IMMDeviceEnumerator> devices = deviceEnumerator();
    const ComPtr<IMMDevice> device = devices ? defaultEndpoint(*devices.Get()) : nullptr;
    return device ? friendlyNameOf(*device.Get()) : std::u16string();
}
