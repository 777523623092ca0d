"""The web console in a real browser, as a teacher's phone uses it: headless chromium with a phone's screen
(390x844), driven through chromedriver, against lvtx.exe running under Wine.

A bell falls due a few seconds after the program starts. The browser logs in through the page's form (a wrong
password first), watches the now-playing list show the bell, takes the phone-sized picture, presses the big stop
button and sees the bell leave the list; the play log, read through /api/log with the page's session, holds the
bell's start, its user stop and the web stop with the client's address. The page must run without a script error
or a refusal by its own Content-Security-Policy.

Runs inside the Wine harness with Wine's HTTP service started (scripts/browser-test.sh sees to both):
    test_console.py [--build DIR] [--port N] [--screenshot PNG]
Exits 0 when every step held, 1 with the failed step's message otherwise (with a picture and the page's text
beside the screenshot's path, named *-failure.*)."""
import argparse
import datetime
import hashlib
import os
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tests", "lvtxctl"))
from program_file import program, programs_file  # noqa: E402
from web_file import web_file, web_settings  # noqa: E402

WINE = "/usr/lib/wine/wine64"
BELL = "上课铃"
PASSWORD = "校园铃声 correct horse"
BELL_DELAY = 12  # seconds from the program's start to the bell
TONE_SECONDS = 45  # long enough to be still ringing when stop is pressed
CONSOLE_TIMEOUT = 60  # the program's start-up and the console's listener, under Wine
PAGE_TIMEOUT = 10  # anything the page shows after an action; it polls the status every second
PHONE = {"width": 390, "height": 844, "pixelRatio": 2}
PHONE_AGENT = ("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
               "Chrome/120.0 Mobile Safari/537.36")
NO_PLAY = "没有正在播放的节目"


class Failure(Exception):
    pass


def wait_for(what, check, timeout, step=0.25):
    """check()'s first truthy value within timeout seconds; else Failure naming what was awaited."""
    deadline = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"not within {timeout} s: {what}")
        time.sleep(step)


def wine_output(*args):
    return subprocess.run([WINE, *args], capture_output=True, text=True, check=True).stdout.strip()


def data_folder(build):
    names = dict(line.split("=", 1) for line in open(os.path.join(build, "product.sh"), encoding="utf-8")
                 if "=" in line and not line.startswith("#"))
    appdata = wine_output("cmd", "/c", "echo %APPDATA%")
    return os.path.join(wine_output("winepath", "-u", appdata), names["data_folder"].strip())


def set_up(data_dir, port, bell_at):
    """A fresh data folder: one bell on every day at bell_at, its tone, and the console on with PASSWORD."""
    audio_dir = os.path.join(os.environ["WINEPREFIX"], "drive_c", "校园铃声")
    os.makedirs(audio_dir, exist_ok=True)
    # Made here, never kept: a plain tone.
    subprocess.run(["sox", "-n", "-r", "22050", "-c", "1", os.path.join(audio_dir, BELL + ".wav"),
                    "synth", str(TONE_SECONDS), "sine", "660", "vol", "0.3"], check=True)
    shutil.rmtree(data_dir, ignore_errors=True)
    os.makedirs(data_dir)
    year = bell_at.year
    bell = program(name=BELL, path="C:\\校园铃声\\" + BELL + ".wav", volume=80, countMode=1, songCount=1,
                   startTimes=[(bell_at.hour, bell_at.minute, bell_at.second)], weekdays=[1] * 7,
                   dateRange=(year - 1, 1, 1, 0, year + 1, 12, 31, 24))
    with open(os.path.join(data_dir, "定时播t"), "wb") as f:
        f.write(programs_file([bell]))
    salt = os.urandom(16)
    settings = web_settings(on=1, port=port, passwordSet=1, sessionGeneration=1, salt=salt,
                            key=hashlib.pbkdf2_hmac("sha256", PASSWORD.encode("utf-8"), salt, 200000, 32))
    with open(os.path.join(data_dir, "网页t"), "wb") as f:
        f.write(web_file(settings))


def start_program(build):
    exe = wine_output("winepath", "-w", os.path.realpath(os.path.join(build, "lvtx.exe")))
    env = dict(os.environ, LVTX_E2E_NO_WATCHDOG="1")  # no watcher copy that would start it again
    # Started from an unrelated folder, as a user would.
    return subprocess.Popen([WINE, exe], cwd=os.path.join(os.environ["WINEPREFIX"], "drive_c"), env=env,
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def console_answers(url, lvtx):
    if lvtx.poll() is not None:
        raise Failure(f"lvtx.exe ended (exit code {lvtx.returncode}) before its web console answered")
    opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))
    try:
        with opener.open(url, timeout=2) as reply:
            return reply.status == 200
    except (urllib.error.URLError, OSError):
        return False


def browser(profile):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--no-proxy-server",
                 "--no-first-run", "--lang=zh-CN", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    options.add_experimental_option("mobileEmulation", {"deviceMetrics": PHONE, "userAgent": PHONE_AGENT})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_page_load_timeout(PAGE_TIMEOUT)
    driver.set_script_timeout(PAGE_TIMEOUT)
    return driver


def text_of(driver, element_id):
    return driver.find_element("id", element_id).text


def shown(driver, element_id):
    return driver.find_element("id", element_id).is_displayed()


def playing_names(driver):
    return [row.text for row in driver.find_elements("css selector", "#playing li strong")]


