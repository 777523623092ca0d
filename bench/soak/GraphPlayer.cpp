// The soak run's platform baseline (scripts/soak.sh): the two pieces of the system that each of
// the program's plays uses, once a play: Media Foundation's source reader decoding the file to
// PCM to its end (the tools filter's decoder), then Windows' own DirectShow graph playing it (a
// new graph each time: RenderFile, run to completion, released). One play every PERIOD_MS, PHASE_MS after each multiple of the period in the system's time (so that its
// graphs are built between the program's), until the process is ended. After each play the
// count of plays is written to COUNT_FILE, so that memory growth can be compared per play.
//   lvtx_graph_player FILE PERIOD_MS PHASE_MS COUNT_FILE
// A measuring aid, never shipped with the program.
#include <windows.h>
#include <dshow.h>
#include <mfapi.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <wrl/client.h>

#include <cstdio>
#include <cwchar>

using Microsoft::WRL::ComPtr;

namespace {

constexpr long completionLimitMs = 60000;

// The whole file decoded to 16-bit PCM by a fresh source reader, as the tools filter reads it.
bool decodeOnce(const wchar_t* file) {
    if (FAILED(MFStartup(MF_VERSION, MFSTARTUP_LITE))) return false;
    bool decoded = false;
    {
        constexpr auto audio = static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM);
        ComPtr<IMFSourceReader> reader;
        ComPtr<IMFMediaType> pcm;
        HRESULT hr = MFCreateSourceReaderFromURL(file, nullptr, &reader);
        if (SUCCEEDED(hr)) hr = MFCreateMediaType(&pcm);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
        if (SUCCEEDED(hr)) hr = pcm->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
        if (SUCCEEDED(hr)) hr = pcm->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
        if (SUCCEEDED(hr)) hr = reader->SetCurrentMediaType(audio, nullptr, pcm.Get());
        while (SUCCEEDED(hr)) {
            DWORD flags = 0;
            ComPtr<IMFSample> sample;
            hr = reader->ReadSample(audio, 0, nullptr, &flags, nullptr, &sample);
            if (SUCCEEDED(hr) && (flags & MF_SOURCE_READERF_ENDOFSTREAM) != 0) {
                decoded = true;
                break;
            }
        }
    }
    MFShutdown();
    return decoded;
}

// One play through a fresh graph; false when the graph could not be built or did not complete.
bool playOnce(const wchar_t* file) {
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

// Milliseconds of the system's time (UTC), to lay the plays on the wall clock's grid.
ULONGLONG systemMs() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime) / 10000;
}

bool writeCount(const wchar_t* path, unsigned count) {
    FILE* out = _wfopen(path, L"w");
    if (out == nullptr) return false;
    std::fprintf(out, "%u\n", count);
    return std::fclose(out) == 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: lvtx_graph_player FILE PERIOD_MS PHASE_MS COUNT_FILE\n");
        return 2;
    }
    const wchar_t* file = argv[1];
    const ULONGLONG periodMs = std::wcstoul(argv[2], nullptr, 10);
    const ULONGLONG phaseMs = std::wcstoul(argv[3], nullptr, 10);
    const wchar_t* countFile = argv[4];
    if (periodMs == 0 || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 2;
    unsigned plays = 0;
    for (;;) {
        // The next point of the grid, however long the last play took.
        const ULONGLONG now = systemMs();
        const ULONGLONG next = (now - phaseMs) / periodMs * periodMs + periodMs + phaseMs;
        Sleep(static_cast<DWORD>(next - now));
        if (!decodeOnce(file) || !playOnce(file)) {
            std::fprintf(stderr, "play %u failed\n", plays + 1);
            return 1;
        }
        if (!writeCount(countFile, ++plays)) return 1;
    }
}
