#pragma once
// A periodic timer of its own thread that posts a message to a window at each expiry. It needs
// no window timer, so it can retry one that Windows refused; its thread and handles are made
// up front, so that arming it later asks nothing more of the system.
#include <windows.h>

#include <memory>

#include "scheduler/EnginePlatform.h"
#include "winutil/UniqueHandle.h"

class ThreadTimer : public TickTimer {
public:
    // Null when Windows refuses the thread or its handles.
    static std::unique_ptr<ThreadTimer> create(HWND window, UINT message);
    // Ends the thread; messages already posted stay in the window's queue.
    ~ThreadTimer() override;
    ThreadTimer(const ThreadTimer&) = delete;
    ThreadTimer& operator=(const ThreadTimer&) = delete;

    bool start(unsigned periodMs) override;
    void stop() override;

private:
    ThreadTimer(HWND window, UINT message) : window_(window), message_(message) {}
    static DWORD WINAPI run(void* timer);

    HWND window_;
    UINT message_;
    UniqueHandle timer_;
    UniqueHandle quit_;
    UniqueHandle thread_;
};
