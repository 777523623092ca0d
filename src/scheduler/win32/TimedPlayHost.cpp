#include "scheduler/win32/TimedPlayHost.h"

#include "audio/win32/AudioSystemCheck.h"
#include "audio/win32/DirectShowIds.h"
#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/PreciseSleep.h"
#include "audio/win32/SystemErrorText.h"
#include "data/win32/LocalNow.h"
#include "data/win32/NetworkDrive.h"

namespace {

constexpr wchar_t hostClassName[] = L"LvtxTimedPlay";
// A window timer, not a timer callback: a fault inside WM_TIMER reaches the crash handler,
// while Windows swallows one inside a TIMERPROC.
constexpr UINT_PTR schedulerTimerId = 1000;

bool registerHostClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, hostClassName, &windowClass)) return true;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = hostClassName;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

class TimedPlayHost::WindowTimer : public TickTimer {
public:
    explicit WindowTimer(HWND window) : window_(window) {}
    void start(unsigned periodMs) override { SetTimer(window_, schedulerTimerId, periodMs, nullptr); }
    void stop() override { KillTimer(window_, schedulerTimerId); }

private:
    HWND window_;
};

std::unique_ptr<TimedPlayHost> TimedPlayHost::create(TimedPlayData data, std::u16string_view exeDir) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registerHostClass(instance, windowProc)) return nullptr;
    const HWND window = CreateWindowExW(0, hostClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    std::unique_ptr<TimedPlayHost> host(new TimedPlayHost(window));
    host->players_ = std::make_unique<DirectShowPlayerFactory>(window, toolsConfigFor(exeDir));
    const std::u16string folder(exeDir);
    host->controller_ = std::make_unique<TimedPlayController>(
        std::move(data),
        TimedPlayPlatform{
            *host->players_,
            *host->timer_,
            isNetworkDrive,
            [folder](AudioResult code) { return classifyOpenFailure(code, audioSystemChecks(folder)); },
            [](AudioResult code) { return systemErrorText(code); },
            preciseSleep,
            localNow,
        });
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host.get()));
    return host;
}

TimedPlayHost::TimedPlayHost(HWND window) : window_(window), timer_(std::make_unique<WindowTimer>(window)) {}

TimedPlayHost::~TimedPlayHost() {
    timer_->stop();
    // No player may outlive the window its events are posted to.
    controller_->fade(0);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK TimedPlayHost::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<TimedPlayHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (host != nullptr) {
        if (message == WM_TIMER && wParam == schedulerTimerId) {
            host->controller_->tick();
            return 0;
        }
        if (message == WM_AUDIO_EVENT) {
            host->controller_->audioEvent(reinterpret_cast<const AudioPlayer*>(lParam));
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
