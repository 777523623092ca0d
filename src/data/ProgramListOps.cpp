#include "data/ProgramListOps.h"

#include <algorithm>

#include "data/RowMoves.h"
#include "data/Text.h"

std::u16string programCapacityMessage(std::size_t count) {
    if (count < static_cast<std::size_t>(maxPrograms)) return {};
    return formatText(u"最多 %s 个节目", {formatNumber(maxPrograms)});
}

DisableResult disablePrograms(std::vector<ProgramRecord>& programs, const std::vector<int>& selection,
                              const std::function<bool(std::u16string_view name)>& isPlaying) {
    DisableResult result;
    for (const int row : selection) {
        ProgramRecord& program = programs.at(static_cast<std::size_t>(row));
        if (program.disabled != 0) continue;
        program.disabled = 1;
        result.changed.push_back(row);
        if (isPlaying(fixedView(program.name))) result.disabledAPlayingProgram = true;
    }
    return result;
}

std::vector<int> enablePrograms(std::vector<ProgramRecord>& programs, const std::vector<int>& selection) {
    std::vector<int> changed;
    for (const int row : selection) {
        ProgramRecord& program = programs.at(static_cast<std::size_t>(row));
        if (program.disabled == 0) continue;
        program.disabled = 0;
        changed.push_back(row);
    }
    return changed;
}

void deletePrograms(std::vector<ProgramRecord>& programs, const std::vector<int>& selection,
                    const std::function<void(std::u16string_view name)>& stopPlays) {
    std::vector<int> rows = selection;
    std::sort(rows.begin(), rows.end());
    // The page deletes the first selected row again and again; each removal moves the rest up.
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const auto index = static_cast<std::size_t>(rows[k]) - k;
        stopPlays(fixedView(programs.at(index).name));
        programs.erase(programs.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::vector<int> moveProgramsUp(std::vector<ProgramRecord>& programs, const std::vector<int>& selection) {
    return moveRowsUp(programs, selection);
}

std::vector<int> moveProgramsDown(std::vector<ProgramRecord>& programs, const std::vector<int>& selection) {
    return moveRowsDown(programs, selection);
}

bool sortProgramsByName(std::vector<ProgramRecord>& programs, const NameCollation& collate, bool descending) {
    if (programs.size() < 2) return false;
    std::sort(programs.begin(), programs.end(), [&](const ProgramRecord& a, const ProgramRecord& b) {
        const int order = collate(fixedView(a.name), fixedView(b.name));
        return descending ? order > 0 : order < 0;
    });
    return true;
}

bool sortProgramsByTime(std::vector<ProgramRecord>& programs, bool descending) {
    if (programs.size() < 2) return false;
    const auto key = [](const ProgramRecord& p) {
        const TimeOfDay& t = p.startTimes[0];
        return t.hour * 3600 + t.minute * 60 + t.second;
    };
    std::sort(programs.begin(), programs.end(), [&](const ProgramRecord& a, const ProgramRecord& b) {
        return descending ? key(a) > key(b) : key(a) < key(b);
    });
    return true;
}
