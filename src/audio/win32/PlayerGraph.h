#pragma once
// One filter graph with the interfaces the player drives and the filters it holds. Its
// release removes the filters from the graph before letting go of everything.
#include <windows.h>

#include <control.h>
#include <strmif.h>
#include <wrl/client.h>

struct PlayerGraph {
    Microsoft::WRL::ComPtr<IGraphBuilder> builder;
    Microsoft::WRL::ComPtr<IMediaControl> control;
    Microsoft::WRL::ComPtr<IMediaEventEx> events;
    Microsoft::WRL::ComPtr<IMediaSeeking> seeking;
    Microsoft::WRL::ComPtr<IBasicAudio> audio;
    Microsoft::WRL::ComPtr<IBaseFilter> source;
    Microsoft::WRL::ComPtr<IBaseFilter> asfReader;
    Microsoft::WRL::ComPtr<IBaseFilter> wmaDecoder;
    Microsoft::WRL::ComPtr<IBaseFilter> renderer;

    PlayerGraph() = default;
    ~PlayerGraph() { release(); }
    PlayerGraph(const PlayerGraph&) = delete;
    PlayerGraph& operator=(const PlayerGraph&) = delete;

    // The filter graph object with its control, event and seeking interfaces.
    HRESULT create();
    void release();
};
