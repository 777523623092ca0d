// The pin's streaming control: the thread started, stopped and restarted around seeks.
#include "OutputPin.h"

#include <algorithm>

#include "SourceFilter.h"

void OutputPin::setSource(std::unique_ptr<PcmReader> reader) {
    format_ = reader->format();
    const REFERENCE_TIME duration = reader->duration();
    reader_ = std::move(reader);
    Locked positions(positionLock_);
    duration_ = duration;
    segmentStart_ = 0;
    progress_.stop = duration;
    progress_.delivered = 0;
}

HRESULT OutputPin::activate() {
    if (!peer_) return S_OK;
    HRESULT hr = allocator_->Commit();
    if (FAILED(hr)) return hr;
    hr = startStreaming();
    if (FAILED(hr)) allocator_->Decommit();
    return hr;
}

void OutputPin::deactivate() {
    if (allocator_) allocator_->Decommit();
    streamer_.finish();
    {
        Locked positions(positionLock_);
        segmentStart_ = currentPositionLocked();
        progress_.delivered = 0;
    }
}

HRESULT OutputPin::startStreaming() {
    REFERENCE_TIME start = 0;
    {
        Locked positions(positionLock_);
        start = segmentStart_;
    }
    const HRESULT hr = reader_->seek(start);
    if (FAILED(hr)) return hr;
    return streamer_.start(*reader_, StreamTarget{peer_, input_, allocator_}, start, progress_, filter_);
}

HRESULT OutputPin::restartStreaming(REFERENCE_TIME current, REFERENCE_TIME stop) {
    // Downstream drops what it holds and lets go of the thread; the decommit wakes it if it
    // waits for a buffer instead.
    peer_->BeginFlush();
    allocator_->Decommit();
    streamer_.finish();
    peer_->EndFlush();
    {
        Locked positions(positionLock_);
        segmentStart_ = current;
        progress_.stop = stop;
        progress_.delivered = 0;
    }
    HRESULT hr = allocator_->Commit();
    if (SUCCEEDED(hr)) hr = startStreaming();
    if (FAILED(hr)) {
        // Downstream waits for data after the flush: end the stream so that it does not wait forever.
        filter_.streamFailed(hr);
        peer_->EndOfStream();
    }
    return hr;
}

REFERENCE_TIME OutputPin::currentPositionLocked() const {
    return std::min(segmentStart_ + progress_.delivered.load(), progress_.stop.load());
}
