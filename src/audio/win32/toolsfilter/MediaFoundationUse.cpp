#include "MediaFoundationUse.h"

#include <mfapi.h>

namespace {

SRWLOCK usersLock = SRWLOCK_INIT;
unsigned users = 0;

}  // namespace

HRESULT MediaFoundationUse::start() {
    if (started_) return S_OK;
    AcquireSRWLockExclusive(&usersLock);
    HRESULT hr = S_OK;
    if (users == 0) hr = MFStartup(MF_VERSION, MFSTARTUP_LITE);
    if (SUCCEEDED(hr)) {
        ++users;
        started_ = true;
    }
    ReleaseSRWLockExclusive(&usersLock);
    return hr;
}

MediaFoundationUse::~MediaFoundationUse() {
    if (!started_) return;
    AcquireSRWLockExclusive(&usersLock);
    if (--users == 0) MFShutdown();
    ReleaseSRWLockExclusive(&usersLock);
}
