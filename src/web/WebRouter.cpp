#include "web/WebRouter.h"

#include <climits>
#include <span>
#include <utility>

#include "data/Text.h"
#include "web/HostCheck.h"
#include "web/NetAddress.h"
#include "web/PasswordHash.h"
#include "web/WebAnswers.h"
#include "web/WebTexts.h"

using nlohmann::json;
using nlohmann::ordered_json;

struct WebRouter::Call {
    const WebRequest& request;
    std::int64_t nowMs;
    const PasswordVerdict* loginAhead = nullptr;
    const WebSession* session = nullptr;
    json body;  // an object
};

namespace {

WebResponse textResponse(int status, std::string_view contentType, std::string body) {
    WebResponse response;
    response.status = status;
    response.contentType = contentType;
    response.body = std::move(body);
    return response;
}

WebResponse jsonResponse(int status, const ordered_json& body) {
    return textResponse(status, "application/json; charset=utf-8",
                        body.dump(-1, ' ', false, ordered_json::error_handler_t::replace));
}

WebResponse errorResponse(int status, std::string_view message) {
    return jsonResponse(status, ordered_json{{"error", message}});
}

WebResponse okResponse() {
    return jsonResponse(200, ordered_json{{"ok", true}});
}

WebResponse actionResponse(const WebActionResult& result) {
    switch (result.outcome) {
        case WebOutcome::done: return okResponse();
        case WebOutcome::unknownName: return errorResponse(404, webError::unknownProgram);
        case WebOutcome::badIndex: return errorResponse(400, webError::badIndex);
        case WebOutcome::refused: break;
    }
    return errorResponse(409, toUtf8(result.message));
}

std::string sessionCookie(std::string_view token) {
    std::string cookie(sessionCookieName);
    cookie += "=";
    cookie += token;
    cookie += "; HttpOnly; SameSite=Strict; Path=/";
    return cookie;
}

bool sameText(std::string_view a, std::string_view b) {
    return sameBytesConstantTime(std::span(reinterpret_cast<const std::uint8_t*>(a.data()), a.size()),
                                 std::span(reinterpret_cast<const std::uint8_t*>(b.data()), b.size()));
}

// A page of another origin may post; a browser then names that origin.
bool sameOrigin(const WebRequest& request) {
    const auto origin = request.headers.find("Origin");
    if (!origin) return true;
    const auto host = request.headers.find("Host");
    return host && equalsIgnoringCase(*origin, "http://" + std::string(*host));
}

// The body as a JSON object; an empty body counts as {}.
bool parseBody(const std::string& text, json& body) {
    if (text.empty()) {
        body = json::object();
        return true;
    }
    body = json::parse(text, nullptr, false);
    return !body.is_discarded() && body.is_object();
}

// A string member, or "" when absent; false when present but no string.
bool optionalText(const json& body, const char* name, std::u16string& text) {
    const auto found = body.find(name);
    if (found == body.end()) return true;
    if (!found->is_string()) return false;
    text = fromUtf8(found->get_ref<const std::string&>());
    return true;
}

}  // namespace

const WebRouter::Route WebRouter::routes[] = {
    {"/", false, false, &WebRouter::page},
    {"/app.js", false, false, &WebRouter::script},
    {"/app.css", false, false, &WebRouter::style},
    {"/api/login", true, false, &WebRouter::login},
    {"/api/logout", true, true, &WebRouter::logout},
    {"/api/session", false, true, &WebRouter::session},
    {"/api/status", false, true, &WebRouter::status},
    {"/api/plan", false, true, &WebRouter::plan},
    {"/api/log", false, true, &WebRouter::playLog},
    {"/api/programs", false, true, &WebRouter::programs},
    {"/api/instant", false, true, &WebRouter::instant},
    {"/api/stop", true, true, &WebRouter::stop},
    {"/api/play", true, true, &WebRouter::play},
    {"/api/instant/start", true, true, &WebRouter::instantStart},
    {"/api/instant/stop", true, true, &WebRouter::instantStop},
    {"/api/silence-today", true, true, &WebRouter::silenceToday},
};

