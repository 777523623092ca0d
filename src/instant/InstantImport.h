#pragma once
// Adding audio files to the immediate-play list: the files that a choice in the open-file
// dialog, a folder or a drop names, and the import loop that the import dialog's worker thread
// runs over them, measuring each file's length.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "audio/AudioPath.h"
#include "data/FileSystem.h"
#include "instant/InstantItem.h"

// The longest path an item's field holds whole; longer paths are refused, never cut.
inline constexpr std::size_t maxInstantPathLength = instantTextCapacity - 1;

// The folder's audio files as full paths, in the folder's own order; sub-folders are not entered.
std::vector<std::u16string> audioFilesOfFolder(FileSystem& fs, std::u16string_view folder);

// The open-file dialog's result: `buffer` is the whole returned buffer and `fileOffset` the
// offset of the first file name. One file, or the folder followed by NUL-separated names that
// end at an empty one.
std::vector<std::u16string> splitChosenFiles(std::u16string_view buffer, std::size_t fileOffset);

// The message for a chosen or dropped path that fails its check: the check's text and the path.
std::u16string audioPathFailureMessage(std::u16string_view checkText, std::u16string_view path);

// A drop: the audio files to import, or the message of the folder that ends the whole drop.
struct DroppedFiles {
    std::vector<std::u16string> files;
    std::optional<std::u16string> failure;
};
// Dropped files with an audio extension first, then the audio files of the dropped folders;
// other files are skipped silently.
DroppedFiles collectDroppedFiles(FileSystem& fs, const NetworkDriveQuery& isNetworkDrive,
                                 const std::vector<std::u16string>& dropped);

// Shared between the import's worker thread and the dialog: the cancel flag and the count of
// paths handled, each behind its own lock.
class ImportProgress {
public:
    void cancel();
    bool cancelled() const;
    void advance();
    int done() const;

private:
    mutable std::mutex cancelLock_;
    bool cancelled_ = false;
    mutable std::mutex doneLock_;
    int done_ = 0;
};

struct ImportResult {
    std::vector<InstantItem> items;  // in the order of the paths
    bool overflow = false;           // paths were left over when the list was full
    bool cancelled = false;
    int skippedLong = 0;             // paths longer than an item holds
};

// The length of a file in milliseconds, or -1.
using DurationProbe = std::function<std::int32_t(std::u16string_view path)>;

// Makes an item for each path in order until the cancel flag is seen or `room` items are made.
// A length the probe reports outside -1..100 hours is stored as -1, since the list file
// refuses it.
ImportResult runImport(const std::vector<std::u16string>& paths, int room, const DurationProbe& probe,
                       ImportProgress& progress);

// "done / total" on the import dialog.
std::u16string importProgressText(int done, int total);
// Told once after an import that left out paths too long for the list.
std::u16string skippedLongPathsMessage(int count);
