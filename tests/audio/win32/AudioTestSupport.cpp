#include "AudioTestSupport.h"

#include <wrl/client.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "audio/win32/DirectShowIds.h"
#include "data/FileSystem.h"
#include "winutil/WideText.h"

namespace {

std::u16string testProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::u16string(parentFolder(fromWide(std::wstring_view(path, length))));
}

}  // namespace

std::u16string builtProgramFolder() {
    return joinPath(testProgramFolder(), u"" LVTX_PROGRAM_FOLDER_FROM_TESTS);
}

AudioToolsConfig builtToolsConfig() {
    return toolsConfigFor(builtProgramFolder());
}

std::u16string samplePath(std::u16string_view fileName) {
    return joinPath(joinPath(testProgramFolder(), u"audio-samples"), fileName);
}

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

bool noSoundDeviceRun() {
    const char* value = std::getenv("LVTX_NO_SOUND");
    return value && std::string(value) == "1";
}

EventWindow::EventWindow() {
    window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EventWindow::procedure));
}

EventWindow::~EventWindow() {
    DestroyWindow(window_);
}

LRESULT CALLBACK EventWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_AUDIO_EVENT) {
        auto* self = reinterpret_cast<EventWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        ++self->audioEvents_;
        self->lastEventParam_ = lParam;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<GraphFilter> graphFilters(IGraphBuilder* graph) {
    std::vector<GraphFilter> found;
    Microsoft::WRL::ComPtr<IEnumFilters> filters;
    if (!graph || FAILED(graph->EnumFilters(&filters))) return found;
    for (Microsoft::WRL::ComPtr<IBaseFilter> filter; filters->Next(1, filter.ReleaseAndGetAddressOf(), nullptr) == S_OK;) {
        FILTER_INFO info{};
        CLSID classId{};
        if (FAILED(filter->QueryFilterInfo(&info)) || FAILED(filter->GetClassID(&classId))) continue;
        if (info.pGraph) info.pGraph->Release();
        found.push_back({fromWide(info.achName), classId});
    }
    return found;
}

std::vector<std::u16string> graphFilterNames(IGraphBuilder* graph) {
    std::vector<std::u16string> names;
    for (const GraphFilter& filter : graphFilters(graph)) names.push_back(filter.name);
    std::sort(names.begin(), names.end());
    return names;
}

std::chrono::milliseconds waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        if (done() || waited >= limit) return waited;
        Sleep(10);
    }
}
