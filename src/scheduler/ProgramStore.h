#pragma once
// The owner of the program list: it loads the programs file, keeps the list, and carries out
// every change the operator makes, whoever asks (a page, a console). Each change is saved at
// once through the data-file protocol after the views have been told which rows changed; a
// change that touches a play stops it through the plays the shell connects.
#include <string>
#include <string_view>
#include <vector>

#include "data/DataFile.h"
#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/ListChange.h"
#include "data/ProgramListOps.h"
#include "data/ProgramRecord.h"

// The queued plays of timed play as a change of the list needs them.
class ProgramPlays {
public:
    virtual ~ProgramPlays() = default;
    // Whether a play (sounding or waiting) of the program of that name is queued, in any letter case.
    virtual bool isPlaying(std::u16string_view name) const = 0;
    virtual void stopByName(std::u16string_view name, std::u16string_view reason) = 0;
    // After the list was replaced as a whole: a play whose program is gone or now differs stops.
    virtual void stopPlaysOfReplacedPrograms() = 0;
};

struct DisableOutcome {
    SaveResult saved{true};
    bool disabledAPlayingProgram = false;
};

class ProgramStore {
public:
    ProgramStore(DataFolder folder, std::u16string path);
    ProgramStore(const ProgramStore&) = delete;
    ProgramStore& operator=(const ProgramStore&) = delete;

    const std::vector<ProgramRecord>& programs() const { return programs_; }
    // The scheduler's: it stamps each start into the record.
    std::vector<ProgramRecord>& scheduled() { return programs_; }
    const DataFolder& folder() const { return folder_; }
    const std::u16string& path() const { return path_; }
    bool& readFailed() { return readFailed_; }

    // Null while no timed play runs.
    void connectPlays(ProgramPlays* plays) { plays_ = plays; }
    void addObserver(ListObserver& observer) { observers_.add(observer); }
    void removeObserver(ListObserver& observer) { observers_.remove(observer); }

    bool isPlaying(std::u16string_view name) const;

    // The start-up read; its failures go to `owner`.
    ReadResult load(Prompt* owner);

    // Each change below tells the views, then saves with `prompt` answering for the file.
    SaveResult add(const ProgramRecord& program, Prompt& prompt);
    // A play of the program as it was stops ("用户终止播放") before the record is replaced.
    SaveResult modify(int index, const ProgramRecord& program, Prompt& prompt);
    // Rows ascending, as a list view gives its selection; each deleted program's plays stop
    // ("该节目被删除").
    SaveResult remove(const std::vector<int>& rows, Prompt& prompt);
    // Plays of a disabled program go on; the outcome says whether there was one.
    DisableOutcome disable(const std::vector<int>& rows, Prompt& prompt);
    SaveResult enable(const std::vector<int>& rows, Prompt& prompt);
    // Each selected row trades places with its neighbour; nothing moves (or is saved) when the
    // first or last row is among them. Returns the rows as they now stand.
    std::vector<int> moveUp(const std::vector<int>& rows, Prompt& prompt);
    std::vector<int> moveDown(const std::vector<int>& rows, Prompt& prompt);
    // Nothing is sorted or saved with fewer than two programs.
    SaveResult sortByName(const NameCollation& collate, bool descending, Prompt& prompt);
    SaveResult sortByTime(bool descending, Prompt& prompt);

    // A restore saved the list itself: this is now the list in use, and the plays it makes
    // wrong stop.
    void restored(std::vector<ProgramRecord> programs);

private:
    SaveResult save(Prompt& prompt);
    std::vector<int> move(const std::vector<int>& rows, int step, Prompt& prompt);

    DataFolder folder_;
    std::u16string path_;
    bool readFailed_ = false;
    std::vector<ProgramRecord> programs_;
    ProgramPlays* plays_ = nullptr;
    ListObservers observers_;
};
