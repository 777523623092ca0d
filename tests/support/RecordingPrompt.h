#pragma once
// A Prompt that records every box and answers questions from a script.
#include <deque>
#include <string>
#include <vector>

#include "data/Prompt.h"

class RecordingPrompt : public Prompt {
public:
    struct Box {
        std::u16string text;
        MessageIcon icon;
    };
    std::vector<Box> messages;
    std::vector<std::u16string> questions;
    std::deque<bool> answers;  // empty = No

    void showMessage(std::u16string_view text, MessageIcon icon) override {
        messages.push_back({std::u16string(text), icon});
    }
    bool askYesNo(std::u16string_view text) override {
        questions.emplace_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
