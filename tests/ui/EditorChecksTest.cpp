#include <gtest/gtest.h>

#include "support/HolidaySamples.h"
#include "support/MemoryFileSystem.h"
#include "support/ProgramSamples.h"
#include "ui/ProgramEditorCheck.h"
#include "ui/StartTimeList.h"

namespace {

struct Editor {
    MemoryFileSystem fs;
    std::vector<ProgramRecord> programs{sampleProgram(u"Morning Bell")};
    ProgramEditorInput input = editorInputFor(nullptr);
    NetworkDriveQuery network = [](char16_t drive) { return drive == u'Z'; };

    Editor() {
        fs.addFile(u"D:/铃/上课.MP3", {1});
        fs.addFile(u"D:/铃/movie.mp4", {1});
        fs.addFolder(u"D:/歌");
        input.name = u"  上课铃\t";
        input.filePath = u"D:/铃/上课.MP3";
    }
    std::variant<ProgramRecord, EditorFailure> check(int editing = -1) {
        return checkProgramInput(programs, editing, input, fs, network);
    }
    EditorFailure failure(int editing = -1) {
        const auto result = check(editing);
        EXPECT_TRUE(std::holds_alternative<EditorFailure>(result));
        return std::holds_alternative<EditorFailure>(result) ? std::get<EditorFailure>(result) : EditorFailure{};
    }
};

std::vector<std::u16string> texts(const std::vector<TimeOfDay>& times) {
    std::vector<std::u16string> result;
    for (const auto& t : times) result.push_back(timeOfDayText(t));
    return result;
}

}  // namespace

TEST(ProgramEditor, ANewProgramIsBuiltTrimmedWithTheDefaults) {
    Editor editor;
    const auto result = editor.check();
    ASSERT_TRUE(std::holds_alternative<ProgramRecord>(result));
    const ProgramRecord& p = std::get<ProgramRecord>(result);
    EXPECT_EQ(fixedView(p.name), u"上课铃");
    EXPECT_EQ(fixedView(p.path), u"D:/铃/上课.MP3");
    EXPECT_EQ(p.volume, 80);
    EXPECT_EQ(p.startTimeCount, 1);
    EXPECT_EQ(timeOfDayText(p.startTimes[0]), u"22:10:10");
    EXPECT_EQ(p.songCount, 1);
    EXPECT_EQ(p.seconds, 600);
    EXPECT_TRUE(sameInstant(p.lastStart, resetStamp()));
    EXPECT_EQ(dateRangeText(p.dateRange), u"2000-01-01 00:00 ~ 2099-12-31 24:00");
    EXPECT_EQ(editorStartTimeSummary({{22, 10, 10}}), u"22:10:10      <可多个:如打铃>");
}

