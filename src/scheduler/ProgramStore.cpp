#include "scheduler/ProgramStore.h"

#include <utility>

#include "audio/JobTexts.h"
#include "data/ProgramListOps.h"
#include "data/ProgramsFile.h"
#include "data/Text.h"

ProgramStore::ProgramStore(DataFolder folder, std::u16string path)
    : folder_(std::move(folder)), path_(std::move(path)) {}

bool ProgramStore::isPlaying(std::u16string_view name) const {
    return plays_ != nullptr && plays_->isPlaying(name);
}

ReadResult ProgramStore::load(Prompt* owner) {
    const ReadResult result = loadPrograms({folder_, path_, owner, &readFailed_}, programs_);
    observers_.notify(ListChange{});
    return result;
}

SaveResult ProgramStore::add(const ProgramRecord& program, Prompt& prompt) {
    programs_.push_back(program);
    observers_.notify(ListChange{ListChange::Kind::added, {static_cast<int>(programs_.size()) - 1}});
    return save(prompt);
}

SaveResult ProgramStore::modify(int index, const ProgramRecord& program, Prompt& prompt) {
    ProgramRecord& listed = programs_.at(static_cast<std::size_t>(index));
    const std::u16string oldName(fixedView(listed.name));
    if (isPlaying(oldName)) plays_->stopByName(oldName, userStopReason);
    listed = program;
    observers_.notify(ListChange{ListChange::Kind::changed, {index}});
    return save(prompt);
}

SaveResult ProgramStore::remove(const std::vector<int>& rows, Prompt& prompt) {
    deletePrograms(programs_, rows, [this](std::u16string_view name) {
        if (isPlaying(name)) plays_->stopByName(name, deletedReason);
    });
    observers_.notify(ListChange{ListChange::Kind::removed, rows});
    return save(prompt);
}

DisableOutcome ProgramStore::disable(const std::vector<int>& rows, Prompt& prompt) {
    const DisableResult result =
        disablePrograms(programs_, rows, [this](std::u16string_view name) { return isPlaying(name); });
    DisableOutcome outcome;
    outcome.disabledAPlayingProgram = result.disabledAPlayingProgram;
    if (result.changed.empty()) return outcome;
    observers_.notify(ListChange{ListChange::Kind::changed, result.changed});
    outcome.saved = save(prompt);
    return outcome;
}

SaveResult ProgramStore::enable(const std::vector<int>& rows, Prompt& prompt) {
    const std::vector<int> changed = enablePrograms(programs_, rows);
    if (changed.empty()) return SaveResult{true};
    observers_.notify(ListChange{ListChange::Kind::changed, changed});
    return save(prompt);
}

std::vector<int> ProgramStore::moveUp(const std::vector<int>& rows, Prompt& prompt) {
    return move(rows, -1, prompt);
}

std::vector<int> ProgramStore::moveDown(const std::vector<int>& rows, Prompt& prompt) {
    return move(rows, 1, prompt);
}

std::vector<int> ProgramStore::move(const std::vector<int>& rows, int step, Prompt& prompt) {
    std::vector<int> moved = step < 0 ? moveProgramsUp(programs_, rows) : moveProgramsDown(programs_, rows);
    if (moved.empty()) return moved;
    observers_.notify(ListChange{ListChange::Kind::moved, rows, step});
    save(prompt);
    return moved;
}

SaveResult ProgramStore::sortByName(const NameCollation& collate, bool descending, Prompt& prompt) {
    if (!sortProgramsByName(programs_, collate, descending)) return SaveResult{true};
    observers_.notify(ListChange{});
    return save(prompt);
}

SaveResult ProgramStore::sortByTime(bool descending, Prompt& prompt) {
    if (!sortProgramsByTime(programs_, descending)) return SaveResult{true};
    observers_.notify(ListChange{});
    return save(prompt);
}

void ProgramStore::restored(std::vector<ProgramRecord> programs) {
    programs_ = std::move(programs);
    if (plays_ != nullptr) plays_->stopPlaysOfReplacedPrograms();
    observers_.notify(ListChange{});
}

SaveResult ProgramStore::save(Prompt& prompt) {
    return savePrograms({folder_, path_, &prompt, &readFailed_}, programs_);
}
