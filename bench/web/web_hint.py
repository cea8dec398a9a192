#!/usr/bin/python3
"""The hint in the browser's worker (printed, never asserted): headless Chromium opens the site
served from a local folder, and a worker of the page's own kind (hint-worker.js, which loads
kevolan-hint.js) is asked about every position of the shipped plans: the start and the state
after each day. Printed: positions, verdicts, and the time from the question to the answer as
the page sees it (the game played again in the worker, the search, the messages), median, 90th
percentile and worst, beside the search's own time; and how many answers differ from the
driver's (kevolan-replay's `hint` after the same commands): verdict, today's commands, days.

With --review-games, the review after the end too: the worker asked once each game is over, for
every plan that ends and for the long games the native review bench writes (a lost game of 365
days, a victory in 206 days); printed, the browser's CPU time while the worker reviews (its
processes' own, not the wall clock) and the worker's wall time, and whether the worker's review
differs from the driver's `review` after the same commands in anything but its time.

usage: web_hint.py --site build/web --plans tests/plans --replay build/bin/kevolan-replay
                   [--every 1] [--max-turns N] [--review-games build/bin/bench_review_figures]
"""
import argparse
import collections
import glob
import os
import json
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'tests',
                                'web', 'browser'))
import browser  # noqa: E402

ASK = """
const [script, maxTurns, done] = arguments;
if (!window.benchWorker) window.benchWorker = new Worker('hint-worker.js');
const started = performance.now();
window.benchWorker.onmessage = (e) => done({answer: e.data, ms: performance.now() - started});
window.benchWorker.onerror = (e) => done({error: String(e.message)});
window.benchWorker.postMessage({script, maxTurns});
"""


def positions(path, every):
    """The plan's commands up to the start and up to each day played."""
    with open(path, encoding='utf-8') as f:
        commands = [line.rstrip('\r\n') for line in f]
    commands = [c for c in commands if c and not c.startswith('#')]
    found = [[]]
    days = 0
    for i, command in enumerate(commands):
        if command == 'next':
            days += 1
            if days % every == 0:
                found.append(commands[:i + 1])
    return found


def driver_hint(replay, script):
    """The driver's answer to `hint` after the commands."""
    out = subprocess.run([replay], input='\n'.join(script + ['hint']) + '\n', text=True,
                         capture_output=True, check=True).stdout
    return json.loads(out.strip().splitlines()[-1])['Hint']


def driver_review(replay, script):
    """The driver's answer to `review` after the commands, or None when the game goes on."""
    out = subprocess.run([replay], input='\n'.join(script + ['review']) + '\n', text=True,
                         capture_output=True, check=True).stdout
    return json.loads(out.strip().splitlines()[-1]).get('Review')


def browser_cpu_seconds(driver):
    """CPU time the browser's processes have used so far (user and system, all threads)."""
    parents, times = {}, {}
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open('/proc/%s/stat' % entry) as f:
                fields = f.read().rsplit(')', 1)[1].split()
        except OSError:
            continue
        parents[int(entry)] = int(fields[1])
        times[int(entry)] = int(fields[11]) + int(fields[12])
    root = driver.service.process.pid
    total = 0
    for pid, ticks in times.items():
        up = pid
        while up in parents and up != root and up > 1:
            up = parents[up]
        if up == root:
            total += ticks
    return total / os.sysconf('SC_CLK_TCK')


