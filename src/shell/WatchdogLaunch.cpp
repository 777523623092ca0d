#include "shell/WatchdogLaunch.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "data/Text.h"

namespace {

constexpr std::u16string_view watcherToken = u"/lvtx-watchdog:";
constexpr std::u16string_view restartedToken = u"/lvtx-restarted:";

std::optional<std::uint64_t> parseNumber(std::u16string_view text) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    std::uint64_t value = 0;
    for (const char16_t digit : text) {
        if (digit < u'0' || digit > u'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(digit - u'0');
    }
    return value;
}

// "a,b,c" after the token, then a space and the flags (or nothing).
std::optional<std::vector<std::uint64_t>> parseNumbers(std::u16string_view text, std::size_t count,
                                                       std::u16string_view& rest) {
    const std::size_t end = text.find(u' ');
    std::u16string_view list = text.substr(0, end);
    rest = end == std::u16string_view::npos ? std::u16string_view() : text.substr(end);
    std::vector<std::uint64_t> numbers;
    while (numbers.size() < count) {
        const std::size_t comma = list.find(u',');
        const auto number = parseNumber(list.substr(0, comma));
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        list = comma == std::u16string_view::npos ? std::u16string_view() : list.substr(comma + 1);
        if ((comma == std::u16string_view::npos) != (numbers.size() == count)) return std::nullopt;
    }
    return numbers;
}

std::u16string numberList(std::initializer_list<std::uint64_t> numbers) {
    std::u16string text;
    for (const std::uint64_t number : numbers) {
        if (!text.empty()) text += u',';
        text += formatNumber(static_cast<std::int64_t>(number));
    }
    return text;
}

std::u16string withFlags(std::u16string arguments, const StartFlags& flags) {
    const std::u16string flagText = startFlagsArgument(flags);
    if (!flagText.empty()) arguments += u" " + flagText;
    return arguments;
}

}  // namespace

Launch parseLaunch(std::u16string_view commandLine) {
    const std::u16string_view trimmed = commandLine.substr(std::min(commandLine.size(), commandLine.find_first_not_of(u' ')));
    Launch launch;
    std::u16string_view rest;
    if (trimmed.starts_with(watcherToken)) {
        const auto numbers = parseNumbers(trimmed.substr(watcherToken.size()), 3, rest);
        if (!numbers) return launch;
        launch.role = LaunchRole::watcher;
        launch.programProcess = (*numbers)[0];
        launch.handles = {(*numbers)[1], (*numbers)[2]};
    } else if (trimmed.starts_with(restartedToken)) {
        const auto numbers = parseNumbers(trimmed.substr(restartedToken.size()), 2, rest);
        if (!numbers) return launch;
        launch.role = LaunchRole::restartedProgram;
        launch.handles = {(*numbers)[0], (*numbers)[1]};
    } else {
        rest = commandLine;
    }
    launch.flags = parseCommandLine(rest);
    return launch;
}

std::u16string startFlagsArgument(const StartFlags& flags) {
    const int argument = (flags.startHidden ? 1 : 0) + (flags.lockAtStart ? 2 : 0);
    return argument == 0 ? std::u16string() : formatNumber(argument);
}

std::u16string watcherArguments(std::uint64_t programProcess, const WatchHandles& handles, const StartFlags& flags) {
    return withFlags(std::u16string(watcherToken) + numberList({programProcess, handles.crashEvent, handles.endReport}),
                     flags);
}

std::u16string restartArguments(const WatchHandles& handles, const StartFlags& flags) {
    return withFlags(std::u16string(restartedToken) + numberList({handles.crashEvent, handles.endReport}), flags);
}
