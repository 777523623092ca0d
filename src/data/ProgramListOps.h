#pragma once
// The program list's changes on its vector. Each returns what changed so that the list's
// owner tells its views and saves only when something did; a selection is row indexes in
// ascending order, as the list view gives them.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/ProgramRecord.h"

// "最多 256 个节目" when the list is full, else empty.
std::u16string programCapacityMessage(std::size_t count);

struct DisableResult {
    std::vector<int> changed;   // rows to rewrite
    bool disabledAPlayingProgram = false;
};
// `isPlaying` tells whether a program of that name has a running play.
DisableResult disablePrograms(std::vector<ProgramRecord>& programs, const std::vector<int>& selection,
                              const std::function<bool(std::u16string_view name)>& isPlaying);
std::vector<int> enablePrograms(std::vector<ProgramRecord>& programs, const std::vector<int>& selection);

// Deletes the selected programs; `stopPlays` is called with each deleted program's name first.
void deletePrograms(std::vector<ProgramRecord>& programs, const std::vector<int>& selection,
                    const std::function<void(std::u16string_view name)>& stopPlays);

// Moves the selected rows one place; returns the new selection, or nothing when nothing may
// move (no selection, or the first/last row among it).
std::vector<int> moveProgramsUp(std::vector<ProgramRecord>& programs, const std::vector<int>& selection);
std::vector<int> moveProgramsDown(std::vector<ProgramRecord>& programs, const std::vector<int>& selection);

// Name order by the user's collation (injected; case-insensitive), time order by the first
// start time. False with fewer than two programs: nothing sorted, nothing to save.
using NameCollation = std::function<int(std::u16string_view a, std::u16string_view b)>;
bool sortProgramsByName(std::vector<ProgramRecord>& programs, const NameCollation& collate, bool descending);
bool sortProgramsByTime(std::vector<ProgramRecord>& programs, bool descending);