def review_games(args, driver, budget):
    """Each finished game reviewed by the worker and by the driver."""
    with tempfile.TemporaryDirectory() as scripts:
        subprocess.run([args.review_games, '--scripts', scripts], check=True)
        paths = sorted(glob.glob(os.path.join(scripts, '*.txt')))
        paths += sorted(glob.glob(os.path.join(args.plans, '*.txt')))
        games = []
        for path in paths:
            with open(path, encoding='utf-8') as f:
                script = [line.rstrip('\r\n') for line in f]
            games.append((os.path.basename(path),
                          [c for c in script if c and not c.startswith('#')]))
    print('review after the end in the browser\'s worker, budget %s day turns' % (
        budget or "the search's own"))
    differ = []
    driver.execute_async_script(ASK, [], budget)  # the worker started and its module compiled
    for name, script in games:
        native = driver_review(args.replay, script)
        if native is None:
            continue
        before = browser_cpu_seconds(driver)
        said = driver.execute_async_script(ASK, script, budget)
        cpu = browser_cpu_seconds(driver) - before
        if 'error' in said:
            raise SystemExit('%s: the worker failed: %s' % (name, said['error']))
        review = said['answer'].get('Review')
        if review is None:
            raise SystemExit('%s: the worker answered no review: %s' % (name, said['answer']))
        same = {k: v for k, v in review.items() if k != 'Milliseconds'} == {
            k: v for k, v in native.items() if k != 'Milliseconds'}
        if not same:
            differ.append(name)
        print('  %-28s %3d days, %-16s browser CPU %7.0f ms, worker wall %7.0f ms, %7d day '
              'turns (driver: %.0f ms)%s' % (
                  name, review['Days'], review['Outcome'], 1000 * cpu,
                  said['answer']['Milliseconds'], review['Turns'], native['Milliseconds'],
                  '' if same else ' DIFFERS'))
    print('  reviews that differ from the driver\'s: %d%s' % (
        len(differ), (' (' + ', '.join(differ) + ')') if differ else ''))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--site', required=True)
    ap.add_argument('--plans', required=True)
    ap.add_argument('--replay', required=True, help='kevolan-replay, for the driver\'s answers')
    ap.add_argument('--every', type=int, default=1, help='ask after every Nth day')
    ap.add_argument('--max-turns', type=int, default=-1,
                    help="the search's budget in day turns (default: the page's own)")
    ap.add_argument('--review-games', help='bench_review_figures, to write the long games; '
                    'reviews the finished games too')
    ap.add_argument('--review-only', action='store_true', help='skip the hints')
    args = ap.parse_args()
    round_trips, searches, verdicts = [], [], collections.Counter()
    differ = []
    worst = (0, '')
    started = time.time()
    with browser.served(args.site) as address, browser.chromium() as driver:
        driver.set_script_timeout(120)
        browser.open_page(driver, address)
        budget = args.max_turns if args.max_turns >= 0 else driver.execute_script(
            'return hint.budget')
        if args.review_games:
            review_games(args, driver, budget)
        for path in ([] if args.review_only else sorted(glob.glob(os.path.join(args.plans,
                                                                                '*.txt')))):
            name = os.path.basename(path)
            for script in positions(path, max(1, args.every)):
                said = driver.execute_async_script(ASK, script, budget)
                if 'error' in said:
                    raise SystemExit('%s, %d commands: the worker failed: %s' %
                                     (name, len(script), said['error']))
                answer = said['answer']
                verdicts[answer['Verdict']] += 1
                if args.max_turns < 0:
                    native = driver_hint(args.replay, script)
                    won = answer['Verdict'] == 'win' and answer['DaysToVictory'] > 0
                    if (native['Verdict'], native['Move'] or [], native['DaysToVictory'],
                            native['Proven'], native['ShortestAtLeast']) != (
                            answer['Verdict'], answer['Commands'],
                            answer['DaysToVictory'] if answer['DaysToVictory'] >= 0 else None,
                            answer['Proven'] if won else None,
                            answer['ShortestAtLeast'] if won and answer['ShortestAtLeast'] > 0
                            else None):
                        differ.append('%s after %d commands' % (name, len(script)))
                round_trips.append(said['ms'])
                searches.append(said['answer']['Milliseconds'])
                if said['ms'] > worst[0]:
                    worst = (said['ms'], '%s after %d commands' % (name, len(script)))
    n = len(round_trips)
    if n == 0:
        return
    round_trips.sort()
    print('hint in the browser\'s worker: %d positions of %s, budget %s day turns' % (
        n, args.plans, budget or "the search's own"))
    print('  verdicts: %s; unknown %.1f%%' % (
        ', '.join('%s %d' % kv for kv in sorted(verdicts.items())),
        100.0 * verdicts['unknown'] / max(1, n)))
    print('  question to answer: median %.1f ms, 90%% %.1f ms, worst %.1f ms (%s)' % (
        statistics.median(round_trips), round_trips[int(0.9 * (n - 1))], worst[0], worst[1]))
    print('  the search alone: median %.1f ms, worst %.1f ms' % (
        statistics.median(searches), max(searches)))
    if args.max_turns < 0:
        print('  answers that differ from the driver\'s: %d%s' % (
            len(differ), (' (' + ', '.join(differ[:5]) + ')') if differ else ''))
    print('  (%.1f s in all)' % (time.time() - started))


if __name__ == '__main__':
    main()
