#!/usr/bin/env python3
"""The main window's plan for the web page, read from the desktop window's own sources: every
control's place and size from ui/Unit1.ui, which label shows which field of the state from
TForm1's code in ui/Unit1.cpp, and each item's name from the catalogue in game/Catalogue.h.
Writes places.css and controls.js into the site; the browser tests import this module to read
the same plan."""

import json
import os
import re
import sys
import xml.etree.ElementTree as ET

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
UI = os.path.join(ROOT, 'ui', 'Unit1.ui')
CODE = os.path.join(ROOT, 'ui', 'Unit1.cpp')
CATALOGUE = os.path.join(ROOT, 'game', 'Catalogue.h')

ITEM_COLUMNS = ('Owned', 'BuildDaysLeft', 'RepairDaysLeft', 'WearDaysLeft')


class PlanError(Exception):
    pass


def places(ui=UI):
    """[(name, parent, [x, y, width, height], class)] for the window and every control in it,
    parents before children."""
    root = ET.parse(ui).getroot().find('widget')
    out = []

    def walk(widget, parent):
        rect = widget.find("property[@name='geometry']/rect")
        if rect is None:
            raise PlanError('%s: %s has no place' % (ui, widget.get('name')))
        box = [int(rect.find(k).text) for k in ('x', 'y', 'width', 'height')]
        out.append((widget.get('name'), parent, box, widget.get('class')))
        for child in widget.findall('widget'):
            walk(child, widget.get('name'))

    walk(root, None)
    return out


def window_size(ui=UI):
    return places(ui)[0][2][2:]


def counters(code=CODE):
    """{label: the state's field it shows} for the date and the counters of no item."""
    text = open(code, encoding='utf-8').read()
    found = dict(re.findall(r'(?:ShowNumber|SetCaption)\((Label\d+),[^;]*?\bs\.(\w+)', text))
    if 'Day' not in found.values() or len(found) < 3:
        raise PlanError('%s: no ShowNumber(LabelN, s.Field) calls found' % code)
    return found


def items(code=CODE):
    """[(item, owned, creation, repair, wear label or None)] in TForm1's order."""
    text = open(code, encoding='utf-8').read()
    table = re.search(r'itemLabels_ = \{\{(.*?)\}\};', text, re.S)
    if not table:
        raise PlanError('%s: the itemLabels_ table is not found' % code)
    rows = re.findall(r'\{Item::(\w+),\s*(\w+),\s*(\w+),\s*(\w+),\s*(\w+)\}', table.group(1))
    if not rows:
        raise PlanError('%s: the itemLabels_ table has no rows' % code)
    return [(row[0],) + tuple(None if n == 'nullptr' else n for n in row[1:]) for row in rows]


def item_names(catalogue=CATALOGUE):
    """{item: its name as the window writes it}, from the catalogue's item table."""
    text = re.sub(r'//[^\n]*', '', open(catalogue, encoding='utf-8').read())
    ids = re.search(r'enum class NameId\b[^{]*\{(.*?)\};', text, re.S)
    texts = re.search(r'kNameTexts\[\] = \{(.*?)\};', text, re.S)
    table = re.search(r'kItemTable\[\] = \{(.*?)\};', text, re.S)
    if not (ids and texts and table):
        raise PlanError('%s: the names or the item table are not found' % catalogue)
    ids = re.findall(r'\w+', ids.group(1))
    texts = re.findall(r'"((?:[^"\\]|\\.)*)"', texts.group(1))
    name_of = dict(zip(ids, texts))
    found = {}
    for item, name in re.findall(r'\{Item::(\w+),\s*NameId::(\w+),', table.group(1)):
        if name not in name_of:
            raise PlanError('%s: %s has no text' % (catalogue, name))
        found[item] = name_of[name]
    if not found:
        raise PlanError('%s: the item table has no rows' % catalogue)
    return found


def places_css(plan):
    lines = ['/* Written at build time from ui/Unit1.ui: every control of the main window at the',
             '   place and size the desktop gives it. Labels are as wide as their text. */']
    for name, parent, (x, y, w, h), kind in plan:
        if parent is None:
            lines.append('#%s { width: %dpx; height: %dpx; }' % (name, w, h))
        elif kind == 'QLabel' and name.startswith('Label'):
            lines.append('#%s { left: %dpx; top: %dpx; height: %dpx; }' % (name, x, y, h))
        else:
            lines.append('#%s { left: %dpx; top: %dpx; width: %dpx; height: %dpx; }' %
                         (name, x, y, w, h))
    return '\n'.join(lines) + '\n'


def controls_js(ui=UI, code=CODE, catalogue=CATALOGUE):
    names = item_names(catalogue)
    rows = items(code)
    unnamed = [row[0] for row in rows if row[0] not in names]
    if unnamed:
        raise PlanError('%s: no such item in the catalogue: %s' % (code, ', '.join(unnamed)))
    table = {
        'window': window_size(ui),
        'counters': counters(code),
        'items': [dict(zip(('Item',) + ITEM_COLUMNS, row), Name=names[row[0]]) for row in rows],
    }
    return ('// Written at build time from the main window\'s code (ui/Unit1.cpp): which label\n'
            '// shows which field of the state; the items\' names from the catalogue.\n'
            "'use strict';\nconst controls = %s;\n" %
            json.dumps(table, ensure_ascii=False, indent=1))


def main():
    if len(sys.argv) != 2:
        raise SystemExit('usage: window_plan.py SITE_FOLDER')
    site = sys.argv[1]
    try:
        css, js = places_css(places()), controls_js()
    except (PlanError, OSError, ET.ParseError) as e:
        raise SystemExit('window_plan.py: %s' % e)
    with open(os.path.join(site, 'places.css'), 'w', encoding='utf-8') as f:
        f.write(css)
    with open(os.path.join(site, 'controls.js'), 'w', encoding='utf-8') as f:
        f.write(js)


if __name__ == '__main__':
    main()
