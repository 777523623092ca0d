#include "web/win32/WebConsoleHost.h"

#include "web/ConsolePage.h"
#include "web/ListenFailure.h"
#include "web/LoginAhead.h"
#include "web/WebTexts.h"
#include "web/win32/ElevatedPortGrant.h"
#include "winutil/UniqueHandle.h"

// One question handed to the user-interface thread: whether a login's address is locked out, or
// the answer to a request. Both threads hold it, so a late answer after the listener gave up
// writes into memory that is still there.
struct WebExchange {
    enum class Ask { lockedOut, answer };
    Ask ask = Ask::answer;
    WebRequest request;
    std::optional<PasswordVerdict> loginAhead;
    bool lockedOut = true;
    std::optional<WebResponse> answer;
    UniqueHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

namespace {

constexpr wchar_t windowClass[] = L"LvtxWebConsole";
constexpr UINT exchangeMessage = WM_APP + 1;
constexpr UINT openedMessage = WM_APP + 2;
constexpr UINT grantedMessage = WM_APP + 3;
constexpr std::u16string_view openingText = u"网页控制台正在开启…";
// A user-interface thread held up longer than this (a modal loop does not hold it up) gets the
// client a "busy" answer instead of a hung connection.
constexpr DWORD answerTimeoutMs = 10000;

std::int64_t steadyMs() {
    return static_cast<std::int64_t>(GetTickCount64());
}

WebResponse busyAnswer() {
    WebResponse busy;
    busy.status = 503;
    busy.contentType = "application/json; charset=utf-8";
    busy.body = R"({"error":"程序忙，请稍后再试"})";
    return busy;
}

bool registerWindowClass() {
    WNDCLASSEXW windowClassInfo{};
    windowClassInfo.cbSize = sizeof windowClassInfo;
    windowClassInfo.lpfnWndProc = DefWindowProcW;
    windowClassInfo.hInstance = GetModuleHandleW(nullptr);
    windowClassInfo.lpszClassName = windowClass;
    return RegisterClassExW(&windowClassInfo) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

std::unique_ptr<WebConsoleHost> WebConsoleHost::create(WebConsoleParts parts) {
    if (!registerWindowClass()) return nullptr;
    const HWND window = CreateWindowExW(0, windowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) return nullptr;
    std::unique_ptr<WebConsoleHost> host(new WebConsoleHost(std::move(parts), window));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(host.get()));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WebConsoleHost::windowProc));
    host->parts_.settings.addObserver(*host);
    host->apply();
    return host;
}

WebConsoleHost::WebConsoleHost(WebConsoleParts parts, HWND window)
    : parts_(std::move(parts)),
      window_(window),
      router_(parts_.operations, parts_.settings, parts_.random, consolePageAssets()) {}

WebConsoleHost::~WebConsoleHost() {
    parts_.settings.removeObserver(*this);
    // The listener's thread ends before the window that its requests go to.
    stopListener();
    DestroyWindow(window_);
}

void WebConsoleHost::listChanged(const ListChange&) {
    apply();
}

void WebConsoleHost::apply() {
    const WebSettingsRecord& settings = parts_.settings.settings();
    const bool wanted = settings.on != 0 && settings.passwordSet != 0;
    {
        const std::lock_guard<std::mutex> guard(hashLock_);
        storedHash_ = settings.passwordSet != 0 ? std::optional<PasswordHashRecord>(settings.password) : std::nullopt;
    }
    rightsAsk_.applied(wanted, settings.port);
    if (wanted && listener_ && listeningPort_ == settings.port) return;
    ++listenGeneration_;
    if (listener_) {
        stopListener();
        listeningPort_ = 0;
    }
    if (!wanted) {
        parts_.status.set(false, consoleOffText);
        return;
    }
    listeningPort_ = settings.port;
    const unsigned generation = listenGeneration_;
    parts_.status.set(false, openingText);
    listener_ = std::make_unique<HttpListener>(
        settings.port, [this](const WebRequest& request) { return answerOnUiThread(request); },
        [this, generation](DWORD error) { PostMessageW(window_, openedMessage, generation, error); });
}

