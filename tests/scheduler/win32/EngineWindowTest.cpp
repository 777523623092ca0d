// The engine window's routes under Windows' own timers and queue: the step timer, the retry
// timer's thread, and the notices that must never be shown inside the call that posts them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scheduler/win32/EngineWindow.h"

namespace {

void pumpFor(ULONGLONG ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(5);
    }
}

}  // namespace

TEST(EngineWindow, TheStepTheRetryAndTheNoticesArriveThroughTheWindowsQueue) {
    const auto window = EngineWindow::create(L"LvtxEngineWindowTest");
    ASSERT_NE(window, nullptr);
    int ticks = 0;
    int retries = 0;
    std::vector<std::u16string> notices;
    window->route({[&] { ++ticks; }, {}, [&] { ++retries; },
                   [&](std::u16string_view text) { notices.emplace_back(text); }});

    window->postNotice(u"甲");
    window->postNotice(u"乙");
    EXPECT_TRUE(notices.empty()) << "shown only once the caller has returned";
    ASSERT_TRUE(window->start(20));
    ASSERT_TRUE(window->retryTimer().start(20));
    pumpFor(400);
    EXPECT_EQ(notices, (std::vector<std::u16string>{u"甲", u"乙"}));
    EXPECT_GE(ticks, 3);
    EXPECT_GE(retries, 3);

    window->stop();
    window->retryTimer().stop();
    pumpFor(100);
    const int ticksAfterStop = ticks;
    const int retriesAfterStop = retries;
    pumpFor(300);
    EXPECT_EQ(ticks, ticksAfterStop);
    EXPECT_EQ(retries, retriesAfterStop);
}
