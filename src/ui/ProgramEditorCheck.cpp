#include "ui/ProgramEditorCheck.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "audio/AudioExtensions.h"
#include "data/Text.h"
#include "ui/ProgramCells.h"

namespace {

std::u16string_view trimLeading(std::u16string_view text) {
    const auto first = text.find_first_not_of(trimChars);
    return first == std::u16string_view::npos ? std::u16string_view() : text.substr(first);
}

bool dateBefore(int y1, int m1, int d1, int y2, int m2, int d2) {
    if (y1 != y2) return y1 < y2;
    if (m1 != m2) return m1 < m2;
    return d1 < d2;
}

}  // namespace

ProgramEditorInput editorInputFor(const ProgramRecord* program) {
    const ProgramRecord source = program ? *program : defaultProgram();
    ProgramEditorInput input;
    input.name = program ? std::u16string(fixedView(source.name)) : std::u16string();
    input.fileMode = source.isFile != 0;
    (input.fileMode ? input.filePath : input.folderPath) = std::u16string(fixedView(source.path));
    input.sequential = source.sequential != 0;
    input.volume = formatNumber(source.volume);
    const int count = std::clamp(source.startTimeCount, 0, maxStartTimes);
    input.startTimes.assign(source.startTimes, source.startTimes + count);
    input.countMode = source.countMode != 0;
    input.songs = formatNumber(source.songCount);
    input.seconds = formatNumber(source.seconds);
    input.days.byWeekday = source.byWeekday != 0;
    std::memcpy(input.days.weekdays, source.weekdays, sizeof source.weekdays);
    std::memcpy(input.days.monthDays, source.monthDays, sizeof source.monthDays);
    input.dateRange = source.dateRange;
    input.delayable = source.delayable != 0;
    input.disabled = source.disabled != 0;
    return input;
}

std::variant<ProgramRecord, EditorFailure> checkProgramInput(const std::vector<ProgramRecord>& programs, int editing,
                                                             const ProgramEditorInput& input, FileSystem& fs,
                                                             const NetworkDriveQuery& isNetworkDrive) {
    const std::u16string_view name = trimText(std::u16string_view(input.name).substr(0, programNameCapacity - 1));
    if (name.empty()) return EditorFailure{u"请输入节目名称　　　　　　　  ", MessageIcon::information, EditorField::name};
    const int existing = findProgramByName(programs, name);
    if (existing != -1 && existing != editing) {
        return EditorFailure{u"该节目已存在　　　　　　　　  ", MessageIcon::warning, EditorField::name};
    }

    const EditorField pathField = input.fileMode ? EditorField::filePath : EditorField::folderPath;
    const std::u16string_view path = input.fileMode ? trimText(input.filePath) : trimLeading(input.folderPath);
    if (path.empty()) {
        return EditorFailure{input.fileMode ? u"请选取音频文件　　　　　　　  " : u"请选取音频文件夹　　　　　　  ",
                             MessageIcon::information, pathField};
    }
    const auto label = input.fileMode ? audioFileLabel : audioFolderLabel;
    if (auto problem = checkAudioPath(fs, isNetworkDrive, path, label, !input.fileMode)) {
        return EditorFailure{*problem, MessageIcon::warning, pathField};
    }
    if (input.fileMode && !isSupportedAudioFile(path)) {
        return EditorFailure{u"文件后缀名无效，支持 " + audioExtensionList(u", ") + u"  (官网 > 帮助 > 格式转换工具)",
                             MessageIcon::warning, pathField};
    }

    const auto volume = validateInteger(input.volume, minVolume, maxVolume);
    if (!volume) return EditorFailure{u"音量输入无效　　　　　　　　  ", MessageIcon::warning, EditorField::volume};
    if (input.startTimes.empty()) {
        return EditorFailure{u"请指定开始时间　　　　　　　  ", MessageIcon::warning, EditorField::startTimes};
    }
    if (input.countMode && !validateInteger(input.songs, 1)) {
        return EditorFailure{u"播 n 首，输入无效　　　　　　 ", MessageIcon::warning, EditorField::songs};
    }
    if (!input.countMode && !validateInteger(input.seconds, 1)) {
        return EditorFailure{u"播 n 秒，输入无效　　　　　　 ", MessageIcon::warning, EditorField::seconds};
    }
    if (!hasChosenDays(input.days)) {
        return EditorFailure{u"请指定周几或几号　　　　　　  ", MessageIcon::warning, EditorField::days};
    }

    ProgramRecord record;
    std::memset(&record, 0, sizeof record);
    setFixed(record.name, name);
    record.isFile = input.fileMode ? 1 : 0;
    setFixed(record.path, path);
    record.sequential = input.sequential ? 1 : 0;
    record.volume = *volume;
    record.startTimeCount = static_cast<std::int32_t>(std::min<std::size_t>(input.startTimes.size(), maxStartTimes));
    std::copy_n(input.startTimes.begin(), record.startTimeCount, record.startTimes);
    record.countMode = input.countMode ? 1 : 0;
    // An edit that does not hold a number stores 0 (the other mode's amount may be empty).
    record.songCount = validateInteger(input.songs).value_or(0);
    record.seconds = validateInteger(input.seconds).value_or(0);
    record.lastStart = resetStamp();
    record.byWeekday = input.days.byWeekday ? 1 : 0;
    std::memcpy(record.weekdays, input.days.weekdays, sizeof record.weekdays);
    std::memcpy(record.monthDays, input.days.monthDays, sizeof record.monthDays);
    record.dateRange = input.dateRange;
    record.delayable = input.delayable ? 1 : 0;
    record.disabled = input.disabled ? 1 : 0;
    return record;
}

