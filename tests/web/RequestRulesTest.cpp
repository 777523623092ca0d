#include <gtest/gtest.h>

#include "web/HostCheck.h"
#include "web/NetAddress.h"
#include "web/WebMessage.h"

TEST(ClientAddress, OnlyLoopbackPrivateAndLinkLocalClientsAreAnswered) {
    for (const char* address :
         {"127.0.0.1", "127.255.0.9", "10.0.0.1", "10.255.255.255", "172.16.0.1", "172.31.255.254", "192.168.0.1",
          "192.168.255.255", "169.254.10.20", "::1", "0:0:0:0:0:0:0:1", "fe80::1", "fe80::1%12", "febf::abcd",
          "::ffff:192.168.1.20", "::FFFF:10.1.2.3", "0:0:0:0:0:ffff:c0a8:0114"}) {
        EXPECT_TRUE(isLocalNetworkClient(address)) << address;
    }
    for (const char* address :
         {"8.8.8.8", "172.15.255.255", "172.32.0.1", "192.169.0.1", "169.253.1.1", "11.0.0.1", "0.0.0.0",
          "255.255.255.255", "::", "::2", "fec0::1", "fc00::1", "2001:db8::1", "::ffff:8.8.8.8", "::192.168.1.1",
          "", "localhost", "192.168.1", "192.168.1.1.1", "192.168.01.1", "192.168.1.256", "1.2.3.4 ", "fe80::1%",
          "fe80:::1", "1::2::3", "1:2:3:4:5:6:7:8:9", "fe80::12345", "::ffff:192.168.1.1.5", "[::1]"}) {
        EXPECT_FALSE(isLocalNetworkClient(address)) << address;
    }
    EXPECT_EQ(parseIpAddress("fe80::1:0:0:2"), parseIpAddress("fe80:0:0:0:1:0:0:2"));
    EXPECT_FALSE(parseIpAddress("fe80::1%4").has_value()) << "a zone only where the server reports one";
}

TEST(HostHeader, NamesThisPcWithTheConsolePort) {
    const HostNames names{"School-PC", {"192.168.1.10", "fe80::1%3", "2001:db8::7"}};
    for (const char* host : {"192.168.1.10:8765", "school-pc:8765", "SCHOOL-PC:8765", "localhost:8765",
                             "LocalHost:8765", "127.0.0.1:8765", "[::1]:8765", "[fe80::1]:8765",
                             "[fe80:0::0001]:8765", "[2001:db8::7]:8765"}) {
        EXPECT_TRUE(hostAllowed(host, names, 8765)) << host;
    }
    for (const char* host :
         {"192.168.1.10", "192.168.1.10:80", "192.168.1.10:08765x", "192.168.1.11:8765", "evil.example:8765",
          "school-pc.evil.example:8765", "school-pc:", "school-pc:8765:1", ":8765", "", "[::1]", "[::1]8765",
          "[::1:8765", "::1:8765", "[192.168.1.10]:8765", "127.0.0.2:8765", "localhost.:8765", "schoo1-pc:8765",
          "school-pc:876500"}) {
        EXPECT_FALSE(hostAllowed(host, names, 8765)) << host;
    }
    // A browser leaves out port 80; a PC without a name still has its addresses.
    EXPECT_TRUE(hostAllowed("school-pc", names, 80));
    EXPECT_FALSE(hostAllowed("", HostNames{"", {}}, 80));
    EXPECT_FALSE(hostAllowed(":80", HostNames{"", {}}, 80));
}

TEST(WebMessage, HeadersQueriesAndCookies) {
    WebHeaders headers;
    headers.add("Content-Type", "application/json");
    headers.add("X-CSRF-Token", "abc");
    EXPECT_EQ(headers.find("x-csrf-token"), "abc");
    EXPECT_FALSE(headers.find("X-CSRF").has_value());
    headers.set("x-csrf-token", "def");
    EXPECT_EQ(headers.all().size(), 2u);
    EXPECT_EQ(headers.find("X-Csrf-Token"), "def");

    EXPECT_EQ(queryValue("date=2026-03-09&lines=5", "lines"), "5");
    EXPECT_EQ(queryValue("a=x%20y+z&a=2", "a"), "x y z");
    EXPECT_EQ(queryValue("%64ate=1", "date"), "1");
    EXPECT_EQ(queryValue("date", "date"), "");
    EXPECT_FALSE(queryValue("date=%2", "date").has_value());
    EXPECT_FALSE(queryValue("date=%zz", "date").has_value());
    EXPECT_FALSE(queryValue("dates=1", "date").has_value());
    EXPECT_FALSE(queryValue("", "date").has_value());

    EXPECT_EQ(cookieValue("a=1; lvtx_session=ff00;b=2", "lvtx_session"), "ff00");
    EXPECT_EQ(cookieValue("lvtx_session=", "lvtx_session"), "");
    EXPECT_FALSE(cookieValue("xlvtx_session=1; lvtx_sessionx=2", "lvtx_session").has_value());
}
