#pragma once
// Whether a request's Host header names this PC and the console's port: a page of another
// site that a name server points at this PC (DNS rebinding) never gets an answer.
#include <string>
#include <string_view>
#include <vector>

struct HostNames {
    std::string computerName;             // compared without regard to ASCII case
    std::vector<std::string> addresses;   // this PC's addresses as text
};

// One of `names`, "localhost", 127.0.0.1 or [::1], with `port` (a missing port stands for 80).
// An IPv6 literal is in brackets; addresses compare by value, not by spelling.
bool hostAllowed(std::string_view host, const HostNames& names, int port);
