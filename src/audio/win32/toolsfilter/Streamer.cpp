#include "Streamer.h"

#include <algorithm>
#include <utility>

HRESULT Streamer::start(PcmReader& reader, StreamTarget target, REFERENCE_TIME start, StreamProgress& progress,
                        StreamErrorSink& errors) {
    finish();
    reader_ = &reader;
    target_ = std::move(target);
    start_ = start;
    progress_ = &progress;
    errors_ = &errors;
    progress.delivered = 0;
    quit_ = false;
    thread_ = UniqueHandle(CreateThread(nullptr, 0, &Streamer::threadMain, this, 0, nullptr));
    if (!thread_) {
        const HRESULT hr = HRESULT_FROM_WIN32(GetLastError());
        target_ = StreamTarget{};
        return hr;
    }
    return S_OK;
}

void Streamer::finish() {
    if (!thread_) return;
    quit_ = true;
    WaitForSingleObject(thread_.get(), INFINITE);
    thread_.reset();
    target_ = StreamTarget{};
}

DWORD WINAPI Streamer::threadMain(void* streamer) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    static_cast<Streamer*>(streamer)->deliver();
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

void Streamer::deliver() {
    const PcmFormat& format = reader_->format();
    const DWORD frameBytes = format.blockAlign();
    if (FAILED(target_.peer->NewSegment(start_, progress_->stop.load(), 1.0))) return;

    LONGLONG frames = 0;
    bool discontinuity = true;
    while (!quit_) {
        const REFERENCE_TIME left = progress_->stop.load() - (start_ + framesToTime(frames, format.samplesPerSecond));
        if (left <= 0) break;

        Microsoft::WRL::ComPtr<IMediaSample> sample;
        // Fails once the allocator is decommitted: the pin is stopping or seeking.
        if (FAILED(target_.allocator->GetBuffer(&sample, nullptr, nullptr, 0)) || quit_) return;
        BYTE* data = nullptr;
        if (FAILED(sample->GetPointer(&data))) return;
        const LONGLONG room = std::min<LONGLONG>(sample->GetSize() / frameBytes,
                                                 timeToFrames(left, format.samplesPerSecond));

        DWORD written = 0;
        bool ended = false;
        const HRESULT decoded = reader_->read(data, static_cast<DWORD>(room * frameBytes), written, ended);
        if (FAILED(decoded)) {
            errors_->streamFailed(decoded);
            break;
        }
        if (written > 0) {
            const LONGLONG count = written / frameBytes;
            REFERENCE_TIME begin = framesToTime(frames, format.samplesPerSecond);
            REFERENCE_TIME end = framesToTime(frames + count, format.samplesPerSecond);
            sample->SetActualDataLength(static_cast<long>(written));
            sample->SetTime(&begin, &end);
            sample->SetSyncPoint(TRUE);
            sample->SetDiscontinuity(discontinuity ? TRUE : FALSE);
            // Anything but S_OK: downstream is flushing, stopping or has reported its own error.
            if (target_.input->Receive(sample.Get()) != S_OK) return;
            frames += count;
            discontinuity = false;
            progress_->delivered = end;
        }
        if (ended) break;
    }
    if (!quit_) target_.peer->EndOfStream();
}
