#!/usr/bin/python3
"""Figures of the web edition (printed, never asserted):

1. Bytes the page needs to start, each file compressed with gzip -9, pictures aside.
2. In headless Chromium, from navigation to the game's first state on screen with its controls
   answering (the page's performance mark "kevolan-first-state"), against a bare page with the
   same controls and no game (index.html with its <script> elements removed), both served by
   the same local server in the same run, the browser's cache off; medians of alternating runs.
   Wall times swing with the load on a shared machine, so the main thread's busy time up to
   that moment (DevTools Performance.getMetrics TaskDuration) is printed beside them.

3. The same two on the phone layout (Chromium's mobile emulation, 390x844 at 3x, touch).
4. Resuming a stored game: the page opened with a game of 1,000 turns and one of 10,000 turns
   in its storage, against none: the milliseconds the replay adds to the state shown.

usage: web_startup.py --site build/web [--runs 15] [--castaway build/bin/web_rules_check]
"""
import argparse
import functools
import gzip
import http.server
import os
import re
import shutil
import statistics
import sys
import tempfile
import threading
import time
import urllib.parse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--window-size=800,600",
]

# From navigation start, in ms: first contentful paint, the page's own mark (game only), the
# end of the load event.
TIMINGS_JS = """
const nav = performance.getEntriesByType('navigation')[0];
const fcp = performance.getEntriesByName('first-contentful-paint')[0];
const mark = performance.getEntriesByName('kevolan-first-state')[0];
return {fcp: fcp ? fcp.startTime : null, mark: mark ? mark.startTime : null,
        dcl: nav.domContentLoadedEventEnd, load: nav.loadEventEnd,
        resources: performance.getEntriesByType('resource').map(r => r.name)};
"""


def gzip_size(path):
    with open(path, "rb") as f:
        return len(gzip.compress(f.read(), compresslevel=9, mtime=0))


def bare_page(index_html):
    return re.sub(r"<script\b[^>]*>.*?</script>\s*", "", index_html, flags=re.S | re.I)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + profile]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Network.enable", {})
    driver.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
    # Every load from the server, as a first visit: the offline worker's cache is not measured.
    driver.execute_cdp_cmd("Network.setBypassServiceWorker", {"bypass": True})
    driver.execute_cdp_cmd("Performance.enable", {})
    return driver


def busy_ms(driver):
    metrics = driver.execute_cdp_cmd("Performance.getMetrics", {})["metrics"]
    return 1000 * next(m["value"] for m in metrics if m["name"] == "TaskDuration")


def wait_for(driver, script, seconds=30):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if driver.execute_script(script):
            return True
        time.sleep(0.005)
    return False


def load(driver, url, game):
    driver.get("about:blank")
    before = busy_ms(driver)
    driver.get(url)
    ready = ("return document.documentElement.dataset.ready === 'true'" if game else
             "return document.readyState === 'complete'")
    if not wait_for(driver, ready):
        raise RuntimeError(url + " did not become ready")
    # The first contentful paint is reported a frame after it happens.
    wait_for(driver, "return performance.getEntriesByName('first-contentful-paint').length > 0", 5)
    t = driver.execute_script(TIMINGS_JS)
    after = busy_ms(driver)
    # The counter goes on across pages of one renderer, and starts again in a new one.
    busy = after - before if after >= before else after
    painted = t["fcp"] if t["fcp"] is not None else t["load"]
    # Ready for the player: painted with its state, and the controls answer.
    usable = max(painted, t["mark"] if game else t["dcl"])
    return painted, usable, busy, t["resources"]


def phone(driver, on):
    if on:
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    else:
        driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
        driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})


def castaway_script(program, turns):
    """The commands of the castaway who never finishes the boat, so that every one of `turns`
    days is a day the rules play."""
    import subprocess
    out = subprocess.run([program, "endless", str(turns)], capture_output=True,
                         check=True, text=True).stdout
    return [line for line in out.splitlines() if line and not line.startswith("#")]


