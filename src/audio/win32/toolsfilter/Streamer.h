#pragma once
// The streaming thread: decodes into the allocator's buffers, stamps them from 0 at the start
// position and delivers them downstream, then signals the end of the stream.
#include <windows.h>
#include <strmif.h>
#include <wrl/client.h>

#include <atomic>

#include "PcmReader.h"
#include "winutil/UniqueHandle.h"

// Shared with the pin, which reads the progress and may move the stop while the thread runs.
struct StreamProgress {
    std::atomic<REFERENCE_TIME> stop{0};
    // Media time of the samples downstream has taken, counted from the start position.
    std::atomic<REFERENCE_TIME> delivered{0};
};

// Every reference the thread uses, held until it ends.
struct StreamTarget {
    Microsoft::WRL::ComPtr<IPin> peer;
    Microsoft::WRL::ComPtr<IMemInputPin> input;
    Microsoft::WRL::ComPtr<IMemAllocator> allocator;
};

class StreamErrorSink {
public:
    virtual void streamFailed(HRESULT hr) = 0;

protected:
    ~StreamErrorSink() = default;
};

class Streamer {
public:
    Streamer() = default;
    ~Streamer() { finish(); }
    Streamer(const Streamer&) = delete;
    Streamer& operator=(const Streamer&) = delete;

    // `reader` must already be positioned at `start`.
    HRESULT start(PcmReader& reader, StreamTarget target, REFERENCE_TIME start, StreamProgress& progress,
                  StreamErrorSink& errors);
    // Asks the thread to end and waits for it. The caller first releases whatever may hold it:
    // a decommitted allocator ends a wait for a buffer; a stopped or flushing renderer ends Receive.
    void finish();
    bool active() const { return static_cast<bool>(thread_); }

private:
    static DWORD WINAPI threadMain(void* streamer);
    void deliver();

    UniqueHandle thread_;
    std::atomic<bool> quit_{false};
    PcmReader* reader_ = nullptr;
    StreamTarget target_;
    REFERENCE_TIME start_ = 0;
    StreamProgress* progress_ = nullptr;
    StreamErrorSink* errors_ = nullptr;
};
