#include "PcmReader.h"

#include <mfapi.h>
#include <mferror.h>
#include <propvarutil.h>

#include <algorithm>
#include <cstring>

using Microsoft::WRL::ComPtr;

namespace {

constexpr DWORD audioStream = static_cast<DWORD>(MF_SOURCE_READER_FIRST_AUDIO_STREAM);

// Unlocks on every path out of a copy.
class LockedBuffer {
public:
    explicit LockedBuffer(IMFMediaBuffer* buffer) : buffer_(buffer) {
        hr_ = buffer_->Lock(&data_, nullptr, &size_);
    }
    ~LockedBuffer() {
        if (SUCCEEDED(hr_)) buffer_->Unlock();
    }
    LockedBuffer(const LockedBuffer&) = delete;
    LockedBuffer& operator=(const LockedBuffer&) = delete;

    HRESULT result() const { return hr_; }
    const BYTE* data() const { return data_; }
    DWORD size() const { return size_; }

private:
    IMFMediaBuffer* buffer_;
    HRESULT hr_;
    BYTE* data_ = nullptr;
    DWORD size_ = 0;
};

HRESULT formatOf(IMFMediaType* type, PcmFormat& format) {
    GUID subtype{};
    UINT32 bits = 0, channels = 0, rate = 0;
    if (FAILED(type->GetGUID(MF_MT_SUBTYPE, &subtype)) || subtype != MFAudioFormat_PCM ||
        FAILED(type->GetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, &bits)) || bits != 16 ||
        FAILED(type->GetUINT32(MF_MT_AUDIO_NUM_CHANNELS, &channels)) || channels == 0 || channels > 8 ||
        FAILED(type->GetUINT32(MF_MT_AUDIO_SAMPLES_PER_SECOND, &rate)) || rate == 0) {
        return MF_E_INVALIDMEDIATYPE;
    }
    format.channels = static_cast<WORD>(channels);
    format.samplesPerSecond = rate;
    format.channelMask = MFGetAttributeUINT32(type, MF_MT_AUDIO_CHANNEL_MASK, 0);
    return S_OK;
}

}  // namespace

HRESULT PcmReader::open(const wchar_t* path) {
    HRESULT hr = mediaFoundation_.start();
    if (FAILED(hr)) return hr;
    hr = MFCreateSourceReaderFromURL(path, nullptr, &reader_);
    if (SUCCEEDED(hr)) hr = reader_->SetStreamSelection(static_cast<DWORD>(MF_SOURCE_READER_ALL_STREAMS), FALSE);
    if (SUCCEEDED(hr)) hr = reader_->SetStreamSelection(audioStream, TRUE);
    if (SUCCEEDED(hr)) hr = chooseOutputFormat();
    if (SUCCEEDED(hr)) hr = readDuration();
    if (FAILED(hr)) reader_.Reset();
    return hr;
}

HRESULT PcmReader::chooseOutputFormat() {
    ComPtr<IMFMediaType> wanted;
    HRESULT hr = MFCreateMediaType(&wanted);
    if (SUCCEEDED(hr)) hr = wanted->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Audio);
    if (SUCCEEDED(hr)) hr = wanted->SetGUID(MF_MT_SUBTYPE, MFAudioFormat_PCM);
    if (SUCCEEDED(hr)) hr = wanted->SetUINT32(MF_MT_AUDIO_BITS_PER_SAMPLE, 16);
    if (SUCCEEDED(hr)) hr = reader_->SetCurrentMediaType(audioStream, nullptr, wanted.Get());
    ComPtr<IMFMediaType> actual;
    if (SUCCEEDED(hr)) hr = reader_->GetCurrentMediaType(audioStream, &actual);
    if (SUCCEEDED(hr)) hr = formatOf(actual.Get(), format_);
    return hr;
}

