#include "audio/win32/AudioSystemCheck.h"

#include <windows.h>

#include <strmif.h>
#include <uuids.h>
#include <wrl/client.h>

#include <string>

#include "audio/win32/ToolFiles.h"

using Microsoft::WRL::ComPtr;

bool checkAudioSystem() {
    ComPtr<IGraphBuilder> graph;
    ComPtr<ICreateDevEnum> devices;
    return SUCCEEDED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&graph))) &&
           SUCCEEDED(CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&devices)));
}

AudioSystemChecks audioSystemChecks(std::u16string_view exeDir) {
    return {checkAudioSystem, [dir = std::u16string(exeDir)] { return checkToolFiles(dir).empty(); }};
}
