#!/usr/bin/env python3
"""Checks the netsh calls of the installer and the uninstaller in the release test's Wine log.

    netsh-calls.py LOG PORT RULE_NAME

Wine's netsh is a stub that returns 0 and logs its arguments as a "fixme" line (WINEDEBUG
fixme+netsh); the arguments show what a Windows netsh would have read. Every call must be one of
the installer's or the uninstaller's; each installation reserves the URL and opens the port in
this order, and the last call removes the firewall rules, after the reservation.
"""

import re
import sys

STUB = re.compile(r'fixme:netsh:wmain stub: L"[^"]*netsh\.exe"(.*)$')
ARGUMENT = re.compile(r'L"((?:[^"\\]|\\.)*)"')


def unescaped(text):
    """Wine's debug text: \\\\ for a backslash, \\xxxx for a character beyond ASCII."""
    return re.sub(r"\\(\\|[0-9a-f]{4})", lambda m: "\\" if m.group(1) == "\\" else chr(int(m.group(1), 16)), text)


def main(log, port, rule):
    url = f"url=http://+:{port}/"
    name = f"name={rule}"
    install = [
        ("http", "delete", "urlacl", url),
        ("http", "add", "urlacl", url, "sddl=D:(A;;GX;;;AU)"),
        ("advfirewall", "firewall", "delete", "rule", name, "protocol=tcp", f"localport={port}"),
        ("advfirewall", "firewall", "add", "rule", name, "dir=in", "action=allow", "protocol=TCP",
         f"localport={port}", "remoteip=localsubnet", "profile=private,domain"),
    ]
    uninstall = [("http", "delete", "urlacl", url), ("advfirewall", "firewall", "delete", "rule", name)]
    calls = []
    with open(log, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            stub = STUB.search(line)
            if stub:
                calls.append(tuple(unescaped(a) for a in ARGUMENT.findall(stub.group(1))))
    failures = [f"an unknown netsh call: {call}" for call in calls if call not in install + uninstall]
    installs = sum(calls[i:i + len(install)] == install for i in range(len(calls)))
    if installs == 0:
        failures.append("no installation reserved the URL and opened the port, in order")
    if calls[-len(uninstall):] != uninstall:
        failures.append("the uninstaller did not remove the reservation and the firewall rules last")
    for failure in failures:
        print(f"netsh-calls: {failure}", file=sys.stderr)
    if not failures:
        print(f"netsh-calls: {len(calls)} calls, {installs} installations, removed by the uninstaller")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
