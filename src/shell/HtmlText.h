#pragma once
// The readable text of a simple HTML page, for showing the help page where no browser can.
#include <string>
#include <string_view>

// Drops the head, scripts, styles and comments; paragraphs and headings are separated by a blank
// line, list items start a line with "· ", runs of blanks become one space, the common entities
// are decoded. Lines end in CR LF.
std::u16string htmlToText(std::string_view utf8Html);
