"""The page's layout. Every control's box against the real desktop window: the desktop program
prints each control's place and size in the main window's client area, the page is measured in
a headless chromium at 1:1 and scaled to fill a large screen, and each of the four numbers must
agree within one of the window's pixels. Then the page at every size, touch and mouse
(every_size.py), and under a finger: swipes from the edges and a touch monkey on a tablet never
take the tab off the game."""

import argparse
import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import every_size  # noqa: E402
import touch_checks  # noqa: E402

# Every label shown at once, so that hidden counters are measured too; then each control's
# border box relative to the client area, in the window's own pixels.
MEASURE = r'''
var form = document.getElementById('Form1');
document.querySelectorAll('#Form1 [hidden]').forEach(function (e) { e.hidden = false; });
var origin = form.getBoundingClientRect();
var scale = fit.scale;
var out = {};
arguments[0].forEach(function (id) {
  var e = document.getElementById(id);
  if (!e) return;
  var r = e.getBoundingClientRect();
  out[id] = [(r.left - origin.left) / scale, (r.top - origin.top) / scale, r.width / scale,
             r.height / scale];
});
return [out, scale, innerWidth - origin.right - origin.left, innerHeight - origin.bottom - origin.top];
'''


# A label is as wide as its text. The desktop measures text with the font's hinted advances, each
# glyph rounded to whole pixels, the browser with the exact ones, so over a word the two may part
# by up to two pixels; the place, the height and every other control's box must agree within one.
# Scaled, the page's letters are drawn at another size than the desktop's hinted ones, so a word
# may part by a pixel more.
TEXT_WIDTH_SLACK = 2


def within(name, got, want, scaled):
    slack = [1, 1, TEXT_WIDTH_SLACK + scaled if name.startswith('Label') else 1, 1]
    return all(abs(g - w) <= s for g, w, s in zip(got, want, slack))


def check_window(driver, address, desktop):
    """The window measured where it fits at 1:1 and on a 1920x1080 screen, where it is scaled to
    fill the height and stands in the middle: every box where the desktop puts it."""
    wrong = []
    for w, h, scaled in ((564, 516, False), (1920, 1080, True)):
        every_size.emulate(driver, 'mouse', w, h)
        browser.open_page(driver, address)
        page, scale, off_x, off_y = driver.execute_script(MEASURE, sorted(desktop))
        if (scale > 1) != scaled or abs(off_x) > 1 or abs(off_y) > 1:
            wrong.append('at %dx%d the window is scaled %g and %g px right, %g px down of the '
                         'middle' % (w, h, scale, off_x / 2, off_y / 2))
        for name, want in sorted(desktop.items()):
            got = page.get(name)
            if got is None:
                wrong.append('%s: not on the page' % name)
            elif not within(name, got, want, scaled):
                wrong.append('at %dx%d, scaled %g, %s: page %s, desktop %s' %
                             (w, h, scale, name, [round(g, 2) for g in got], want))
    return wrong


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--site', required=True)
    ap.add_argument('--desktop', help='the program that prints the window (none: not compared)')
    ap.add_argument('--shots', help='a folder for a screenshot at each size of the sweep')
    args = ap.parse_args()
    browser.site_ok(args.site)
    desktop = json.loads(subprocess.run([args.desktop], capture_output=True, check=True,
                                        text=True).stdout) if args.desktop else {}
    shots = None
    if args.shots:
        os.makedirs(args.shots, exist_ok=True)

        def shots(driver, kind, w, h):
            driver.save_screenshot(os.path.join(args.shots, '%s-%dx%d.png' % (kind, w, h)))
    failed = []
    with browser.served(args.site) as address, browser.chromium() as driver:
        if desktop:
            wrong = check_window(driver, address, desktop)
            print('%d controls measured at 1:1 and scaled' % len(desktop))
            if wrong:
                failed.append('boxes that differ:\n  ' + '\n  '.join(wrong))
            else:
                print('every box within 1 px of the desktop window (a label\'s text width within '
                      '%d, scaled %d)' % (TEXT_WIDTH_SLACK, TEXT_WIDTH_SLACK + 1))
        t = time.time()
        try:
            done = every_size.check_every_size(driver, address, shots)
            print('%d window sizes, touch and mouse, measured in %.1f s' % (done, time.time() - t))
        except every_size.Failure as f:
            failed.append('the page at every size: %s' % f)
        t = time.time()
        try:
            touch_checks.check_swipes(driver, address)
            events, reloads = touch_checks.touch_monkey(driver, address)
            print('swipes and %d touch events on a tablet (%d new games) kept the tab on the '
                  'game, %.1f s' % (events, reloads, time.time() - t))
        except touch_checks.Failure as f:
            failed.append(str(f))
        errors = browser.console_errors(driver)
        if errors:
            failed.append('the page reported errors:\n  ' + '\n  '.join(errors))
    if failed:
        print('FAILED: ' + '\nFAILED: '.join(failed))
        sys.exit(1)


if __name__ == '__main__':
    main()
