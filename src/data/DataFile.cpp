#include "data/DataFile.h"

#include "data/Text.h"

std::u16string tempPathOf(std::u16string_view path) {
    std::u16string temp(path);
    temp.append(tempSuffix);
    return temp;
}

// ---- reading ----------------------------------------------------------------------------

PayloadReader::PayloadReader(FileHandle& file, Md5State& digest) : file_(file), digest_(digest) {}

bool PayloadReader::read(void* buffer, std::size_t size) {
    if (failure_ != ReadFailure::none) return false;
    std::size_t got = 0;
    const ErrorCode error = file_.read(buffer, size, got);
    if (error != errorSuccess) {
        failure_ = ReadFailure::io;
        code_ = error;
        return false;
    }
    if (got < size) {
        failure_ = ReadFailure::content;
        return false;
    }
    md5Update(digest_, buffer, size);
    return true;
}

bool PayloadReader::checkDigest() {
    if (failure_ != ReadFailure::none) return false;
    Md5Digest stored;
    std::size_t got = 0;
    const ErrorCode error = file_.read(stored.data(), stored.size(), got);
    if (error != errorSuccess) {
        failure_ = ReadFailure::io;
        code_ = error;
        return false;
    }
    if (got < stored.size() || stored != md5Finish(digest_)) {
        failure_ = ReadFailure::content;
        return false;
    }
    return true;
}

void PayloadReader::markContentError() {
    if (failure_ == ReadFailure::none) failure_ = ReadFailure::content;
}

namespace {

// The existence check shared by both opens: a denied check repairs the containing folder once.
PathStatus checkPath(FileSystem& fs, std::u16string_view path, bool& folderRepaired) {
    PathStatus status = fs.status(path);
    if (!status.exists && status.error == errorAccessDenied) {
        fs.repairAccess(parentFolder(path));
        folderRepaired = true;
        status = fs.status(path);
    }
    return status;
}

std::unique_ptr<FileHandle> openRepairing(FileSystem& fs, std::u16string_view path, OpenMode mode,
                                          bool folderRepaired, ErrorCode& error) {
    fs.setNormalAttributes(path);
    auto file = fs.open(path, mode, error);
    if (!file && error == errorAccessDenied) {
        if (!folderRepaired) fs.repairAccess(parentFolder(path));
        fs.repairAccess(path);
        file = fs.open(path, mode, error);
    }
    if (file) error = errorSuccess;
    return file;
}

std::u16string failureText(FileSystem& fs, const std::u16string& deniedAdmin, const std::u16string& deniedOther,
                           const std::u16string& busy, const std::u16string& other, ErrorCode code,
                           std::u16string_view path) {
    if (code == errorAccessDenied) return formatText(fs.isAdminUnelevated() ? deniedAdmin : deniedOther, {path});
    if (code == errorSharingViolation || code == errorLockViolation) return formatText(busy, {path});
    return formatText(other, {path, systemTextFor(fs, code)});
}

}  // namespace

std::u16string systemTextFor(FileSystem& fs, ErrorCode code) {
    std::u16string text = fs.systemMessage(code);
    if (text.size() > 255) text.resize(255);
    const auto first = text.find_first_not_of(u"\r\n");
    if (first == std::u16string::npos) return {};
    const auto last = text.find_last_not_of(u"\r\n");
    return text.substr(first, last - first + 1);
}

std::unique_ptr<FileHandle> openForRead(FileSystem& fs, std::u16string_view path, ErrorCode& error) {
    bool folderRepaired = false;
    const PathStatus status = checkPath(fs, path, folderRepaired);
    if (!status.exists) {
        error = meansAbsent(status.error) ? errorSuccess : status.error;
        return nullptr;
    }
    if (status.isFolder) {
        error = errorSuccess;
        return nullptr;
    }
    return openRepairing(fs, path, OpenMode::read, folderRepaired, error);
}

