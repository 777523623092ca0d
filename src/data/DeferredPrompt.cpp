#include "data/DeferredPrompt.h"

void DeferredPrompt::showMessage(std::u16string_view text, MessageIcon icon) {
    if (target_ != nullptr) {
        target_->showMessage(text, icon);
        return;
    }
    held_.push_back(Held{std::u16string(text), icon});
}

bool DeferredPrompt::askYesNo(std::u16string_view text) {
    return target_ != nullptr && target_->askYesNo(text);
}

void DeferredPrompt::release(Prompt& target) {
    // A message that arrives while one is shown joins the end of the queue, so the order holds.
    while (!held_.empty()) {
        const Held next = held_.front();
        held_.erase(held_.begin());
        target.showMessage(next.text, next.icon);
    }
    target_ = &target;
}
