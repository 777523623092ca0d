#pragma once
// Logging an event of timed play: a row on screen, then a line in the log file; and the
// command that shows the file in the user's editor.
#include <functional>
#include <string_view>

#include "data/DataFile.h"
#include "data/DateTime.h"
#include "data/Prompt.h"
#include "scheduler/LogView.h"

// The row first, then the line; a lost line adds a second row with the reason and the same time.
void logEvent(LogView& view, const DataFolder& folder, std::u16string_view logPath, const DateTime& time,
              std::u16string_view text);

// Shows a document with the user's program for its type; the shell reports its own failures.
using DocumentOpener = std::function<void(std::u16string_view path)>;

// Opens the log file with `openDocument`, or tells the user why not: no log yet, or the read-failure text.
void openLogFile(FileSystem& fs, std::u16string_view logPath, Prompt& owner, const DocumentOpener& openDocument);
