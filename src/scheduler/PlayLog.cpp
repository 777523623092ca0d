#include "scheduler/PlayLog.h"

#include "data/DataFileRead.h"
#include "scheduler/LogFile.h"

void logEvent(LogView& view, const DataFolder& folder, std::u16string_view logPath, const DateTime& time,
              std::u16string_view text) {
    const std::u16string timeText = formatLogTime(time);
    view.showLogRow(timeText, text);
    // A lost line is never retried: playback goes on and only the screen says why.
    const LogAppend appended = appendLogLine(folder, logPath, time, text);
    if (!appended.ok) view.showLogRow(timeText, appended.message);
}

void openLogFile(FileSystem& fs, std::u16string_view logPath, Prompt& owner, const DocumentOpener& openDocument) {
    ErrorCode error = errorSuccess;
    auto file = openForRead(fs, logPath, error);
    if (file) {
        file.reset();
        openDocument(logPath);
    } else if (error == errorSuccess) {
        owner.showMessage(u"还未生成日志文件     ", MessageIcon::information);
    } else {
        owner.showMessage(readFailureText(fs, referenceTexts().read, ReadFailure::io, error, logPath),
                          MessageIcon::warning);
    }
}
