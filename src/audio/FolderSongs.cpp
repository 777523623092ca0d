#include <algorithm>

#include "audio/AudioExtensions.h"
#include "audio/PlayJob.h"
#include "data/Text.h"

namespace {

bool containsName(const std::vector<FolderEntry>& entries, const std::u16string& name) {
    return std::any_of(entries.begin(), entries.end(), [&](const FolderEntry& e) { return equalsNoCase(e.name, name); });
}

void removeNamesIn(std::vector<FolderEntry>& candidates, const std::vector<FolderEntry>& names) {
    candidates.erase(std::remove_if(candidates.begin(), candidates.end(),
                                    [&](const FolderEntry& e) { return containsName(names, e.name); }),
                     candidates.end());
}

}  // namespace

int pickFolderSong(PlayJob& job, FileSystem& fs, std::mt19937& random, FolderEntry& chosen) {
    const std::u16string folder(fixedView(job.program.path));
    const bool sequential = job.program.sequential != 0;
    for (;;) {
        job.candidates.clear();
        std::vector<FolderItem> items;
        if (fs.listFolder(folder, items) != errorSuccess) return 0;
        for (const FolderItem& item : items) {
            if (item.isFolder || !isSupportedAudioFile(item.name)) continue;
            job.candidates.push_back({joinPath(folder, item.name), item.name});
            if (job.candidates.size() >= static_cast<std::size_t>(maxFolderCandidates)) break;
        }
        if (job.candidates.empty()) return 0;
        removeNamesIn(job.candidates, job.failedSongs);
        if (job.candidates.empty()) return -1;
        removeNamesIn(job.candidates, job.playedSongs);
        if (!job.candidates.empty()) break;

        // Every song has been started in this cycle: begin the next one, with every song
        // in it again. In random order the song that just played may not open it.
        if (!sequential && job.playedSongs.size() >= 2) job.avoidFirst = job.playedSongs.back().name;
        job.playedSongs.clear();
    }

    if (!job.avoidFirst.empty()) {
        if (job.candidates.size() >= 2) removeNamesIn(job.candidates, {FolderEntry{{}, job.avoidFirst}});
        job.avoidFirst.clear();
    }

    if (!sequential && job.candidates.size() >= 2) {
        std::shuffle(job.candidates.begin(), job.candidates.end(), random);
        std::uniform_int_distribution<std::size_t> pick(0, job.candidates.size() - 1);
        chosen = job.candidates[pick(random)];
    } else {
        std::stable_sort(job.candidates.begin(), job.candidates.end(),
                         [](const FolderEntry& a, const FolderEntry& b) { return compareNoCase(a.name, b.name) < 0; });
        chosen = job.candidates.front();
    }
    return 1;
}
