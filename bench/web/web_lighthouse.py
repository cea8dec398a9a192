#!/usr/bin/python3
"""Lighthouse's four scores of the web edition (printed, never asserted): the site served on
127.0.0.1 as `make run-web` serves it, the game's page and the rules' help.html, audited with
the mobile preset (a mid-range phone, simulated slow 4G and a CPU four times slower) or the
desktop one in Debian's Chromium, headless, with no network beyond the machine. Lighthouse is
the exact version of lighthouse/package-lock.json, installed by npm into the build folder the
first time this runs.

Each score is the median of the runs; below them, every audit that did not score 1, with the
elements it names (the specified red captions on grey are expected under accessibility).

usage: web_lighthouse.py --site build/web --tools build/lighthouse [--runs 5]
                         [--preset mobile|desktop] [--page index.html --page help.html]
"""
import argparse
import filecmp
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests',
                                'web', 'browser'))
import browser  # noqa: E402

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'lighthouse')
CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo']
METRICS = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time',
           'cumulative-layout-shift', 'speed-index']


def install(tools):
    """npm ci of the locked Lighthouse into `tools`, unless the same lock is installed there."""
    cli = os.path.join(tools, 'node_modules', 'lighthouse', 'cli', 'index.js')
    lock = os.path.join(tools, 'package-lock.json')
    if os.path.isfile(cli) and os.path.isfile(lock) and \
            filecmp.cmp(lock, os.path.join(HERE, 'package-lock.json'), shallow=False):
        return cli
    os.makedirs(tools, exist_ok=True)
    for name in ('package.json', 'package-lock.json'):
        shutil.copy(os.path.join(HERE, name), tools)
    subprocess.run(['npm', 'ci', '--prefix', tools, '--no-audit', '--no-fund',
                    '--loglevel=error'], check=True)
    return cli


def audit(cli, address, out, preset):
    profile = tempfile.mkdtemp(prefix='kevolan-lighthouse-')
    try:
        flags = ' '.join(browser.CHROMIUM_FLAGS + ['--user-data-dir=' + profile])
        subprocess.run(['node', cli, address, '--quiet', '--output=json', '--output-path=' + out,
                        '--only-categories=' + ','.join(CATEGORIES),
                        '--chrome-path=/usr/bin/chromium', '--chrome-flags=' + flags] +
                       (['--preset=desktop'] if preset == 'desktop' else []),
                       check=True)
        with open(out, encoding='utf-8') as f:
            return json.load(f)
    finally:
        shutil.rmtree(profile, ignore_errors=True)


def shortfalls(report):
    """Every audit of the four categories that weighs in and scored under 1, with its elements."""
    lines = []
    for name in CATEGORIES:
        for ref in report['categories'][name]['auditRefs']:
            a = report['audits'][ref['id']]
            if ref['weight'] == 0 or a['score'] is None or a['score'] >= 1:
                continue
            items = (a.get('details') or {}).get('items') or []
            nodes = [(i.get('node') or {}).get('selector', '') for i in items]
            nodes = [n for n in nodes if n]
            lines.append('%s / %s: %s%s' % (name, ref['id'], a['score'],
                                            ' (%s)' % ', '.join(nodes[:10]) if nodes else ''))
    return lines


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--site', required=True)
    ap.add_argument('--tools', required=True, help='where npm installs Lighthouse')
    ap.add_argument('--runs', type=int, default=5)
    ap.add_argument('--preset', choices=('mobile', 'desktop'), default='mobile')
    ap.add_argument('--page', action='append',
                    help='a page of the site (default: index.html and help.html)')
    args = ap.parse_args()
    pages = args.page or ['index.html', 'help.html']
    browser.site_ok(args.site)
    cli = install(args.tools)
    version = json.load(open(os.path.join(args.tools, 'node_modules', 'lighthouse',
                                          'package.json')))['version']
    chromium = subprocess.run(['/usr/bin/chromium', '--version'], capture_output=True,
                              text=True).stdout.strip()
    print('Lighthouse %s, %s preset, %s, %d runs, load average %.1f' %
          (version, args.preset, chromium, args.runs, os.getloadavg()[0]))
    scores = {page: {name: [] for name in CATEGORIES} for page in pages}
    metrics = {page: {name: [] for name in METRICS} for page in pages}
    notes = {page: {} for page in pages}
    with browser.served(args.site) as address, tempfile.TemporaryDirectory() as folder:
        for run in range(args.runs):
            # The pages alternate, so that the machine's load weighs on each alike.
            for page in pages:
                report = audit(cli, address + ('' if page == 'index.html' else page),
                               os.path.join(folder, 'report.json'), args.preset)
                for name in CATEGORIES:
                    scores[page][name].append(report['categories'][name]['score'])
                for name in METRICS:
                    metrics[page][name].append(report['audits'][name]['numericValue'])
                for line in shortfalls(report):
                    notes[page][line.split(':')[0]] = line
                print('  run %d, %s: %s' % (run + 1, page, '  '.join(
                    '%s %.2f' % (n, scores[page][n][-1]) for n in CATEGORIES)))
    for page in pages:
        print('\n%s\n\n| category | median | runs |\n|---|---|---|' % page)
        for name in CATEGORIES:
            print('| %s | %.2f | %s |' % (name, statistics.median(scores[page][name]),
                                          ', '.join('%.2f' % s for s in scores[page][name])))
        print('\nmetrics, medians: ' + ', '.join(
            '%s %.3f' % (n, statistics.median(v)) if n == 'cumulative-layout-shift' else
            '%s %.0f ms' % (n, statistics.median(v)) for n, v in metrics[page].items()))
        print('\naudits under 1 in some run:')
        for line in sorted(notes[page].values()) or ['(none)']:
            print('  ' + line)


if __name__ == '__main__':
    main()
