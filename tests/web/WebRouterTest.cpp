#include <gtest/gtest.h>

#include <cstring>

#include <nlohmann/json.hpp>

#include "support/FakeWebConsole.h"
#include "support/HolidaySamples.h"
#include "support/MemoryDataFolder.h"
#include "support/ProgramSamples.h"
#include "web/LoginAhead.h"
#include "web/WebRouter.h"
#include "web/WebSettingsStore.h"

using nlohmann::json;

namespace {

constexpr std::int64_t minute = 60 * 1000;
const std::u16string logTail = u" ◆ 网页 ◆ 192.168.1.20";

// The console of a program with two bells, a password set and the console on, and a browser
// on 192.168.1.20 that keeps its cookie and CSRF token as a page would.
struct Console {
    MemoryDataFolder data;
    QuickKdf kdf;
    SeededRandom random;
    WebSettingsStore store{data.folder, data.dataDir + u"/网页t", kdf, random};
    FakeWebConsole program{data.fs};
    WebRouter router{program, store, random, WebPageAssets{"<!DOCTYPE html>页", "'use strict';", "body{}"}};
    std::int64_t clock = 5 * minute;
    std::string client = "192.168.1.20";
    std::string cookie;
    std::string csrf;

    Console() {
        EXPECT_TRUE(store.setPassword(u"correct horse", data.prompt).saved);
        EXPECT_TRUE(store.setOn(true, data.prompt).saved);
        ProgramRecord exercise = sampleProgram(u"眼保健操", 10);
        exercise.disabled = 1;
        program.scheduleValue.programs = {sampleProgram(u"上课铃", 8), exercise};
        program.instantValue = {{u"国歌.mp3", u"校歌.mp3"}, 0};
    }

    WebRequest request(std::string method, std::string path, std::string body = {}) {
        WebRequest r;
        r.method = std::move(method);
        const std::size_t question = path.find('?');
        r.path = path.substr(0, question);
        if (question != std::string::npos) r.query = path.substr(question + 1);
        r.body = std::move(body);
        r.clientAddress = client;
        r.headers.add("Host", "192.168.1.10:8765");
        if (!cookie.empty()) r.headers.add("Cookie", "theme=dark; lvtx_session=" + cookie);
        return r;
    }

    WebResponse send(const WebRequest& r) {
        const auto answer = router.handle(r, clock);
        EXPECT_TRUE(answer.has_value()) << r.path;
        if (!answer) return {};
        // Every answer, refusals included.
        EXPECT_EQ(answer->headers.find("X-Frame-Options"), "DENY") << r.path;
        EXPECT_EQ(answer->headers.find("Content-Security-Policy"), "default-src 'self'") << r.path;
        EXPECT_EQ(answer->headers.find("Cache-Control"), "no-store") << r.path;
        return *answer;
    }

    WebResponse get(std::string path) { return send(request("GET", std::move(path))); }
    WebResponse post(std::string path, std::string body, bool withCsrf = true) {
        WebRequest r = request("POST", std::move(path), std::move(body));
        if (withCsrf) r.headers.add("X-CSRF-Token", csrf);
        return send(r);
    }

    WebResponse login(std::string_view password) {
        WebResponse answer = post("/api/login", json{{"password", password}}.dump(), false);
        if (answer.status == 200) {
            const std::string setCookie(answer.headers.find("Set-Cookie").value_or(""));
            cookie = setCookie.substr(setCookie.find('=') + 1, 64);
            csrf = json::parse(answer.body)["csrf"];
        }
        return answer;
    }
};

json bodyOf(const WebResponse& response) {
    return json::parse(response.body);
}

}  // namespace

