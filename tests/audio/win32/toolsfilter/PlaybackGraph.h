#pragma once
// A filter graph as the program builds it: the tools source connected directly to the
// DirectSound renderer of "Default DirectSound Device".
#include <windows.h>
#include <dshow.h>
#include <wrl/client.h>

#include <string>

struct PlaybackGraph {
    Microsoft::WRL::ComPtr<IGraphBuilder> graph;
    Microsoft::WRL::ComPtr<IMediaControl> control;
    Microsoft::WRL::ComPtr<IMediaSeeking> seeking;
    Microsoft::WRL::ComPtr<IMediaEvent> events;
    Microsoft::WRL::ComPtr<IBaseFilter> source;
    Microsoft::WRL::ComPtr<IBaseFilter> renderer;
    // The source's output pin, for the positions the filter itself reports.
    Microsoft::WRL::ComPtr<IMediaSeeking> sourceSeeking;

    // The renderer of "Default DirectSound Device" unless another one is given.
    HRESULT build(const std::wstring& file, IBaseFilter* otherRenderer = nullptr);
    // Stops the graph, removes the filters and lets go of everything.
    void release();
    ~PlaybackGraph() { release(); }
};

HRESULT createDefaultDirectSoundRenderer(Microsoft::WRL::ComPtr<IBaseFilter>& renderer);

// Runs the user-interface thread's messages for a while.
void pumpMessages(DWORD milliseconds);
// Polls the graph until its position reaches its stop position; the milliseconds it took from
// the call, or -1 when `limitMs` passed first.
long waitForEnd(IMediaSeeking* seeking, DWORD limitMs);
// The milliseconds until the event arrives, or -1 when `limitMs` passed first.
long waitForEvent(IMediaEvent* events, long code, DWORD limitMs, LONG_PTR* firstParameter = nullptr);
long waitForComplete(IMediaEvent* events, DWORD limitMs);
// Waits for a state change to finish.
HRESULT settle(IMediaControl* control, OAFilterState& state);