void WebConsoleHost::opened(unsigned generation, DWORD error) {
    // A result of a listener already replaced by a later change means nothing.
    if (generation != listenGeneration_ || !listener_) return;
    if (error != NO_ERROR) {
        listener_.reset();
        if (rightsAsk_.shouldAsk(listeningPort_, error)) return askForRights();
        const ListenTexts failure = listenFailureTexts(error, listeningPort_, parts_.systemText(error));
        listeningPort_ = 0;
        parts_.operations.logRemote(failure.log);
        parts_.status.set(false, failure.status);
        return;
    }
    const ListenTexts listening = listeningTexts(listeningPort_);
    parts_.operations.logRemote(listening.log);
    parts_.status.set(true, listening.status);
}

void WebConsoleHost::askForRights() {
    const ListenTexts asking = askingRightsTexts(listeningPort_);
    parts_.operations.logRemote(asking.log);
    parts_.status.set(false, asking.status);
    grantPortElevated(parts_.promptOwner(), window_, grantedMessage, listenGeneration_, listeningPort_);
}

void WebConsoleHost::granted(unsigned generation, DWORD result) {
    // The settings have changed since, and the console with them.
    if (generation != listenGeneration_) return;
    if (result == NO_ERROR) {
        apply();
        return;
    }
    // Declined, or no prompt at all: the port stays refused.
    const ListenTexts failure =
        listenFailureTexts(ERROR_ACCESS_DENIED, listeningPort_, parts_.systemText(ERROR_ACCESS_DENIED));
    listeningPort_ = 0;
    parts_.operations.logRemote(failure.log);
    parts_.status.set(false, failure.status);
}

void WebConsoleHost::stopListener() {
    // A request waiting for this thread, which will not answer it while it joins the listener's,
    // is told at once.
    if (stopWaiting_) SetEvent(stopWaiting_.get());
    listener_.reset();
    if (stopWaiting_) ResetEvent(stopWaiting_.get());
}

std::optional<PasswordHashRecord> WebConsoleHost::storedHash() {
    const std::lock_guard<std::mutex> guard(hashLock_);
    return storedHash_;
}

bool WebConsoleHost::handOver(const std::shared_ptr<WebExchange>& exchange) {
    if (!exchange->done || !stopWaiting_) return false;
    auto* handed = new std::shared_ptr<WebExchange>(exchange);
    if (!PostMessageW(window_, exchangeMessage, 0, reinterpret_cast<LPARAM>(handed))) {
        delete handed;
        return false;
    }
    const HANDLE waits[] = {exchange->done.get(), stopWaiting_.get()};
    return WaitForMultipleObjects(2, waits, FALSE, answerTimeoutMs) == WAIT_OBJECT_0;
}

std::optional<WebResponse> WebConsoleHost::answerOnUiThread(const WebRequest& request) {
    auto exchange = std::make_shared<WebExchange>();
    exchange->request = request;
    // A login's password is derived here, unless its address is locked out: then it costs nothing.
    const std::optional<PasswordHashRecord> hash = storedHash();
    if (hash && isLoginRequest(request)) {
        exchange->ask = WebExchange::Ask::lockedOut;
        if (!handOver(exchange)) return busyAnswer();
        if (!exchange->lockedOut) exchange->loginAhead = checkLoginAhead(request, *hash, parts_.kdf);
        exchange->ask = WebExchange::Ask::answer;
        ResetEvent(exchange->done.get());
    }
    if (!handOver(exchange)) return busyAnswer();
    return exchange->answer;
}

LRESULT CALLBACK WebConsoleHost::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* host = reinterpret_cast<WebConsoleHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == openedMessage) {
        if (host != nullptr) host->opened(static_cast<unsigned>(wParam), static_cast<DWORD>(lParam));
        return 0;
    }
    if (message == grantedMessage) {
        if (host != nullptr) host->granted(static_cast<unsigned>(wParam), static_cast<DWORD>(lParam));
        return 0;
    }
    if (message != exchangeMessage) return DefWindowProcW(window, message, wParam, lParam);
    const std::unique_ptr<std::shared_ptr<WebExchange>> handed(reinterpret_cast<std::shared_ptr<WebExchange>*>(lParam));
    WebExchange& exchange = **handed;
    if (host == nullptr) {
        exchange.answer = busyAnswer();
    } else if (exchange.ask == WebExchange::Ask::lockedOut) {
        exchange.lockedOut = host->router_.lockedOut(exchange.request.clientAddress, steadyMs());
    } else {
        exchange.answer = host->router_.handle(exchange.request, steadyMs(),
                                               exchange.loginAhead ? &*exchange.loginAhead : nullptr);
    }
    SetEvent(exchange.done.get());
    return 0;
}
