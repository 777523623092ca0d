#pragma once
// Message boxes behind a small interface. A null Prompt* stands for "no owner
// window": failures are then silent and only the result says so.
#include <string_view>

enum class MessageIcon { information, warning, error };

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual void showMessage(std::u16string_view text, MessageIcon icon) = 0;
    // A Yes/No question with the warning icon and No as the default button.
    virtual bool askYesNo(std::u16string_view text) = 0;
};