HRESULT PcmReader::readDuration() {
    PROPVARIANT value;
    PropVariantInit(&value);
    HRESULT hr = reader_->GetPresentationAttribute(static_cast<DWORD>(MF_SOURCE_READER_MEDIASOURCE), MF_PD_DURATION,
                                                   &value);
    if (SUCCEEDED(hr)) {
        if (value.vt == VT_UI8 && value.uhVal.QuadPart > 0) {
            duration_ = static_cast<REFERENCE_TIME>(value.uhVal.QuadPart);
        } else {
            hr = MF_E_ATTRIBUTENOTFOUND;
        }
    }
    PropVariantClear(&value);
    return hr;
}

HRESULT PcmReader::seek(REFERENCE_TIME position) {
    PROPVARIANT value;
    InitPropVariantFromInt64(position, &value);
    const HRESULT hr = reader_->SetCurrentPosition(GUID_NULL, value);
    PropVariantClear(&value);
    if (FAILED(hr)) return hr;
    pending_.clear();
    pendingOffset_ = 0;
    trimBefore_ = position;
    trimming_ = true;
    atEnd_ = false;
    return S_OK;
}

HRESULT PcmReader::read(BYTE* buffer, DWORD capacity, DWORD& written, bool& ended) {
    const DWORD frameBytes = format_.blockAlign();
    capacity -= capacity % frameBytes;
    written = 0;
    while (written < capacity) {
        if (pendingOffset_ < pending_.size()) {
            const std::size_t count = std::min<std::size_t>(capacity - written, pending_.size() - pendingOffset_);
            std::memcpy(buffer + written, pending_.data() + pendingOffset_, count);
            written += static_cast<DWORD>(count);
            pendingOffset_ += count;
            continue;
        }
        if (atEnd_) break;
        const HRESULT hr = decodeNextSample();
        if (FAILED(hr)) return hr;
    }
    ended = atEnd_ && pendingOffset_ == pending_.size();
    return S_OK;
}

HRESULT PcmReader::decodeNextSample() {
    DWORD flags = 0;
    LONGLONG timestamp = 0;
    ComPtr<IMFSample> sample;
    HRESULT hr = reader_->ReadSample(audioStream, 0, nullptr, &flags, &timestamp, &sample);
    if (FAILED(hr)) return hr;
    if (flags & MF_SOURCE_READERF_ERROR) return E_FAIL;
    if (flags & MF_SOURCE_READERF_ENDOFSTREAM) atEnd_ = true;
    if (flags & MF_SOURCE_READERF_CURRENTMEDIATYPECHANGED) {
        // The pin's type is fixed for the connection; a different layout cannot be passed on.
        ComPtr<IMFMediaType> type;
        PcmFormat changed;
        hr = reader_->GetCurrentMediaType(audioStream, &type);
        if (SUCCEEDED(hr)) hr = formatOf(type.Get(), changed);
        if (FAILED(hr)) return hr;
        if (changed.channels != format_.channels || changed.samplesPerSecond != format_.samplesPerSecond) {
            return MF_E_INVALIDMEDIATYPE;
        }
    }
    if (!sample) return S_OK;

    ComPtr<IMFMediaBuffer> contiguous;
    hr = sample->ConvertToContiguousBuffer(&contiguous);
    if (FAILED(hr)) return hr;
    const LockedBuffer locked(contiguous.Get());
    if (FAILED(locked.result())) return locked.result();
    keepFrom(locked.data(), locked.size(), timestamp);
    return S_OK;
}

void PcmReader::keepFrom(const BYTE* data, DWORD size, LONGLONG timestamp) {
    const DWORD frameBytes = format_.blockAlign();
    DWORD skip = 0;
    if (trimming_) {
        // Sources seek to a packet or key frame at or before the target: drop what precedes it.
        if (timestamp < trimBefore_) {
            const LONGLONG frames = (trimBefore_ - timestamp) * format_.samplesPerSecond / 10'000'000;
            skip = static_cast<DWORD>(std::min<LONGLONG>(frames * frameBytes, size));
        }
        if (skip < size) trimming_ = false;
    }
    if (pendingOffset_ == pending_.size()) {
        pending_.clear();
        pendingOffset_ = 0;
    }
    const DWORD kept = (size - skip) - (size - skip) % frameBytes;
    pending_.insert(pending_.end(), data + skip, data + skip + kept);
}
