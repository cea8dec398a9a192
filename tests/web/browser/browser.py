"""A headless chromium over WebDriver, looking at the site served from a local folder."""

import contextlib
import functools
import http.server
import os
import shutil
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROMEDRIVER = '/usr/bin/chromedriver'

# Runs as root on a machine without internet: no sandbox, no GPU, nothing fetched from outside.
CHROMIUM_FLAGS = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-dev-shm-usage', '--hide-scrollbars',
]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@contextlib.contextmanager
def served(folder):
    """Serves `folder` on 127.0.0.1 at a free port; yields the site's address."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield 'http://127.0.0.1:%d/' % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


@contextlib.contextmanager
def chromium(scale=1, width=900, height=700):
    """A fresh browser profile each time; `scale` is the screen's magnification."""
    profile = tempfile.mkdtemp(prefix='kevolan-chromium-')
    options = webdriver.ChromeOptions()
    for flag in CHROMIUM_FLAGS:
        options.add_argument(flag)
    options.add_argument('--user-data-dir=' + profile)
    options.add_argument('--window-size=%d,%d' % (width, height))
    options.add_argument('--force-device-scale-factor=%s' % scale)
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    try:
        yield driver
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def open_page(driver, address, timeout=20):
    """Loads the page and waits until it shows the first state and its controls respond."""
    driver.get(address)
    end = time.time() + timeout
    while time.time() < end:
        if driver.execute_script('return document.documentElement.dataset.ready') == 'true':
            return
        time.sleep(0.02)
    raise AssertionError('the page at %s never became ready' % address)


def console_errors(driver):
    """Everything the page reported as an error since the last call (uncaught exceptions too)."""
    return [e['message'] for e in driver.get_log('browser') if e['level'] == 'SEVERE']


def site_ok(folder):
    missing = [f for f in ('index.html', 'start.js', 'kevolan.css', 'kevolan-rules.js')
               if not os.path.isfile(os.path.join(folder, f))]
    if missing:
        raise SystemExit('the site in %s lacks %s: run `make web` first' %
                         (folder, ', '.join(missing)))
