#include <gtest/gtest.h>

#include "data/Text.h"
#include "support/ProgramSamples.h"
#include "data/ProgramListOps.h"

namespace {

std::vector<ProgramRecord> programsNamed(std::initializer_list<const char16_t*> names) {
    std::vector<ProgramRecord> programs;
    int hour = 10;
    for (const auto* name : names) programs.push_back(sampleProgram(name, hour--));
    return programs;
}

std::vector<std::u16string> namesOf(const std::vector<ProgramRecord>& programs) {
    std::vector<std::u16string> names;
    for (const auto& p : programs) names.emplace_back(fixedView(p.name));
    return names;
}

}  // namespace

TEST(ProgramList, MovingASelectionUpAndDown) {
    auto programs = programsNamed({u"a", u"b", u"c", u"d"});
    EXPECT_EQ(moveProgramsUp(programs, {1, 2}), (std::vector<int>{0, 1}));
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"b", u"c", u"a", u"d"}));
    EXPECT_TRUE(moveProgramsUp(programs, {0, 2}).empty());  // row 0 among them: nothing moves
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"b", u"c", u"a", u"d"}));
    EXPECT_TRUE(moveProgramsDown(programs, {1, 3}).empty());
    EXPECT_EQ(moveProgramsDown(programs, {0, 2}), (std::vector<int>{1, 3}));
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"c", u"b", u"d", u"a"}));
    EXPECT_TRUE(moveProgramsUp(programs, {}).empty());
}

TEST(ProgramList, DeleteStopsEachDeletedProgramsPlays) {
    auto programs = programsNamed({u"a", u"b", u"c", u"d"});
    std::vector<std::u16string> stopped;
    deletePrograms(programs, {1, 3}, [&](std::u16string_view name) { stopped.emplace_back(name); });
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"a", u"c"}));
    EXPECT_EQ(stopped, (std::vector<std::u16string>{u"b", u"d"}));
}

TEST(ProgramList, EnableAndDisableReportWhatChanged) {
    auto programs = programsNamed({u"a", u"b", u"c"});
    programs[2].disabled = 1;
    const DisableResult disabled =
        disablePrograms(programs, {0, 1, 2}, [](std::u16string_view name) { return name == u"b"; });
    EXPECT_EQ(disabled.changed, (std::vector<int>{0, 1}));
    EXPECT_TRUE(disabled.disabledAPlayingProgram);
    EXPECT_TRUE(disablePrograms(programs, {0}, [](std::u16string_view) { return true; }).changed.empty());
    EXPECT_EQ(enablePrograms(programs, {1, 2}), (std::vector<int>{1, 2}));
    EXPECT_TRUE(enablePrograms(programs, {1}).empty());
    EXPECT_EQ(programCapacityMessage(255), u"");
    EXPECT_EQ(programCapacityMessage(256), u"最多 256 个节目");
}

TEST(ProgramList, SortsByNameAndByFirstStartTime) {
    auto programs = programsNamed({u"b", u"C", u"a"});
    ASSERT_TRUE(sortProgramsByName(programs, compareNoCase, false));
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"a", u"b", u"C"}));
    ASSERT_TRUE(sortProgramsByName(programs, compareNoCase, true));
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"C", u"b", u"a"}));
    ASSERT_TRUE(sortProgramsByTime(programs, false));  // b 10:00, C 09:00, a 08:00
    EXPECT_EQ(namesOf(programs), (std::vector<std::u16string>{u"a", u"C", u"b"}));
    std::vector<ProgramRecord> one = programsNamed({u"x"});
    EXPECT_FALSE(sortProgramsByTime(one, false));
}
