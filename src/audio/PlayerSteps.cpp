#include "audio/PlayerSteps.h"

#include <cstdint>

#include "audio/Volume.h"

SilentStart startSilent(AudioPlayerFactory& players, std::u16string_view path, std::u16string_view deviceName) {
    SilentStart start;
    start.player = players.create();
    // The player's own address tells its graph events apart from another player's.
    const AudioResult opened =
        start.player->open(path, reinterpret_cast<std::uintptr_t>(start.player.get()), deviceName);
    if (opened < 0) {
        start.player.reset();
        start.failure = opened;
        start.openFailed = true;
        return start;
    }
    start.player->setAttenuation(silentAttenuation);
    const AudioResult ran = start.player->run();
    if (ran < 0) {
        destroyPlayer(start.player);
        start.failure = ran;
    }
    return start;
}

void setPlayerLevel(AudioPlayer& player, double level) {
    player.setAttenuation(volumeToAttenuation(static_cast<int>(level)));
}

void destroyPlayer(std::unique_ptr<AudioPlayer>& player) {
    if (!player) return;
    player->stop();
    player->close();
    player.reset();
}
