#!/usr/bin/python3
"""The game as a screen reader meets it: start the real program with the accessibility bus,
find its window in the AT-SPI tree, and check what each control is called, its role, that the
counters read "name: value", that a day played through the accessibility actions alone
shows up in the counters' names, and that each day is announced once, after the day, as a
notification that appears with the date and only what changed (and nothing at start-up).

    read_tree.py KEVOLAN

Run inside a D-Bus session and an X display (dbus-run-session -- xvfb-run -a ...)."""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

WINDOW = 'Игра "Кеволан"'
BOXES = {
    "Какую еду съесть",
    "Как заготовить продукты",
    "Какой предмет создать",
    "Какой предмет отремонтировать",
}
OPTIONS = ["Заготовка продуктов", "Создание", "Ремонт"]

failures = []
announcements = []  # the text of every notification that appeared, in order


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find_window(pid, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None:
                continue
            try:
                if app.get_process_id() != pid:
                    continue
            except Exception:
                continue
            for j in range(app.childCount):
                window = app.getChildAtIndex(j)
                if window is not None and window.name == WINDOW:
                    return app, window
        time.sleep(0.2)
    return None, None


def pump(seconds):
    """Lets the bus's events in for a while."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(predicate, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if predicate():
            return True
        pump(0.1)
    return predicate()


def on_showing(event):
    if event.detail1 and event.source is not None and \
            event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        announcements.append(event.source.name)


def heard_after_day(expected, what):
    """The day's one announcement: exactly `expected`, once."""
    announcements.clear()
    wait_for(lambda: announcements)
    pump(0.5)  # a second announcement of the same day would come by now
    check(announcements == [expected], f"{what} is announced once as {expected!r} (heard {announcements})")


def do_action(node, name):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(name in names, f"{node.name!r} offers the action {name!r} (has {names})")
    if name in names:
        action.doAction(names.index(name))


def label_names(window):
    return {n.name for n in walk(window) if n.getRole() == pyatspi.ROLE_LABEL and showing(n)}


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # Listening from before the start, to hear anything said while the window comes up.
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    with tempfile.TemporaryDirectory() as workdir:
        game = subprocess.Popen([program], env=env, cwd=workdir)
        try:
            run_checks(game.pid)
        finally:
            game.terminate()
            game.wait(timeout=10)
    if failures:
        print(f"read_tree: {len(failures)} check(s) failed", file=sys.stderr)
        return 1
    print("read_tree: names, roles and counters read as expected")
    return 0


def run_checks(pid):
    app, window = find_window(pid)
    check(window is not None, f"the game's window {WINDOW!r} is in the accessibility tree")
    if window is None:
        return
    check(window.getRole() == pyatspi.ROLE_FRAME, "the main window is read as a frame")
    pump(0.5)
    check(not announcements, f"nothing is announced at start-up (heard {announcements})")
    nodes = list(walk(window))

    def named(role, name):
        return [n for n in nodes if n.getRole() == role and n.name == name]

    # The buttons, the check box and the options, each by what it does.
    next_day = named(pyatspi.ROLE_PUSH_BUTTON, "Следующий день")
    check(len(next_day) == 1 and showing(next_day[0]), "the next-day button is read by its name")
    game_over = named(pyatspi.ROLE_PUSH_BUTTON, "Вы не выжили")
    check(len(game_over) == 1 and not showing(game_over[0]), "the game-over button is hidden")
    eat = named(pyatspi.ROLE_CHECK_BOX, "Питание: есть сегодня")
    check(len(eat) == 1, "the eat check box is read by its name")
    for option in OPTIONS:
        found = named(pyatspi.ROLE_RADIO_BUTTON, option)
        check(len(found) == 1 and found[0].description == "Вид деятельности на сегодня",
              f"the option {option!r} is read as an activity")

    # Each choice box: its text field, which takes the focus, says which choice it holds; so
    # does the box's description.
    boxes = [n for n in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    check(len(boxes) == 4, f"four choice boxes (found {len(boxes)})")
    seen = set()
    for box in boxes:
        fields = [n for n in walk(box) if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)]
        check(len(fields) == 1, f"the box {box.description!r} has one text field")
        if fields:
            seen.add(fields[0].name)
            check(box.description.startswith(fields[0].name + ":"),
                  f"the box's description {box.description!r} names its choice")
    check(seen == BOXES, f"the boxes are read as {sorted(BOXES)} (found {sorted(seen)})")

    # Every control the player can reach with Tab has a Russian name.
    for node in nodes:
        state = node.getState()
        if not state.contains(pyatspi.STATE_FOCUSABLE) or node.getRole() in (
                pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM):
            continue
        check(re.search("[А-Яа-я]", node.name or "") is not None,
              f"the focusable {node.getRoleName()} {node.name!r} has a Russian name")

    # Counters read "name: value", and no label is a bare number.
    labels = label_names(window)
    for expected in ("Дата: 1 Января", "Месяц: Января", "Фрукты в запасе: 0", "Дней без еды: 0",
                     "Старая одежда, осталось дней действия: 30",
                     "Лодка, осталось дней на создание: 100", "У вас есть: Старая одежда"):
        check(expected in labels, f"a label reads {expected!r}")
    bare = sorted(n for n in labels if re.fullmatch(r"-?\d+", n))
    check(not bare, f"no counter is read as a bare number (found {bare})")

    # One day through the accessibility actions alone: choose gathering, press the button.
    gather = named(pyatspi.ROLE_RADIO_BUTTON, OPTIONS[0])
    if not gather or not next_day:
        return
    do_action(gather[0], "Toggle")
    check(wait_for(lambda: gather[0].getState().contains(pyatspi.STATE_CHECKED)),
          "the gathering option is checked")
    do_action(next_day[0], "Press")
    heard_after_day("2 Января. Фрукты в запасе: 3. Дней без еды: 1. "
                    "Старая одежда, осталось дней действия: 29. "
                    "Старая одежда, осталось дней на ремонт: 2. "
                    "В списке «Какую еду съесть» появилось: Фрукты", "the first day")
    for expected in ("Дата: 2 Января", "Фрукты в запасе: 3", "Дней без еды: 1",
                     "Старая одежда, осталось дней действия: 29"):
        check(wait_for(lambda: expected in label_names(window)),
              f"after the day a label reads {expected!r}")
    # A quiet day: the trip's box was cleared by the day before, so nothing is gathered; only
    # the hunger and the clothes move.
    do_action(next_day[0], "Press")
    heard_after_day("3 Января. Дней без еды: 2. Старая одежда, осталось дней действия: 28",
                    "the quiet day")


if __name__ == "__main__":
    sys.exit(main())
