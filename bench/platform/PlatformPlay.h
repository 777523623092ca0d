#pragma once
// The platform's own pieces of a play, as the measuring aids use them for a baseline.
#include <windows.h>

// Media Foundation's source reader, fresh inside its own MFStartup and MFShutdown, set to 16-bit
// PCM as the tools filter sets it, and read to the file's end unless `readSamples` is false.
bool sourceReaderOnce(const wchar_t* file, bool readSamples);

// Windows' own graph for the file: a new filter graph, RenderFile, run to completion, released.
bool renderFileOnce(const wchar_t* file);
