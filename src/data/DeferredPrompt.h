#pragma once
// Messages held back while the program starts: no load may wait on an operator's OK before the
// bells run. Released in the order they came; afterwards every message passes straight through.
#include <string>
#include <vector>

#include "data/Prompt.h"

class DeferredPrompt : public Prompt {
public:
    void showMessage(std::u16string_view text, MessageIcon icon) override;
    // A question cannot wait for its answer: it goes to the target at once, and before the
    // release the answer is the safe No.
    bool askYesNo(std::u16string_view text) override;
    // Shows the held messages one after another through `target`, which then takes every later one.
    void release(Prompt& target);

private:
    struct Held {
        std::u16string text;
        MessageIcon icon;
    };
    Prompt* target_ = nullptr;
    std::vector<Held> held_;
};
