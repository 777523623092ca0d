#include "audio/win32/ToolsSource.h"

#include <map>
#include <mutex>

#include "audio/win32/DirectShowIds.h"
#include "data/FileSystem.h"
#include "winutil/WideText.h"

using Microsoft::WRL::ComPtr;

namespace {

// One module per filter file, never freed: instances may outlive any player that made them.
// Keyed by path so that a test can point a player at another tools folder.
HMODULE loadedModule(const std::u16string& path) {
    static std::mutex lock;
    static std::map<std::u16string, HMODULE> modules;
    const std::lock_guard<std::mutex> guard(lock);
    if (const auto found = modules.find(path); found != modules.end()) return found->second;
    std::wstring widePath = toWide(path);
    const DWORD attributes = GetFileAttributesW(widePath.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return nullptr;
    HMODULE module = static_cast<HMODULE>(CoLoadLibrary(widePath.data(), FALSE));
    if (module) modules.emplace(path, module);
    return module;
}

}  // namespace

AudioToolsConfig toolsConfigFor(std::u16string_view exeDir) {
    return {joinPath(exeDir, u"lvtx_tools")};
}

std::u16string toolsSourceFilterPath(const AudioToolsConfig& config) {
    return joinPath(config.toolsFolder, u"DCBassSourceMod.ax");
}

std::u16string testSoundPath(const AudioToolsConfig& config) {
    return joinPath(config.toolsFolder, u"asv.dll");
}

HRESULT createToolsSource(const AudioToolsConfig& config, ComPtr<IBaseFilter>& source) {
    source.Reset();
    HMODULE module = loadedModule(toolsSourceFilterPath(config));
    if (!module) return E_FAIL;
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    if (!getClassObject) return E_FAIL;
    ComPtr<IClassFactory> factory;
    if (FAILED(getClassObject(toolsSourceClassId, IID_PPV_ARGS(&factory))) || !factory) return E_FAIL;
    if (FAILED(factory->CreateInstance(nullptr, IID_PPV_ARGS(&source))) || !source) {
        source.Reset();
        return E_FAIL;
    }
    return S_OK;
}
