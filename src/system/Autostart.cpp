#include "system/Autostart.h"

#include "data/Text.h"

namespace {

std::u16string_view trimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

AutostartOptions optionsFromArgument(std::u16string_view rest) {
    AutostartOptions options;
    options.autostart = 1;
    const std::u16string_view argument = trimSpaces(rest);
    options.autostartHidden = argument == u"1" || argument == u"3" ? 1 : 0;
    options.autostartLock = argument == u"2" || argument == u"3" ? 1 : 0;
    return options;
}

}  // namespace

std::u16string autostartValueData(std::u16string_view programPath, const AutostartOptions& options) {
    std::u16string data = u"\"";
    data += programPath;
    data += u"\"";
    const int argument = (options.autostartHidden != 0 ? 1 : 0) + (options.autostartLock != 0 ? 2 : 0);
    if (argument != 0) data += formatText(u" %s", {formatNumber(argument)});
    return data;
}

AutostartOptions parseAutostartValue(std::u16string_view data, std::u16string_view programPath) {
    data = data.substr(0, data.find(u'\0'));
    std::u16string quoted = u"\"";
    quoted += programPath;
    quoted += u'"';
    if (startsWithNoCase(data, quoted)) return optionsFromArgument(data.substr(quoted.size()));
    // Without quotes the path's end is only certain when the path holds no space.
    if (programPath.find(u' ') == std::u16string_view::npos && startsWithNoCase(data, programPath)) {
        const std::u16string_view rest = data.substr(programPath.size());
        if (rest.empty() || rest.front() == u' ') return optionsFromArgument(rest);
    }
    return {};
}
