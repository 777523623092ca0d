// Figures printed, not checked: how soon the first sample reaches the renderer after Run, the
// process's CPU time while a file plays, and the filter's own decoding cost.
#include <windows.h>
#include <dshow.h>
#include <wrl/client.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "PlaybackGraph.h"
#include "TestSounds.h"
#include "ToolsFilterPaths.h"

using Microsoft::WRL::ComPtr;

namespace {

// Published by Windows; mingw's headers lack it.
const CLSID nullRendererClassId = {0xC1F400A4, 0x3F08, 0x11D3, {0x9F, 0x0B, 0x00, 0x60, 0x08, 0x03, 0x9E, 0x37}};

double nowMs() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double processCpuMs() {
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto units = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (units(kernel) + units(user)) / 10000.0;
}

class Measure : public testing::TestWithParam<std::wstring> {};

TEST_P(Measure, FirstSampleAfterRunAndCpuWhilePlaying) {
    PlaybackGraph graph;
    const double buildStart = nowMs();
    ASSERT_EQ(graph.build(soundPath(GetParam())), S_OK);
    const double built = nowMs();

    const double cpuBefore = processCpuMs();
    const double runStart = nowMs();
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    LONGLONG delivered = 0;
    while (delivered == 0 && nowMs() - runStart < 3000) {
        Sleep(0);
        graph.sourceSeeking->GetCurrentPosition(&delivered);
    }
    const double firstSample = nowMs();
    ASSERT_GT(delivered, 0);
    ASSERT_GE(waitForComplete(graph.events.Get(), toneLengthMs + 3000), 0);
    const double played = nowMs() - runStart;
    const double cpu = processCpuMs() - cpuBefore;

    std::printf("[measure] %ls: load and connect %.1f ms, Run to first sample taken by the renderer %.1f ms, "
                "process CPU %.1f ms over %.0f ms of playing (%.2f%% of one core)\n",
                GetParam().c_str(), built - buildStart, firstSample - runStart, cpu, played, 100.0 * cpu / played);
}

INSTANTIATE_TEST_SUITE_P(Files, Measure, testing::Values(L"tone.mp3", L"tone.wav"),
                         [](const testing::TestParamInfo<std::wstring>& test) { return extensionOf(test.param); });

// Without a clock the null renderer takes samples as fast as they come: the CPU time is the
// filter's opening, decoding and delivering of a whole 30-second file, free of any real-time
// renderer's work.
class MeasureFilter : public testing::TestWithParam<std::wstring> {};

TEST_P(MeasureFilter, CostPerSecondOfAudio) {
    ComPtr<IBaseFilter> nullRenderer;
    ASSERT_EQ(CoCreateInstance(nullRendererClassId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&nullRenderer)), S_OK);
    PlaybackGraph graph;
    ASSERT_EQ(graph.build(soundPath(GetParam()), nullRenderer.Get()), S_OK);
    ComPtr<IMediaFilter> timing;
    ASSERT_EQ(graph.graph.As(&timing), S_OK);
    ASSERT_EQ(timing->SetSyncSource(nullptr), S_OK);
    LONGLONG duration = 0;
    ASSERT_EQ(graph.sourceSeeking->GetDuration(&duration), S_OK);

    const double cpuBefore = processCpuMs();
    const double start = nowMs();
    ASSERT_TRUE(SUCCEEDED(graph.control->Run()));
    ASSERT_GE(waitForComplete(graph.events.Get(), 10000), 0);
    const double took = nowMs() - start;
    const double cpu = processCpuMs() - cpuBefore;
    const double audioMs = static_cast<double>(duration) / 10000.0;
    std::printf("[measure] %ls: %.0f ms of audio through the filter without a clock in %.1f ms, CPU %.1f ms: "
                "%.2f%% of one core when played in real time\n",
                GetParam().c_str(), audioMs, took, cpu, 100.0 * cpu / audioMs);
}

INSTANTIATE_TEST_SUITE_P(Files, MeasureFilter, testing::Values(L"long.mp3", L"long.wav"),
                         [](const testing::TestParamInfo<std::wstring>& test) { return extensionOf(test.param); });

}  // namespace
