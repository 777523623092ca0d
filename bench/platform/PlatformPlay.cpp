#include "PlatformPlay.h"

#include <dshow.h>
#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;

namespace {

constexpr long completionLimitMs = 60000;

}  // namespace

bool sourceReaderOnce(const wchar_t* file, bool readSamples) {
    if (FAILED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) return false;
    HRESULT hr;
    {
        constexpr auto audio = static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM);
        ComPtr<IMFSourceReader> reader;
        ComPtr<IMFMediaType> pcm;
        hr = MFCreateSourceReaderFromURL(file, nullptr, &reader);
        if (SUCCEEDED(hr)) hr = MFCreateMediaType(&pcm);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
        if (SUCCEEDED(hr)) hr = pcm->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
        if (SUCCEEDED(hr)) hr = reader->SetCurrentMediaType(audio, nullptr, pcm.Get());
        for (DWORD flags = 0; readSamples && SUCCEEDED(hr) && (flags & MF_SOURCE_READERF_ENDOFSTREAM) == 0;) {
            ComPtr<IMFSample> sample;
            hr = reader->ReadSample(audio, 0, nullptr, &flags, nullptr, &sample);
        }
    }
    MFShutdown();
    return SUCCEEDED(hr);
}

bool renderFileOnce(const wchar_t* file) {
    ComPtr<IGraphBuilder> graph;
    ComPtr<IMediaControl> control;
    ComPtr<IMediaEvent> events;
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC, IID_PPV_ARGS(&graph))) ||
        FAILED(graph->RenderFile(file, nullptr)) || FAILED(graph.As(&control)) ||
        // mingw declares no __uuidof for IMediaEvent.
        FAILED(graph->QueryInterface(IID_IMediaEvent, reinterpret_cast<void**>(events.GetAddressOf())))) {
        return false;
    }
    // Run returns S_FALSE while the graph starts asynchronously.
    if (FAILED(control->Run())) return false;
    long code = 0;
    const bool completed = events->WaitForCompletion(completionLimitMs, &code) == S_OK && code == EC_COMPLETE;
    control->Stop();
    return completed;
}
