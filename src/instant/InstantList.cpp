#include "instant/InstantList.h"

#include <algorithm>

#include "data/Text.h"

std::u16string instantCapacityMessage() {
    return instantOverflowMessage() + u"\n\n ";
}

std::u16string instantOverflowMessage() {
    return formatText(u"最多添加 %s 个音频", {formatNumber(static_cast<std::int64_t>(maxInstantItems))});
}

int currentIndex(const std::vector<InstantItem>& items) {
    const auto found =
        std::find_if(items.begin(), items.end(), [](const InstantItem& item) { return item.isCurrent != 0; });
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

void markCurrent(std::vector<InstantItem>& items, int index) {
    for (std::size_t i = 0; i < items.size(); ++i) items[i].isCurrent = static_cast<int>(i) == index ? 1 : 0;
}

void resetCycle(std::vector<InstantItem>& items) {
    for (InstantItem& item : items) item.playedInCycle = 0;
}

bool deleteInstantItems(std::vector<InstantItem>& items, const std::vector<int>& selection) {
    resetCycle(items);
    bool deletedCurrent = false;
    for (auto row = selection.rbegin(); row != selection.rend(); ++row) {
        const auto at = items.begin() + *row;
        deletedCurrent = deletedCurrent || at->isCurrent != 0;
        items.erase(at);
    }
    return deletedCurrent;
}

bool sortInstantItems(std::vector<InstantItem>& items, InstantSortKey key, bool descending) {
    if (items.size() < 2) return false;
    const auto keyOf = [key](const InstantItem& item) {
        return key == InstantSortKey::name ? fixedView(item.name) : fixedView(item.ext);
    };
    std::stable_sort(items.begin(), items.end(), [&](const InstantItem& a, const InstantItem& b) {
        const int order = compareNoCase(keyOf(a), keyOf(b));
        return descending ? order > 0 : order < 0;
    });
    return true;
}

bool shuffleInstantItems(std::vector<InstantItem>& items, std::mt19937& random) {
    if (items.size() < 2) return false;
    std::shuffle(items.begin(), items.end(), random);
    return true;
}
