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
    """Serves quietly; notes every request it cannot answer, and sends the server's policy."""
    policy = None
    failed = None

    def log_message(self, *args):
        pass

    def send_error(self, code, *args, **kwargs):
        if self.failed is not None:
            self.failed.append('%d %s' % (code, self.path))
        super().send_error(code, *args, **kwargs)

    def end_headers(self):
        if self.policy:
            self.send_header('Content-Security-Policy', self.policy)
        super().end_headers()


@contextlib.contextmanager
def served(folder, policy=None, failed=None):
    """Serves `folder` on 127.0.0.1 at a free port; yields the site's address. `policy` is a
    Content-Security-Policy sent with every answer; each request that fails is added to the
    list `failed`."""
    handler = functools.partial(
        type('Handler', (QuietHandler,), {'policy': policy, 'failed': failed}), directory=folder)
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


def open_page(driver, address, timeout=20, keep=False):
    """Loads the page and waits until it shows the first state and its controls respond. The
    game a page of the same site stored before is dropped first, unless `keep`."""
    if not keep and address.startswith('http'):
        origin = '/'.join(address.split('/')[:3])
        # A page of the site still open holds its own copy of the storage: cleared there too.
        if driver.current_url.startswith(origin):
            driver.execute_script('try { localStorage.clear(); } catch (e) {}')
        driver.execute_cdp_cmd('Storage.clearDataForOrigin',
                               {'origin': origin, 'storageTypes': 'local_storage'})
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
    missing = [f for f in ('index.html', 'kevolan.js', 'kevolan.css', 'kevolan-rules.js')
               if not os.path.isfile(os.path.join(folder, f))]
    if missing:
        raise SystemExit('the site in %s lacks %s: run `make web` first' %
                         (folder, ', '.join(missing)))


# Phones and tablets, as Chromium's DevTools emulate them: CSS size, pixel ratio, and a touch
# screen in place of the mouse.
DEVICES = {
    'phone-portrait': (390, 844, 3),
    'phone-landscape': (844, 390, 3),
    'tablet': (820, 1180, 2),
    'tablet-landscape': (1180, 820, 2),
}
TABLETS = ('tablet', 'tablet-landscape')


# The window's red captions on grey are the game's own look, kept as the desktop draws them:
# the boat's creation row and what the castaway owns. Their contrast is the one finding allowed.
SPECIFIED_RED = ('Label12', 'Label45', 'Label50', 'Label51', 'Label52', 'Label53', 'Label54',
                 'Label55')

AXE_RUN = r'''
return axe.run(document, {resultTypes: ['violations']}).then(function (r) {
  return r.violations.map(function (v) {
    return {id: v.id, impact: v.impact,
            nodes: v.nodes.map(function (n) { return n.target.join(' '); })};
  });
});
'''


def axe_violations(driver, axe_source):
    """axe-core's findings on the page as it stands, less the specified red captions' contrast:
    ['rule (impact): targets', ...]. The engine is put into the page once per load."""
    if not driver.execute_script('return !!window.axe'):
        driver.execute_script(axe_source)
    found = []
    for v in driver.execute_script(AXE_RUN):
        nodes = [n for n in v['nodes'] if not (v['id'] == 'color-contrast' and
                                               n.lstrip('#') in SPECIFIED_RED)]
        if nodes:
            found.append('%s (%s): %s' % (v['id'], v['impact'], ', '.join(nodes[:6])))
    return found


def emulate(driver, device, size=None):
    """The device's screen, or one of `size` (width, height) at the device's pixel ratio."""
    width, height, scale = DEVICES[device]
    if size:
        width, height = size
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': True,
        'screenOrientation': {'type': 'portraitPrimary' if height > width else
                              'landscapePrimary', 'angle': 0 if height > width else 90}})
    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled',
                           {'enabled': True, 'maxTouchPoints': 5})


def touch(driver, kind, x=0, y=0):
    points = [] if kind == 'touchEnd' else [{'x': x, 'y': y, 'radiusX': 4, 'radiusY': 4,
                                               'force': 1, 'id': 0}]
    driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': points})


