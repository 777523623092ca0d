#include "instant/InstantRunChoice.h"

std::variant<InstantRunChoice, InstantRunFailure> readInstantRunChoice(bool songsChecked, std::u16string_view songsText,
                                                                       std::u16string_view secondsText,
                                                                       const InstantOptions& options) {
    const auto songs = validateInteger(songsText, 0);
    const auto seconds = validateInteger(secondsText, 0);
    if (songsChecked && !songs) {
        return InstantRunFailure{u"播 n 首，输入无效　　　　　　　 \n\n ", MessageIcon::warning, InstantRunField::songs};
    }
    if (!songsChecked && !seconds) {
        return InstantRunFailure{u"播 n 秒，输入无效　　　　　　　 \n\n ", MessageIcon::warning, InstantRunField::seconds};
    }
    return InstantRunChoice{songsChecked ? 1 : 0, songs.value_or(options.songCount), seconds.value_or(options.seconds)};
}