std::u16string stopToModifyQuestion(std::u16string_view oldName, bool renamed) {
    return formatText(renamed ? u"正在播放：%s\n终止后才可改名，是否终止播放 ？　　 "
                              : u"正在播放：%s\n终止后才可修改，是否终止播放 ？　　 ",
                      {oldName});
}

std::u16string daySelectionText(const DaySelection& days) {
    ProgramRecord record = defaultProgram();
    record.byWeekday = days.byWeekday ? 1 : 0;
    std::memcpy(record.weekdays, days.weekdays, sizeof record.weekdays);
    std::memcpy(record.monthDays, days.monthDays, sizeof record.monthDays);
    return daySelectionSummary(record);
}

bool hasChosenDays(const DaySelection& days) {
    const auto anySet = [](const auto& flags) {
        return std::any_of(std::begin(flags), std::end(flags), [](std::int32_t flag) { return flag != 0; });
    };
    return days.byWeekday ? anySet(days.weekdays) : anySet(days.monthDays);
}

std::variant<DaySelection, std::u16string> checkDaySelection(const DaySelection& boxes) {
    if (hasChosenDays(boxes)) return boxes;
    return std::u16string(boxes.byWeekday ? u"请指定周几\n\n " : u"请指定几号\n\n ");
}

std::variant<DateHourRange, DateRangeFailure> checkDateRangeInput(int startYear, int startMonth, int startDay,
                                                                   std::u16string_view startHour, int endYear,
                                                                   int endMonth, int endDay,
                                                                   std::u16string_view endHour) {
    const auto from = validateInteger(startHour, 0, 24);
    if (!from) return DateRangeFailure{u"起始时间，输入无效\n\n\n ", MessageIcon::warning, DateRangeField::startHour};
    const auto to = validateInteger(endHour, 0, 24);
    if (!to) return DateRangeFailure{u"截止时间，输入无效\n\n\n ", MessageIcon::warning, DateRangeField::endHour};
    if (!isValidDate(startYear, startMonth, startDay)) {
        return DateRangeFailure{u"起始日期无效\n\n\n ", MessageIcon::warning, std::nullopt};
    }
    if (!isValidDate(endYear, endMonth, endDay)) {
        return DateRangeFailure{u"截止日期无效\n\n\n ", MessageIcon::warning, std::nullopt};
    }
    if (dateBefore(endYear, endMonth, endDay, startYear, startMonth, startDay)) {
        return DateRangeFailure{u"要求：\n截止日期  ≥  起始日期\n\n ", MessageIcon::warning, std::nullopt};
    }
    if (startYear == endYear && startMonth == endMonth && startDay == endDay && *from >= *to) {
        return DateRangeFailure{u"要求：\n截止时间  >  起始时间\n\n ", MessageIcon::warning, std::nullopt};
    }
    return DateHourRange{startYear, startMonth, startDay, *from, endYear, endMonth, endDay, *to};
}

std::variant<int, PlayNowFailure> checkPlayNowAmount(bool countMode, std::u16string_view text) {
    if (const auto amount = validateInteger(text, 1)) return *amount;
    return PlayNowFailure{countMode ? u"播 n 首，输入无效" : u"播 n 秒，输入无效", MessageIcon::warning,
                          PlayNowField::amount};
}
