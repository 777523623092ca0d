#include "scheduler/win32/EngineWindow.h"

#include "audio/win32/AudioSystemCheck.h"
#include "audio/win32/DirectShowIds.h"
#include "audio/win32/PreciseSleep.h"
#include "audio/win32/SystemErrorText.h"
#include "data/win32/LocalNow.h"
#include "data/win32/NetworkDrive.h"

namespace {

// A window timer, not a timer callback: a fault inside WM_TIMER reaches the crash handler,
// while Windows swallows one inside a TIMERPROC.
constexpr UINT_PTR stepTimerId = 1000;
constexpr UINT WM_ENGINE_RETRY = WM_APP + 0x6A;
constexpr UINT WM_ENGINE_NOTICE = WM_APP + 0x6B;

bool registerEngineClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, className, &windowClass)) return true;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

std::unique_ptr<EngineWindow> EngineWindow::create(const wchar_t* className) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerEngineClass(instance, className, windowProc)) return nullptr;
    const HWND window = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    std::unique_ptr<EngineWindow> engine(new EngineWindow(window));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(engine.get()));
    engine->retryTimer_ = ThreadTimer::create(window, WM_ENGINE_RETRY);
    if (!engine->retryTimer_) return nullptr;
    return engine;
}

EngineWindow::~EngineWindow() {
    stop();
    retryTimer_.reset();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void EngineWindow::postNotice(std::u16string_view text) {
    notices_.emplace_back(text);
    // A message shows every waiting text, so one lost to a full queue is made good by the next.
    PostMessageW(window_, WM_ENGINE_NOTICE, 0, 0);
}

void EngineWindow::showNotices() {
    // Taken first: a box's own message loop may bring the next notice.
    std::vector<std::u16string> due;
    due.swap(notices_);
    for (const std::u16string& text : due) {
        if (events_.notice) events_.notice(text);
    }
}

bool EngineWindow::start(unsigned periodMs) {
    return SetTimer(window_, stepTimerId, periodMs, nullptr) != 0;
}

void EngineWindow::stop() {
    KillTimer(window_, stepTimerId);
}

LRESULT CALLBACK EngineWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* engine = reinterpret_cast<EngineWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (engine != nullptr) {
        if (message == WM_TIMER && wParam == stepTimerId) {
            if (engine->events_.tick) engine->events_.tick();
            return 0;
        }
        if (message == WM_AUDIO_EVENT) {
            if (engine->events_.audioEvent) engine->events_.audioEvent(reinterpret_cast<const AudioPlayer*>(lParam));
            return 0;
        }
        if (message == WM_ENGINE_RETRY) {
            if (engine->events_.retry) engine->events_.retry();
            return 0;
        }
        if (message == WM_ENGINE_NOTICE) {
            engine->showNotices();
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

EnginePlatform windowsEnginePlatform(TickTimer& timer, AudioPlayerFactory& players, std::u16string_view exeDir) {
    return EnginePlatform{
        players,
        timer,
        isNetworkDrive,
        [folder = std::u16string(exeDir)](AudioResult code) {
            return classifyOpenFailure(code, audioSystemChecks(folder));
        },
        [](AudioResult code) { return systemErrorText(code); },
        preciseSleep,
        localNow,
    };
}
