#include "system/win32/PowerRuleEngine.h"

#include <utility>

#include "data/win32/LocalNow.h"

namespace {

constexpr wchar_t className[] = L"LvtxPowerRules";
// A window timer: a fault inside WM_TIMER reaches the crash handler, one inside a TIMERPROC
// Windows swallows.
constexpr UINT_PTR checkTimerId = 1000;

}  // namespace

std::unique_ptr<PowerRuleEngine> PowerRuleEngine::create(SettingsStore& settings, PowerRuleActions actions) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, className, &windowClass)) {
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        if (RegisterClassExW(&windowClass) == 0) return nullptr;
    }
    const HWND window = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (window == nullptr) return nullptr;
    std::unique_ptr<PowerRuleEngine> engine(new PowerRuleEngine(window, settings, std::move(actions)));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(engine.get()));
    return engine;
}

PowerRuleEngine::PowerRuleEngine(HWND window, SettingsStore& settings, PowerRuleActions actions)
    : window_(window), settings_(settings), actions_(std::move(actions)) {}

PowerRuleEngine::~PowerRuleEngine() {
    stop();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

bool PowerRuleEngine::start() {
    return SetTimer(window_, checkTimerId, powerRuleCheckPeriodMs, nullptr) != 0;
}

void PowerRuleEngine::stop() {
    KillTimer(window_, checkTimerId);
}

DateTime PowerRuleEngine::localNow() {
    return ::localNow();
}

void PowerRuleEngine::postDeviceBarRefresh() {
    if (actions_.postDeviceBarRefresh) actions_.postDeviceBarRefresh();
}

void PowerRuleEngine::runCountdown(int mode) {
    if (actions_.runCountdown) actions_.runCountdown(mode, power_);
}

LRESULT CALLBACK PowerRuleEngine::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* engine = reinterpret_cast<PowerRuleEngine*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (engine != nullptr && message == WM_TIMER && wParam == checkTimerId) {
        engine->check_.check(engine->settings_.settings(), engine->settings_.stamps(), *engine);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
