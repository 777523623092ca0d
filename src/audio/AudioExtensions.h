#pragma once
// The audio file types the players take, written once: the checks of a chosen or listed file,
// the open-file dialogs' filter and the texts that name the types all come from this list.
#include <array>
#include <string>
#include <string_view>

// In the order the texts name them; the first is the dialogs' default.
inline constexpr std::array<std::u16string_view, 16> audioExtensions = {
    u"mp3", u"wav", u"wma", u"flac", u"aac", u"ape", u"cda", u"m1a",
    u"m2a", u"m4a", u"mp2", u"mpa", u"ogg", u"tak", u"tta", u"wv"};

// Whether the file name after the last separator ends in one of them, letter case ignored.
bool isSupportedAudioFile(std::u16string_view path);

// The extensions joined by `separator`: "mp3, wav, …".
std::u16string audioExtensionList(std::u16string_view separator);

// The open-file dialog's filter: the name "mp3/wav/…", then the patterns "*.mp3;*.wav;…", each
// ended by a NUL; the string's own terminator closes the list.
std::u16string audioFileFilter();
