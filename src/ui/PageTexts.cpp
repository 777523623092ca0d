#include "ui/PageTexts.h"

#include "data/Text.h"

std::u16string duckingText(int duckPercent) {
    std::u16string number = formatNumber(duckPercent);
    if (number.size() < 3) number.insert(0, 3 - number.size(), u' ');
    return u"{立即播}播出时, {定时播}音量降低 " + number + u"%";
}
