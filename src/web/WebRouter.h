#pragma once
// The console's requests and answers: who may ask (the local network, this PC's host names), the
// session and CSRF checks, the lockout, and the table of pages and API calls, each carried out
// through WebConsoleOperations. A refused request changes nothing. The router, its sessions and
// the settings store belong to one thread; the server hands it each request in turn.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "web/LoginLockout.h"
#include "web/PasswordHash.h"
#include "web/PasswordKdf.h"
#include "web/WebConsoleOperations.h"
#include "web/WebMessage.h"
#include "web/WebSessions.h"
#include "web/WebSettingsStore.h"

inline constexpr std::size_t maxRequestBody = 16 * 1024;
inline constexpr std::string_view sessionCookieName = "lvtx_session";
inline constexpr int defaultLogLines = 100;

// The console page's three resources, served as they are.
struct WebPageAssets {
    std::string html;
    std::string script;  // /app.js
    std::string style;   // /app.css
};

class WebRouter {
public:
    WebRouter(WebConsoleOperations& operations, const WebSettingsStore& settings, RandomBytes& random,
              WebPageAssets page);
    WebRouter(const WebRouter&) = delete;
    WebRouter& operator=(const WebRouter&) = delete;

    // None: the client is outside the local network, and the server drops it unanswered.
    // `steadyMs` is a steady clock's milliseconds, for the sessions and the lockout; `loginAhead`
    // a login's password checked beforehand (web/LoginAhead.h).
    std::optional<WebResponse> handle(const WebRequest& request, std::int64_t steadyMs,
                                      const PasswordVerdict* loginAhead = nullptr);

    std::size_t sessionCount() const { return sessions_.size(); }
    // A login from there is answered 429 without its password being looked at.
    bool lockedOut(std::string_view address, std::int64_t steadyMs) const { return lockout_.lockedOut(address, steadyMs); }

private:
    struct Call;
    using Handler = WebResponse (WebRouter::*)(Call& call);
    struct Route {
        std::string_view path;
        bool changes;  // a POST with the CSRF token; otherwise a GET
        bool needsSession;
        Handler handler;
    };
    static const Route routes[];

    WebResponse route(const WebRequest& request, std::int64_t steadyMs, const PasswordVerdict* loginAhead);
    void log(std::u16string_view what, const WebRequest& request);

    WebResponse page(Call& call);
    WebResponse script(Call& call);
    WebResponse style(Call& call);
    WebResponse login(Call& call);
    WebResponse logout(Call& call);
    WebResponse session(Call& call);
    WebResponse status(Call& call);
    WebResponse plan(Call& call);
    WebResponse playLog(Call& call);
    WebResponse programs(Call& call);
    WebResponse instant(Call& call);
    WebResponse stop(Call& call);
    WebResponse play(Call& call);
    WebResponse instantStart(Call& call);
    WebResponse instantStop(Call& call);
    WebResponse silenceToday(Call& call);

    WebConsoleOperations& operations_;
    const WebSettingsStore& settings_;
    RandomBytes& random_;
    WebPageAssets page_;
    WebSessions sessions_;
    LoginLockout lockout_;
};
