#pragma once
// lvtxctl web: the web console's settings written from the command line, as the settings page
// writes them.
#include <optional>
#include <string>
#include <string_view>

#include "data/FileSystem.h"
#include "web/PasswordKdf.h"

struct WebChanges {
    std::optional<bool> on;
    std::optional<int> port;
    std::u16string passwordFile;  // empty: the password stays
};

// The first line of the file, without its line end and a leading UTF-8 mark; none with the
// reason in `why` when it cannot be read.
std::optional<std::string> readPasswordLine(FileSystem& fs, std::u16string_view path, std::string& why);

// Reads "网页t" of `dataDir` as the program does, applies the password, the port and on/off in
// that order, and saves after each. Refuses while the program runs on the folder.
int runWeb(FileSystem& fs, std::u16string_view dataDir, const WebChanges& changes, PasswordKdf& kdf,
           RandomBytes& random, bool programRuns);
