#pragma once
// Whether the console is listening, in the operator's words, for the settings page: the server
// sets it when it starts, stops or cannot take its port, the page shows it as it changes.
#include <string>
#include <string_view>

#include "data/ListChange.h"

class WebConsoleStatus {
public:
    const std::u16string& text() const { return text_; }
    bool listening() const { return listening_; }

    void set(bool listening, std::u16string_view text) {
        listening_ = listening;
        text_ = text;
        observers_.notify(ListChange{});
    }

    void addObserver(ListObserver& observer) { observers_.add(observer); }
    void removeObserver(ListObserver& observer) { observers_.remove(observer); }

private:
    bool listening_ = false;
    std::u16string text_;
    ListObservers observers_;
};
