#pragma once
// What the Windows audio tests share: the built program's tools folder, the sound files
// that the test fixture generated, a window that receives graph events, bounded waits.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <strmif.h>

#include "audio/win32/ToolsSource.h"

// The folder the built program runs from (it holds "lvtx_tools").
std::u16string builtProgramFolder();
AudioToolsConfig builtToolsConfig();

// A generated sample: "<name>.<extension>", `sampleLengthMs` long unless its name says otherwise.
std::u16string samplePath(std::u16string_view fileName);
inline constexpr int sampleLengthMs = 2000;

bool runningUnderWine();
// True in the run whose Wine has no sound device at all.
bool noSoundDeviceRun();

// A message-only window for the players' events; it counts the WM_AUDIO_EVENT messages
// and keeps the last one's lParam.
class EventWindow {
public:
    EventWindow();
    ~EventWindow();
    EventWindow(const EventWindow&) = delete;
    EventWindow& operator=(const EventWindow&) = delete;
    HWND handle() const { return window_; }
    int audioEvents() const { return audioEvents_; }
    LPARAM lastEventParam() const { return lastEventParam_; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    int audioEvents_ = 0;
    LPARAM lastEventParam_ = 0;
};

struct GraphFilter {
    std::u16string name;
    CLSID classId;
};
// The filters of a graph with the names they were added under, in the graph's order.
std::vector<GraphFilter> graphFilters(IGraphBuilder* graph);
std::vector<std::u16string> graphFilterNames(IGraphBuilder* graph);

// Pumps this thread's messages and polls `done` every 10 ms until it holds or `limit` passes;
// returns the time waited.
std::chrono::milliseconds waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit);
