#!/usr/bin/env python3
"""The web console's status request, as a polling page asks it: one browser on a kept-alive
connection, logged in, asking at a steady rate. Prints the 50th, 95th and 99th percentile times;
exits 1 when a request failed or the 95th reaches the goal."""
import argparse
import http.client
import json
import sys
import time


def percentile(sorted_ms, share):
    index = min(len(sorted_ms) - 1, max(0, round(share * len(sorted_ms)) - 1))
    return sorted_ms[index]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("port", type=int)
    parser.add_argument("password")
    parser.add_argument("--rate", type=float, default=20.0)
    parser.add_argument("--seconds", type=float, default=30.0)
    parser.add_argument("--goal-ms", type=float, default=20.0)
    parser.add_argument("--wait-seconds", type=float, default=60.0, help="for the console to answer at all")
    args = parser.parse_args()

    waited_until = time.monotonic() + args.wait_seconds
    while True:
        try:
            probe = http.client.HTTPConnection("127.0.0.1", args.port, timeout=2)
            probe.request("GET", "/")
            probe.getresponse().read()
            probe.close()
            break
        except (OSError, http.client.HTTPException):
            if time.monotonic() > waited_until:
                print(f"web-bench: nothing answers on port {args.port}", file=sys.stderr)
                return 1
            time.sleep(1)

    connection = http.client.HTTPConnection("127.0.0.1", args.port, timeout=5)
    connection.request("POST", "/api/login", body=json.dumps({"password": args.password}),
                       headers={"Content-Type": "application/json"})
    answer = connection.getresponse()
    answer.read()
    if answer.status != 200:
        print(f"web-bench: the login was answered {answer.status}", file=sys.stderr)
        return 1
    cookie = answer.getheader("Set-Cookie").split(";")[0]

    count = int(args.rate * args.seconds)
    times_ms, failures = [], 0
    begun = time.monotonic()
    for i in range(count):
        # Asked on a fixed beat, like the page's timer, whatever the last answer took.
        delay = begun + i / args.rate - time.monotonic()
        if delay > 0:
            time.sleep(delay)
        start = time.perf_counter()
        try:
            connection.request("GET", "/api/status", headers={"Cookie": cookie})
            reply = connection.getresponse()
            body = reply.read()
            ok = reply.status == 200 and b'"now"' in body
        except (OSError, http.client.HTTPException):
            ok = False
            connection.close()
            connection = http.client.HTTPConnection("127.0.0.1", args.port, timeout=5)
        elapsed = (time.perf_counter() - start) * 1000
        if ok:
            times_ms.append(elapsed)
        else:
            failures += 1

    times_ms.sort()
    print(f"status requests: {count} at {args.rate:g}/s over {args.seconds:g} s, {failures} failed")
    if not times_ms:
        return 1
    p50, p95, p99 = (percentile(times_ms, s) for s in (0.50, 0.95, 0.99))
    print(f"p50 {p50:.1f} ms  p95 {p95:.1f} ms  p99 {p99:.1f} ms  max {times_ms[-1]:.1f} ms "
          f"(goal: p95 under {args.goal_ms:g} ms)")
    return 0 if failures == 0 and p95 < args.goal_ms else 1


if __name__ == "__main__":
    sys.exit(main())