// One operator's visit: the page, a refused read, a wrong and a right password, the status, a
// stop refused without the CSRF token and carried out with it, the other commands, the log, and
// the logout; the play log names each remote action and where it came from.
TEST(WebRouter, AnOperatorLogsInWatchesActsAndLogsOut) {
    Console c;
    const WebResponse page = c.get("/");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(page.contentType, "text/html; charset=utf-8");
    EXPECT_EQ(page.body, "<!DOCTYPE html>页");
    EXPECT_EQ(c.get("/app.js").contentType, "text/javascript; charset=utf-8");
    EXPECT_EQ(c.get("/app.css").body, "body{}");
    EXPECT_EQ(c.get("/api/status").status, 401);

    const WebResponse wrong = c.login("Correct horse");
    EXPECT_EQ(wrong.status, 401);
    EXPECT_EQ(bodyOf(wrong)["error"], "密码错误");
    EXPECT_FALSE(wrong.headers.find("Set-Cookie").has_value());
    const WebResponse right = c.login("correct horse");
    ASSERT_EQ(right.status, 200);
    EXPECT_EQ(right.headers.find("Set-Cookie"), "lvtx_session=" + c.cookie + "; HttpOnly; SameSite=Strict; Path=/");
    EXPECT_EQ(c.cookie.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_EQ(c.csrf.size(), 64u);
    EXPECT_NE(c.csrf, c.cookie);
    EXPECT_EQ(bodyOf(c.get("/api/session"))["csrf"], c.csrf);

    c.program.statusValue.now = at(2026, 3, 9, 8, 0, 5);
    c.program.statusValue.playing = {{u"上课铃", u"00:05/00:20", u"上课铃.mp3"}, {u"广播操", u"排队等候", u""}};
    c.program.statusValue.next = WebNextStart{u"眼保健操", at(2026, 3, 9, 10, 0, 0)};
    c.program.statusValue.device = u"播放设备:  默认的音频输出设备";
    c.program.statusValue.volume = u"音量: 80";
    c.program.statusValue.instantActive = true;
    c.program.statusValue.instantItem = u"国歌.mp3";
    c.program.statusValue.instantStatus = u"正在播放";
    const WebResponse status = c.get("/api/status");
    EXPECT_EQ(status.status, 200);
    EXPECT_EQ(status.contentType, "application/json; charset=utf-8");
    EXPECT_EQ(status.body,
              R"({"now":"2026-03-09 08:00:05","playing":[{"name":"上课铃","progress":"00:05/00:20","song":"上课铃.mp3"},)"
              R"({"name":"广播操","progress":"排队等候","song":""}],"next":{"name":"眼保健操","at":"2026-03-09 10:00:00"},)"
              R"("device":"播放设备:  默认的音频输出设备","volume":"音量: 80",)"
              R"("instant":{"active":true,"item":"国歌.mp3","status":"正在播放"}})");
    c.program.statusValue.next.reset();
    EXPECT_TRUE(bodyOf(c.get("/api/status"))["next"].is_null());

    // Without the token, with another session's, and by GET: refused and nothing stops.
    EXPECT_EQ(c.post("/api/stop", R"({"name":"上课铃"})", false).status, 403);
    const std::string token = c.csrf;
    c.csrf = std::string(64, 'a');
    EXPECT_EQ(c.post("/api/stop", R"({"name":"上课铃"})").status, 403);
    c.csrf = token;
    EXPECT_EQ(c.get("/api/stop").status, 403);
    EXPECT_TRUE(c.program.actions.empty());

    EXPECT_EQ(c.post("/api/stop", R"({"name":"上课铃"})").status, 200);
    EXPECT_EQ(c.post("/api/stop", "{}").status, 200);
    EXPECT_EQ(c.post("/api/stop", "").status, 200) << "an empty body stands for {}";
    const WebResponse unknown = c.post("/api/stop", R"({"name":"没有的节目"})");
    EXPECT_EQ(unknown.status, 404);
    EXPECT_EQ(bodyOf(unknown)["error"], "没有这个节目");
    EXPECT_EQ(c.post("/api/play", R"({"name":"没有的节目"})").status, 404);
    EXPECT_EQ(c.post("/api/play", R"({"name":""})").status, 400);
    EXPECT_EQ(c.post("/api/play", R"({"name":7})").status, 400);
    EXPECT_EQ(c.post("/api/play", R"({"name":"上课铃"})").status, 200);
    EXPECT_EQ(c.post("/api/instant/start", R"({"index":2})").status, 400);
    EXPECT_EQ(c.post("/api/instant/start", R"({"index":-1})").status, 400);
    EXPECT_EQ(c.post("/api/instant/start", R"({"index":"1"})").status, 400);
    EXPECT_EQ(c.post("/api/instant/start", R"({"index":1.5})").status, 400);
    EXPECT_EQ(c.post("/api/instant/start", R"({"index":1})").status, 200);
    EXPECT_EQ(c.post("/api/instant/stop", "").status, 200);
    EXPECT_EQ(c.post("/api/silence-today", "").status, 200);
    c.program.silenceAnswer = {WebOutcome::refused, u"节假日最多128个"};
    const WebResponse full = c.post("/api/silence-today", "");
    EXPECT_EQ(full.status, 409);
    EXPECT_EQ(bodyOf(full)["error"], "节假日最多128个");
    EXPECT_EQ(c.program.actions, (std::vector<std::string>{"stop 上课铃", "stop all", "stop all", "play 上课铃",
                                                           "instant 1", "instant stop", "silence"}));

    const json lines = bodyOf(c.get("/api/log?lines=3"))["lines"];
    EXPECT_EQ(lines, json({"立即播开始: 第2首 ◆ 网页 ◆ 192.168.1.20", "立即播停止 ◆ 网页 ◆ 192.168.1.20",
                           "今天停铃: 节假日 {网页停铃} 到今天结束 ◆ 网页 ◆ 192.168.1.20"}));
    EXPECT_EQ(bodyOf(c.get("/api/log"))["lines"].size(), 9u) << "all nine lines are within the default 100";
    for (const char* bad : {"/api/log?lines=0", "/api/log?lines=501", "/api/log?lines=abc", "/api/log?lines=",
                            "/api/log?lines=-1"}) {
        EXPECT_EQ(c.get(bad).status, 400) << bad;
    }
    EXPECT_EQ(c.get("/api/log?lines=500").status, 200);

    const WebResponse out = c.post("/api/logout", "");
    EXPECT_EQ(out.status, 200);
    EXPECT_EQ(out.headers.find("Set-Cookie"), "lvtx_session=; HttpOnly; SameSite=Strict; Path=/; Max-Age=0");
    EXPECT_EQ(c.get("/api/status").status, 401);
    EXPECT_EQ(c.post("/api/stop", "{}").status, 401);
    EXPECT_EQ(c.router.sessionCount(), 0u);

    const std::vector<std::u16string> expected = {
        u"网页控制台密码错误" + logTail, u"网页控制台登录" + logTail,  u"终止播放: 上课铃" + logTail,
        u"终止全部播放" + logTail,       u"终止全部播放" + logTail,    u"立即播此节目: 上课铃" + logTail,
        u"立即播开始: 第2首" + logTail,  u"立即播停止" + logTail,      u"今天停铃: 节假日 {网页停铃} 到今天结束" + logTail,
        u"网页控制台退出" + logTail};
    EXPECT_EQ(c.program.playLog, expected);
}

// Whatever is refused is refused before anything is asked of the program.
TEST(WebRouter, RefusedRequestsChangeNothing) {
    Console c;
    ASSERT_EQ(c.login("correct horse").status, 200);
    const WebSettingsRecord settings = c.store.settings();

    for (const char* outsider : {"8.8.8.8", "100.64.0.1", "2001:db8::1", "", "garbage"}) {
        WebRequest r = c.request("POST", "/api/stop", "{}");
        r.headers.add("X-CSRF-Token", c.csrf);
        r.clientAddress = outsider;
        EXPECT_FALSE(c.router.handle(r, c.clock).has_value()) << outsider;
    }
    for (const char* host : {"evil.example:8765", "192.168.1.10:8766", "192.168.1.10"}) {
        WebRequest r = c.request("POST", "/api/stop", "{}");
        r.headers.add("X-CSRF-Token", c.csrf);
        r.headers.set("Host", host);
        EXPECT_EQ(c.send(r).status, 421) << host;
    }
    WebRequest noHost = c.request("GET", "/");
    noHost.headers = WebHeaders{};
    EXPECT_EQ(c.send(noHost).status, 421);

    EXPECT_EQ(c.post("/api/stop", "{\"name\":\"" + std::string(16 * 1024, 'x') + "\"}").status, 413);
    EXPECT_EQ(c.post("/api/stop", std::string(16 * 1024, ' ')).status, 400) << "16 KiB is still read";
    EXPECT_EQ(c.post("/api/stop", "{\"name\":").status, 400);
    EXPECT_EQ(c.post("/api/stop", "[]").status, 400);
    EXPECT_EQ(c.post("/api/stop", "\"上课铃\"").status, 400);
    EXPECT_EQ(c.post("/api/stop", "{} {}").status, 400);
    EXPECT_EQ(c.get("/api/nothing").status, 404);
    EXPECT_EQ(c.get("/API/STATUS").status, 404);
    EXPECT_EQ(c.get("/app.js/").status, 404);
    EXPECT_EQ(c.post("/api/status", "{}").status, 405);
    EXPECT_EQ(c.send(c.request("PUT", "/api/stop", "{}")).status, 403);

    WebRequest otherOrigin = c.request("POST", "/api/stop", "{}");
    otherOrigin.headers.add("X-CSRF-Token", c.csrf);
    otherOrigin.headers.add("Origin", "http://evil.example");
    EXPECT_EQ(c.send(otherOrigin).status, 403);
    otherOrigin.headers.set("Origin", "http://192.168.1.10:8765");
    EXPECT_EQ(c.send(otherOrigin).status, 200) << "its own origin is fine";
    c.program.actions.clear();
    c.program.playLog.pop_back();

    // Another browser with a made-up cookie.
    Console stranger;
    stranger.cookie = std::string(64, '0');
    stranger.csrf = std::string(64, '0');
    EXPECT_EQ(stranger.post("/api/play", R"({"name":"上课铃"})").status, 401);

    EXPECT_TRUE(c.program.actions.empty());
    EXPECT_TRUE(stranger.program.actions.empty());
    EXPECT_EQ(c.program.playLog.size(), 1u) << "only the login was logged";
    EXPECT_EQ(std::memcmp(&settings, &c.store.settings(), sizeof settings), 0);

    ASSERT_TRUE(c.store.setOn(false, c.data.prompt).saved);
    EXPECT_EQ(c.get("/api/status").status, 503);
    EXPECT_EQ(c.login("correct horse").status, 503);
}

TEST(WebRouter, SessionsEndAfterAnIdleHourAndWithANewPassword) {
    Console c;
    ASSERT_EQ(c.login("correct horse").status, 200);
    c.clock += 59 * minute;
    EXPECT_EQ(c.get("/api/status").status, 200);
    c.clock += 59 * minute;
    EXPECT_EQ(c.post("/api/stop", "{}").status, 200);
    c.clock += 60 * minute;
    EXPECT_EQ(c.get("/api/status").status, 401);

    ASSERT_EQ(c.login("correct horse").status, 200);
    const std::string firstCookie = c.cookie;
    ASSERT_EQ(c.login("correct horse").status, 200);
    EXPECT_NE(c.cookie, firstCookie) << "a second device gets a session of its own";
    ASSERT_TRUE(c.store.setPassword(u"new password", c.data.prompt).saved);
    EXPECT_EQ(c.get("/api/status").status, 401);
    c.cookie = firstCookie;
    EXPECT_EQ(c.get("/api/status").status, 401);
    EXPECT_EQ(c.login("correct horse").status, 401);
    EXPECT_EQ(c.login("new password").status, 200);
}

TEST(WebRouter, FiveWrongPasswordsLockTheAddressOutEvenForTheRightOne) {
    Console c;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(c.login("guess").status, 401) << i;
    const WebResponse fifth = c.login("guess");
    EXPECT_EQ(fifth.status, 429);
    EXPECT_EQ(bodyOf(fifth)["error"], "密码错误次数过多，请15分钟后再试");
    EXPECT_EQ(c.program.playLog.back(), u"网页控制台密码连错5次，锁定15分钟" + logTail);
    const int derivations = c.kdf.derivations;
    EXPECT_EQ(c.login("correct horse").status, 429);
    EXPECT_EQ(c.login("guess").status, 429);
    EXPECT_EQ(c.kdf.derivations, derivations) << "a locked address costs no derivation";
    EXPECT_EQ(c.program.playLog.size(), 6u) << "attempts while locked are not logged one by one";

    c.client = "192.168.1.21";
    EXPECT_EQ(c.login("correct horse").status, 200) << "another address is not locked";
    c.client = "192.168.1.20";
    c.cookie.clear();
    c.clock += 15 * minute - 1;
    EXPECT_EQ(c.login("correct horse").status, 429);
    c.clock += 1;
    EXPECT_EQ(c.login("correct horse").status, 200);
    EXPECT_EQ(c.post("/api/login", "{\"password\":1}", false).status, 400);
    EXPECT_EQ(c.post("/api/login", "{}", false).status, 400);
    c.random.fail = true;
    EXPECT_EQ(c.login("correct horse").status, 500);
}

// A Monday of the school week, a shift Sunday that plays as Friday, and a sports day.
TEST(WebRouter, ThePlanOfADay) {
    Console c;
    ASSERT_EQ(c.login("correct horse").status, 200);
    ProgramRecord evening = sampleProgram(u"晚自习", 18);
    evening.startTimeCount = 1;
    evening.delayable = 1;
    c.program.scheduleValue.programs.push_back(evening);
    c.program.scheduleValue.holidays = {holiday(u"运动会", {2026, 3, 11, 0, 2026, 3, 11, 24})};
    c.program.scheduleValue.shiftDays = {shiftDay(2026, 3, 15, 2026, 3, 13)};

    const json monday = bodyOf(c.get("/api/plan"));
    EXPECT_EQ(monday, json::parse(R"({"date":"2026-03-09","shiftDay":null,"holiday":null,
        "starts":[{"at":"08:00:00","name":"上课铃","path":"D:\\铃声\\上课铃.mp3","onTime":true},
                  {"at":"09:30:15","name":"上课铃","path":"D:\\铃声\\上课铃.mp3","onTime":true},
                  {"at":"18:00:00","name":"晚自习","path":"D:\\铃声\\上课铃.mp3","onTime":false}],
        "silent":[{"name":"眼保健操","reason":"已禁用"}]})"));
    EXPECT_EQ(c.get("/api/plan").body.find("\"date\""), 1u) << "fields in the documented order";

    const json sunday = bodyOf(c.get("/api/plan?date=2026-03-15"));
    EXPECT_EQ(sunday["shiftDay"], "2026-03-13");
    EXPECT_EQ(sunday["starts"].size(), 3u);
    const json saturday = bodyOf(c.get("/api/plan?date=2026-03-14"));
    EXPECT_EQ(saturday["starts"].size(), 0u);
    EXPECT_EQ(saturday["silent"][0], json({{"name", "上课铃"}, {"reason", "非所选周几（每周:12345）"}}));
    const json sportsDay = bodyOf(c.get("/api/plan?date=2026-03-11"));
    EXPECT_EQ(sportsDay["holiday"], "运动会");
    EXPECT_EQ(sportsDay["silent"][0]["reason"], "节假日：运动会");

    for (const char* bad : {"/api/plan?date=2026-02-30", "/api/plan?date=2026-3-9", "/api/plan?date=",
                            "/api/plan?date=20260309", "/api/plan?date=2026-03-0x"}) {
        EXPECT_EQ(c.get(bad).status, 400) << bad;
    }

    const json programs = bodyOf(c.get("/api/programs"));
    EXPECT_EQ(programs["programs"][1], json({{"name", "眼保健操"}, {"enabled", false}}));
    EXPECT_EQ(bodyOf(c.get("/api/instant")), json::parse(R"({"items":["国歌.mp3","校歌.mp3"],"current":0})"));
}

// The server derives a login's password on its own thread and hands the router the verdict: the
// router takes it as it is while the password it was made against is still in force, derives
// anew when the password changed meanwhile, and never lets it past a locked address.
TEST(WebRouter, ALoginCheckedAheadCountsOnlyAgainstThePasswordInForce) {
    Console c;
    auto loginWith = [&](std::string_view password, const PasswordHashRecord& against) {
        const WebRequest r = c.request("POST", "/api/login", json{{"password", password}}.dump());
        const auto ahead = checkLoginAhead(r, against, c.kdf);
        EXPECT_TRUE(ahead.has_value());
        const int derivations = c.kdf.derivations;
        const auto answer = c.router.handle(r, c.clock, ahead ? &*ahead : nullptr);
        return std::pair{answer ? answer->status : 0, c.kdf.derivations - derivations};
    };
    const PasswordHashRecord first = c.store.settings().password;
    EXPECT_EQ(loginWith("correct horse", first), std::pair(200, 0));
    EXPECT_EQ(loginWith("wrong horse", first), std::pair(401, 0));

    ASSERT_TRUE(c.store.setPassword(u"new password", c.data.prompt).saved);
    EXPECT_EQ(loginWith("correct horse", first), std::pair(401, 1)) << "made against the old password";
    EXPECT_EQ(loginWith("new password", first), std::pair(200, 1));

    EXPECT_FALSE(checkLoginAhead(c.request("GET", "/api/status"), first, c.kdf));
    EXPECT_FALSE(checkLoginAhead(c.request("POST", "/api/login", "{\"password\":1}"), first, c.kdf));
    EXPECT_FALSE(checkLoginAhead(c.request("POST", "/api/login", "not json"), first, c.kdf));

    for (int i = 0; i < 5; ++i) c.login("guess");
    EXPECT_TRUE(c.router.lockedOut(c.client, c.clock));
    EXPECT_EQ(loginWith("new password", c.store.settings().password).first, 429);
}

// The PC's names are remembered between requests; only a name they lack makes the router read
// them afresh before it refuses, so an address the PC got since is let in at once.
TEST(WebRouter, AnUnknownHostIsLookedUpAfreshBeforeItIsRefused) {
    Console c;
    ASSERT_EQ(c.login("correct horse").status, 200);
    EXPECT_EQ(c.get("/api/status").status, 200);
    EXPECT_EQ(c.program.freshNameReads, 0);

    WebRequest fromNewAddress = c.request("GET", "/api/status");
    fromNewAddress.headers.set("Host", "10.0.0.7:8765");
    EXPECT_EQ(c.send(fromNewAddress).status, 421);
    EXPECT_EQ(c.program.freshNameReads, 1);
    c.program.names.addresses.push_back("10.0.0.7");
    EXPECT_EQ(c.send(fromNewAddress).status, 200);
}
