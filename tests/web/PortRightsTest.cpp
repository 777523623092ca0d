#include <gtest/gtest.h>

#include "data/Product.h"
#include "data/Text.h"
#include "web/PortGrant.h"
#include "web/PortRightsAsk.h"

namespace {

constexpr std::uint32_t accessDenied = 5;
constexpr std::uint32_t portTaken = 183;

PortRightsAsk startedOn(bool listening, int port) {
    PortRightsAsk ask;
    ask.applied(listening, port);
    return ask;
}

}  // namespace

// The port opened at start-up never raises Windows' prompt, however often the program starts.
TEST(PortRightsAsk, TheStartUpPortNeverAsks) {
    PortRightsAsk ask = startedOn(true, 9001);
    EXPECT_FALSE(ask.shouldAsk(9001, accessDenied));
    // A change that leaves the port as it was (a new password) brings no chance either.
    ask.applied(true, 9001);
    EXPECT_FALSE(ask.shouldAsk(9001, accessDenied));
}

// Switched on, a new port, or switched off and on again: one question, and only when the rights
// are missing.
TEST(PortRightsAsk, APortTheOperatorBroughtAsksOnceWhenRefused) {
    PortRightsAsk ask = startedOn(false, 8765);
    ask.applied(true, 8765);
    EXPECT_TRUE(ask.shouldAsk(8765, accessDenied));
    EXPECT_FALSE(ask.shouldAsk(8765, accessDenied)) << "the reopening after the prompt must not ask again";

    ask.applied(true, 9001);
    EXPECT_FALSE(ask.shouldAsk(9001, portTaken)) << "another program's port needs no rights";
    EXPECT_FALSE(ask.shouldAsk(9001, accessDenied)) << "the chance went with the first result";

    ask.applied(true, 9002);
    EXPECT_FALSE(ask.shouldAsk(9002, 0));
    EXPECT_FALSE(ask.shouldAsk(9002, accessDenied));

    ask.applied(false, 9002);
    ask.applied(true, 9002);
    EXPECT_TRUE(ask.shouldAsk(9002, accessDenied));
}

// A result of a port the settings have left already is not the operator's choice any more.
TEST(PortRightsAsk, OnlyTheChosenPortsResultCounts) {
    PortRightsAsk ask = startedOn(false, 8765);
    ask.applied(true, 9001);
    EXPECT_FALSE(ask.shouldAsk(8765, accessDenied));
    ask.applied(false, 9001);
    EXPECT_FALSE(ask.shouldAsk(9001, accessDenied));
}

// One elevated command shell runs all three commands whatever each returns, every value that
// holds a space or a shell character quoted, the programs from the system folder only.
TEST(PortGrant, ReservesThePortAndOpensItToTheLocalNetworkOnce) {
    const std::string rule = "\"name=" + toUtf8(product::webFirewallRule) + "\"";
    const std::string netsh = "\"C:\\Windows\\system32\\netsh.exe\"";
    EXPECT_EQ(toUtf8(portGrantParameters(u"C:\\Windows\\system32", 9001)),
              "/d /s /c \"" + netsh + " http add urlacl url=http://+:9001/ \"sddl=D:(A;;GX;;;AU)\" & " + netsh +
                  " advfirewall firewall delete rule " + rule + " protocol=tcp localport=9001 & " + netsh +
                  " advfirewall firewall add rule " + rule +
                  " dir=in action=allow protocol=TCP localport=9001 remoteip=localsubnet profile=private,domain\"");
}
