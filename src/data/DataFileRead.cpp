#include "data/DataFileRead.h"

#include "data/FolderRepair.h"

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

std::unique_ptr<FileHandle> openForRead(FileSystem& fs, std::u16string_view path, ErrorCode& error) {
    HoldingFolder holder{parentFolder(path)};
    const PathStatus status = checkRepairing(fs, path, holder);
    if (!status.exists) {
        error = meansAbsent(status.error) ? errorSuccess : status.error;
        return nullptr;
    }
    if (status.isFolder) {
        error = errorSuccess;
        return nullptr;
    }
    return openRepairing(fs, path, OpenMode::read, holder, error);
}

ReadResult readDataFile(const DataFileContext& context, const DataFileTexts& texts, const PayloadParser& parse) {
    FileSystem& fs = context.folder.fs;
    ReadResult result;
    result.path = context.path;
    ErrorCode error = errorSuccess;
    auto file = openForRead(fs, context.path, error);
    if (!file && error == errorSuccess) {
        // An interrupted save may have left only the companion.
        result.path = tempPathOf(context.path);
        file = openForRead(fs, result.path, error);
        if (!file && error == errorSuccess) {
            result.path = context.path;
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

    result.message = readFailureText(fs, texts.read, result.failure, result.code, result.path);
    if (result.failure == ReadFailure::io && context.readFailed) *context.readFailed = true;
    if (context.owner) context.owner->showMessage(result.message, MessageIcon::error);
    return result;
}
