#pragma once
// What gives every user a port of the web console, as the installer does for the first one: the
// URL reserved for all authenticated users, and an inbound firewall rule for the local network on
// a private or domain network. Both need an administrator, so the commands run in one elevated
// command shell (one prompt for the operator); each runs whatever the one before returned.
#include <string>
#include <string_view>

// The parameters of cmd.exe for the port, netsh.exe and cmd.exe taken from `systemFolder`.
// The firewall rule of the same name and port goes first, so that asking again adds no second
// one. A reservation of the port stays as it is: it may be another program's.
std::u16string portGrantParameters(std::u16string_view systemFolder, int port);
