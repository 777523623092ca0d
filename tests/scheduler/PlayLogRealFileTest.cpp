// The play log on the platform's real file system (POSIX natively, Win32 under Wine).
#include <gtest/gtest.h>

#include "data/FolderRepair.h"
#include "scheduler/PlayLog.h"
#include "support/MemoryLogFolder.h"
#include "support/RecordingLogView.h"
#include "support/RecordingPrompt.h"
#include "support/TempFolder.h"

namespace {

struct RealLogFolder {
    TempFolder temp;
    std::unique_ptr<FileSystem> fs = makeRealFileSystem();
    std::u16string shellFolder = temp / u"Roaming";
    std::u16string dataDir = joinPath(shellFolder, u"lvtx.10");
    std::u16string log = joinPath(dataDir, logFileName);
    DataFolder folder{*fs, shellFolder, dataDir};
    RecordingLogView view;

    std::vector<std::uint8_t> bytes() {
        ErrorCode error = 0;
        auto handle = fs->open(log, OpenMode::read, error);
        std::vector<std::uint8_t> bytes;
        if (!handle) return bytes;
        std::vector<std::uint8_t> chunk(1 << 16);
        std::size_t got = 0;
        while (handle->read(chunk.data(), chunk.size(), got) == errorSuccess && got > 0) {
            bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(got));
        }
        return bytes;
    }
};

}  // namespace

TEST(RealPlayLog, EventsCreateTheFolderAndFileThenAppendAndTheEditorGetsTheFile) {
    RealLogFolder data;
    RecordingPrompt prompt;
    std::vector<std::u16string> opened;
    const auto openLog = [&] {
        openLogFile(*data.fs, data.log, prompt, [&](std::u16string_view path) { opened.emplace_back(path); });
    };
    openLog();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, u"还未生成日志文件     ");

    logEvent(data.view, data.folder, data.log, logSampleTime, u"软件启动");
    logEvent(data.view, data.folder, data.log, DateTime{2024, 3, 2, 5, 7, 8, 10, 0}, u"软件关闭");
    EXPECT_TRUE(data.fs->status(data.dataDir).isFolder);
    EXPECT_EQ(data.bytes(), withMark(u"2024-03-05 07:08:09   软件启动\r\n2024-03-05 07:08:10   软件关闭\r\n"));
    EXPECT_EQ(data.view.rows.size(), 2u);

    openLog();
    EXPECT_EQ(opened, std::vector<std::u16string>{data.log});
    EXPECT_EQ(prompt.messages.size(), 1u);
}

TEST(RealPlayLog, ALogOneBytePastTheLimitIsStartedAfresh) {
    RealLogFolder data;
    ASSERT_EQ(ensureDataFolder(*data.fs, data.shellFolder, data.dataDir), errorSuccess);
    ErrorCode error = 0;
    {
        auto file = data.fs->open(data.log, OpenMode::writeTruncate, error);
        ASSERT_TRUE(file) << error;
        std::vector<std::uint8_t> big(2'097'152, 0x41);
        big[0] = 0xFF;
        big[1] = 0xFE;
        ASSERT_EQ(file->write(big.data(), big.size()), errorSuccess);
    }
    ASSERT_TRUE(appendLogLine(data.folder, data.log, logSampleTime, u"软件启动").ok);
    EXPECT_EQ(data.bytes(), withMark(u"2024-03-05 07:08:09   软件启动\r\n"));
}
