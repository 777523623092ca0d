#include "instant/InstantImport.h"

#include "audio/AudioExtensions.h"
#include "data/Text.h"

std::vector<std::u16string> audioFilesOfFolder(FileSystem& fs, std::u16string_view folder) {
    std::vector<std::u16string> files;
    std::vector<FolderItem> items;
    if (fs.listFolder(folder, items) != errorSuccess) return files;
    for (const FolderItem& item : items) {
        if (!item.isFolder && isSupportedAudioFile(item.name)) files.push_back(joinPath(folder, item.name));
    }
    return files;
}

std::vector<std::u16string> splitChosenFiles(std::u16string_view buffer, std::size_t fileOffset) {
    const auto stringAt = [buffer](std::size_t at) {
        const std::u16string_view rest = buffer.substr(std::min(at, buffer.size()));
        return rest.substr(0, rest.find(u'\0'));
    };
    const std::u16string_view first = stringAt(0);
    if (fileOffset == 0 || fileOffset > buffer.size() || buffer[fileOffset - 1] != u'\0') {
        return {std::u16string(first)};
    }
    std::vector<std::u16string> files;
    for (std::size_t at = fileOffset;;) {
        const std::u16string_view name = stringAt(at);
        if (name.empty()) break;
        files.push_back(joinPath(first, name));
        at += name.size() + 1;
    }
    return files;
}

std::u16string audioPathFailureMessage(std::u16string_view checkText, std::u16string_view path) {
    return formatText(u"%s： %s　　　　　　　　　　　　　　　　　", {checkText, path});
}

DroppedFiles collectDroppedFiles(FileSystem& fs, const NetworkDriveQuery& isNetworkDrive,
                                 const std::vector<std::u16string>& dropped) {
    DroppedFiles result;
    std::vector<std::u16string> folderFiles;
    for (const std::u16string& path : dropped) {
        if (!fs.status(path).isFolder) {
            if (isSupportedAudioFile(path)) result.files.push_back(path);
            continue;
        }
        if (auto failure = checkAudioPath(fs, isNetworkDrive, path, u"文件夹", true)) {
            return {{}, audioPathFailureMessage(*failure, path)};
        }
        for (std::u16string& file : audioFilesOfFolder(fs, path)) folderFiles.push_back(std::move(file));
    }
    result.files.insert(result.files.end(), folderFiles.begin(), folderFiles.end());
    return result;
}

void ImportProgress::cancel() {
    const std::lock_guard lock(cancelLock_);
    cancelled_ = true;
}

bool ImportProgress::cancelled() const {
    const std::lock_guard lock(cancelLock_);
    return cancelled_;
}

void ImportProgress::advance() {
    const std::lock_guard lock(doneLock_);
    ++done_;
}

int ImportProgress::done() const {
    const std::lock_guard lock(doneLock_);
    return done_;
}

ImportResult runImport(const std::vector<std::u16string>& paths, int room, const DurationProbe& probe,
                       ImportProgress& progress) {
    ImportResult result;
    for (const std::u16string& path : paths) {
        if (progress.cancelled()) {
            result.cancelled = true;
            break;
        }
        if (static_cast<int>(result.items.size()) >= room) {
            result.overflow = true;
            break;
        }
        if (path.size() > maxInstantPathLength) {
            ++result.skippedLong;
        } else {
            const std::int32_t measured = probe(path);
            const bool storable = measured >= -1 && measured <= maxInstantDurationMs;
            result.items.push_back(makeInstantItem(path, storable ? measured : -1));
        }
        progress.advance();
    }
    return result;
}

std::u16string importProgressText(int done, int total) {
    return formatText(u"%s / %s", {formatNumber(done), formatNumber(total)});
}

std::u16string skippedLongPathsMessage(int count) {
    return formatText(u"%s 个文件的路径太长 (超过 %s 个字符)，未添加",
                      {formatNumber(count), formatNumber(static_cast<std::int64_t>(maxInstantPathLength))});
}
