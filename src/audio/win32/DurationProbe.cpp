#include "audio/win32/DurationProbe.h"

#include "audio/win32/FilterPins.h"
#include "audio/win32/PlayerGraph.h"
#include "audio/win32/SourceFilters.h"

using Microsoft::WRL::ComPtr;

namespace {

// The stop position that output pin 0 of `filter` reports.
std::int32_t stopPositionMs(IBaseFilter& filter) {
    const ComPtr<IPin> output = pinOf(filter, PINDIR_OUTPUT, 0);
    ComPtr<IMediaSeeking> seeking;
    LONGLONG current = 0;
    LONGLONG stop = 0;
    if (!output || FAILED(output.As(&seeking)) || FAILED(seeking->GetPositions(&current, &stop))) return -1;
    return static_cast<std::int32_t>(stop / 10000);
}

std::int32_t probeWithToolsSource(std::u16string_view path, const AudioToolsConfig& config) {
    ComPtr<IBaseFilter> source;
    if (FAILED(createToolsSource(config, source)) || FAILED(loadSourceFile(*source.Get(), path))) return -1;
    return stopPositionMs(*source.Get());
}

// The reader's output is connected to the decoder, which then knows the decoded length; no renderer.
std::int32_t probeWithWmaReader(std::u16string_view path) {
    PlayerGraph graph;
    if (FAILED(graph.create()) || FAILED(createWmaFilters(graph.asfReader, graph.wmaDecoder)) ||
        FAILED(loadSourceFile(*graph.asfReader.Get(), path)) ||
        FAILED(graph.builder->AddFilter(graph.asfReader.Get(), L"wmaSource")) ||
        FAILED(graph.builder->AddFilter(graph.wmaDecoder.Get(), L"wmaDec")) ||
        FAILED(connectFirstPins(*graph.builder.Get(), *graph.asfReader.Get(), *graph.wmaDecoder.Get()))) {
        return -1;
    }
    return stopPositionMs(*graph.wmaDecoder.Get());
}

}  // namespace

std::int32_t probeDurationMs(std::u16string_view path, const AudioToolsConfig& config) {
    if (!isExistingFile(path)) return -1;
    const std::int32_t fromTools = probeWithToolsSource(path, config);
    return fromTools >= 0 ? fromTools : probeWithWmaReader(path);
}
