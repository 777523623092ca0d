#include "ui/win32/ImportDialog.h"

#include <utility>

#include "audio/win32/DurationProbe.h"
#include "instant/InstantImport.h"
#include "instant/InstantList.h"
#include "ui/win32/InstantPageIds.h"
#include "ui/win32/DialogSupport.h"
#include "winutil/UniqueHandle.h"

namespace {

constexpr UINT_PTR progressTimer = 1000;
constexpr UINT progressPeriodMs = 250;

// What the worker thread works on. The dialog reads `progress` at any time and `result` only
// once the thread has ended.
struct ImportJob {
    const std::vector<std::u16string>& paths;
    int room;
    const AudioToolsConfig& tools;
    ImportProgress progress;
    ImportResult result;
};

DWORD WINAPI importThread(void* parameter) {
    ImportJob& job = *static_cast<ImportJob*>(parameter);
    // The probe builds DirectShow filters, which need COM on this thread.
    const HRESULT com = OleInitialize(nullptr);
    // The user-interface thread keeps the bells on time while files are measured.
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    SetThreadLocale(GetSystemDefaultLCID());
    const DurationProbe probe = [&job](std::u16string_view path) { return probeDurationMs(path, job.tools); };
    job.result = runImport(job.paths, job.room, probe, job.progress);
    if (SUCCEEDED(com)) OleUninitialize();
    return 0;
}

// The one owner of the worker thread: however the dialog ends, the thread is told to stop and
// waited for before the job it works on goes away.
class ImportWorker {
public:
    explicit ImportWorker(ImportJob& job) : job_(job) {}
    ~ImportWorker() {
        if (!thread_) return;
        job_.progress.cancel();
        WaitForSingleObject(thread_.get(), INFINITE);
    }
    ImportWorker(const ImportWorker&) = delete;
    ImportWorker& operator=(const ImportWorker&) = delete;

    bool start() {
        thread_ = UniqueHandle(CreateThread(nullptr, 0, importThread, &job_, 0, nullptr));
        return static_cast<bool>(thread_);
    }
    bool ended() const { return WaitForSingleObject(thread_.get(), 0) == WAIT_OBJECT_0; }

private:
    ImportJob& job_;
    UniqueHandle thread_;
};

struct ImportDialogState {
    ImportJob job;
    ImportWorker worker{job};
    std::vector<InstantItem> added;
};

void showProgress(HWND dialog, const ImportJob& job) {
    setControlText(dialog, IDC_IMPORT_PROGRESS,
                   importProgressText(job.progress.done(), static_cast<int>(job.paths.size())));
}

// The worker has ended: a cancelled import adds nothing, not even the files already measured.
void finishImport(HWND dialog, ImportDialogState& state) {
    KillTimer(dialog, progressTimer);
    ImportResult& result = state.job.result;
    if (state.job.progress.cancelled()) {
        EndDialog(dialog, 2);
        return;
    }
    if (result.overflow) showAppMessage(dialog, instantOverflowMessage(), MessageIcon::warning);
    if (result.skippedLong > 0) {
        showAppMessage(dialog, skippedLongPathsMessage(result.skippedLong), MessageIcon::warning);
    }
    state.added = std::move(result.items);
    EndDialog(dialog, state.added.empty() ? 2 : 1);
}

INT_PTR CALLBACK importDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            keepDialogState(dialog, lParam);
            auto& state = dialogState<ImportDialogState>(dialog);
            showProgress(dialog, state.job);
            if (!state.worker.start()) {
                EndDialog(dialog, 2);
                return TRUE;
            }
            SetTimer(dialog, progressTimer, progressPeriodMs, nullptr);
            return TRUE;
        }
        case WM_TIMER: {
            if (wParam != progressTimer) return FALSE;
            auto& state = dialogState<ImportDialogState>(dialog);
            showProgress(dialog, state.job);
            if (state.worker.ended()) finishImport(dialog, state);
            return TRUE;
        }
        case WM_COMMAND:
            // The dialog closes on the next tick after the worker has seen the flag.
            if (LOWORD(wParam) == IDCANCEL) dialogState<ImportDialogState>(dialog).job.progress.cancel();
            return TRUE;
    }
    return FALSE;
}

}  // namespace

std::vector<InstantItem> importAudioFiles(HWND owner, const std::vector<std::u16string>& paths, int room,
                                          const AudioToolsConfig& tools) {
    ImportDialogState state{{paths, room, tools}};
    runDialog(owner, IDD_INSTANT_IMPORT, importDialogProc, &state);
    return std::move(state.added);
}