TEST(ProgramEditor, ChecksRunInOrderWithTheirTextsAndFields) {
    Editor editor;
    editor.input.name = u"\u3000 ";
    EXPECT_EQ(editor.failure().text, u"请输入节目名称　　　　　　　  ");
    EXPECT_EQ(editor.failure().field, EditorField::name);

    editor.input.name = u"morning BELL";
    EXPECT_EQ(editor.failure().text, u"该节目已存在　　　　　　　　  ");
    EXPECT_TRUE(std::holds_alternative<ProgramRecord>(editor.check(0)));  // modifying keeps its own name

    editor.input.name = u"新";
    editor.input.filePath = u" ";
    EXPECT_EQ(editor.failure().text, u"请选取音频文件　　　　　　　  ");
    editor.input.filePath = u"\\\\server\\bell.mp3";
    EXPECT_EQ(editor.failure().text, u"音频文件路径无效, 不可从网络读取");
    editor.input.filePath = u"Z:\\bell.mp3";
    EXPECT_EQ(editor.failure().text, u"音频文件路径无效, 不可从网络读取[Z]");
    editor.input.filePath = u"D:/歌";
    EXPECT_EQ(editor.failure().text, u"音频文件不存在");
    editor.input.filePath = u"D:/铃/movie.mp4";
    const EditorFailure extension = editor.failure();
    EXPECT_EQ(extension.text.rfind(u"文件后缀名无效，支持 mp3, wav", 0), 0u);
    EXPECT_EQ(extension.field, EditorField::filePath);

    editor.input.fileMode = false;
    editor.input.folderPath = u"  D:/歌";  // leading blanks only are removed
    editor.input.volume = u"080";
    EXPECT_EQ(editor.failure().text, u"音量输入无效　　　　　　　　  ");
    for (const auto* bad : {u"24", u"101", u"", u"8a"}) {
        editor.input.volume = bad;
        EXPECT_EQ(editor.failure().field, EditorField::volume) << "volume";
    }
    editor.input.volume = u"80";
    editor.input.startTimes.clear();
    EXPECT_EQ(editor.failure().text, u"请指定开始时间　　　　　　　  ");
    editor.input.startTimes = {{8, 0, 0}};
    editor.input.songs = u"0";
    EXPECT_EQ(editor.failure().text, u"播 n 首，输入无效　　　　　　 ");
    editor.input.countMode = false;
    editor.input.seconds = u"";
    EXPECT_EQ(editor.failure().field, EditorField::seconds);
    editor.input.seconds = u"90";
    std::fill(std::begin(editor.input.days.weekdays), std::end(editor.input.days.weekdays), 0);
    editor.input.days.monthDays[30] = 1;  // days of the other kind do not count
    EXPECT_EQ(editor.failure().field, EditorField::days);
    editor.input.days.byWeekday = false;
    editor.input.days.monthDays[30] = 0;
    EXPECT_EQ(editor.failure().text, u"请指定周几或几号　　　　　　  ");
    editor.input.days.monthDays[30] = 1;

    const auto result = editor.check();
    ASSERT_TRUE(std::holds_alternative<ProgramRecord>(result));
    const ProgramRecord& p = std::get<ProgramRecord>(result);
    EXPECT_EQ(p.isFile, 0);
    EXPECT_EQ(fixedView(p.path), u"D:/歌");
    EXPECT_EQ(p.countMode, 0);
    EXPECT_EQ(p.songCount, 0);  // the unused amount stores what its edit holds, or 0
    EXPECT_EQ(p.seconds, 90);
}

TEST(ProgramEditor, TheWorkingValuesOfAProgramToModify) {
    ProgramRecord program = sampleProgram(u"操");
    program.isFile = 0;
    program.countMode = 0;
    program.delayable = 1;
    const ProgramEditorInput input = editorInputFor(&program);
    EXPECT_EQ(input.name, u"操");
    EXPECT_FALSE(input.fileMode);
    EXPECT_EQ(input.folderPath, u"D:\\铃声\\上课铃.mp3");
    EXPECT_TRUE(input.filePath.empty());
    EXPECT_EQ(input.startTimes.size(), 2u);
    EXPECT_FALSE(input.countMode);
    EXPECT_TRUE(input.delayable);
    EXPECT_EQ(stopToModifyQuestion(u"操", true), u"正在播放：操\n终止后才可改名，是否终止播放 ？　　 ");
    EXPECT_EQ(stopToModifyQuestion(u"操", false), u"正在播放：操\n终止后才可修改，是否终止播放 ？　　 ");
}

TEST(StartTimeDialog, TheListKeepsTextOrderRefusesDuplicatesAndRebuildsFromTexts) {
    StartTimeList list({{9, 0, 0}, {8, 0, 0}});
    EXPECT_EQ(list.texts(), (std::vector<std::u16string>{u"08:00:00", u"09:00:00"}));
    const auto again = list.add({8, 0, 0});
    EXPECT_TRUE(again.existed);
    EXPECT_EQ(again.index, 0);
    EXPECT_EQ(list.add({8, 30, 0}).index, 1);
    list.remove({0, 2});
    EXPECT_EQ(list.texts(), std::vector<std::u16string>{u"08:30:00"});

    StartTimeList full;
    for (int i = 0; i < 513; ++i) full.add({i / 60, i % 60, 0});
    const auto refused = full.finish();
    ASSERT_TRUE(std::holds_alternative<std::u16string>(refused));
    EXPECT_EQ(std::get<std::u16string>(refused), u"最多 512 个时间点\n\n现已超出");
    full.remove({0});
    const auto accepted = full.finish();
    ASSERT_TRUE(std::holds_alternative<std::vector<TimeOfDay>>(accepted));
    EXPECT_EQ(std::get<std::vector<TimeOfDay>>(accepted).size(), 512u);
}

