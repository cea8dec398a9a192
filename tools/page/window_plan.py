#!/usr/bin/env python3
"""The main window's plan as the build laid it out (build/window-plan.json, written by
tools/window-plan from ui/Unit1.ui and the window's table of item rows), for the browser tests:
every control's place, which label shows which field of the state, each item's labels and name.
The build names the file in KEVOLAN_WINDOW_PLAN."""

import json
import os

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
PLAN = os.environ.get('KEVOLAN_WINDOW_PLAN', os.path.join(ROOT, 'build', 'window-plan.json'))
ITEM_COLUMNS = ('Owned', 'BuildDaysLeft', 'RepairDaysLeft', 'WearDaysLeft')

_plan = None


def _read():
    global _plan
    if _plan is None:
        try:
            with open(PLAN, encoding='utf-8') as f:
                _plan = json.load(f)
        except (OSError, ValueError) as e:
            raise SystemExit('window_plan.py: cannot read the window plan %s (%s): build first'
                             % (PLAN, e))
    return _plan


def places():
    """[(name, parent, [x, y, width, height], class)] for the window and every control in it,
    parents before children."""
    return [tuple(place) for place in _read()['places']]


def window_size():
    return places()[0][2][2:]


def counters():
    """{label: the state's field it shows} for the date and the counters of no item."""
    return dict(_read()['counters'])


def items():
    """[(item, owned, creation, repair, wear label or None)] in the catalogue's order."""
    return [(row['Item'],) + tuple(row[c] for c in ITEM_COLUMNS) for row in _read()['items']]


def item_names():
    """{item: its name as the window writes it}."""
    return {row['Item']: row['Name'] for row in _read()['items']}


def middle(name):
    """(x, y) of the middle of a control, in the window's own coordinates."""
    plan = {place[0]: (place[1], place[2]) for place in places()}
    parent, (x, y, width, height) = plan[name]
    x, y = x + width // 2, y + height // 2
    while parent is not None and plan[parent][0] is not None:  # up to the window
        parent, box = plan[parent]
        x, y = x + box[0], y + box[1]
    return x, y


if __name__ == '__main__':
    # For the checks of the real window in a shell: `window_plan.py size` prints WIDTHxHEIGHT,
    # `window_plan.py middle NAME` the middle of a control as X Y.
    import sys
    if sys.argv[1:] == ['size']:
        print('%dx%d' % tuple(window_size()))
    elif len(sys.argv) == 3 and sys.argv[1] == 'middle':
        print('%d %d' % middle(sys.argv[2]))
    else:
        raise SystemExit('usage: window_plan.py size | middle NAME')
