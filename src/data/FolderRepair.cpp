#include "data/FolderRepair.h"

#include <vector>

namespace {

ErrorCode makeFolder(FileSystem& fs, std::u16string_view path) {
    const PathStatus status = fs.status(path);
    if (status.exists && status.isFolder) return errorSuccess;
    if (status.exists) {
        // A plain file holds the folder's name.
        fs.setNormalAttributes(path);
        if (fs.deleteFile(path) != errorSuccess) {
            fs.repairAccess(path);
            const ErrorCode error = fs.deleteFile(path);
            if (error != errorSuccess) return error;
        }
    } else if (status.error == errorAccessDenied) {
        return status.error;
    }
    return fs.createFolder(path);
}

}  // namespace

ErrorCode ensureDataFolder(FileSystem& fs, std::u16string_view shellFolder, std::u16string_view dataDir) {
    for (std::size_t i = 0; i < shellFolder.size(); ++i) {
        if (shellFolder[i] != u'\\' && shellFolder[i] != u'/') continue;
        const std::u16string_view prefix = shellFolder.substr(0, i);
        if (prefix.empty() || prefix.back() == u':' || prefix.back() == u'\\' || prefix.back() == u'/') continue;
        const PathStatus status = fs.status(prefix);
        if (status.exists && status.isFolder) continue;
        const ErrorCode error = fs.createFolder(prefix);
        if (error != errorSuccess) return error;
    }
    const ErrorCode error = makeFolder(fs, shellFolder);
    if (error != errorSuccess) return error;
    return makeFolder(fs, dataDir);
}

void removeTreeQuiet(FileSystem& fs, std::u16string_view folder) {
    std::vector<FolderItem> items;
    fs.listFolder(folder, items);
    for (const FolderItem& item : items) {
        const std::u16string child = joinPath(folder, item.name);
        if (item.isFolder) {
            removeTreeQuiet(fs, child);
        } else {
            fs.setNormalAttributes(child);
            fs.deleteFile(child);
        }
    }
    fs.removeFolder(folder);
}

ErrorCode removeTreeChecked(FileSystem& fs, std::u16string_view folder) {
    fs.repairAccess(folder);
    std::vector<FolderItem> items;
    const ErrorCode listed = fs.listFolder(folder, items);
    if (listed != errorSuccess) return meansAbsent(listed) ? errorSuccess : listed;
    for (const FolderItem& item : items) {
        const std::u16string child = joinPath(folder, item.name);
        ErrorCode error = errorSuccess;
        if (item.isFolder) {
            error = removeTreeChecked(fs, child);
        } else {
            fs.repairAccess(child);
            fs.setNormalAttributes(child);
            error = fs.deleteFile(child);
            if (meansAbsent(error)) error = errorSuccess;
        }
        if (error != errorSuccess) return error;
    }
    const ErrorCode removed = fs.removeFolder(folder);
    return meansAbsent(removed) ? errorSuccess : removed;
}

void repairOnce(FileSystem& fs, HoldingFolder& holder) {
    if (!holder.repaired) fs.repairAccess(holder.path);
    holder.repaired = true;
}

PathStatus checkRepairing(FileSystem& fs, std::u16string_view path, HoldingFolder& holder) {
    PathStatus status = fs.status(path);
    if (!status.exists && status.error == errorAccessDenied) {
        // Every denied check repairs, even after an earlier step of the operation did.
        fs.repairAccess(holder.path);
        holder.repaired = true;
        status = fs.status(path);
    }
    return status;
}

std::unique_ptr<FileHandle> openRepairing(FileSystem& fs, std::u16string_view path, OpenMode mode,
                                          HoldingFolder& holder, ErrorCode& error) {
    fs.setNormalAttributes(path);
    auto file = fs.open(path, mode, error);
    if (!file && error == errorAccessDenied) {
        repairOnce(fs, holder);
        fs.repairAccess(path);
        file = fs.open(path, mode, error);
    }
    if (file) error = errorSuccess;
    return file;
}

ErrorCode removeFolderInPlace(FileSystem& fs, std::u16string_view path, HoldingFolder& holder) {
    removeTreeQuiet(fs, path);
    if (!fs.status(path).exists) return errorSuccess;
    repairOnce(fs, holder);
    return removeTreeChecked(fs, path);
}
