#pragma once
// A file decoded by Media Foundation's source reader into 16-bit PCM, read as a byte stream.
// Not thread-safe: one thread at a time (the filter hands it between Load, seeks and streaming).
#include <windows.h>
#include <mfidl.h>
#include <mfreadwrite.h>
#include <strmif.h>
#include <wrl/client.h>

#include <cstddef>
#include <vector>

#include "MediaFoundationUse.h"
#include "PcmFormat.h"

class PcmReader {
public:
    HRESULT open(const wchar_t* path);

    const PcmFormat& format() const { return format_; }
    REFERENCE_TIME duration() const { return duration_; }

    // The next read starts at exactly this time, however coarsely the source itself seeks.
    HRESULT seek(REFERENCE_TIME position);
    // Fills the buffer with whole frames until it is full or the file ends.
    HRESULT read(BYTE* buffer, DWORD capacity, DWORD& written, bool& ended);

private:
    HRESULT chooseOutputFormat();
    HRESULT readDuration();
    HRESULT decodeNextSample();
    void keepFrom(const BYTE* data, DWORD size, LONGLONG timestamp);

    // Declared first so that Media Foundation outlives the reader.
    MediaFoundationUse mediaFoundation_;
    Microsoft::WRL::ComPtr<IMFSourceReader> reader_;
    PcmFormat format_;
    REFERENCE_TIME duration_ = 0;
    std::vector<BYTE> pending_;
    std::size_t pendingOffset_ = 0;
    REFERENCE_TIME trimBefore_ = 0;
    bool trimming_ = true;
    bool atEnd_ = false;
};
