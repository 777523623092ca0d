#pragma once
// The wordings of data-file failures. Each file uses the reference texts or its own
// variants of them; the choice of wording is the same for every file.
#include <string>
#include <string_view>

#include "data/FileSystem.h"

struct ReadTexts {
    std::u16string deniedAdmin;   // %s = path
    std::u16string deniedOther;   // %s = path
    std::u16string busy;          // %s = path
    std::u16string other;         // %s = path, %s = system text
    std::u16string content;       // %s = path
};

struct WriteTexts {
    std::u16string deniedAdmin;
    std::u16string deniedOther;
    std::u16string busy;
    std::u16string other;
};

struct DataFileTexts {
    ReadTexts read;
    WriteTexts prepare;      // examining and replacing the target and its companion
    WriteTexts write;        // creating the folder and writing the companion
    std::u16string saveQuestion;  // %s = path; asked when the start-up read failed
};

// The programs file's texts; the readers of every data file use its read texts.
const DataFileTexts& referenceTexts();

enum class ReadFailure { none, content, io };

// The system's text as messages quote it: at most 255 units, line breaks trimmed at both ends.
std::u16string quotedSystemText(std::u16string_view text);
// The system's text for a code, as messages quote it.
std::u16string systemTextFor(FileSystem& fs, ErrorCode code);

// The message for a failure code, chosen as every data file chooses it.
std::u16string readFailureText(FileSystem& fs, const ReadTexts& texts, ReadFailure failure, ErrorCode code,
                               std::u16string_view path);
std::u16string writeFailureText(FileSystem& fs, const WriteTexts& texts, ErrorCode code, std::u16string_view path);
