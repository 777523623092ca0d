#include "web/WebTexts.h"

#include "data/Text.h"

std::u16string webLogText(std::u16string_view what, std::string_view address) {
    return std::u16string(what) + u" ◆ 网页 ◆ " + fromUtf8(address);
}
