#!/usr/bin/python3
"""The hint in the browser's worker (printed, never asserted): headless Chromium opens the site
served from a local folder, and a worker of the page's own kind (hint-worker.js, which loads
kevolan-hint.js) is asked about every position of the shipped plans: the start and the state
after each day. Printed: positions, verdicts, and the time from the question to the answer as
the page sees it (the game played again in the worker, the search, the messages), median, 90th
percentile and worst, beside the search's own time; and how many answers differ from the
driver's (kevolan-replay's `hint` after the same commands): verdict, today's commands, days.

usage: web_hint.py --site build/web --plans tests/plans --replay build/bin/kevolan-replay
                   [--every 1] [--max-turns N]
"""
import argparse
import collections
import glob
import os
import json
import statistics
import subprocess
import sys
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


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--site', required=True)
    ap.add_argument('--plans', required=True)
    ap.add_argument('--replay', required=True, help='kevolan-replay, for the driver\'s answers')
    ap.add_argument('--every', type=int, default=1, help='ask after every Nth day')
    ap.add_argument('--max-turns', type=int, default=-1,
                    help="the search's budget in day turns (default: the page's own)")
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
        for path in sorted(glob.glob(os.path.join(args.plans, '*.txt'))):
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
