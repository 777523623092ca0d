#include "PcmFormat.h"

#include <ks.h>
#include <ksmedia.h>
#include <mmreg.h>
#include <uuids.h>

#include <cstring>

namespace {

constexpr REFERENCE_TIME unitsPerSecond = 10'000'000;

DWORD usualChannelMask(WORD channels) {
    switch (channels) {
    case 1: return KSAUDIO_SPEAKER_MONO;
    case 2: return KSAUDIO_SPEAKER_STEREO;
    case 3: return SPEAKER_FRONT_LEFT | SPEAKER_FRONT_RIGHT | SPEAKER_FRONT_CENTER;
    case 4: return KSAUDIO_SPEAKER_QUAD;
    case 5: return KSAUDIO_SPEAKER_QUAD | SPEAKER_FRONT_CENTER;
    case 6: return KSAUDIO_SPEAKER_5POINT1;
    case 7: return KSAUDIO_SPEAKER_5POINT1 | SPEAKER_BACK_CENTER;
    case 8: return KSAUDIO_SPEAKER_7POINT1_SURROUND;
    default: return 0;
    }
}

WAVEFORMATEXTENSIBLE waveFormatOf(const PcmFormat& format) {
    WAVEFORMATEXTENSIBLE wave{};
    wave.Format.wFormatTag = WAVE_FORMAT_PCM;
    wave.Format.nChannels = format.channels;
    wave.Format.nSamplesPerSec = format.samplesPerSecond;
    wave.Format.wBitsPerSample = 16;
    wave.Format.nBlockAlign = format.blockAlign();
    wave.Format.nAvgBytesPerSec = format.samplesPerSecond * format.blockAlign();
    if (format.channels > 2) {
        wave.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
        wave.Format.cbSize = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);
        wave.Samples.wValidBitsPerSample = 16;
        wave.dwChannelMask = format.channelMask != 0 ? format.channelMask : usualChannelMask(format.channels);
        // KSDATAFORMAT_SUBTYPE_PCM has the same value and no import library.
        wave.SubFormat = MEDIASUBTYPE_PCM;
    }
    return wave;
}

ULONG waveFormatSize(const PcmFormat& format) {
    return format.channels > 2 ? sizeof(WAVEFORMATEXTENSIBLE) : sizeof(WAVEFORMATEX);
}

bool anyOr(const GUID& proposed, const GUID& ours) {
    return proposed == GUID_NULL || proposed == ours;
}

}  // namespace

HRESULT makeMediaType(const PcmFormat& format, AM_MEDIA_TYPE& type) {
    const WAVEFORMATEXTENSIBLE wave = waveFormatOf(format);
    const ULONG size = waveFormatSize(format);
    auto* block = static_cast<BYTE*>(CoTaskMemAlloc(size));
    if (!block) return E_OUTOFMEMORY;
    std::memcpy(block, &wave, size);

    type = AM_MEDIA_TYPE{};
    type.majortype = MEDIATYPE_Audio;
    type.subtype = MEDIASUBTYPE_PCM;
    type.bFixedSizeSamples = TRUE;
    type.lSampleSize = format.blockAlign();
    type.formattype = FORMAT_WaveFormatEx;
    type.cbFormat = size;
    type.pbFormat = block;
    return S_OK;
}

bool matchesMediaType(const PcmFormat& format, const AM_MEDIA_TYPE& proposed) {
    if (!anyOr(proposed.majortype, MEDIATYPE_Audio) || !anyOr(proposed.subtype, MEDIASUBTYPE_PCM) ||
        !anyOr(proposed.formattype, FORMAT_WaveFormatEx)) {
        return false;
    }
    if (proposed.formattype == GUID_NULL || proposed.cbFormat == 0) return true;
    const WAVEFORMATEXTENSIBLE wave = waveFormatOf(format);
    return proposed.pbFormat && proposed.cbFormat == waveFormatSize(format) &&
           std::memcmp(proposed.pbFormat, &wave, proposed.cbFormat) == 0;
}

REFERENCE_TIME framesToTime(LONGLONG frames, DWORD samplesPerSecond) {
    return frames * unitsPerSecond / samplesPerSecond;
}

LONGLONG timeToFrames(REFERENCE_TIME time, DWORD samplesPerSecond) {
    return (time * samplesPerSecond + unitsPerSecond - 1) / unitsPerSecond;
}
