#pragma once
// The wordings of data-file failures. Each file uses the reference texts or its own
// variants of them; the choice of wording is the same for every file.
#include <string>

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
