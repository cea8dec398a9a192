#!/usr/bin/python3
"""Lighthouse's four scores of the web edition (printed, never asserted): the site served on
127.0.0.1 as `make run-web` serves it, audited with the mobile preset (a mid-range phone,
simulated slow 4G and a CPU four times slower) in Debian's Chromium, headless, with no network
beyond the machine. Lighthouse is the exact version of lighthouse/package-lock.json, installed by
npm into the build folder the first time this runs.

Each score is the median of the runs; below them, every audit that did not score 1, with the
elements it names (the specified red captions on grey are expected under accessibility).

usage: web_lighthouse.py --site build/web --tools build/lighthouse [--runs 5]
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


def audit(cli, address, out):
    profile = tempfile.mkdtemp(prefix='kevolan-lighthouse-')
    try:
        flags = ' '.join(browser.CHROMIUM_FLAGS + ['--user-data-dir=' + profile])
        subprocess.run(['node', cli, address, '--quiet', '--output=json', '--output-path=' + out,
                        '--only-categories=' + ','.join(CATEGORIES),
                        '--chrome-path=/usr/bin/chromium', '--chrome-flags=' + flags],
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
    args = ap.parse_args()
    browser.site_ok(args.site)
    cli = install(args.tools)
    version = json.load(open(os.path.join(args.tools, 'node_modules', 'lighthouse',
                                          'package.json')))['version']
    chromium = subprocess.run(['/usr/bin/chromium', '--version'], capture_output=True,
                              text=True).stdout.strip()
    print('Lighthouse %s, mobile preset, %s, %d runs, load average %.1f' %
          (version, chromium, args.runs, os.getloadavg()[0]))
    scores = {name: [] for name in CATEGORIES}
    metrics = {name: [] for name in METRICS}
    notes = {}
    with browser.served(args.site) as address, tempfile.TemporaryDirectory() as folder:
        for run in range(args.runs):
            report = audit(cli, address, os.path.join(folder, 'report-%d.json' % run))
            for name in CATEGORIES:
                scores[name].append(report['categories'][name]['score'])
            for name in METRICS:
                metrics[name].append(report['audits'][name]['numericValue'])
            for line in shortfalls(report):
                notes[line.split(':')[0]] = line
            print('  run %d: %s' % (run + 1, '  '.join('%s %.2f' % (n, scores[n][-1])
                                                      for n in CATEGORIES)))
    print('\n| category | median | runs |\n|---|---|---|')
    for name in CATEGORIES:
        print('| %s | %.2f | %s |' % (name, statistics.median(scores[name]),
                                      ', '.join('%.2f' % s for s in scores[name])))
    print('\nmetrics, medians: ' + ', '.join(
        '%s %.0f%s' % (n, statistics.median(v), '' if n == 'cumulative-layout-shift' else ' ms')
        if n != 'cumulative-layout-shift' else '%s %.3f' % (n, statistics.median(v))
        for n, v in metrics.items()))
    print('\naudits under 1 in some run:')
    for line in sorted(notes.values()) or ['(none)']:
        print('  ' + line)


if __name__ == '__main__':
    main()
