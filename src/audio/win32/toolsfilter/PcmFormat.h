#pragma once
// The one format the output pin offers: 16-bit PCM at the source's channel count and rate.
#include <windows.h>
#include <strmif.h>

struct PcmFormat {
    WORD channels = 0;
    DWORD samplesPerSecond = 0;
    // The speaker positions the decoder reported; 0 lets the usual layout for the count apply.
    DWORD channelMask = 0;

    WORD blockAlign() const { return static_cast<WORD>(channels * 2); }
};

// WAVEFORMATEX for one or two channels, WAVEFORMATEXTENSIBLE beyond. `type` must own nothing.
HRESULT makeMediaType(const PcmFormat& format, AM_MEDIA_TYPE& type);
// Whether a type proposed to the pin (fully or partly, GUID_NULL meaning any) describes ours.
bool matchesMediaType(const PcmFormat& format, const AM_MEDIA_TYPE& proposed);

REFERENCE_TIME framesToTime(LONGLONG frames, DWORD samplesPerSecond);
// Rounded up, so that a stop time inside a frame still plays that frame.
LONGLONG timeToFrames(REFERENCE_TIME time, DWORD samplesPerSecond);
