#include "web/PortRightsAsk.h"

namespace {

constexpr std::uint32_t accessDenied = 5;

}  // namespace

void PortRightsAsk::applied(bool listening, int port) {
    const bool brought = started_ && listening && (!listening_ || port != port_);
    if (brought) {
        askablePort_ = port;
    } else if (!listening || port != askablePort_) {
        askablePort_ = 0;
    }
    started_ = true;
    listening_ = listening;
    port_ = port;
}

bool PortRightsAsk::shouldAsk(int port, std::uint32_t error) {
    if (port != askablePort_) return false;
    askablePort_ = 0;
    return error == accessDenied;
}
