#include "audio/win32/DirectShowPlayer.h"

#include <evcode.h>

#include <utility>

#include "audio/DefaultDevice.h"
#include "audio/win32/DirectShowIds.h"
#include "audio/win32/FilterPins.h"
#include "audio/win32/OutputDevices.h"
#include "audio/win32/SourceFilters.h"
#include "audio/win32/SystemErrorText.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr long soundDeviceOutputError = 0x201;  // EC_SNDDEV_OUT_ERROR, absent from mingw's evcode.h
constexpr LONGLONG unitsPerMs = 10000;          // DirectShow times are in 100 ns

// The renderer is looked up at most this many times, this far apart, before the device counts as
// missing: while another process enumerates the devices, a lookup can come back empty
// (Wine's enumerator rebuilds the category on every pass; two at once failed 1 lookup in 10).
constexpr int rendererLookups = 4;
constexpr DWORD rendererLookupPauseMs = 25;

// The named device's renderer, else the default device's.
ComPtr<IBaseFilter> rendererFor(std::u16string_view deviceName) {
    for (int lookup = 1;; ++lookup) {
        ComPtr<IBaseFilter> renderer = createAudioRenderer(deviceName);
        if (!renderer && !sameTextIgnoringCase(deviceName, defaultDeviceName)) {
            renderer = createAudioRenderer(defaultDeviceName);
        }
        if (renderer || lookup == rendererLookups) return renderer;
        Sleep(rendererLookupPauseMs);
    }
}

// A new graph holding the device's renderer; the paths add their source filters to it.
AudioResult newGraph(std::u16string_view deviceName, std::unique_ptr<PlayerGraph>& graph) {
    graph = std::make_unique<PlayerGraph>();
    const HRESULT result = graph->create();
    if (FAILED(result)) return result;
    graph->renderer = rendererFor(deviceName);
    return graph->renderer ? audioOk : audioNoHardware;
}

std::int32_t toMs(LONGLONG units) {
    return static_cast<std::int32_t>(units / unitsPerMs);
}

}  // namespace

DirectShowPlayer::DirectShowPlayer(HWND notifyWindow, AudioToolsConfig config)
    : notifyWindow_(notifyWindow), config_(std::move(config)) {}

DirectShowPlayer::~DirectShowPlayer() {
    close();
}

AudioResult DirectShowPlayer::open(std::u16string_view path, std::uintptr_t notifyParam, std::u16string_view deviceName) {
    close();
    if (!isExistingFile(path)) return audioFileNotFound;
    const AudioResult toolsResult = openToolsPath(path, notifyParam, deviceName);
    if (SUCCEEDED(toolsResult)) return audioOk;
    if (SUCCEEDED(openWmaPath(path, notifyParam, deviceName))) return audioOk;
    return toolsResult;
}

AudioResult DirectShowPlayer::openToolsPath(std::u16string_view path, std::uintptr_t notifyParam,
                                            std::u16string_view deviceName) {
    std::unique_ptr<PlayerGraph> graph;
    HRESULT result = newGraph(deviceName, graph);
    if (FAILED(result)) return result;
    result = createToolsSource(config_, graph->source);
    if (FAILED(result)) return result;
    result = loadSourceFile(*graph->source.Get(), path);
    if (FAILED(result)) return result;
    result = graph->builder->AddFilter(graph->source.Get(), L"source");
    if (SUCCEEDED(result)) result = graph->builder->AddFilter(graph->renderer.Get(), L"renderer");
    if (SUCCEEDED(result)) result = connectFirstPins(*graph->builder.Get(), *graph->source.Get(), *graph->renderer.Get());
    if (FAILED(result)) return result;
    return finishOpen(std::move(graph), path, notifyParam);
}

