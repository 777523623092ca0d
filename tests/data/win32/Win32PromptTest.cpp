// The message boxes as the user sees them: caption, owner, icon, default button, and
// the answer. A second thread finds the box, inspects it and presses a button.
#include "data/win32/Win32Prompt.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "data/Product.h"
#include "winutil/WideText.h"

namespace {

struct SeenBox {
    bool found = false;
    std::wstring caption;
    HWND owner = nullptr;
    HICON icon = nullptr;
    int defaultButton = 0;
};

// The icon of the box's icon control; its control id differs between implementations.
BOOL CALLBACK findIcon(HWND child, LPARAM result) {
    wchar_t className[16] = {};
    GetClassNameW(child, className, 16);
    if (_wcsicmp(className, L"Static") != 0 || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
        return TRUE;
    }
    *reinterpret_cast<HICON*>(result) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return FALSE;
}

// The id of the button that Enter presses.
int defaultButtonOf(HWND box) {
    for (const int id : {IDOK, IDYES, IDNO}) {
        const HWND button = GetDlgItem(box, id);
        if (button != nullptr && (SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)) return id;
    }
    return 0;
}

BOOL CALLBACK findDialog(HWND window, LPARAM result) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770") return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

// Watches the calling thread for its message box and answers it with `button`.
class BoxAnswerer {
public:
    explicit BoxAnswerer(int button) : button_(button), thread_([this, id = GetCurrentThreadId()] { watch(id); }) {}
    ~BoxAnswerer() { finish(); }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const SeenBox& finish() {
        if (thread_.joinable()) thread_.join();
        return seen_;
    }

private:
    void watch(DWORD threadId) {
        HWND box = nullptr;
        for (int tries = 0; tries < 500 && box == nullptr; ++tries) {
            Sleep(10);
            EnumThreadWindows(threadId, findDialog, reinterpret_cast<LPARAM>(&box));
        }
        if (box == nullptr) return;
        seen_.found = true;
        wchar_t caption[256] = {};
        GetWindowTextW(box, caption, 256);
        seen_.caption = caption;
        seen_.owner = GetWindow(box, GW_OWNER);
        EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&seen_.icon));
        seen_.defaultButton = defaultButtonOf(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED), 0);
    }

    int button_;
    SeenBox seen_;
    std::thread thread_;
};

class OwnerWindow {
public:
    explicit OwnerWindow(const wchar_t* title)
        : window_(CreateWindowExW(0, L"STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~OwnerWindow() {
        if (window_ != nullptr) DestroyWindow(window_);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

class Win32PromptTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (owner_.get() == nullptr) GTEST_SKIP() << "no window station to show boxes on";
    }
    OwnerWindow owner_{L"广播控制 - 定时"};
};

TEST_F(Win32PromptTest, AQuestionIsCaptionedByItsOwnerAndDefaultsToNo) {
    Win32Prompt prompt(owner_.get());
    BoxAnswerer answerer(IDYES);
    EXPECT_TRUE(prompt.askYesNo(u"要保存修改吗 ？"));
    const SeenBox& seen = answerer.finish();
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, L"广播控制 - 定时");
    EXPECT_EQ(seen.owner, owner_.get());
    EXPECT_EQ(seen.defaultButton, IDNO);
    EXPECT_EQ(seen.icon, LoadIconW(nullptr, IDI_WARNING));
}

TEST_F(Win32PromptTest, OnlyYesCountsAsYes) {
    Win32Prompt prompt(owner_.get());
    BoxAnswerer answerer(IDNO);
    EXPECT_FALSE(prompt.askYesNo(u"要保存修改吗 ？"));
    EXPECT_TRUE(answerer.finish().found);
}

TEST_F(Win32PromptTest, AMessageShowsTheIconOfItsKind) {
    Win32Prompt prompt(owner_.get());
    const struct {
        MessageIcon kind;
        const wchar_t* icon;
    } kinds[] = {{MessageIcon::information, IDI_INFORMATION},
                 {MessageIcon::warning, IDI_WARNING},
                 {MessageIcon::error, IDI_ERROR}};
    for (const auto& kind : kinds) {
        BoxAnswerer answerer(IDOK);
        prompt.showMessage(u"读文件失败", kind.kind);
        const SeenBox& seen = answerer.finish();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.icon, LoadIconW(nullptr, kind.icon));
        EXPECT_EQ(seen.caption, L"广播控制 - 定时");
    }
}

TEST_F(Win32PromptTest, WithoutOwnerOrTitleTheCaptionIsTheProductTitle) {
    const std::wstring productName = toWide(product::name);
    OwnerWindow untitled(L"");
    for (HWND owner : {static_cast<HWND>(nullptr), untitled.get()}) {
        Win32Prompt prompt(owner);
        BoxAnswerer answerer(IDOK);
        prompt.showMessage(u"写文件失败", MessageIcon::error);
        const SeenBox& seen = answerer.finish();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.caption, productName);
    }
}

}  // namespace
