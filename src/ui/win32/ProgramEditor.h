#pragma once
// "定时播", the program editor.
#include <windows.h>

#include <optional>
#include <string>

#include "data/FileSystem.h"
#include "data/ProgramRecord.h"
#include "scheduler/ProgramStore.h"

struct ProgramEditorContext {
    const ProgramStore& programs;
    FileSystem& fs;
    std::u16string exeDir;    // the tools that measure a file's length
    std::u16string musicDir;  // the sample folder its link opens
};

// Index -1 asks for a new program, another index for that program changed: the checked record,
// or none when the operator cancelled. Changing a playing program asks first whether it may stop;
// the caller hands the record to the program list's owner, which stops it.
std::optional<ProgramRecord> editProgram(HWND owner, int index, const ProgramEditorContext& context);