def resume_ms(driver, url, commands, runs):
    """Median ms from navigation to the state shown, with `commands` stored, and how many
    turns the rules actually played."""
    load(driver, url, True)
    played = driver.execute_script(
        "rules.newGame(); arguments[0].forEach(function (c) { rules.run(c); });"
        "savedGame.save(rules.script(), JSON.stringify(rules.state()));"
        "return rules.state().Day + ' ' + rules.state().Month;", commands)
    times = []
    for _ in range(runs):
        driver.get(url)
        if not wait_for(driver, "return document.documentElement.dataset.ready === 'true'"):
            raise RuntimeError("the stored game never came back")
        times.append(driver.execute_script(
            "return [performance.getEntriesByName('kevolan-first-state')[0].startTime,"
            " performance.getEntriesByName('kevolan-resume')[0].duration]"))
    return (statistics.median(t[0] for t in times), statistics.median(t[1] for t in times),
            played)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--site", required=True)
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--castaway", help="web_rules_check, which writes long games' scripts")
    args = parser.parse_args()
    site = os.path.abspath(args.site)
    index = os.path.join(site, "index.html")
    if not os.path.exists(index):
        print("bench_web: no %s; run `make web` first" % index, file=sys.stderr)
        return 1

    work = tempfile.mkdtemp(prefix="kevolan-web-bench-")
    try:
        root = os.path.join(work, "site")
        shutil.copytree(site, root)
        with open(index, encoding="utf-8") as f:
            html = f.read()
        with open(os.path.join(root, "bare.html"), "w", encoding="utf-8") as f:
            f.write(bare_page(html))
        server = serve(root)
        base = "http://127.0.0.1:%d/" % server.server_address[1]
        driver = start_browser(os.path.join(work, "profile"))
        try:
            game, bare, resources = {}, {}, []
            phone_game, phone_bare = {}, {}
            load(driver, base + "index.html", True)  # a first load, not counted
            for _ in range(args.runs):
                for on_phone, g, b in ((False, game, bare), (True, phone_game, phone_bare)):
                    phone(driver, on_phone)
                    for url, is_game, into in ((base + "index.html", True, g),
                                               (base + "bare.html", False, b)):
                        painted, usable, busy, loaded = load(driver, url, is_game)
                        for key, value in (("paint", painted), ("usable", usable),
                                           ("busy", busy)):
                            into.setdefault(key, []).append(value)
                        if is_game:
                            resources = loaded
            phone(driver, False)
            resumed = []
            if args.castaway and os.path.exists(args.castaway):
                url = base + "index.html"
                driver.execute_script("localStorage.clear()")
                none, _, _ = resume_ms(driver, url, [], args.runs)
                for turns in (1000, 10000):
                    commands = castaway_script(args.castaway, turns)
                    ms, own, day = resume_ms(driver, url, commands, args.runs)
                    resumed.append((turns, len(commands), day, ms - none, own))
                driver.execute_script("localStorage.clear()")
        finally:
            driver.quit()
            server.shutdown()

        print("Web edition: bytes the page needs to start (gzip -9 each), pictures aside")
        needed = ["index.html"] + sorted({
            urllib.parse.unquote(urllib.parse.urlparse(r).path).lstrip("/") for r in resources
            if r.startswith(base)})
        total = 0
        # The offline worker is fetched beside the page, once.
        needed.append("sw.js")
        for name in needed:
            if name.lower().endswith((".jpg", ".jpeg", ".png")):
                continue
            path = os.path.join(site, name)
            if not os.path.exists(path):
                print("  %-28s asked for, not in the site" % name)
                continue
            raw, packed = os.path.getsize(path), gzip_size(path)
            total += packed
            print("  %-28s %8d bytes, %7d gzip" % (name, raw, packed))
        print("  %-28s %8s        %7d gzip (%.1f KB; aim <= 150 KB)" % ("total", "", total,
                                                                     total / 1024))
        help_path = os.path.join(site, "help.html")
        if os.path.exists(help_path):
            print("  help.html (opened on demand)  %d gzip" % gzip_size(help_path))

        print("\nNavigation to first paint and to the first usable click, headless Chromium, "
              "%d runs each (ms; the best run beside the median)" % args.runs)
        print("  %-30s %8s %8s %7s   %8s %8s %7s" % ("", "game", "bare", "ratio", "best", "best",
                                                    "ratio"))
        for key, label in (("paint", "first paint"), ("usable", "state shown, controls usable"),
                           ("busy", "main thread busy until then")):
            g, b = statistics.median(game[key]), statistics.median(bare[key])
            gb, bb = min(game[key]), min(bare[key])
            print("  %-30s %8.1f %8.1f %7.2f   %8.1f %8.1f %7.2f" % (label, g, b, g / b, gb, bb,
                                                                   gb / bb))
        print("  (aim: ratio <= 1.3)")
        print("\nThe same on the phone layout (390x844 at 3x, touch)")
        for key, label in (("paint", "first paint"), ("usable", "state shown, controls usable"),
                           ("busy", "main thread busy until then")):
            g, b = statistics.median(phone_game[key]), statistics.median(phone_bare[key])
            print("  %-30s %8.1f %8.1f %7.2f" % (label, g, b, g / b))
        if resumed:
            print("\nResuming a stored game: ms added to the state shown, and the page's own "
                  "time reading and replaying it (medians of %d)" % args.runs)
            for turns, count, day, ms, own in resumed:
                print("  %6d turns stored (%5d commands, the game at %s)  +%.1f ms  (%.1f ms)" %
                      (turns, count, day, ms, own))
        else:
            print("\n(no --castaway program: resuming not measured)")
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
