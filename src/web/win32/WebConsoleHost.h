#pragma once
// The web console while the program runs: it listens while its settings say so (switched on,
// with a password), on their port, and follows every change of them. Each request is answered
// on the user-interface thread, where the lists and engines live: the listener's thread hands
// it over through a message-only window and waits, bounded, for the answer. A login's password
// is derived on the listener's thread first, against the hash in force. A port the operator
// has just chosen that the system refuses for want of rights is offered to every user through
// Windows' prompt for an administrator, once (web/PortRightsAsk.h).
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "web/PortRightsAsk.h"
#include "web/WebConsoleStatus.h"
#include "web/WebRouter.h"
#include "web/WebSettingsStore.h"
#include "web/win32/HttpListener.h"
#include "winutil/UniqueHandle.h"

struct WebExchange;

struct WebConsoleParts {
    WebSettingsStore& settings;
    WebConsoleStatus& status;
    WebConsoleOperations& operations;
    RandomBytes& random;
    PasswordKdf& kdf;  // used on the listener's thread
    std::function<std::u16string(DWORD code)> systemText;
    // The window Windows' prompt for an administrator belongs to.
    std::function<HWND()> promptOwner;
};

class WebConsoleHost : public ListObserver {
public:
    // Null when Windows refuses the window. Starts listening at once when the settings say so.
    static std::unique_ptr<WebConsoleHost> create(WebConsoleParts parts);
    ~WebConsoleHost() override;
    WebConsoleHost(const WebConsoleHost&) = delete;
    WebConsoleHost& operator=(const WebConsoleHost&) = delete;

    void listChanged(const ListChange& change) override;

private:
    WebConsoleHost(WebConsoleParts parts, HWND window);
    void apply();
    // Ends the listener's thread without waiting out a request it has handed over.
    void stopListener();
    std::optional<PasswordHashRecord> storedHash();
    // The listener's thread has opened the port, or failed to.
    void opened(unsigned generation, DWORD error);
    void askForRights();
    // The elevated commands asked for in `generation` have run (0), or not.
    void granted(unsigned generation, DWORD result);
    // On the listener's thread.
    std::optional<WebResponse> answerOnUiThread(const WebRequest& request);
    // Posts the question and waits, bounded, for the user-interface thread; false when it did not
    // answer in time or the listener is stopping.
    bool handOver(const std::shared_ptr<WebExchange>& exchange);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WebConsoleParts parts_;
    HWND window_;
    WebRouter router_;
    // Set while the listener stops: a request waiting for the user-interface thread stops waiting.
    UniqueHandle stopWaiting_{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::mutex hashLock_;
    std::optional<PasswordHashRecord> storedHash_;  // the listener thread's copy, under hashLock_
    std::unique_ptr<HttpListener> listener_;
    int listeningPort_ = 0;
    unsigned listenGeneration_ = 0;
    PortRightsAsk rightsAsk_;
};
