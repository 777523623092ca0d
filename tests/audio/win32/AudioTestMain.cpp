// The audio tests run in a single-threaded apartment, as the program's user-interface thread does.
// Started with "--look-up-renderers-until EVENT", the same program is instead the other process
// of a test: it looks up the default device's renderer over and over until the named event is set.
#include <windows.h>

#include <ole2.h>

#include <gtest/gtest.h>

#include <cstring>

#include "audio/DefaultDevice.h"
#include "audio/win32/OutputDevices.h"
#include "winutil/UniqueHandle.h"

namespace {

// Exit code: the number of lookups made, so that the test knows the two processes overlapped.
int lookUpRenderersUntil(const char* eventName) {
    const UniqueHandle stop(OpenEventA(SYNCHRONIZE, FALSE, eventName));
    if (!stop || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return 0;
    int lookups = 0;
    while (WaitForSingleObject(stop.get(), 0) == WAIT_TIMEOUT) {
        createAudioRenderer(defaultDeviceName);
        ++lookups;
    }
    CoUninitialize();
    return lookups;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--look-up-renderers-until") == 0) return lookUpRenderersUntil(argv[2]);
    testing::InitGoogleTest(&argc, argv);
    if (FAILED(OleInitialize(nullptr))) return 3;
    const int result = RUN_ALL_TESTS();
    OleUninitialize();
    return result;
}
