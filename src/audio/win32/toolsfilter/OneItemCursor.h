#pragma once
// The position of an enumerator over at most one item, and the COM contract of its Next, Skip
// and Reset; the pin and media-type enumerators only say how their item is handed out.
#include <windows.h>

#include <algorithm>

class OneItemCursor {
public:
    OneItemCursor(ULONG itemCount, ULONG position) : itemCount_(itemCount), position_(position) {}

    // `handOut(slot)` stores the item in `*slot` (and may fail); at most one item is given.
    template <typename Item, typename HandOut>
    HRESULT next(ULONG count, Item** items, ULONG* fetched, HandOut handOut) {
        if (!items) return E_POINTER;
        if (count != 1 && !fetched) return E_INVALIDARG;
        ULONG given = 0;
        if (count > 0 && position_ < itemCount_) {
            const HRESULT hr = handOut(items[0]);
            if (FAILED(hr)) return hr;
            ++position_;
            given = 1;
        }
        if (fetched) *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }

    HRESULT skip(ULONG count) {
        const ULONG step = std::min(count, itemCount_ - std::min(position_, itemCount_));
        position_ += step;
        return step == count ? S_OK : S_FALSE;
    }

    void reset() { position_ = 0; }
    ULONG position() const { return position_; }
    void setItemCount(ULONG itemCount) { itemCount_ = itemCount; }

private:
    ULONG itemCount_;
    ULONG position_;
};