WebRouter::WebRouter(WebConsoleOperations& operations, const WebSettingsStore& settings, RandomBytes& random,
                     WebPageAssets page)
    : operations_(operations), settings_(settings), random_(random), page_(std::move(page)) {}

std::optional<WebResponse> WebRouter::handle(const WebRequest& request, std::int64_t steadyMs,
                                             const PasswordVerdict* loginAhead) {
    if (!isLocalNetworkClient(request.clientAddress)) return std::nullopt;
    WebResponse response = route(request, steadyMs, loginAhead);
    response.headers.set("X-Frame-Options", "DENY");
    response.headers.set("Content-Security-Policy", "default-src 'self'");
    response.headers.set("Cache-Control", "no-store");
    response.headers.set("X-Content-Type-Options", "nosniff");
    response.headers.set("Referrer-Policy", "no-referrer");
    return response;
}

WebResponse WebRouter::route(const WebRequest& request, std::int64_t steadyMs, const PasswordVerdict* loginAhead) {
    const auto host = request.headers.find("Host");
    const int port = settings_.settings().port;
    // A name the remembered ones lack may be an address the PC got since.
    if (!host || (!hostAllowed(*host, operations_.hostNames(false), port) &&
                  !hostAllowed(*host, operations_.hostNames(true), port))) {
        return errorResponse(421, webError::badHost);
    }
    if (request.body.size() > maxRequestBody) return errorResponse(413, webError::tooLarge);

    const Route* found = nullptr;
    for (const Route& candidate : routes) {
        if (candidate.path == request.path) found = &candidate;
    }
    if (!found) return errorResponse(404, webError::notFound);
    if (!found->changes && request.method != "GET") {
        WebResponse refused = errorResponse(405, webError::methodNotAllowed);
        refused.headers.set("Allow", "GET");
        return refused;
    }
    // Whatever changes anything comes as a POST from a page of this console.
    if (found->changes && (request.method != "POST" || !sameOrigin(request))) return errorResponse(403, webError::forbidden);

    Call call{request, steadyMs, loginAhead};
    if (found->path.starts_with("/api/")) {
        if (settings_.settings().on == 0) return errorResponse(503, webError::consoleOff);
        if (found->needsSession) {
            const auto cookies = request.headers.find("Cookie");
            const auto token = cookies ? cookieValue(*cookies, sessionCookieName) : std::nullopt;
            call.session = token ? sessions_.find(*token, settings_.settings().sessionGeneration, steadyMs) : nullptr;
            if (!call.session) return errorResponse(401, webError::notLoggedIn);
        }
        if (found->changes && found->needsSession) {
            const auto csrf = request.headers.find("X-CSRF-Token");
            if (!csrf || !sameText(*csrf, call.session->csrf)) return errorResponse(403, webError::forbidden);
        }
        if (found->changes && !parseBody(request.body, call.body)) return errorResponse(400, webError::badJson);
    }
    return (this->*(found->handler))(call);
}

void WebRouter::log(std::u16string_view what, const WebRequest& request) {
    operations_.logRemote(webLogText(what, request.clientAddress));
}

WebResponse WebRouter::page(Call&) {
    return textResponse(200, "text/html; charset=utf-8", page_.html);
}

WebResponse WebRouter::script(Call&) {
    return textResponse(200, "text/javascript; charset=utf-8", page_.script);
}

WebResponse WebRouter::style(Call&) {
    return textResponse(200, "text/css; charset=utf-8", page_.style);
}

WebResponse WebRouter::login(Call& call) {
    const std::string& address = call.request.clientAddress;
    if (lockout_.lockedOut(address, call.nowMs)) return errorResponse(429, webError::lockedOut);
    const auto password = call.body.find("password");
    if (password == call.body.end() || !password->is_string()) return errorResponse(400, webError::badJson);
    if (!settings_.passwordMatches(password->get_ref<const std::string&>(), call.loginAhead)) {
        log(webLog::wrongPassword, call.request);
        if (!lockout_.loginFailed(address, call.nowMs)) return errorResponse(401, webError::wrongPassword);
        log(webLog::lockedOut, call.request);
        return errorResponse(429, webError::lockedOut);
    }
    lockout_.loginSucceeded(address);
    const auto session = sessions_.open(address, settings_.settings().sessionGeneration, call.nowMs, random_);
    if (!session) return errorResponse(500, webError::noRandom);
    log(webLog::login, call.request);
    WebResponse response = jsonResponse(200, ordered_json{{"csrf", session->csrf}});
    response.headers.add("Set-Cookie", sessionCookie(session->token));
    return response;
}

