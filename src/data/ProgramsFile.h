#pragma once
// The programs file "定时播t": int32 count, the records, the MD5 digest.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/DataFileRead.h"
#include "data/DataFileSave.h"
#include "data/ProgramRecord.h"

inline constexpr std::u16string_view programsFileName = u"定时播t";

// The load checks of one record as read from the file; also cuts the name and
// path to their capacity and resets lastStart. False = content error.
bool acceptLoadedProgram(ProgramRecord& record);

// Reads the file into `programs` (emptied first; left empty on failure).
ReadResult loadPrograms(const DataFileContext& context, std::vector<ProgramRecord>& programs);

std::vector<std::uint8_t> programsPayload(const std::vector<ProgramRecord>& programs);

// Writes the whole vector; the vector itself is never changed.
SaveResult savePrograms(const DataFileContext& context, const std::vector<ProgramRecord>& programs);
