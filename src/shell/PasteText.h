#pragma once
// What the paste filter inserts for a clipboard text.
#include <string>
#include <string_view>

// Multi-line edits get every line break (CR LF, lone CR, lone LF) as CR LF; single-line edits
// get only the first line.
std::u16string pasteText(std::u16string_view clipboard, bool multiLine);
