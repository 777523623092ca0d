#include "audio/win32/WarmUp.h"

#include "audio/win32/DirectShowPlayer.h"
#include "audio/win32/PreciseSleep.h"

void warmUpDevice(std::u16string_view deviceName, HWND window, const AudioToolsConfig& config) {
    DirectShowPlayer player(window, config);
    if (SUCCEEDED(player.open(testSoundPath(config), 0, deviceName))) {
        player.run();
        preciseSleep(128);
        player.stop();
    }
    player.close();
}
