// The import dialog on real files: the lengths come from the real probe through the built
// tools folder, the notices appear over the dialog, and cancelling adds nothing. A second
// thread watches the dialog and the boxes it opens, as an operator would.
#include "ui/win32/ImportDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "data/FileSystem.h"
#include "data/Product.h"
#include "data/Text.h"
#include "winutil/WideText.h"
#include "data/win32/Win32TestFiles.h"
#include "ui/win32/InstantPageIds.h"
#include "support/TempFolder.h"

namespace {

AudioToolsConfig builtToolsConfig() {
    wchar_t exe[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::u16string testFolder(parentFolder(fromWide(std::wstring_view(exe, length))));
    return toolsConfigFor(joinPath(testFolder, u"" LVTX_PROGRAM_FOLDER_FROM_TESTS));
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A silent 16-bit PCM wave file of `ms` milliseconds.
bool writeWave(std::u16string_view path, int ms, std::uint32_t rate, int channels) {
    const std::uint32_t blockAlign = 2u * static_cast<std::uint32_t>(channels);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(static_cast<std::uint64_t>(rate) * ms / 1000) * blockAlign;
    std::string bytes = "RIFF";
    appendLittleEndian(bytes, 36 + dataBytes, 4);
    bytes += "WAVEfmt ";
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(channels), 2);
    appendLittleEndian(bytes, rate, 4);
    appendLittleEndian(bytes, rate * blockAlign, 4);
    appendLittleEndian(bytes, blockAlign, 2);
    appendLittleEndian(bytes, 16, 2);
    bytes += "data";
    appendLittleEndian(bytes, dataBytes, 4);
    bytes.append(dataBytes, '\0');
    return writeRaw(path, bytes);
}

struct SeenBox {
    std::u16string caption;
    std::u16string text;
    HWND owner = nullptr;
};

std::u16string windowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return fromWide(text);
}

// Watches the calling thread's dialogs: notes the import dialog's progress line, presses its
// "取消" when asked to, and answers every message box with OK after noting its text and owner.
class ImportWatcher {
public:
    explicit ImportWatcher(bool cancel)
        : cancel_(cancel), thread_([this, id = GetCurrentThreadId()] { watch(id); }) {}
    ~ImportWatcher() { stop(); }
    ImportWatcher(const ImportWatcher&) = delete;
    ImportWatcher& operator=(const ImportWatcher&) = delete;

    void stop() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
    }

