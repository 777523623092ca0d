#include "scheduler/win32/ThreadTimer.h"

std::unique_ptr<ThreadTimer> ThreadTimer::create(HWND window, UINT message) {
    std::unique_ptr<ThreadTimer> timer(new ThreadTimer(window, message));
    timer->timer_ = UniqueHandle(CreateWaitableTimerW(nullptr, FALSE, nullptr));
    timer->quit_ = UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!timer->timer_ || !timer->quit_) return nullptr;
    timer->thread_ = UniqueHandle(CreateThread(nullptr, 0, run, timer.get(), 0, nullptr));
    if (!timer->thread_) return nullptr;
    return timer;
}

ThreadTimer::~ThreadTimer() {
    if (!thread_) return;
    SetEvent(quit_.get());
    WaitForSingleObject(thread_.get(), INFINITE);
}

bool ThreadTimer::start(unsigned periodMs) {
    // Relative, in units of 100 ns.
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(periodMs) * 10000;
    return SetWaitableTimer(timer_.get(), &due, static_cast<LONG>(periodMs), nullptr, nullptr, FALSE) != 0;
}

void ThreadTimer::stop() {
    CancelWaitableTimer(timer_.get());
}

DWORD WINAPI ThreadTimer::run(void* parameter) {
    const auto& timer = *static_cast<const ThreadTimer*>(parameter);
    const HANDLE waits[] = {timer.quit_.get(), timer.timer_.get()};
    while (WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
        PostMessageW(timer.window_, timer.message_, 0, 0);
    }
    return 0;
}
