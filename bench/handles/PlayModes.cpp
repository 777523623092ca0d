#include "PlayModes.h"

#include <dshow.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "PcmReader.h"
#include "PlatformPlay.h"
#include "audio/DefaultDevice.h"
#include "audio/win32/DirectShowIds.h"
#include "audio/win32/OutputDevices.h"
#include "audio/win32/SourceFilters.h"
#include "winutil/WideText.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr const wchar_t* modes[] = {L"player", L"nullplayer", L"graph",    L"renderer", L"reader",   L"renderfile",
                                    L"mfreader", L"baseline", L"mfopen", L"probe",    L"filter", L"cocreate"};

void releaseLast(PlayRecord& record, const char* what, IUnknown* object) {
    ULONG& most = record.leftAfterRelease[what];
    most = std::max(most, object->Release());
}

// Holds the graph and its filters across the close, to see whether anything else kept them.
bool playThrough(PlayContext& context, std::u16string_view device) {
    DirectShowPlayer& player = context.player;
    if (FAILED(player.open(fromWide(context.file), 1, device))) return false;
    IGraphBuilder* graph = player.graph();
    graph->AddRef();
    std::vector<IBaseFilter*> filters;
    IEnumFilters* each = nullptr;
    if (SUCCEEDED(graph->EnumFilters(&each))) {
        for (IBaseFilter* filter = nullptr; each->Next(1, &filter, nullptr) == S_OK;) filters.push_back(filter);
        each->Release();
    }
    bool ended = false;
    if (SUCCEEDED(player.run())) {
        const DWORD start = GetTickCount();
        while (!player.isAtEnd() && GetTickCount() - start < 10000) pumpMessages(20);
        ended = player.isAtEnd();
        player.stop();
    }
    player.close();
    for (IBaseFilter* filter : filters) releaseLast(context.record, "filter", filter);
    releaseLast(context.record, "graph", graph);
    return ended;
}

bool readToEnd(const std::wstring& file) {
    PcmReader reader;
    if (FAILED(reader.open(file.c_str()))) return false;
    std::vector<BYTE> buffer(16384);
    for (bool ended = false; !ended;) {
        DWORD written = 0;
        if (FAILED(reader.read(buffer.data(), static_cast<DWORD>(buffer.size()), written, ended))) return false;
    }
    return true;
}

// The tools filter as the player makes it, given the file and released.
bool filterOnce(const PlayContext& context) {
    ComPtr<IBaseFilter> source;
    return SUCCEEDED(createToolsSource(context.tools, source)) &&
           SUCCEEDED(loadSourceFile(*source.Get(), fromWide(context.file)));
}

bool coCreateOnce(PlayContext& context) {
    const bool wasLoaded = GetModuleHandleW(L"DCBassSourceMod.ax") != nullptr;
    bool done = false;
    {
        ComPtr<IBaseFilter> source;
        HRESULT hr = CoCreateInstance(toolsSourceClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&source));
        if (SUCCEEDED(hr)) hr = loadSourceFile(*source.Get(), fromWide(context.file));
        if (FAILED(hr)) std::fprintf(stderr, "cocreate: %#lx\n", static_cast<unsigned long>(hr));
        done = SUCCEEDED(hr);
        context.record.loads += !wasLoaded && GetModuleHandleW(L"DCBassSourceMod.ax") != nullptr;
    }
    CoFreeUnusedLibrariesEx(0, 0);
    context.record.unloads += GetModuleHandleW(L"DCBassSourceMod.ax") == nullptr;
    return done;
}

}  // namespace

bool isPlayMode(const std::wstring& mode) {
    return std::find(std::begin(modes), std::end(modes), mode) != std::end(modes);
}

bool playOnce(const std::wstring& mode, PlayContext& context) {
    const wchar_t* file = context.file.c_str();
    if (mode == L"player") return playThrough(context, defaultDeviceName);
    if (mode == L"nullplayer") return playThrough(context, nullDeviceName);
    if (mode == L"graph") return SUCCEEDED(PlayerGraph().create());
    if (mode == L"renderer") return static_cast<bool>(createAudioRenderer(defaultDeviceName));
    if (mode == L"reader") return readToEnd(context.file);
    if (mode == L"renderfile") return renderFileOnce(file);
    if (mode == L"mfreader") return sourceReaderOnce(file, true);
    if (mode == L"baseline") return sourceReaderOnce(file, true) && renderFileOnce(file);
    if (mode == L"mfopen") return sourceReaderOnce(file, false);
    if (mode == L"probe") return SUCCEEDED(PcmReader().open(file));
    if (mode == L"filter") return filterOnce(context);
    if (mode == L"cocreate") return coCreateOnce(context);
    return false;
}

bool registerToolsFilter(const std::wstring& path) {
    wchar_t classId[40] = {};
    if (StringFromGUID2(toolsSourceClassId, classId, 40) == 0) return false;
    const std::wstring key = std::wstring(L"Software\\Classes\\CLSID\\") + classId + L"\\InprocServer32";
    HKEY server = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &server, nullptr) != 0) {
        return false;
    }
    const wchar_t model[] = L"Both";
    const bool done =
        RegSetValueExW(server, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) == 0 &&
        RegSetValueExW(server, L"ThreadingModel", 0, REG_SZ, reinterpret_cast<const BYTE*>(model), sizeof(model)) == 0;
    RegCloseKey(server);
    return done;
}

void pumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    } while (GetTickCount() - start < ms);
}
