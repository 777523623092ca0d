#include "data/win32/Win32Prompt.h"

#include "data/Product.h"
#include "winutil/WideText.h"

UINT messageIconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::information:
            return MB_ICONINFORMATION;
        case MessageIcon::warning:
            return MB_ICONWARNING;
        case MessageIcon::error:
            break;
    }
    return MB_ICONERROR;
}

std::wstring Win32Prompt::caption() const {
    if (owner_ != nullptr) {
        const int length = GetWindowTextLengthW(owner_);
        if (length > 0) {
            std::wstring title(static_cast<std::size_t>(length) + 1, L'\0');
            title.resize(static_cast<std::size_t>(GetWindowTextW(owner_, title.data(), length + 1)));
            if (!title.empty()) return title;
        }
    }
    return toWide(product::name);
}

void Win32Prompt::showMessage(std::u16string_view text, MessageIcon icon) {
    MessageBoxW(owner_, toWide(text).c_str(), caption().c_str(), MB_OK | messageIconStyle(icon));
}

bool Win32Prompt::askYesNo(std::u16string_view text) {
    return MessageBoxW(owner_, toWide(text).c_str(), caption().c_str(), MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) ==
           IDYES;
}
