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
