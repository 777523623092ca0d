// Feeds each input to the web console's router as one request after a login, against a program
// in memory, and checks what every answer promises: outsiders get none, every answer carries
// the security headers and a known status with a JSON body for the API, and nothing is carried
// out or changed without the session's cookie and CSRF token.
//
// The first byte chooses what the request carries: bit 0 the session cookie, bit 1 the CSRF
// token, bit 2 an Origin header of this console, bit 3 a client outside the network, bit 4 the
// console switched off. The rest reads as "METHOD PATH[?QUERY]" and header lines, then after an
// empty line the body.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "data/HolidayRecord.h"
#include "data/SingleFileSystem.h"
#include "data/Text.h"
#include "support/FakeWebConsole.h"
#include "web/WebRouter.h"
#include "web/WebSettingsStore.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

class SilentPrompt : public Prompt {
public:
    void showMessage(std::u16string_view, MessageIcon) override {}
    bool askYesNo(std::u16string_view) override { return false; }
};

std::string_view nextLine(std::string_view& text) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
}

ProgramRecord bell(std::u16string_view name, int hour) {
    ProgramRecord program = defaultProgram();
    setFixed(program.name, name);
    program.startTimes[0] = TimeOfDay{hour, 0, 0};
    return program;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    SingleFileSystem fs(u"/data/none", nullptr, 0);
    QuickKdf kdf;
    SeededRandom random;
    SilentPrompt prompt;
    WebSettingsStore store({fs, u"/", u"/data"}, u"/data/网页t", kdf, random);
    store.setPassword(u"correct horse", prompt);  // the save fails on this file system; the record holds it
    store.setOn(true, prompt);
    FakeWebConsole program(fs);
    program.scheduleValue.programs = {bell(u"上课铃", 8), bell(u"下课铃", 9)};
    program.instantValue = {{u"国歌.mp3"}, 0};
    WebRouter router(program, store, random, {"<!DOCTYPE html>", "'use strict';", "body{}"});

    WebRequest login;
    login.method = "POST";
    login.path = "/api/login";
    login.body = R"({"password":"correct horse"})";
    login.clientAddress = "192.168.1.20";
    login.headers.add("Host", "192.168.1.10:8765");
    const auto loggedIn = router.handle(login, 0);
    require(loggedIn && loggedIn->status == 200, "the login");
    const std::string cookie(loggedIn->headers.find("Set-Cookie").value_or(""));
    const std::string token = cookie.substr(cookie.find('=') + 1, 64);
    const std::string csrf = nlohmann::json::parse(loggedIn->body)["csrf"];
    const std::size_t loggedLines = program.playLog.size();
    if ((flags & 16) != 0) store.setOn(false, prompt);

    WebRequest request;
    const std::string_view first = nextLine(text);
    const std::size_t blank = first.find(' ');
    request.method = std::string(first.substr(0, blank));
    const std::string_view target = blank == std::string_view::npos ? std::string_view() : first.substr(blank + 1);
    const std::size_t question = target.find('?');
    request.path = std::string(target.substr(0, question));
    if (question != std::string_view::npos) request.query = std::string(target.substr(question + 1));
    while (!text.empty()) {
        const std::string_view line = nextLine(text);
        if (line.empty()) break;
        const std::size_t colon = line.find(':');
        std::string_view value = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
        while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        request.headers.add(line.substr(0, colon), value);
    }
    request.body = std::string(text);
    request.clientAddress = (flags & 8) != 0 ? "203.0.113.9" : "192.168.1.20";
    // The browser's own headers come after the fuzzed ones, which a lookup finds first.
    request.headers.add("Host", "192.168.1.10:8765");
    if ((flags & 1) != 0) request.headers.add("Cookie", "lvtx_session=" + token);
    if ((flags & 2) != 0) request.headers.add("X-CSRF-Token", csrf);
    if ((flags & 4) != 0) request.headers.add("Origin", "http://192.168.1.10:8765");

    const WebSettingsRecord before = store.settings();
    const auto answer = router.handle(request, 1000);
    if ((flags & 8) != 0) {
        require(!answer, "an outsider gets no answer");
        return 0;
    }
    require(answer.has_value(), "a client of the network gets an answer");
    require(answer->headers.find("X-Frame-Options") == "DENY", "no framing");
    require(answer->headers.find("Content-Security-Policy") == "default-src 'self'", "the content policy");
    require(answer->headers.find("Cache-Control") == "no-store", "no caching");
    static const int known[] = {200, 400, 401, 403, 404, 405, 409, 413, 421, 429, 500, 503};
    require(std::find(std::begin(known), std::end(known), answer->status) != std::end(known), "a known status");
    if (answer->contentType.starts_with("application/json")) {
        require(!nlohmann::json::parse(answer->body, nullptr, false).is_discarded(), "a JSON body");
    }
    require(std::memcmp(&before, &store.settings(), sizeof before) == 0, "the settings never change");

    // Without a session's cookie and its CSRF token nothing is carried out, and nothing but a
    // login attempt reaches the play log. What counts is what the router reads, fuzzed or not.
    const auto sentCookies = request.headers.find("Cookie");
    const bool withSession = sentCookies && cookieValue(*sentCookies, sessionCookieName) == token;
    const bool authorised = withSession && request.headers.find("X-CSRF-Token") == csrf && (flags & 16) == 0;
    if (!authorised) {
        require(program.actions.empty(), "nothing carried out");
        for (std::size_t i = loggedLines; i < program.playLog.size(); ++i) {
            require(program.playLog[i].starts_with(u"网页控制台登录") || program.playLog[i].starts_with(u"网页控制台密码"),
                    "only a login attempt is logged");
        }
    }
    if (!program.actions.empty()) require(answer->status == 200, "an action is carried out only with 200");
    if (!withSession && request.path.starts_with("/api/") && request.path != "/api/login") {
        require(answer->status != 200, "no API answer without the session");
    }
    return 0;
}
