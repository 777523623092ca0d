#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "web/ConsolePage.h"

// The page must work under "Content-Security-Policy: default-src 'self'" with nothing from the
// internet: a browser silently ignores inline script and style, and an outside address would
// not load on a school's closed network.
TEST(ConsolePage, EverythingComesFromTheConsoleAndNothingIsInline) {
    const WebPageAssets page = consolePageAssets();
    ASSERT_FALSE(page.html.empty());
    ASSERT_FALSE(page.script.empty());
    ASSERT_FALSE(page.style.empty());
    EXPECT_NE(page.html.find("<script src=\"/app.js\" defer></script>"), std::string::npos);
    EXPECT_NE(page.html.find("<link rel=\"stylesheet\" href=\"/app.css\">"), std::string::npos);
    EXPECT_NE(page.html.find("<meta name=\"viewport\""), std::string::npos) << "phones";
    EXPECT_NE(page.html.find("lang=\"zh-CN\""), std::string::npos);

    EXPECT_FALSE(std::regex_search(page.html, std::regex("<script(?![^>]*\\bsrc=)"))) << "inline script";
    EXPECT_FALSE(std::regex_search(page.html, std::regex("<style", std::regex::icase))) << "inline style";
    EXPECT_FALSE(std::regex_search(page.html, std::regex("\\sstyle\\s*=", std::regex::icase))) << "style attribute";
    EXPECT_FALSE(std::regex_search(page.html, std::regex("\\son[a-z]+\\s*=", std::regex::icase))) << "event attribute";
    EXPECT_FALSE(std::regex_search(page.html, std::regex("javascript:", std::regex::icase)));
    for (const std::string* part : {&page.html, &page.script, &page.style}) {
        EXPECT_FALSE(std::regex_search(*part, std::regex("(https?:)?//[a-z0-9.-]+\\.[a-z]{2,}", std::regex::icase)))
            << "an outside address";
        EXPECT_EQ(part->find("@import"), std::string::npos);
    }
    // Names of programs and songs are the program's data: never parsed as markup or code.
    for (const char* unsafe : {"innerHTML", "outerHTML", "insertAdjacentHTML", "document.write", "eval(", "new Function",
                               ".setAttribute('style", "setTimeout('"}) {
        EXPECT_EQ(page.script.find(unsafe), std::string::npos) << unsafe;
    }
    // Every element the script looks up exists in the page.
    const std::regex lookup("byId\\('([a-z-]+)'\\)");
    for (auto it = std::sregex_iterator(page.script.begin(), page.script.end(), lookup); it != std::sregex_iterator(); ++it) {
        const std::string id = (*it)[1];
        EXPECT_NE(page.html.find("id=\"" + id + "\""), std::string::npos) << id;
    }
    // Every API the script calls is one the router serves.
    for (const char* path : {"/api/login", "/api/logout", "/api/session", "/api/status", "/api/plan", "/api/log",
                             "/api/programs", "/api/instant", "/api/stop", "/api/play", "/api/instant/start",
                             "/api/instant/stop", "/api/silence-today"}) {
        EXPECT_NE(page.script.find(std::string("'") + path), std::string::npos) << path;
    }
}
