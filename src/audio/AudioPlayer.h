#pragma once
// One audio file on one output device. The Windows implementation builds a DirectShow
// graph by hand; play jobs and immediate play see only this interface, so they are
// tested natively with a scripted player.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

using AudioResult = std::int32_t;  // HRESULT-style: negative = failure

inline constexpr AudioResult audioOk = 0;
inline constexpr AudioResult audioFail = static_cast<AudioResult>(0x80004005);           // E_FAIL
inline constexpr AudioResult audioNoHardware = static_cast<AudioResult>(0x80040256);    // VFW_E_NO_AUDIO_HARDWARE
inline constexpr AudioResult audioFileNotFound = static_cast<AudioResult>(0x80070002);  // file not found

inline constexpr int silentAttenuation = -10000;  // hundredths of a decibel
inline constexpr std::u16string_view nullDeviceName = u"NullRenderer";

// A graph event that ends the file.
struct AudioEvent {
    bool deviceFailure = false;  // device lost, removed, or no audio hardware
    std::u16string errorText;    // otherwise the system's text for the error code
};

class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;
    // Builds the graph for `path` on the named device; graph events are posted to the
    // notify target with `notifyParam`. On failure nothing stays allocated.
    virtual AudioResult open(std::u16string_view path, std::uintptr_t notifyParam, std::u16string_view deviceName) = 0;
    // Safe on a closed player.
    virtual void close() = 0;
    virtual AudioResult run() = 0;
    virtual AudioResult stop() = 0;
    virtual std::int32_t durationMs() = 0;
    virtual std::int32_t positionMs() = 0;
    // Clamped to 0..durationMs.
    virtual void seekMs(std::int32_t ms) = 0;
    // Polled by the owners' timers: the end of a file is when the position reaches the stop position.
    virtual bool isAtEnd() = 0;
    virtual void setAttenuation(std::int32_t hundredthsOfDb) = 0;
    // The path given to the last successful open.
    virtual const std::u16string& path() const = 0;
    // Drains the graph's event queue (on the notify message); true when one of the events
    // that end the file was among them (error abort, device lost or removed, ...).
    virtual bool drainEvents(AudioEvent& acted) = 0;
};

// Makes players; the Windows one binds them to the window that receives their events.
class AudioPlayerFactory {
public:
    virtual ~AudioPlayerFactory() = default;
    virtual std::unique_ptr<AudioPlayer> create() = 0;
};