AudioResult DirectShowPlayer::openWmaPath(std::u16string_view path, std::uintptr_t notifyParam,
                                          std::u16string_view deviceName) {
    std::unique_ptr<PlayerGraph> graph;
    HRESULT result = newGraph(deviceName, graph);
    if (FAILED(result)) return result;
    result = createWmaFilters(graph->asfReader, graph->wmaDecoder);
    if (SUCCEEDED(result)) result = loadSourceFile(*graph->asfReader.Get(), path);
    if (FAILED(result)) return result;
    IGraphBuilder& builder = *graph->builder.Get();
    result = builder.AddFilter(graph->asfReader.Get(), L"wmaSource");
    if (SUCCEEDED(result)) result = builder.AddFilter(graph->wmaDecoder.Get(), L"wmaDec");
    if (SUCCEEDED(result)) result = builder.AddFilter(graph->renderer.Get(), L"renderer");
    if (SUCCEEDED(result)) result = connectFirstPins(builder, *graph->asfReader.Get(), *graph->wmaDecoder.Get());
    if (SUCCEEDED(result)) result = connectFirstPins(builder, *graph->wmaDecoder.Get(), *graph->renderer.Get());
    if (FAILED(result)) return result;
    return finishOpen(std::move(graph), path, notifyParam);
}

AudioResult DirectShowPlayer::finishOpen(std::unique_ptr<PlayerGraph> graph, std::u16string_view path,
                                         std::uintptr_t notifyParam) {
    HRESULT result = graph->builder.As(&graph->audio);
    if (SUCCEEDED(result)) {
        result = graph->events->SetNotifyWindow(reinterpret_cast<OAHWND>(notifyWindow_), WM_AUDIO_EVENT,
                                                static_cast<LONG_PTR>(notifyParam));
    }
    if (FAILED(result)) return result;
    graph_ = std::move(graph);
    path_ = std::u16string(path);
    return audioOk;
}

void DirectShowPlayer::close() {
    if (!graph_) return;
    graph_->events->SetNotifyWindow(0, 0, 0);
    graph_.reset();
}

AudioResult DirectShowPlayer::run() {
    return graph_ ? graph_->control->Run() : audioFail;
}

AudioResult DirectShowPlayer::stop() {
    return graph_ ? graph_->control->Stop() : audioFail;
}

std::int32_t DirectShowPlayer::durationMs() {
    LONGLONG current = 0;
    LONGLONG stop = 0;
    if (!graph_ || FAILED(graph_->seeking->GetPositions(&current, &stop))) return 0;
    return toMs(stop);
}

std::int32_t DirectShowPlayer::positionMs() {
    LONGLONG current = 0;
    if (!graph_ || FAILED(graph_->seeking->GetCurrentPosition(&current))) return 0;
    return toMs(current);
}

void DirectShowPlayer::seekMs(std::int32_t ms) {
    if (!graph_) return;
    if (ms < 0) ms = 0;
    const std::int32_t duration = durationMs();
    if (ms > duration) ms = duration;
    LONGLONG current = ms * unitsPerMs;
    graph_->seeking->SetPositions(&current, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

bool DirectShowPlayer::isAtEnd() {
    LONGLONG current = 0;
    LONGLONG stop = 0;
    return graph_ && SUCCEEDED(graph_->seeking->GetPositions(&current, &stop)) && current >= stop;
}

void DirectShowPlayer::setAttenuation(std::int32_t hundredthsOfDb) {
    if (graph_) graph_->audio->put_Volume(hundredthsOfDb);
}

bool DirectShowPlayer::drainEvents(AudioEvent& acted) {
    if (!graph_) return false;
    bool found = false;
    long code = 0;
    LONG_PTR first = 0;
    LONG_PTR second = 0;
    while (graph_->events->GetEvent(&code, &first, &second, 5) == S_OK) {
        const bool endsFile = code == EC_ERRORABORT || code == EC_ERROR_STILLPLAYING ||
                              code == soundDeviceOutputError || (code == EC_DEVICE_LOST && second == 0);
        if (endsFile && !found) {
            found = true;
            const auto firstCode = static_cast<std::int32_t>(first);
            acted.deviceFailure = firstCode == audioNoHardware || code == EC_DEVICE_LOST || code == soundDeviceOutputError;
            acted.errorText = acted.deviceFailure ? std::u16string() : systemErrorText(firstCode);
        }
        graph_->events->FreeEventParams(code, first, second);
    }
    return found;
}

std::unique_ptr<AudioPlayer> DirectShowPlayerFactory::create() {
    return std::make_unique<DirectShowPlayer>(notifyWindow_, config_);
}