std::unique_ptr<FileHandle> openForWrite(FileSystem& fs, std::u16string_view path, ErrorCode& error) {
    bool folderRepaired = false;
    const PathStatus status = checkPath(fs, path, folderRepaired);
    if (!status.exists && status.error == errorAccessDenied) {
        error = errorAccessDenied;
        return nullptr;
    }
    if (status.exists && status.isFolder) {
        removeTreeQuiet(fs, path);
        if (fs.status(path).exists) {
            if (!folderRepaired) fs.repairAccess(parentFolder(path));
            folderRepaired = true;
            const ErrorCode removed = removeTreeChecked(fs, path);
            if (removed != errorSuccess) {
                error = removed;
                return nullptr;
            }
        }
    }
    return openRepairing(fs, path, OpenMode::writeTruncate, folderRepaired, error);
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

std::u16string readFailureText(FileSystem& fs, const ReadTexts& texts, ReadFailure failure, ErrorCode code,
                               std::u16string_view path) {
    if (failure == ReadFailure::content) return formatText(texts.content, {path});
    return failureText(fs, texts.deniedAdmin, texts.deniedOther, texts.busy, texts.other, code, path);
}

std::u16string writeFailureText(FileSystem& fs, const WriteTexts& texts, ErrorCode code, std::u16string_view path) {
    return failureText(fs, texts.deniedAdmin, texts.deniedOther, texts.busy, texts.other, code, path);
}

ReadResult readDataFile(const DataFolder& folder, std::u16string_view path, const DataFileTexts& texts,
                        Prompt* owner, bool* readFailed, const PayloadParser& parse) {
    ReadResult result;
    result.path = std::u16string(path);
    ErrorCode error = errorSuccess;
    auto file = openForRead(folder.fs, path, error);
    if (!file && error == errorSuccess) {
        // An interrupted save may have left only the companion.
        result.path = tempPathOf(path);
        file = openForRead(folder.fs, result.path, error);
        if (!file && error == errorSuccess) {
            result.path = std::u16string(path);
            return result;
        }
    }

    if (file) {
        Md5State digest;
        md5Start(digest);
        PayloadReader reader(*file, digest);
        if (parse(reader)) reader.checkDigest();
        else reader.markContentError();
        file.reset();
        result.failure = reader.failure();
        result.code = reader.code();
    } else {
        result.failure = ReadFailure::io;
        result.code = error;
    }
    if (result.ok()) return result;

    result.message = readFailureText(folder.fs, texts.read, result.failure, result.code, result.path);
    if (result.failure == ReadFailure::io && readFailed) *readFailed = true;
    if (owner) owner->showMessage(result.message, MessageIcon::error);
    return result;
}

// ---- saving -----------------------------------------------------------------------------

namespace {

struct StepFailure {
    ErrorCode code = errorSuccess;
    std::u16string path;
};

// Makes one of the two paths usable: a folder in its place is removed. Sets `exists`.
StepFailure examinePath(const DataFolder& folder, std::u16string_view path, bool& folderRepaired, bool& exists) {
    FileSystem& fs = folder.fs;
    fs.setNormalAttributes(path);
    PathStatus status = fs.status(path);
    if (!status.exists && status.error == errorAccessDenied) {
        fs.repairAccess(folder.dataDir);
        folderRepaired = true;
        status = fs.status(path);
        if (!status.exists && status.error == errorAccessDenied) return {errorAccessDenied, std::u16string(path)};
    }
    if (!status.exists && !meansAbsent(status.error)) return {status.error, std::u16string(path)};
    exists = status.exists && !status.isFolder;
    if (status.exists && status.isFolder) {
        removeTreeQuiet(fs, path);
        if (fs.status(path).exists) {
            if (!folderRepaired) fs.repairAccess(folder.dataDir);
            folderRepaired = true;
            const ErrorCode error = removeTreeChecked(fs, path);
            if (error != errorSuccess) return {error, std::u16string(path)};
        }
    }
    return {};
}

StepFailure prepareReplace(const DataFolder& folder, std::u16string_view target, std::u16string_view temp) {
    FileSystem& fs = folder.fs;
    bool folderRepaired = false;
    bool tempExists = false;
    bool targetExists = false;
    StepFailure failure = examinePath(folder, temp, folderRepaired, tempExists);
    if (failure.code != errorSuccess) return failure;
    failure = examinePath(folder, target, folderRepaired, targetExists);
    if (failure.code != errorSuccess) return failure;

    fs.repairAccess(temp);
    fs.repairAccess(target);
    if (!targetExists && tempExists) {
        // Recovery of an interrupted save: the companion is the newest complete file.
        const ErrorCode error = fs.renameFile(temp, target);
        if (error != errorSuccess) return {error, std::u16string(target)};
    } else if (targetExists && tempExists) {
        const ErrorCode error = fs.deleteFile(temp);
        if (error != errorSuccess) return {error, std::u16string(temp)};
    }
    return {};
}

StepFailure replaceWithTemp(FileSystem& fs, std::u16string_view target, std::u16string_view temp) {
    fs.setNormalAttributes(target);
    const PathStatus status = fs.status(target);
    if (status.exists) {
        const ErrorCode error = fs.deleteFile(target);
        if (error != errorSuccess) {
            fs.deleteFile(temp);
            return {error, std::u16string(target)};
        }
    } else if (!meansAbsent(status.error)) {
        fs.deleteFile(temp);
        return {status.error, std::u16string(target)};
    }
    // A failed rename leaves the complete companion, which the next read or save picks up.
    fs.renameFile(temp, target);
    return {};
}

StepFailure writeTemp(const DataFolder& folder, std::u16string_view temp, const std::vector<std::uint8_t>& payload) {
    FileSystem& fs = folder.fs;
    ErrorCode error = ensureDataFolder(fs, folder.shellFolder, folder.dataDir);
    if (error == errorSuccess) {
        auto file = openForWrite(fs, temp, error);
        if (file) {
            const Md5Digest digest = md5Of(payload.data(), payload.size());
            error = file->write(payload.data(), payload.size());
            if (error == errorSuccess) error = file->write(digest.data(), digest.size());
            if (error == errorSuccess) error = file->flush();
        }
    }
    if (error == errorSuccess) return {};
    fs.deleteFile(temp);
    return {error, std::u16string(temp)};
}

}  // namespace

SaveResult saveDataFile(const DataFolder& folder, std::u16string_view path, const DataFileTexts& texts,
                        Prompt* owner, bool* readFailed, const std::vector<std::uint8_t>& payload) {
    SaveResult result;
    if (readFailed && *readFailed) {
        // The file on disk may hold a schedule this run could not read: never overwrite it unasked.
        if (!owner || !owner->askYesNo(formatText(texts.saveQuestion, {path}))) return result;
    }

    const std::u16string temp = tempPathOf(path);
    const WriteTexts* wording = &texts.prepare;
    StepFailure failure = prepareReplace(folder, path, temp);
    if (failure.code == errorSuccess) {
        wording = &texts.write;
        failure = writeTemp(folder, temp, payload);
    }
    if (failure.code == errorSuccess) {
        wording = &texts.prepare;
        failure = replaceWithTemp(folder.fs, path, temp);
    }
    if (failure.code != errorSuccess) {
        result.code = failure.code;
        result.message = writeFailureText(folder.fs, *wording, failure.code, failure.path);
        if (owner) owner->showMessage(result.message, MessageIcon::error);
        return result;
    }

    if (readFailed) *readFailed = false;
    result.ok = true;
    return result;
}