WebResponse WebRouter::logout(Call& call) {
    const std::string token = call.session->token;
    sessions_.close(token);
    log(webLog::logout, call.request);
    WebResponse response = okResponse();
    response.headers.add("Set-Cookie", sessionCookie("") + "; Max-Age=0");
    return response;
}

WebResponse WebRouter::session(Call& call) {
    return jsonResponse(200, ordered_json{{"csrf", call.session->csrf}});
}

WebResponse WebRouter::status(Call&) {
    return jsonResponse(200, statusJson(operations_.status()));
}

WebResponse WebRouter::plan(Call& call) {
    int year = 0, month = 0, day = 0;
    if (const auto date = queryValue(call.request.query, "date")) {
        if (!parseDateText(*date, year, month, day)) return errorResponse(400, webError::badDate);
    } else {
        const DateTime today = operations_.now();
        year = today.year, month = today.month, day = today.day;
    }
    return jsonResponse(200, planJson(operations_.fileSystem(), operations_.schedule(), year, month, day));
}

WebResponse WebRouter::playLog(Call& call) {
    int count = defaultLogLines;
    if (const auto lines = queryValue(call.request.query, "lines")) {
        if (lines->empty() || lines->size() > 3 || lines->find_first_not_of("0123456789") != std::string::npos) {
            return errorResponse(400, webError::badLines);
        }
        count = std::stoi(*lines);
        if (count < 1 || count > 500) return errorResponse(400, webError::badLines);
    }
    ordered_json answer;
    answer["lines"] = ordered_json::array();
    for (const std::u16string& line : operations_.logLines(count)) answer["lines"].push_back(toUtf8(line));
    return jsonResponse(200, answer);
}

WebResponse WebRouter::programs(Call&) {
    return jsonResponse(200, programsJson(operations_.schedule()));
}

WebResponse WebRouter::instant(Call&) {
    return jsonResponse(200, instantJson(operations_.instantList()));
}

WebResponse WebRouter::stop(Call& call) {
    std::u16string name;
    if (!optionalText(call.body, "name", name)) return errorResponse(400, webError::badJson);
    const WebActionResult result = operations_.stopPlays(name);
    if (result.outcome == WebOutcome::done) {
        log(name.empty() ? std::u16string(webLog::stopAll) : formatText(webLog::stopOne, {name}), call.request);
    }
    return actionResponse(result);
}

WebResponse WebRouter::play(Call& call) {
    std::u16string name;
    if (!optionalText(call.body, "name", name) || name.empty()) return errorResponse(400, webError::badJson);
    const WebActionResult result = operations_.playProgram(name);
    if (result.outcome == WebOutcome::done) log(formatText(webLog::play, {name}), call.request);
    return actionResponse(result);
}

WebResponse WebRouter::instantStart(Call& call) {
    const auto index = call.body.find("index");
    if (index == call.body.end() || !index->is_number_integer()) return errorResponse(400, webError::badJson);
    const auto value = index->get<std::int64_t>();
    if (value < 0 || value > INT_MAX) return errorResponse(400, webError::badIndex);
    const WebActionResult result = operations_.startInstant(static_cast<int>(value));
    if (result.outcome == WebOutcome::done) log(formatText(webLog::instantStart, {formatNumber(value + 1)}), call.request);
    return actionResponse(result);
}

WebResponse WebRouter::instantStop(Call& call) {
    const WebActionResult result = operations_.stopInstant();
    if (result.outcome == WebOutcome::done) log(webLog::instantStop, call.request);
    return actionResponse(result);
}

WebResponse WebRouter::silenceToday(Call& call) {
    const WebActionResult result = operations_.silenceToday();
    if (result.outcome == WebOutcome::done) log(webLog::silenceToday, call.request);
    return actionResponse(result);
}
