#include <gtest/gtest.h>

#include "data/ProgramRecord.h"
#include "data/Text.h"
#include "support/ProgramSamples.h"

TEST(ProgramRecord, FindByNameIgnoresAsciiCaseAndTakesTheFirst) {
    std::vector<ProgramRecord> programs{sampleProgram(u"Morning Bell"), sampleProgram(u"午休"),
                                        sampleProgram(u"morning bell")};
    EXPECT_EQ(findProgramByName(programs, u"MORNING BELL"), 0);
    EXPECT_EQ(findProgramByName(programs, u"午休"), 1);
    EXPECT_EQ(findProgramByName(programs, u"午"), -1);
    EXPECT_EQ(findProgramByName({}, u"x"), -1);
}

TEST(ProgramRecord, TextRenderings) {
    EXPECT_EQ(dateRangeText({2000, 1, 1, 0, 2099, 12, 31, 24}), u"2000-01-01 00:00 ~ 2099-12-31 24:00");
    ProgramRecord program = defaultProgram();
    program.songCount = 3;
    EXPECT_EQ(durationText(program), u"3遍");
    program.isFile = 0;
    EXPECT_EQ(durationText(program), u"3首");
    program.countMode = 0;
    EXPECT_EQ(durationText(program), u"600秒");
    EXPECT_EQ(timeOfDayText({7, 5, 0}), u"07:05:00");
}

TEST(ProgramRecord, DefaultsOfANewProgram) {
    const ProgramRecord p = defaultProgram();
    EXPECT_EQ(p.isFile, 1);
    EXPECT_EQ(p.volume, 80);
    ASSERT_EQ(p.startTimeCount, 1);
    EXPECT_EQ(timeOfDayText(p.startTimes[0]), u"22:10:10");
    EXPECT_EQ(p.countMode, 1);
    EXPECT_EQ(p.songCount, 1);
    EXPECT_EQ(p.seconds, 600);
    EXPECT_EQ(p.byWeekday, 1);
    for (const auto day : p.weekdays) EXPECT_EQ(day, 1);
    for (const auto day : p.monthDays) EXPECT_EQ(day, 0);
    EXPECT_EQ(dateRangeText(p.dateRange), u"2000-01-01 00:00 ~ 2099-12-31 24:00");
    EXPECT_EQ(p.delayable, 0);
    EXPECT_EQ(p.disabled, 0);
    EXPECT_TRUE(sameInstant(p.lastStart, resetStamp()));
    EXPECT_TRUE(fixedView(p.name).empty());
}
