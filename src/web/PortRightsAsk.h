#pragma once
// When the web console asks the operator for an administrator's rights to its port: once, after
// a change of its settings brought the port (switched on, a new port, the settings loaded anew),
// and only when the system then refused the port for want of rights. The port opened at
// start-up never asks: a copy without rights would raise Windows' prompt at every start, before
// anyone sits at the PC; its settings page says what is missing instead.
#include <cstdint>

class PortRightsAsk {
public:
    // Each time the console applies its settings, the first time at start-up: whether it should
    // listen, and on which port.
    void applied(bool listening, int port);
    // The listener on `port` opened with the system's `error` (0 when it listens): true when the
    // operator should be asked now. Any result of the port uses the chance up.
    bool shouldAsk(int port, std::uint32_t error);

private:
    bool started_ = false;
    bool listening_ = false;
    int port_ = 0;
    int askablePort_ = 0;
};