def api_log(driver):
    """The play log's last lines through /api/log, with the page's own session cookie."""
    answer = driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "fetch('/api/log?lines=30', {credentials: 'same-origin'})"
        ".then(r => r.json().then(j => done({status: r.status, lines: j.lines || []})))"
        ".catch(e => done({status: 0, lines: [String(e)]}));")
    if answer["status"] != 200:
        raise Failure(f"GET /api/log from the page answered {answer['status']}: {answer['lines']}")
    return answer["lines"]


def page_errors(driver):
    """Script errors and policy refusals in the browser's console. The 401s of the page's own session probe
    and of the wrong password are expected answers, and the icon the browser asks for by itself is none of the
    page's."""
    entries = driver.get_log("browser")
    return [e["message"] for e in entries if e["level"] == "SEVERE" and "status of 401" not in e["message"]
            and "/favicon.ico " not in e["message"]]


def drive(driver, url, screenshot):
    driver.get(url)
    wait_for("the login form", lambda: shown(driver, "login-view") and not shown(driver, "console-view"), PAGE_TIMEOUT)

    password = driver.find_element("id", "password")
    password.send_keys("wrong password")
    driver.find_element("css selector", "#login-form button[type=submit]").click()
    wait_for("the page's message for a wrong password", lambda: text_of(driver, "login-error"), PAGE_TIMEOUT)
    if shown(driver, "console-view"):
        raise Failure("a wrong password opened the console")

    password.send_keys(PASSWORD)
    driver.find_element("css selector", "#login-form button[type=submit]").click()
    wait_for("the console after logging in", lambda: shown(driver, "console-view") and not shown(driver, "login-view"),
             PAGE_TIMEOUT)

    # The bell falls due BELL_DELAY s after the program started; the page polls the status each second.
    wait_for(f"the now-playing list showing {BELL}", lambda: BELL in " ".join(playing_names(driver)),
             BELL_DELAY + 20)
    names = playing_names(driver)
    if len(names) != 1 or not names[0].startswith(BELL):
        raise Failure(f"the now-playing list holds {names}, not the one bell")
    # A poll or two more, so that the clock, the plan and the log have come in for the picture.
    time.sleep(2)
    os.makedirs(os.path.dirname(screenshot), exist_ok=True)
    if not driver.save_screenshot(screenshot):
        raise Failure(f"the screenshot could not be saved to {screenshot}")
    print(f"browser-test: phone screenshot {screenshot}")

    driver.find_element("id", "stop-all").click()
    wait_for("the now-playing list empty after stop",
             lambda: not playing_names(driver) and NO_PLAY in text_of(driver, "playing"), PAGE_TIMEOUT)
    # The bell's stop, then the web action with the client's address.
    web_stop = "终止全部播放 ◆ 网页 ◆ 127.0.0.1"
    wait_for("the web stop in the page's log", lambda: web_stop in text_of(driver, "log"), PAGE_TIMEOUT)
    lines = api_log(driver)
    started = [i for i, line in enumerate(lines) if BELL in line and "开始播放" in line]
    stopped = [i for i, line in enumerate(lines) if BELL in line and "用户终止播放" in line]
    marked = [i for i, line in enumerate(lines) if web_stop in line]
    if not (started and stopped and marked and started[-1] < stopped[-1] <= marked[-1]):
        raise Failure("the play log through /api/log lacks the bell's start, its user stop and the web stop, in "
                      "that order:\n" + "\n".join(lines))
    # Still nothing playing a few polls later: the bell stopped, it did not just leave the list for a moment.
    time.sleep(3)
    if playing_names(driver):
        raise Failure(f"after stop the now-playing list holds {playing_names(driver)} again")

    errors = page_errors(driver)
    if errors:
        raise Failure("the page logged errors in the browser:\n" + "\n".join(errors))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "windows"))
    parser.add_argument("--port", type=int, default=18766)
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    screenshot = os.path.abspath(args.screenshot or os.path.join(build, "browser", "web-console-phone.png"))
    if os.environ.get("LVTX_WINE_READY") != "1":
        sys.exit("browser-test: run inside the Wine harness (scripts/browser-test.sh does)")

    began = time.monotonic()
    data_dir = data_folder(build)
    bell_at = datetime.datetime.now().replace(microsecond=0) + datetime.timedelta(seconds=BELL_DELAY)
    set_up(data_dir, args.port, bell_at)
    url = f"http://127.0.0.1:{args.port}/"
    profile = tempfile.mkdtemp(prefix="lvtx-chromium.")
    lvtx = start_program(build)
    driver = None
    try:
        wait_for(f"the web console answering at {url} (is Wine's HTTP service running? LVTX_WINE_HTTP=1)",
                 lambda: console_answers(url, lvtx), CONSOLE_TIMEOUT, step=0.5)
        driver = browser(profile)
        drive(driver, url, screenshot)
    except Failure as failure:
        if driver is not None:
            stem = os.path.splitext(screenshot)[0] + "-failure"
            os.makedirs(os.path.dirname(stem), exist_ok=True)
            driver.save_screenshot(stem + ".png")
            with open(stem + ".txt", "w", encoding="utf-8") as f:
                f.write(driver.find_element("tag name", "body").text)
            print(f"browser-test: the page at the failure: {stem}.png, {stem}.txt", file=sys.stderr)
        print(f"browser-test: FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if driver is not None:
            driver.quit()
        lvtx.kill()
        lvtx.wait()
        shutil.rmtree(profile, ignore_errors=True)
    print(f"browser-test: passed in {time.monotonic() - began:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
