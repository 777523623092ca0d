#pragma once
// One holder's share of Media Foundation. MFStartup runs for the first holder in the process and
// MFShutdown after the last, so readers on different filters never shut it down under each other.
#include <windows.h>

class MediaFoundationUse {
public:
    MediaFoundationUse() = default;
    ~MediaFoundationUse();
    MediaFoundationUse(const MediaFoundationUse&) = delete;
    MediaFoundationUse& operator=(const MediaFoundationUse&) = delete;

    HRESULT start();

private:
    bool started_ = false;
};
