// Feeds each input to loadInstant as the content of the immediate-play list: a content
// error empties the list and resets the options; a success holds the options and items as
// stored, each path cut to its capacity and its name and extension taken from it.
#include <algorithm>
#include <string_view>
#include <vector>

#include "FuzzedFile.h"
#include "data/Text.h"
#include "instant/InstantFile.h"

namespace {

bool isSeparator(char16_t unit) {
    return unit == u'\\' || unit == u'/';
}

// Every unit after the text is NUL, so nothing of the stored name or extension survives.
bool zeroFilled(const char16_t (&buffer)[instantTextCapacity]) {
    const std::size_t length = fixedView(buffer).size();
    return std::all_of(buffer + length, buffer + instantTextCapacity, [](char16_t unit) { return unit == 0; });
}

void requireDerived(const InstantItem& item) {
    const std::u16string_view path = fixedView(item.path);
    const std::u16string_view name = fixedView(item.name);
    const std::u16string_view ext = fixedView(item.ext);
    require(path.ends_with(name) && std::none_of(name.begin(), name.end(), isSeparator) &&
                (name.size() == path.size() || isSeparator(path[path.size() - name.size() - 1])),
            "the name is the path's last component");
    const std::size_t dot = name.rfind(u'.');
    require(dot == std::u16string_view::npos ? ext.empty() : ext == name.substr(dot), "the extension is the name's");
    require(zeroFilled(item.name) && zeroFilled(item.ext), "name and extension padded with NUL");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    FuzzedFile file(u"/data/立即播t", data, size);
    bool readFailed = false;
    std::vector<InstantItem> items;
    InstantOptions options;
    const ReadResult result = loadInstant(file.context(&readFailed), u"/music", items, options);

    const InstantOptions initial;
    if (!result.ok()) {
        file.requireContentError(result, instantFileTexts().read, readFailed);
        require(items.empty(), "a failed load leaves the list empty");
        require(options.volume == initial.volume && options.mode == initial.mode &&
                    options.countMode == initial.countMode && options.songCount == initial.songCount &&
                    options.seconds == initial.seconds,
                "a failed load resets the options");
        return 0;
    }
    require(!readFailed, "the list has no read-failed flag");
    require(file.storedAt<std::int32_t>(0) == options.volume && options.volume >= 25 && options.volume <= 100,
            "the volume as stored and in range");
    require(file.storedAt<std::int32_t>(4) == options.mode && options.mode >= singleLoop && options.mode <= randomOrder,
            "the mode as stored and in range");
    require(file.storedAt<std::int32_t>(8) == static_cast<std::int32_t>(items.size()) && items.size() <= maxInstantItems,
            "the item count");
    std::size_t offset = 12;
    for (const InstantItem& item : items) {
        InstantItem stored = file.storedAt<InstantItem>(offset);
        stored.path[instantTextCapacity - 1] = u'\0';
        require(std::equal(std::begin(item.path), std::end(item.path), std::begin(stored.path)),
                "the path as stored, cut to capacity");
        require(item.durationMs == stored.durationMs && item.durationMs >= -1 && item.durationMs <= maxInstantDurationMs,
                "the length as stored and in range");
        require(item.isCurrent == stored.isCurrent && item.playedInCycle == stored.playedInCycle,
                "the flags as stored");
        requireDerived(item);
        offset += sizeof stored;
    }
    require(file.storedAt<std::int32_t>(offset) == options.countMode, "the count mode as stored");
    require(file.storedAt<std::int32_t>(offset + 4) == options.songCount && options.songCount >= 0,
            "the song count as stored and not negative");
    require(file.storedAt<std::int32_t>(offset + 8) == options.seconds && options.seconds >= 0,
            "the seconds as stored and not negative");
    file.requirePayloadSize(offset + 12);
    return 0;
}
