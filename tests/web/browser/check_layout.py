"""Every control's box on the web page against the real desktop window: the desktop program
prints each control's place and size in the main window's client area, the page is measured in
a headless chromium, and each of the four numbers must agree within one pixel."""

import argparse
import json
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

# Every label shown at once, so that hidden counters are measured too; then each control's
# border box relative to the client area.
MEASURE = r'''
var form = document.getElementById('Form1');
document.querySelectorAll('#Form1 [hidden]').forEach(function (e) { e.hidden = false; });
var origin = form.getBoundingClientRect();
var out = {};
arguments[0].forEach(function (id) {
  var e = document.getElementById(id);
  if (!e) return;
  var r = e.getBoundingClientRect();
  out[id] = [r.left - origin.left, r.top - origin.top, r.width, r.height];
});
return out;
'''


# A label is as wide as its text. The desktop measures text with the font's hinted advances, each
# glyph rounded to whole pixels, the browser with the exact ones, so over a word the two may part
# by up to two pixels; the place, the height and every other control's box must agree within one.
TEXT_WIDTH_SLACK = 2


def within(name, got, want):
    slack = [1, 1, TEXT_WIDTH_SLACK if name.startswith('Label') else 1, 1]
    return all(abs(g - w) <= s for g, w, s in zip(got, want, slack))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--site', required=True)
    ap.add_argument('--desktop', required=True, help='the program that prints the window')
    args = ap.parse_args()
    browser.site_ok(args.site)
    desktop = json.loads(subprocess.run([args.desktop], capture_output=True, check=True,
                                        text=True).stdout)
    with browser.served(args.site) as address, browser.chromium() as driver:
        browser.open_page(driver, address)
        page = driver.execute_script(MEASURE, sorted(desktop))
    wrong = []
    for name, want in sorted(desktop.items()):
        got = page.get(name)
        if got is None:
            wrong.append('%s: not on the page' % name)
        elif not within(name, got, want):
            wrong.append('%s: page %s, desktop %s' %
                         (name, [round(g, 2) for g in got], want))
    print('%d controls measured' % len(desktop))
    if wrong:
        print('FAILED: boxes that differ:\n  ' + '\n  '.join(wrong))
        sys.exit(1)
    print('every box within 1 px of the desktop window (a label\'s text width within %d)' %
          TEXT_WIDTH_SLACK)


if __name__ == '__main__':
    main()
