#include "data/DataFileSave.h"

#include "data/FolderRepair.h"
#include "data/Md5.h"
#include "data/Text.h"

namespace {

struct StepFailure {
    ErrorCode code = errorSuccess;
    std::u16string path;
};

// Makes one of the two paths usable: a folder in its place is removed. Sets `exists`.
StepFailure examinePath(FileSystem& fs, std::u16string_view path, HoldingFolder& dataDir, bool& exists) {
    fs.setNormalAttributes(path);
    const PathStatus status = checkRepairing(fs, path, dataDir);
    if (!status.exists && !meansAbsent(status.error)) return {status.error, std::u16string(path)};
    exists = status.exists && !status.isFolder;
    if (status.exists && status.isFolder) {
        const ErrorCode error = removeFolderInPlace(fs, path, dataDir);
        if (error != errorSuccess) return {error, std::u16string(path)};
    }
    return {};
}

StepFailure prepareReplace(const DataFolder& folder, std::u16string_view target, std::u16string_view temp) {
    FileSystem& fs = folder.fs;
    HoldingFolder dataDir{folder.dataDir};
    bool tempExists = false;
    bool targetExists = false;
    StepFailure failure = examinePath(fs, temp, dataDir, tempExists);
    if (failure.code != errorSuccess) return failure;
    failure = examinePath(fs, target, dataDir, targetExists);
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

std::unique_ptr<FileHandle> openForWrite(FileSystem& fs, std::u16string_view path, ErrorCode& error) {
    HoldingFolder holder{parentFolder(path)};
    const PathStatus status = checkRepairing(fs, path, holder);
    if (!status.exists && status.error == errorAccessDenied) {
        error = errorAccessDenied;
        return nullptr;
    }
    if (status.exists && status.isFolder) {
        error = removeFolderInPlace(fs, path, holder);
        if (error != errorSuccess) return nullptr;
    }
    return openRepairing(fs, path, OpenMode::writeTruncate, holder, error);
}

SaveResult saveDataFile(const DataFileContext& context, const DataFileTexts& texts,
                        const std::vector<std::uint8_t>& payload) {
    const DataFolder& folder = context.folder;
    const std::u16string& path = context.path;
    SaveResult result;
    if (context.readFailed && *context.readFailed) {
        // The file on disk may hold a schedule this run could not read: never overwrite it unasked.
        if (!context.owner || !context.owner->askYesNo(formatText(texts.saveQuestion, {path}))) return result;
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
        if (context.owner) context.owner->showMessage(result.message, MessageIcon::error);
        return result;
    }

    if (context.readFailed) *context.readFailed = false;
    result.ok = true;
    return result;
}