def touches(driver, gestures, watch=0.0):
    """Real touch events, sent all at once over the page's own DevTools socket rather than one
    WebDriver call each (which waits for a frame per event): `gestures` is a list of gestures,
    each a list of finger positions [(x, y), ...] from touching to lifting ([] lifts). Returns
    how many events the browser took, and the addresses the tab went to meanwhile and for
    `watch` seconds after (a tab that leaves its page takes no more of the events)."""
    import json
    import trio
    import trio_websocket
    address = 'ws://%s/devtools/page/%s' % (
        driver.capabilities['goog:chromeOptions']['debuggerAddress'], driver.current_window_handle)
    commands = [('Page.enable', {})]
    for gesture in gestures:
        for i, points in enumerate(gesture):
            kind = 'touchEnd' if not points else 'touchStart' if i == 0 else 'touchMove'
            commands.append(('Input.dispatchTouchEvent', {'type': kind, 'touchPoints': [
                {'x': x, 'y': y, 'id': n, 'radiusX': 4, 'radiusY': 4, 'force': 1}
                for n, (x, y) in enumerate(points)]}))
    went = []
    taken = 0

    def note(message):
        nonlocal taken
        if message.get('method') == 'Page.frameNavigated' and \
                not message['params']['frame'].get('parentId'):
            went.append(message['params']['frame']['url'])
        if 'error' in message:
            raise AssertionError('the browser refused a touch event: %s' % message['error'])
        taken += 'id' in message

    async def run():
        async with trio_websocket.open_websocket_url(address, max_message_size=2 ** 24) as ws:
            for n, (method, params) in enumerate(commands):
                await ws.send_message(json.dumps({'id': n, 'method': method, 'params': params}))
            while taken < len(commands):
                with trio.move_on_after(10 if not went else 1) as quiet:
                    note(json.loads(await ws.get_message()))
                if quiet.cancelled_caught:
                    if not went:
                        raise AssertionError('the browser took %d of %d touch events' %
                                             (taken - 1, len(commands) - 1))
                    break
            with trio.move_on_after(watch):
                while True:
                    note(json.loads(await ws.get_message()))

    trio.run(run)
    return max(0, taken - 1), went


def center(driver, element_id):
    """The middle of a control, in the viewport's CSS pixels, scrolled into view first."""
    return driver.execute_script(
        'var e = document.getElementById(arguments[0]);'
        'e.scrollIntoView({block: "nearest"});'
        'var r = e.getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2];',
        element_id)


def tap(driver, element_id, hold=0.0):
    """A finger on the control's middle, lifted after `hold` seconds (a long press past 0.5)."""
    x, y = center(driver, element_id)
    touch(driver, 'touchStart', x, y)
    if hold:
        time.sleep(hold)
    touch(driver, 'touchEnd')


class Marionette:
    """Firefox ESR driven over its own Marionette protocol (Debian packages no geckodriver):
    length-prefixed JSON messages on a local TCP port. Just what the page's checks ask for."""

    def __init__(self, timeout=30):
        import json
        import socket
        import subprocess
        self._json = json
        self.profile = tempfile.mkdtemp(prefix='kevolan-firefox-')
        with socket.socket() as s:
            s.bind(('127.0.0.1', 0))
            port = s.getsockname()[1]
        with open(os.path.join(self.profile, 'user.js'), 'w') as f:
            for pref, value in (('marionette.port', port), ('browser.shell.checkDefaultBrowser',
                                                            'false'),
                                ('devtools.console.stdout.content', 'true'),
                                ('app.update.enabled', 'false'),
                                ('datareporting.policy.dataSubmissionEnabled', 'false'),
                                ('network.proxy.type', 0)):
                f.write('user_pref("%s", %s);\n' % (pref, value))
        self.log = open(os.path.join(self.profile, 'console.log'), 'w+')
        self.process = subprocess.Popen(
            ['/usr/bin/firefox-esr', '--headless', '--marionette', '--no-remote', '--profile',
             self.profile], stdout=self.log, stderr=subprocess.STDOUT)
        end = time.time() + timeout
        while True:
            try:
                self.sock = socket.create_connection(('127.0.0.1', port), timeout=timeout)
                break
            except OSError:
                if time.time() > end:
                    self.quit()
                    raise
                time.sleep(0.2)
        self.buffer = b''
        self.id = 0
        self._receive()  # the server's greeting
        self.send('WebDriver:NewSession', {'capabilities': {}})

    def _receive(self):
        while b':' not in self.buffer:
            self.buffer += self.sock.recv(65536)
        size, _, rest = self.buffer.partition(b':')
        while len(rest) < int(size):
            rest += self.sock.recv(65536)
        self.buffer = rest[int(size):]
        return self._json.loads(rest[:int(size)].decode())

    def send(self, command, params):
        self.id += 1
        data = self._json.dumps([0, self.id, command, params]).encode()
        self.sock.sendall(b'%d:%s' % (len(data), data))
        while True:
            _, at, error, result = self._receive()
            if at == self.id:
                break
        if error:
            raise AssertionError('Firefox: %s: %s' % (command, error))
        return result

    def get(self, url):
        self.send('WebDriver:Navigate', {'url': url})

    def execute_script(self, script, *args):
        return self.send('WebDriver:ExecuteScript', {'script': script, 'args': list(args)})['value']

    def console_errors(self):
        self.log.seek(0)
        return [line.strip() for line in self.log if 'JavaScript error' in line or
                'console.error' in line]

    def quit(self):
        try:
            self.send('Marionette:Quit', {})
        except Exception:  # noqa: BLE001 -- the browser is going either way
            pass
        try:
            self.process.wait(10)
        except Exception:  # noqa: BLE001
            self.process.kill()
        self.log.close()
        shutil.rmtree(self.profile, ignore_errors=True)


def webkitgtk():
    """WebKitGTK over its WebDriver (webkit2gtk-driver), on the X display the caller provides
    (its MiniBrowser has no headless mode)."""
    options = webdriver.WebKitGTKOptions()
    options.binary_location = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser'
    options.add_argument('--automation')
    return webdriver.WebKitGTK(executable_path='/usr/bin/WebKitWebDriver', options=options)