TEST(StartTimeDialog, BatchGeneration) {
    const DateTime from = at(2024, 9, 2, 8, 0, 0);
    auto generated = generateStartTimes(from, at(2024, 9, 2, 8, 1, 0), u"0.25");
    ASSERT_TRUE(std::holds_alternative<std::vector<TimeOfDay>>(generated));
    EXPECT_EQ(texts(std::get<std::vector<TimeOfDay>>(generated)),
              (std::vector<std::u16string>{u"08:00:00", u"08:00:15", u"08:00:30", u"08:00:45", u"08:01:00"}));
    generated = generateStartTimes(from, at(2024, 9, 2, 8, 0, 59), u"1");
    EXPECT_EQ(std::get<std::vector<TimeOfDay>>(generated).size(), 1u);
    generated = generateStartTimes(at(2024, 9, 2, 0, 0, 0), at(2024, 9, 2, 23, 59, 59), u"0.2");
    EXPECT_EQ(std::get<std::vector<TimeOfDay>>(generated).size(), 7200u);
    generated = generateStartTimes(from, from, u"1440");
    EXPECT_EQ(std::get<std::vector<TimeOfDay>>(generated).size(), 1u);
    generated = generateStartTimes(from, at(2024, 9, 2, 9, 0, 0), u"1.01");
    EXPECT_EQ(timeOfDayText(std::get<std::vector<TimeOfDay>>(generated)[1]), u"08:01:00");  // 60.6 s -> 60 s

    for (const auto* bad : {u"0.19", u"1441", u"1.234", u"abc", u".5", u"1e2", u"01"}) {
        const auto refused = generateStartTimes(from, at(2024, 9, 2, 9, 0, 0), bad);
        ASSERT_TRUE(std::holds_alternative<BatchFailure>(refused));
        EXPECT_EQ(std::get<BatchFailure>(refused).text, u"时间间隔无效");
        EXPECT_EQ(std::get<BatchFailure>(refused).field, BatchField::interval);
    }
    const auto backwards = generateStartTimes(at(2024, 9, 2, 9, 0, 0), from, u"1");
    EXPECT_EQ(std::get<BatchFailure>(backwards).text, u"时间范围无效");
    EXPECT_FALSE(std::get<BatchFailure>(backwards).field);
}

TEST(DayAndRangeDialogs, OkChecks) {
    DaySelection days;
    std::fill(std::begin(days.weekdays), std::end(days.weekdays), 0);
    EXPECT_EQ(std::get<std::u16string>(checkDaySelection(days)), u"请指定周几\n\n ");
    days.byWeekday = false;
    EXPECT_EQ(std::get<std::u16string>(checkDaySelection(days)), u"请指定几号\n\n ");
    days.monthDays[0] = days.monthDays[30] = 1;
    EXPECT_TRUE(std::holds_alternative<DaySelection>(checkDaySelection(days)));
    EXPECT_EQ(daySelectionText(days), u"每月:1,31");

    const auto failure = [](const std::variant<DateHourRange, DateRangeFailure>& r) {
        return std::holds_alternative<DateRangeFailure>(r) ? std::get<DateRangeFailure>(r).text : std::u16string();
    };
    EXPECT_EQ(failure(checkDateRangeInput(2024, 1, 1, u"8", 2024, 1, 1, u"8")), u"要求：\n截止时间  >  起始时间\n\n ");
    EXPECT_EQ(failure(checkDateRangeInput(2024, 1, 2, u"0", 2024, 1, 1, u"24")), u"要求：\n截止日期  ≥  起始日期\n\n ");
    EXPECT_EQ(failure(checkDateRangeInput(2024, 1, 1, u"25", 2024, 1, 1, u"x")), u"起始时间，输入无效\n\n\n ");
    EXPECT_EQ(failure(checkDateRangeInput(2024, 1, 1, u"0", 2024, 1, 1, u"x")), u"截止时间，输入无效\n\n\n ");
    EXPECT_EQ(failure(checkDateRangeInput(1800, 1, 1, u"0", 2024, 1, 1, u"1")), u"起始日期无效\n\n\n ");
    const auto whole = checkDateRangeInput(2024, 1, 1, u"0", 2024, 1, 1, u"24");
    ASSERT_TRUE(std::holds_alternative<DateHourRange>(whole));
    EXPECT_EQ(dateRangeText(std::get<DateHourRange>(whole)), u"2024-01-01 00:00 ~ 2024-01-01 24:00");

    EXPECT_EQ(std::get<int>(checkPlayNowAmount(false, u" 600 ")), 600);
    EXPECT_EQ(std::get<PlayNowFailure>(checkPlayNowAmount(true, u"0")).text, u"播 n 首，输入无效");
    EXPECT_EQ(std::get<PlayNowFailure>(checkPlayNowAmount(false, u"")).field, PlayNowField::amount);
}
