#pragma once
// The three lists of the timed-play page as the scheduler, the play jobs and the play log see
// them: the program list's status cell, the now-playing rows and the on-screen log.
#include <windows.h>

#include <vector>

#include "audio/PlayJob.h"
#include "data/ProgramRecord.h"
#include "scheduler/LogView.h"
#include "scheduler/Scheduler.h"

class ProgramListCells : public ProgramListView {
public:
    explicit ProgramListCells(HWND list) : list_(list) {}
    std::u16string validityText(int row) override;
    void setValidityText(int row, std::u16string_view text) override;

private:
    HWND list_;
};

class NowPlayingRows : public NowPlayingView {
public:
    explicit NowPlayingRows(HWND list) : list_(list) {}
    void appendRow(std::u16string_view name) override;
    void setCell(int row, int column, std::u16string_view text) override;
    void deleteRow(int row) override;
    void clear() override;

private:
    HWND list_;
};

class LogListRows : public LogRows {
public:
    explicit LogListRows(HWND list) : list_(list) {}

protected:
    std::size_t rowCount() const override;
    void removeAllRows() override;
    void addRowInView(std::u16string_view time, std::u16string_view text) override;

private:
    HWND list_;
};

// Writes all eight cells of row `row`, the status judged at `now`.
void writeProgramRow(HWND list, int row, const ProgramRecord& program, const DateTime& now);
// One row per program in vector order, none selected, the first row in view.
void rebuildProgramList(HWND list, const std::vector<ProgramRecord>& programs, const DateTime& now);
