#include "system/win32/MixerVolume.h"

#include <windows.h>

#include <mmsystem.h>

#include <optional>

#include "audio/DefaultDevice.h"
#include "winutil/WideText.h"

namespace {

std::optional<std::u16string> mixerName(UINT mixer) {
    MIXERCAPSW caps{};
    if (mixerGetDevCapsW(mixer, &caps, sizeof caps) != MMSYSERR_NOERROR) return std::nullopt;
    return fromWide(caps.szPname);
}

std::optional<UINT> mixerNamed(std::u16string_view deviceName) {
    const UINT count = mixerGetNumDevs();
    if (sameTextIgnoringCase(deviceName, defaultDeviceName)) return count > 0 ? std::optional<UINT>(0) : std::nullopt;
    for (UINT mixer = 0; mixer < count; ++mixer) {
        const std::optional<std::u16string> name = mixerName(mixer);
        if (name && sameTextIgnoringCase(*name, deviceName)) return mixer;
    }
    return std::nullopt;
}

HMIXEROBJ object(HMIXER mixer) {
    return reinterpret_cast<HMIXEROBJ>(mixer);
}

std::optional<MIXERCONTROLW> lineControl(HMIXER mixer, DWORD lineId, DWORD controlType) {
    MIXERCONTROLW control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSW query{};
    query.cbStruct = sizeof query;
    query.dwLineID = lineId;
    query.dwControlType = controlType;
    query.cControls = 1;
    query.cbmxctrl = sizeof control;
    query.pamxctrl = &control;
    if (mixerGetLineControlsW(object(mixer), &query, MIXER_GETLINECONTROLSF_ONEBYTYPE) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return control;
}

// The control's value, all channels taken as one.
template <typename Details>
std::optional<Details> controlValue(HMIXER mixer, const MIXERCONTROLW& control) {
    Details value{};
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = control.dwControlID;
    details.cChannels = 1;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    if (mixerGetControlDetailsW(object(mixer), &details, MIXER_GETCONTROLDETAILSF_VALUE) != MMSYSERR_NOERROR) {
        return std::nullopt;
    }
    return value;
}

// The volume and mute of the first line of `componentType` into `level` and `muted`.
void readLine(HMIXER mixer, DWORD componentType, double& level, std::int32_t& muted) {
    MIXERLINEW line{};
    line.cbStruct = sizeof line;
    line.dwComponentType = componentType;
    if (mixerGetLineInfoW(object(mixer), &line, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR) return;
    if (const auto volume = lineControl(mixer, line.dwLineID, MIXERCONTROL_CONTROLTYPE_VOLUME)) {
        if (const auto value = controlValue<MIXERCONTROLDETAILS_UNSIGNED>(mixer, *volume)) {
            level = mixerLevel(value->dwValue, volume->Bounds.dwMinimum, volume->Bounds.dwMaximum);
        }
    }
    if (const auto mute = lineControl(mixer, line.dwLineID, MIXERCONTROL_CONTROLTYPE_MUTE)) {
        if (const auto value = controlValue<MIXERCONTROLDETAILS_BOOLEAN>(mixer, *mute)) muted = value->fValue;
    }
}

}  // namespace

VolumeReading readMixerVolume(std::u16string_view deviceName) {
    VolumeReading reading;
    const std::optional<UINT> device = mixerNamed(deviceName);
    HMIXER mixer = nullptr;
    if (!device || mixerOpen(&mixer, *device, 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR) return reading;
    readLine(mixer, MIXERLINE_COMPONENTTYPE_DST_SPEAKERS, reading.endpointLevel, reading.endpointMuted);
    readLine(mixer, MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT, reading.sessionLevel, reading.sessionMuted);
    mixerClose(mixer);
    return reading;
}

std::u16string mixerDefaultDevice() {
    return mixerName(0).value_or(std::u16string());
}