    HWND importDialog = nullptr;
    std::u16string dialogCaption;
    std::u16string dialogText;
    std::u16string firstProgress;
    std::u16string cancelledAt;  // the progress line when "取消" was pressed
    std::vector<SeenBox> boxes;

private:
    static BOOL CALLBACK collect(HWND window, LPARAM found) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) == L"#32770" && IsWindowVisible(window)) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
    }

    void watch(DWORD threadId) {
        std::vector<HWND> answered;
        while (!done_) {
            Sleep(10);
            std::vector<HWND> windows;
            EnumThreadWindows(threadId, collect, reinterpret_cast<LPARAM>(&windows));
            for (const HWND window : windows) {
                if (GetDlgItem(window, IDC_IMPORT_PROGRESS) != nullptr) {
                    noteImportDialog(window);
                } else if (std::find(answered.begin(), answered.end(), window) == answered.end()) {
                    answered.push_back(window);
                    boxes.push_back({windowText(window), windowText(GetDlgItem(window, 0xFFFF)),
                                     GetWindow(window, GW_OWNER)});
                    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                }
            }
        }
    }

    // With `cancel_`, presses "取消" once the progress line shows files measured, so that there
    // are results to discard.
    void noteImportDialog(HWND window) {
        const std::u16string progress = windowText(GetDlgItem(window, IDC_IMPORT_PROGRESS));
        if (progress.empty()) return;
        if (importDialog == nullptr) {
            importDialog = window;
            dialogCaption = windowText(window);
            dialogText = windowText(GetDlgItem(window, IDC_IMPORT_TEXT));
            firstProgress = progress;
        }
        if (cancel_ && cancelledAt.empty() && progress.rfind(u"0 / ", 0) != 0) {
            cancelledAt = progress;
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }

    const bool cancel_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

// The main window as far as the dialog sees it: the owner at the root, whose title the boxes take.
class MainWindow {
public:
    MainWindow()
        : window_(CreateWindowExW(0, L"STATIC", toWide(product::mainTitle).c_str(), WS_OVERLAPPED, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~MainWindow() { DestroyWindow(window_); }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    HWND handle() const { return window_; }

private:
    HWND window_;
};

}  // namespace

// Six files into a list with room for four: two wave files of known length, a file that is not
// audio, a path too long for the list, and two more that find no room.
TEST(ImportDialog, MeasuresTheFilesThatFitAndTellsWhatWasLeftOut) {
    const TempFolder folder;
    ASSERT_TRUE(writeWave(folder / u"上课铃.wav", 1500, 8000, 1));
    ASSERT_TRUE(writeWave(folder / u"b.WAV", 700, 44100, 2));
    ASSERT_TRUE(writeRaw(folder / u"坏.mp3", "not audio at all"));
    const std::u16string tooLong = folder / (std::u16string(260, u'长') + u".wav");
    const std::vector<std::u16string> paths = {folder / u"上课铃.wav", tooLong, folder / u"b.WAV",
                                               folder / u"坏.mp3", folder / u"没有.mp3", folder / u"b.WAV"};

    const MainWindow main;
    ImportWatcher watcher(false);
    const std::vector<InstantItem> items = importAudioFiles(main.handle(), paths, 4, builtToolsConfig());
    watcher.stop();

    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(fixedView(items[0].name), u"上课铃.wav");
    EXPECT_NEAR(items[0].durationMs, 1500, 20);
    EXPECT_EQ(fixedView(items[1].path), folder / u"b.WAV");
    EXPECT_EQ(fixedView(items[1].ext), u".WAV");
    EXPECT_NEAR(items[1].durationMs, 700, 20);
    EXPECT_EQ(items[2].durationMs, -1) << "a file the probe cannot open is added without a length";
    EXPECT_EQ(fixedView(items[3].name), u"没有.mp3");
    EXPECT_EQ(items[3].durationMs, -1);

    ASSERT_NE(watcher.importDialog, nullptr);
    EXPECT_EQ(watcher.dialogCaption, u"正在导入...");
    EXPECT_EQ(watcher.dialogText, u"正在导入音频...");
    EXPECT_EQ(watcher.firstProgress.substr(watcher.firstProgress.find(u'/')), u"/ 6");
    ASSERT_EQ(watcher.boxes.size(), 2u);
    EXPECT_EQ(watcher.boxes[0].text, u"最多添加 300 个音频");
    EXPECT_EQ(watcher.boxes[1].text, u"1 个文件的路径太长 (超过 259 个字符)，未添加");
    for (const SeenBox& box : watcher.boxes) {
        EXPECT_EQ(box.owner, watcher.importDialog);
        EXPECT_EQ(box.caption, product::mainTitle);
    }
}

TEST(ImportDialog, CancellingAddsNothingEvenWhatWasMeasured) {
    const TempFolder folder;
    std::vector<std::u16string> paths;
    for (int i = 0; i < 100; ++i) {
        paths.push_back(folder / (formatNumber(i) + u".wav"));
        ASSERT_TRUE(writeWave(paths.back(), 400, 22050, 2));
    }
    const MainWindow main;
    ImportWatcher watcher(true);
    const std::vector<InstantItem> items = importAudioFiles(main.handle(), paths, 300, builtToolsConfig());
    watcher.stop();

    ASSERT_FALSE(watcher.cancelledAt.empty()) << "the import ended before it could be cancelled";
    EXPECT_NE(watcher.cancelledAt, u"100 / 100");
    EXPECT_TRUE(items.empty());
    EXPECT_TRUE(watcher.boxes.empty());
}
