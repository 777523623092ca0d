// The pin as IMediaSeeking: positions in 100-ns units (TIME_FORMAT_MEDIA_TIME only) at rate 1.
#include "OutputPin.h"

#include <uuids.h>

#include <algorithm>

#include "SourceFilter.h"

namespace {

constexpr DWORD capabilitiesOffered = AM_SEEKING_CanSeekAbsolute | AM_SEEKING_CanSeekForwards |
                                      AM_SEEKING_CanSeekBackwards | AM_SEEKING_CanGetCurrentPos |
                                      AM_SEEKING_CanGetStopPos | AM_SEEKING_CanGetDuration;

bool isMediaTime(const GUID* format) {
    return !format || *format == TIME_FORMAT_MEDIA_TIME;
}

bool validMode(DWORD mode, bool incrementalAllowed) {
    return mode == AM_SEEKING_NoPositioning || mode == AM_SEEKING_AbsolutePositioning ||
           mode == AM_SEEKING_RelativePositioning || (incrementalAllowed && mode == AM_SEEKING_IncrementalPositioning);
}

}  // namespace

STDMETHODIMP OutputPin::GetCapabilities(DWORD* capabilities) {
    if (!capabilities) return E_POINTER;
    *capabilities = capabilitiesOffered;
    return S_OK;
}

STDMETHODIMP OutputPin::CheckCapabilities(DWORD* capabilities) {
    if (!capabilities) return E_POINTER;
    const DWORD asked = *capabilities;
    *capabilities &= capabilitiesOffered;
    if (*capabilities == asked) return S_OK;
    return *capabilities != 0 ? S_FALSE : E_FAIL;
}

STDMETHODIMP OutputPin::IsFormatSupported(const GUID* format) {
    if (!format) return E_POINTER;
    return *format == TIME_FORMAT_MEDIA_TIME ? S_OK : S_FALSE;
}

STDMETHODIMP OutputPin::QueryPreferredFormat(GUID* format) {
    if (!format) return E_POINTER;
    *format = TIME_FORMAT_MEDIA_TIME;
    return S_OK;
}

STDMETHODIMP OutputPin::GetTimeFormat(GUID* format) {
    return QueryPreferredFormat(format);
}

STDMETHODIMP OutputPin::IsUsingTimeFormat(const GUID* format) {
    return IsFormatSupported(format);
}

STDMETHODIMP OutputPin::SetTimeFormat(const GUID* format) {
    if (!format) return E_POINTER;
    return *format == TIME_FORMAT_MEDIA_TIME ? S_OK : E_INVALIDARG;
}

STDMETHODIMP OutputPin::GetDuration(LONGLONG* duration) {
    if (!duration) return E_POINTER;
    Locked positions(positionLock_);
    *duration = duration_;
    return S_OK;
}

STDMETHODIMP OutputPin::GetStopPosition(LONGLONG* stop) {
    if (!stop) return E_POINTER;
    *stop = progress_.stop.load();
    return S_OK;
}

STDMETHODIMP OutputPin::GetCurrentPosition(LONGLONG* current) {
    if (!current) return E_POINTER;
    Locked positions(positionLock_);
    *current = currentPositionLocked();
    return S_OK;
}

STDMETHODIMP OutputPin::GetPositions(LONGLONG* current, LONGLONG* stop) {
    Locked positions(positionLock_);
    if (current) *current = currentPositionLocked();
    if (stop) *stop = progress_.stop.load();
    return S_OK;
}

STDMETHODIMP OutputPin::ConvertTimeFormat(LONGLONG* target, const GUID* targetFormat, LONGLONG source,
                                          const GUID* sourceFormat) {
    if (!target) return E_POINTER;
    if (!isMediaTime(targetFormat) || !isMediaTime(sourceFormat)) return E_INVALIDARG;
    *target = source;
    return S_OK;
}

STDMETHODIMP OutputPin::SetPositions(LONGLONG* current, DWORD currentFlags, LONGLONG* stop, DWORD stopFlags) {
    const DWORD currentMode = currentFlags & AM_SEEKING_PositioningBitsMask;
    const DWORD stopMode = stopFlags & AM_SEEKING_PositioningBitsMask;
    if (!validMode(currentMode, false) || !validMode(stopMode, true)) return E_INVALIDARG;
    if ((currentMode != AM_SEEKING_NoPositioning && !current) || (stopMode != AM_SEEKING_NoPositioning && !stop)) {
        return E_POINTER;
    }

    Locked lock(filter_.lock());
    REFERENCE_TIME newCurrent = 0;
    REFERENCE_TIME newStop = 0;
    {
        Locked positions(positionLock_);
        newCurrent = currentPositionLocked();
        newStop = progress_.stop.load();
        if (currentMode == AM_SEEKING_AbsolutePositioning) newCurrent = *current;
        if (currentMode == AM_SEEKING_RelativePositioning) newCurrent += *current;
        if (stopMode == AM_SEEKING_AbsolutePositioning) newStop = *stop;
        if (stopMode == AM_SEEKING_RelativePositioning) newStop += *stop;
        if (stopMode == AM_SEEKING_IncrementalPositioning) newStop = newCurrent + *stop;
        newCurrent = std::clamp<REFERENCE_TIME>(newCurrent, 0, duration_);
        newStop = std::clamp<REFERENCE_TIME>(newStop, 0, duration_);
    }

    HRESULT hr = S_OK;
    if (currentMode != AM_SEEKING_NoPositioning && streamer_.active()) {
        hr = restartStreaming(newCurrent, newStop);
    } else {
        // Without a new current position a running thread just picks up the new stop.
        Locked positions(positionLock_);
        if (currentMode != AM_SEEKING_NoPositioning) {
            segmentStart_ = newCurrent;
            progress_.delivered = 0;
        }
        progress_.stop = newStop;
    }
    if (current && (currentFlags & AM_SEEKING_ReturnTime)) *current = newCurrent;
    if (stop && (stopFlags & AM_SEEKING_ReturnTime)) *stop = newStop;
    return hr;
}

STDMETHODIMP OutputPin::GetAvailable(LONGLONG* earliest, LONGLONG* latest) {
    Locked positions(positionLock_);
    if (earliest) *earliest = 0;
    if (latest) *latest = duration_;
    return S_OK;
}

STDMETHODIMP OutputPin::SetRate(double rate) {
    return rate == 1.0 ? S_OK : E_INVALIDARG;
}

STDMETHODIMP OutputPin::GetRate(double* rate) {
    if (!rate) return E_POINTER;
    *rate = 1.0;
    return S_OK;
}

STDMETHODIMP OutputPin::GetPreroll(LONGLONG* preroll) {
    if (!preroll) return E_POINTER;
    *preroll = 0;
    return S_OK;
}
