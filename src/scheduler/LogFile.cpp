#include "scheduler/LogFile.h"

#include <vector>

#include "data/DataFileTexts.h"
#include "data/FolderRepair.h"
#include "data/Text.h"

namespace {

constexpr std::u16string_view deniedAdminText =
    u"写日志失败 ◆ 拒绝访问 ◆ %s ◆ 尝试以管理员身份重运行：用鼠标右键点击软件图标->弹出菜单->选择以管理员身份运行"
    u" ◆ 专家在线:主界面左侧点{帮助栏}";
constexpr std::u16string_view deniedOtherText =
    u"写日志失败 ◆ 拒绝访问 ◆ %s ◆ 专家在线:主界面左侧点{帮助栏} ◆ 可尝试修改文件安全属性：到目标文件夹->"
    u"右键点击此文件->弹出菜单选{属性}->打开属性窗口->切换到{安全页}->点{编辑}按钮->改当前用户的权限";
constexpr std::u16string_view busyText =
    u"写日志失败 ◆ 被别的程序占用 ◆ %s ◆ 可尝试:关闭相关程序或重启电脑再试 ◆ 专家在线:主界面左侧点{帮助栏}";
// First %s the system's text, second the path.
constexpr std::u16string_view otherText = u"写日志失败 ◆ %s ◆ %s ◆ 专家在线:主界面左侧点{帮助栏}";

LogAppend failed(FileSystem& fs, ErrorCode code, std::u16string_view path) {
    std::u16string message;
    if (code == errorAccessDenied) {
        message = formatText(fs.isAdminUnelevated() ? deniedAdminText : deniedOtherText, {path});
    } else if (code == errorSharingViolation || code == errorLockViolation) {
        message = formatText(busyText, {path});
    } else {
        // Failed opens and writes quote the system's text too: the file layer reports Windows
        // codes, never a runtime errno with its own narrow text.
        message = formatText(otherText, {systemTextFor(fs, code), path});
    }
    if (message.size() > maxLogMessageUnits) {
        message.resize(maxLogMessageUnits);
        if (message.back() >= 0xD800 && message.back() <= 0xDBFF) message.pop_back();  // half a surrogate pair
    }
    return {false, std::move(message)};
}

// One call repairs DataDir at most once and retries a denied open at most once.
struct Repairs {
    HoldingFolder dataDir;
    bool openRetried = false;
};

std::unique_ptr<FileHandle> openRetryingOnce(FileSystem& fs, std::u16string_view path, OpenMode mode, Repairs& repairs,
                                             ErrorCode& error) {
    fs.setNormalAttributes(path);
    auto file = fs.open(path, mode, error);
    if (!file && error == errorAccessDenied && !repairs.openRetried) {
        repairs.openRetried = true;
        repairOnce(fs, repairs.dataDir);
        fs.repairAccess(path);
        file = fs.open(path, mode, error);
    }
    return file;
}

// Whether the next line may go at the end: the file starts with the mark and is within the limit.
bool mayAppend(FileHandle& file) {
    std::uint8_t mark[2] = {};
    std::size_t got = 0;
    if (file.read(mark, sizeof mark, got) != errorSuccess || got != sizeof mark) return false;
    if (mark[0] != 0xFF || mark[1] != 0xFE) return false;
    std::uint64_t size = 0;
    // A size that cannot be read counts as too large: the limit must hold.
    return file.size(size) == errorSuccess && size <= maxLogSizeToAppend;
}

std::vector<std::uint8_t> lineBytes(bool withMark, const DateTime& time, std::u16string_view text) {
    const std::u16string line = formatLogTime(time) + u"   " + std::u16string(text) + u"\r\n";
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 + 2 * line.size());
    if (withMark) bytes = {0xFF, 0xFE};
    for (const char16_t unit : line) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

}  // namespace

std::u16string formatLogTime(const DateTime& time) {
    return formatNumber(time.year, 4) + u"-" + formatNumber(time.month, 2) + u"-" + formatNumber(time.day, 2) + u" " +
           formatNumber(time.hour, 2) + u":" + formatNumber(time.minute, 2) + u":" + formatNumber(time.second, 2);
}

LogAppend appendLogLine(const DataFolder& folder, std::u16string_view logPath, const DateTime& time,
                        std::u16string_view text) {
    FileSystem& fs = folder.fs;
    if (const ErrorCode error = ensureDataFolder(fs, folder.shellFolder, folder.dataDir)) {
        return failed(fs, error, logPath);
    }

    Repairs repairs{{folder.dataDir}};
    PathStatus status = checkRepairing(fs, logPath, repairs.dataDir);
    if (!status.exists && status.error == errorAccessDenied) return failed(fs, errorAccessDenied, logPath);
    if (status.exists && status.isFolder) {
        const ErrorCode error = removeFolderInPlace(fs, logPath, repairs.dataDir);
        if (error != errorSuccess) return failed(fs, error, logPath);
        status.exists = false;
    }

    bool append = false;
    if (status.exists) {
        ErrorCode error = errorSuccess;
        if (auto file = openRetryingOnce(fs, logPath, OpenMode::read, repairs, error)) {
            append = mayAppend(*file);
        } else if (error == errorAccessDenied) {
            return failed(fs, error, logPath);
        } else {
            // Unreadable for another reason: never throw its lines away on a guess.
            append = true;
        }
    }

    ErrorCode error = errorSuccess;
    auto file = openRetryingOnce(fs, logPath, append ? OpenMode::append : OpenMode::writeTruncate, repairs, error);
    if (!file) return failed(fs, error, logPath);
    // Every file started afresh begins with the mark.
    const std::vector<std::uint8_t> bytes = lineBytes(!append, time, text);
    error = file->write(bytes.data(), bytes.size());
    file.reset();
    if (error != errorSuccess) return failed(fs, error, logPath);
    return {true, {}};
}
