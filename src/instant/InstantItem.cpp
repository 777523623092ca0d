#include "instant/InstantItem.h"

#include "audio/AudioPath.h"
#include "data/Text.h"

std::u16string_view extensionOf(std::u16string_view name) {
    const auto dot = name.find_last_of(u'.');
    return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot);
}

InstantItem makeInstantItem(std::u16string_view path, std::int32_t durationMs) {
    InstantItem item{};
    setFixed(item.path, path);
    setFixed(item.name, fileNameOf(fixedView(item.path)));
    setFixed(item.ext, extensionOf(fixedView(item.name)));
    item.durationMs = durationMs;
    return item;
}
