#pragma once
// Message boxes owned by a window, captioned with that window's title.
#include <windows.h>

#include <string>

#include "data/Prompt.h"

// The MessageBoxW icon flag of `icon`.
UINT messageIconStyle(MessageIcon icon);

class Win32Prompt : public Prompt {
public:
    // `owner` may be null for a box without owner; the window is not owned by this object.
    explicit Win32Prompt(HWND owner) : owner_(owner) {}

    void showMessage(std::u16string_view text, MessageIcon icon) override;
    bool askYesNo(std::u16string_view text) override;

private:
    std::wstring caption() const;
    HWND owner_;
};
