"""Plays the shipped plans through the web page in a real browser, with real clicks, keys and
typing, and compares the page with the replay driver's state after every command, field by field.
Then: bad input (long and odd texts, rapid clicks, keys while a message box is open), the context
menu and the credits window, the hint, the end of a game, the page opened from disk, and
screenshots at 100% and 200%. Any error the page reports to the browser console fails the run."""

import argparse
import concurrent.futures
import glob
import json
import os
import subprocess
import sys
import time

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402
import touch_checks  # noqa: E402
from page_state import LONGEST, READ_PAGE, differences, window_plan  # noqa: E402

BOX_OF = {'food': 'ComboBox1', 'gather': 'ComboBox2', 'create': 'ComboBox3', 'repair': 'ComboBox4'}
ACTIVITY_OF = {'gather': 0, 'create': 1, 'repair': 2}
# Each message box is answered in turn by the button and by each key that closes it.
ANSWERS = ['click', Keys.ENTER, Keys.SPACE, Keys.ESCAPE]


class Failure(Exception):
    pass


class Replay:
    """The replay driver, asked for its state after every command of a script; and the native
    rules' state behind each message of every turn, with the day's report (`turns`)."""

    def __init__(self, program, native=None):
        self.program = program
        self.native = native

    def turns(self, commands):
        """[(the states behind the turn's messages, the day's report)] for each turn played."""
        script = ''.join(c + '\n' for c in commands).encode()
        out = subprocess.run([self.native, 'snapshots'], input=script, capture_output=True,
                             check=True).stdout.decode()
        return [(t['Snapshots'], t['Report']) for t in map(json.loads, out.splitlines())]

    def play(self, commands):
        script = ''.join(c + '\nstate\n' for c in commands)
        out = subprocess.run([self.program], input=script.encode(), capture_output=True,
                             check=True).stdout.decode().split('\n')
        results, at = [], 0
        for c in commands:
            # Every command prints at most one line of its own (a `state` exactly one), then
            # the state asked for after it.
            said = None
            if c == 'state' or not out[at].startswith('{"State"'):
                said = json.loads(out[at])
                at += 1
            results.append((said, json.loads(out[at])['State']))
            at += 1
        return results


def plan_commands(path, limit=None):
    commands = []
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\n').rstrip('\r')
            if line and not line.startswith('#'):
                commands.append(line)
    return commands[:limit] if limit else commands


class Player:
    """A player at the page: what each driver command is, done with the mouse or the keys."""

    def __init__(self, driver):
        self.driver = driver
        self.count = 0
        self.found = {}

    def el(self, element_id):
        """A control of the page; the page's own controls are looked up once per load."""
        if 'Option' in element_id:
            return self.driver.find_element(By.ID, element_id)
        if element_id not in self.found:
            self.found[element_id] = self.driver.find_element(By.ID, element_id)
        return self.found[element_id]

    def inside(self, element_id, by, what):
        key = (element_id, by, what)
        if key not in self.found:
            self.found[key] = self.el(element_id).find_element(by, what)
        return self.found[key]

    def read(self):
        return self.driver.execute_script(READ_PAGE)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def unusable(self, command, page):
        """Why the control for a refused command cannot be used, or None if it can."""
        verb, _, rest = command.partition(' ')
        if verb == 'activity':
            usable = page['radios'][ACTIVITY_OF[rest]][1]
            return None if usable else 'the activity option is disabled'
        if verb in ('type', 'pick'):
            box = page['boxes'][BOX_OF[rest.split(' ')[0]]]
            if not box['enabled']:
                return 'the box is disabled'
            if verb == 'pick':
                index = int(rest.split(' ')[1])
                if not 0 <= index < len(box['options']):
                    return 'the box has no option %d' % index
            return None
        if verb == 'next':
            return None if page['button1'] else 'the next-day button is gone'
        return None

    def do(self, command, page):
        self.count += 1
        verb, _, rest = command.partition(' ')
        if verb == 'eat':
            if page['eat'][0] != (rest == 'on'):
                if self.count % 2:
                    self.el('CheckBox1Mark').click()
                else:
                    self.inside('CheckBox1', By.TAG_NAME, 'span').click()
        elif verb == 'activity':
            self.inside('RadioGroup1Button%d' % ACTIVITY_OF[rest], By.TAG_NAME, 'input').click()
        elif verb == 'type':
            box, _, text = rest.partition(' ')
            edit = self.el(BOX_OF[box] + 'Edit')
            edit.click()
            edit.send_keys(Keys.CONTROL, 'a', Keys.NULL, text if text else Keys.DELETE)
        elif verb == 'pick':
            box, _, index = rest.partition(' ')
            box, index = BOX_OF[box], int(index)
            if self.count % 2:
                self.inside(box, By.CLASS_NAME, 'arrow').click()
                self.el('%sOption%d' % (box, index)).click()
            else:
                self.el(box + 'Edit').send_keys(Keys.F4, Keys.HOME, *([Keys.DOWN] * index),
                                                Keys.ENTER)
        elif verb == 'next':
            if self.count % 2:
                self.el('Button1').click()
            else:
                self.el('Button1').send_keys(Keys.ENTER)

    def answer_messages(self, messages, behind=None):
        """Reads each message box of the turn and closes it; returns the page after the last.
        `behind`: the state the window must show behind each box."""
        for i, text in enumerate(messages):
            page = self.read()
            shown = page['message']
            if shown is None:
                raise Failure('message %d "%s" was not shown' % (i + 1, text))
            if shown['title'] != 'kevolan' or shown['text'] != text:
                raise Failure('message %d: box "%s" / "%s", driver "%s"' %
                              (i + 1, shown['title'], shown['text'], text))
            diff = differences(page, behind[i]) if behind else []
            if diff:
                raise Failure('behind message %d "%s" the window differs:\n  %s' %
                              (i + 1, text, '\n  '.join(diff)))
            answer = ANSWERS[(self.count + i) % len(ANSWERS)]
            if answer == 'click':
                self.el('MessageOk').click()
            else:
                self.keys(answer)
        page = self.read()
        if page['message'] is not None:
            raise Failure('a message box is still open: "%s"' % page['message']['text'])
        return page


def play_plan(driver, address, replay, path, limit):
    commands = plan_commands(path, limit)
    expected = replay.play(commands)
    turns = iter(replay.turns(commands))
    browser.open_page(driver, address)
    player = Player(driver)
    page = player.read()
    for number, (command, (said, state)) in enumerate(zip(commands, expected), 1):
        where = '%s, command %d "%s"' % (os.path.basename(path), number, command[:60])
        if said is not None and 'Refused' in said:
            if player.unusable(command, page) is None:
                raise Failure('%s: the driver refused it (%s) but the page can do it' %
                              (where, said['Reason']))
        elif command != 'state':
            why = player.unusable(command, page)
            if why:
                raise Failure('%s: the driver did it but on the page %s' % (where, why))
            player.do(command, page)
        if said is not None and 'Messages' in said:
            behind, report = next(turns)
            try:
                page = player.answer_messages(said['Messages'], behind)
            except Failure as f:
                raise Failure('%s: %s' % (where, f))
            if page['said'] != report:
                raise Failure('%s: after the turn the live region says "%s", not "%s"' %
                              (where, page['said'], report))
        else:
            page = player.read()
        diff = differences(page, state)
        if diff:
            raise Failure('%s: the page differs from the driver:\n  %s' % (where, '\n  '.join(diff)))
    # The commands the page keeps, played again by the driver, come to the same game.
    kept = driver.execute_script('return rules.script()')
    diff = differences(page, replay.play(kept + ['state'])[-1][1])
    if diff:
        raise Failure('%s: the %d commands the page kept lead elsewhere:\n  %s' %
                      (os.path.basename(path), len(kept), '\n  '.join(diff)))
    return len(commands)


def check_bad_input(driver, address, replay):
    """Texts of any length and letters, rapid clicks, keys while a box is open."""
    browser.open_page(driver, address)
    p = Player(driver)
    p.el('CheckBox1Mark').click()
    long_text = ('Рыба ' + 'Ёжик \\ "кавычки" <b>&amp;</b> %s ' * 40)[:1500]
    edit = p.el('ComboBox1Edit')
    edit.click()
    edit.send_keys(long_text)
    commands = ['eat on', 'type food ' + long_text]
    compare(p, replay, commands, 'a long typed text')

    # Letters beyond what a keyboard types, and halves of a pair that are no letter at all,
    # put into the field as an input method or a paste would.
    odd = 'Дичь \U0001F41F\u200d\u05e9\u05dc\u05d5\u05dd \u0301\ufeff\u2028x'
    driver.execute_script(
        'var e=document.getElementById("ComboBox1Edit");e.focus();e.value=arguments[0];'
        'e.dispatchEvent(new InputEvent("input",{bubbles:true}));', odd)
    commands.append('type food ' + odd)
    compare(p, replay, commands, 'an odd typed text')
    driver.execute_script(
        'var e=document.getElementById("ComboBox1Edit");e.value="a\\ud800b\\udc00";'
        'e.dispatchEvent(new InputEvent("input",{bubbles:true}));')
    commands.append('type food a\ufffdb\ufffd')
    compare(p, replay, commands, 'a text with broken surrogate pairs')
    # A text of millions of letters, as a paste brings it: more than the module's stack holds.
    huge = 'Ж' * 3000000 + ' Рыба'
    driver.execute_script(
        'var e=document.getElementById("ComboBox1Edit");e.value=arguments[0];'
        'e.dispatchEvent(new InputEvent("input",{bubbles:true}));', huge)
    commands.append('type food ' + huge)
    compare(p, replay, commands, 'a text of three million letters')
    p.el('ComboBox1Edit').send_keys(Keys.CONTROL, 'a', Keys.NULL, 'Рыба')
    commands.append('type food Рыба')
    compare(p, replay, commands, 'a text typed over another')

    # Rapid clicks: the check box seven times, the activities round and round.
    chain = ActionChains(driver)
    mark = p.el('CheckBox1Mark')
    for _ in range(7):
        chain.click(mark)
    radios = driver.find_elements(By.CSS_SELECTOR, '#RadioGroup1 input')
    for r in radios + radios[:2]:
        chain.click(r)
    arrow = p.el('ComboBox3').find_element(By.CLASS_NAME, 'arrow')
    for _ in range(5):
        chain.click(arrow)
    chain.perform()
    commands += ['eat off', 'activity gather', 'activity create', 'activity repair',
                 'activity gather', 'activity create']
    compare(p, replay, commands, 'rapid clicks')

    # The next-day button clicked over and over: each click is a day until a message box
    # opens, and then the clicks fall on nothing.
    turns = replay.play(commands + ['next'] * 12)[len(commands):]
    first_message = next(i for i, (said, _) in enumerate(turns) if said['Messages'])
    chain = ActionChains(driver)
    button1 = p.el('Button1')
    for _ in range(first_message + 4):
        chain.click(button1)
    chain.perform()
    page = p.read()
    if page['message'] is None:
        raise Failure('rapid clicks on the next-day button: no message box opened')
    if page['message']['text'] != turns[first_message][0]['Messages'][0]:
        raise Failure('rapid clicks: box "%s"' % page['message']['text'])
    # The box in the window's own 11 px, as the desktop's.
    sizes = driver.execute_script(
        'return ["MessageText", "MessageOk"].map(function (id) {'
        '  return getComputedStyle(document.getElementById(id)).fontSize; })')
    if sizes != ['11px', '11px']:
        raise Failure('the message box\'s text and button are in %s, not 11px' % sizes)

    # Keys and clicks while the box is open change nothing behind it.
    before = page
    p.keys(Keys.TAB, 'x', Keys.ALT + Keys.DOWN, Keys.F4, Keys.SHIFT + Keys.F10, Keys.TAB,
           Keys.TAB)
    ActionChains(driver).move_to_element_with_offset(p.el('Form1'), -200, -200).click() \
        .context_click().perform()
    page = p.read()
    if page != before:
        raise Failure('keys while a message box was open changed the page:\n  %s' %
                      '\n  '.join('%s: %s -> %s' % (k, before[k], page[k])
                                  for k in page if page[k] != before.get(k)))
    if driver.execute_script('return !document.getElementById("PopupMenu1").hidden'):
        raise Failure('the context menu opened while a message box was open')
    # A click on the window leaves the keyboard with the box's button: Enter answers it.
    ActionChains(driver).click(p.el('Label37')).perform()
    focus = driver.execute_script('return document.activeElement.id')
    if focus != 'MessageOk':
        raise Failure('a click beside an open message box moved the focus to "%s"' % focus)
    p.count = 1  # the first box is answered with Enter
    p.answer_messages(turns[first_message][0]['Messages'])
    commands += ['next'] * (first_message + 1)
    compare(p, replay, commands, 'rapid next-day clicks')
    return commands


def compare(player, replay, commands, what):
    state = replay.play(commands)[-1][1]
    diff = differences(player.read(), state)
    if diff:
        raise Failure('%s: the page differs from the driver:\n  %s' % (what, '\n  '.join(diff)))


def check_game_over(driver, address, replay, commands):
    """After the last turn: no next-day button, the focus not on the game-over button, and keys
    pressed again do not end the page; the game-over button ends it, a new game starts anew."""
    p = Player(driver)
    page = p.read()
    if not page['gameover'] or page['button1']:
        # Play on without food to the end.
        while not p.read()['gameover']:
            said = replay.play(commands + ['next'])[-1][0]
            p.el('Button1').click()
            commands.append('next')
            p.answer_messages(said['Messages'])
    focus = driver.execute_script(
        'var e = document.activeElement, d = e.getAttribute("aria-describedby");'
        'return [e.id, d && document.getElementById(d).textContent]')
    if focus != ['Form1', 'Игра окончена']:
        raise Failure('after the last message the focus is on %s, not the window told the game '
                      'is over' % focus)
    # The keyboard's menu opens at the focused window's corner, or below a focused control (as
    # near as the screen allows: the window scaled to the browser's leaves no room below its
    # foot, and the menu is moved up to stand on the screen's edge).
    for control, corner in (('Form1', 'top'), ('Button2', 'bottom')):
        driver.execute_script('document.getElementById(arguments[0]).focus()', control)
        ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.F10).key_up(Keys.SHIFT).perform()
        at = driver.execute_script(
            'var m = document.getElementById("PopupMenu1").getBoundingClientRect(),'
            ' c = document.getElementById(arguments[0]).getBoundingClientRect();'
            'return [m.left - c.left, m.bottom >= innerHeight - 1 && m.top < c.' + corner +
            ' ? 0 : m.top - c.' + corner + ']', control)
        if any(abs(d) > 1 for d in at):
            raise Failure('after the game the keyboard menu on %s opened %s px off its %s-left '
                          'corner' % (control, [round(d) for d in at], corner))
        p.keys(Keys.ESCAPE)
    driver.execute_script('document.getElementById("Form1").focus()')
    p.keys(Keys.ENTER, Keys.SPACE)
    if not driver.execute_script('return !document.getElementById("Window").hidden'):
        raise Failure('Enter and Space after the game ended closed the game')
    compare(p, replay, commands, 'the ended game')
    p.el('Button2').click()
    shown = driver.execute_script(
        'return [!document.getElementById("Window").hidden, !document.getElementById("Ended").hidden]')
    if shown != [False, True]:
        raise Failure('the game-over button left the window %s' % shown)
    p.el('NewGame').click()
    end = time.time() + 10
    while time.time() < end:
        try:
            if driver.execute_script('return document.documentElement.dataset.ready') == 'true':
                break
        except WebDriverException:
            pass
        time.sleep(0.05)
    compare(p, replay, ['state'], 'a new game')


def check_menu_and_credits(driver, address, replay):
    browser.open_page(driver, address)
    p = Player(driver)
    js_shown = 'return !document.getElementById(arguments[0]).hidden'
    # A right click anywhere on the window opens the menu, on a disabled box too; Escape shuts it.
    for control in ('Form1', 'ComboBox3Edit', 'Image2', 'RadioGroup1Button2', 'Button1',
                    'GroupBox8', 'Label37'):
        ActionChains(driver).context_click(p.el(control)).perform()
        if not driver.execute_script(js_shown, 'PopupMenu1'):
            raise Failure('a right click on %s did not open the menu' % control)
        if control != 'Label37':
            p.keys(Keys.ESCAPE)
            if driver.execute_script(js_shown, 'PopupMenu1'):
                raise Failure('Escape did not shut the menu')
    items = driver.execute_script(
        'return Array.from(document.querySelectorAll("#PopupMenu1 [role=menuitem]"), function (e) {'
        '  return [e.textContent, getComputedStyle(e).fontSize]; })')
    if items != [['Help', '11px'], ['About', '11px'], ['Подсказка', '11px']]:
        raise Failure('the menu holds %s' % items)
    p.el('About1').click()
    if not driver.execute_script(js_shown, 'Form2') or p.el('Form2Caption').text != 'Form2':
        raise Failure('"About" did not show the credits window "Form2"')
    # The rolling lines are no live region; the window's description says the credits once.
    heard = driver.execute_script(
        'var c = document.getElementById("ZelCredits1"), f = document.getElementById("Form2");'
        'var live = []; for (var e = c; e; e = e.parentElement) {'
        '  if (e.getAttribute("aria-live") || /^(log|status|alert|marquee|timer)$/.test('
        '      e.getAttribute("role"))) live.push(e.id); }'
        'return [live, c.getAttribute("aria-hidden"),'
        ' document.getElementById(f.getAttribute("aria-describedby")).textContent]')
    if heard != [[], 'true', 'Составил: Команда игры «Кеволан». Игра "Кеволан"']:
        raise Failure('the credits as a screen reader has them: %s' % heard)
    lines = driver.execute_script(
        'return Array.from(document.querySelectorAll("#ZelCredits1 div")).map(d => d.textContent)')
    credits = ['', '', 'Составил', 'Команда игры «Кеволан»', '', 'Игра "Кеволан"']
    if not any(lines == credits[i:] + credits[:i] for i in range(6)):
        raise Failure('the credits read %s' % lines)
    time.sleep(0.45)
    later = driver.execute_script(
        'return Array.from(document.querySelectorAll("#ZelCredits1 div")).map(d => d.textContent)')
    if later == lines or later[-1] not in credits:
        raise Failure('the credits did not roll: %s then %s' % (lines, later))
    p.el('Form2Close').click()
    if driver.execute_script(js_shown, 'Form2'):
        raise Failure('the close box did not hide the credits window')
    # From the keyboard: Shift+F10 on the focused control, then Down and Enter: "About" again.
    p.el('Button1').send_keys(Keys.SHIFT, Keys.F10, Keys.NULL)
    if not driver.execute_script(js_shown, 'PopupMenu1'):
        raise Failure('Shift+F10 did not open the menu')
    p.keys(Keys.DOWN, Keys.ENTER)
    if not driver.execute_script(js_shown, 'Form2'):
        raise Failure('"About" from the keyboard did not show the credits window again')
    if len(driver.find_elements(By.ID, 'Form2')) != 1:
        raise Failure('a second credits window')
    # "Help" opens the rules as a page of their own.
    handles = set(driver.window_handles)
    ActionChains(driver).context_click(p.el('GroupBox5')).perform()
    p.el('Help1').click()
    end = time.time() + 5
    while set(driver.window_handles) == handles and time.time() < end:
        time.sleep(0.05)
    opened = set(driver.window_handles) - handles
    if not opened:
        raise Failure('"Help" opened no page')
    main = driver.current_window_handle
    driver.switch_to.window(opened.pop())
    end = time.time() + 5
    while not driver.current_url.endswith('help.html') and time.time() < end:
        time.sleep(0.05)
    if not driver.current_url.endswith('help.html'):
        raise Failure('"Help" opened %s' % driver.current_url)
    driver.close()
    driver.switch_to.window(main)
    check_list_keys(driver, address, replay)


HINT_UNKNOWN = ('Не удалось вовремя понять, можно ли ещё спастись: вариантов слишком много. '
                'Спросите снова после следующего дня.')
HINT_NO_DWELLING = ('Спастись с острова уже нельзя: что бы вы ни делали, вы не успеете построить '
                    'жилище и замёрзнете не позже 1 Февраля, через 5 дней.')
HINT_STALE = 'Пока шёл поиск подсказки, прошёл день, и она устарела. Спросите снова.'
# The review after six days without food: the sixth day lost it, as it was played.
REVIEW_STARVED = ('Игра была проиграна 6 Января: это последний день, с которого ещё можно было '
                  'спастись.\nВ тот день вы выбрали:\n– «Питание» не отмечено;\n– занятие не '
                  'выбрано.\nСпасло бы то, что советовала в тот день подсказка:\n– ')
HINT_NEEDS_SERVER = ('Подсказке нужна страница, открытая с веб-сервера (например, make run-web): '
                     'у страницы, открытой прямо с диска, браузер не даёт подсказке думать в '
                     'стороне от игры.')
# Stands in for the hint's worker: it keeps every question and answers when the test says.
FAKE_WORKER = """
window.hintQuestions = [];
window.Worker = class {
  constructor(url) { window.hintWorker = this; this.url = url; }
  postMessage(question) { window.hintQuestions.push(question); }
  terminate() { window.hintTerminated = true; }
};
"""


def hint_answer(driver, p, what, timeout=30):
    """Waits for the hint's box, checks it is the game's box, closes it; returns its text."""
    end = time.time() + timeout
    page = p.read()
    while page['message'] is None and time.time() < end:
        time.sleep(0.05)
        page = p.read()
    if page['message'] is None:
        raise Failure('%s: no box came' % what)
    if page['message']['title'] != 'kevolan':
        raise Failure('%s: the box is titled "%s"' % (what, page['message']['title']))
    p.el('MessageOk').click()
    if p.read()['message'] is not None:
        raise Failure('%s: OK did not close the box' % what)
    return page['message']['text']


def check_hint(driver, address, replay, plans):
    """«Подсказка» from the menu and on F2: the worker's answer for a won, a lost and an
    undecided position; one question at a time, the page usable meanwhile, a day played meanwhile
    makes the answer stale; the game is never changed by it."""
    browser.open_page(driver, address)
    p = Player(driver)
    ActionChains(driver).context_click(p.el('Label37')).perform()
    p.el('Hint1').click()
    text = hint_answer(driver, p, 'the hint on the first day')
    if not text.startswith('Спастись с острова ещё можно. Сегодня:\n– '):
        raise Failure('the hint on the first day reads "%s"' % text)
    compare(p, replay, ['state'], 'after the hint on the first day')
    # Five days before the plan's death for want of a dwelling it can no longer be escaped: the
    # death that comes, and when; with no time to think, undecided.
    plan = os.path.join(plans, 'no-dwelling-in-february.txt')
    play_plan(driver, address, replay, plan, 72)
    p = Player(driver)
    p.el('Button1').send_keys(Keys.F2)
    text = hint_answer(driver, p, 'the hint five days before the death')
    if text != HINT_NO_DWELLING:
        raise Failure('the hint five days before the death reads "%s"' % text)
    driver.execute_script('hint.setBudget(1)')
    p.el('Button1').send_keys(Keys.F2)
    text = hint_answer(driver, p, 'the undecided hint')
    if text != HINT_UNKNOWN:
        raise Failure('the undecided hint reads "%s"' % text)
    compare(p, replay, plan_commands(plan, 72), 'after the hints')

    # One question at a time, asked with the commands played so far; the page plays on.
    browser.open_page(driver, address)
    p = Player(driver)
    driver.execute_script(FAKE_WORKER)
    p.el('CheckBox1Mark').click()
    p.el('Button1').send_keys(Keys.F2)
    if driver.execute_script('return document.documentElement.dataset.hint') != 'thinking':
        raise Failure('F2 did not start the hint')
    p.inside('RadioGroup1Button1', By.TAG_NAME, 'input').click()
    ActionChains(driver).context_click(p.el('Label37')).perform()
    p.el('Hint1').click()
    p.el('Button1').send_keys(Keys.F2)
    questions = driver.execute_script('return window.hintQuestions')
    if len(questions) != 1 or questions[0]['script'] != ['eat on']:
        raise Failure('the worker was asked %s' % questions)
    if driver.execute_script('return window.hintWorker.url') != 'hint-worker.js':
        raise Failure('the hint started %s' % driver.execute_script('return window.hintWorker.url'))
    compare(p, replay, ['eat on', 'activity create'], 'while the hint thinks')
    driver.execute_script('window.hintWorker.onmessage({data: {Text: "Ответ"}})')
    if hint_answer(driver, p, 'the held answer') != 'Ответ':
        raise Failure('the held answer was not shown as given')
    # A day played while the search thinks leaves its answer behind.
    p.el('Button1').send_keys(Keys.F2)
    p.el('Button1').click()
    driver.execute_script('window.hintWorker.onmessage({data: {Text: "Ответ"}})')
    if hint_answer(driver, p, 'the stale answer') != HINT_STALE:
        raise Failure('an answer about a day gone by was shown as it came')
    questions = driver.execute_script('return window.hintQuestions')
    if len(questions) != 2 or questions[1]['script'] != ['eat on', 'activity create']:
        raise Failure('the worker was asked %s' % questions)
    compare(p, replay, ['eat on', 'activity create', 'next'], 'after the hints')
    check_review(driver, address, replay, plans)


def without_time(review):
    return {k: v for k, v in (review or {}).items() if k != 'Milliseconds'}


def check_review(driver, address, replay, plans):
    """After the end «Подсказка» reviews the game, on the menu and on F2, as the driver's
    `review` does; a reload after the end brings the game back, and the same review with it."""
    plan = os.path.join(plans, 'died-of-hunger.txt')
    commands = plan_commands(plan)
    play_plan(driver, address, replay, plan, None)
    p = Player(driver)
    ActionChains(driver).context_click(p.el('Label37')).perform()
    p.el('Hint1').click()
    text = hint_answer(driver, p, 'the review after the end')
    if not text.startswith(REVIEW_STARVED):
        raise Failure('the review after the end reads "%s"' % text)
    out = subprocess.run([replay.program], input=''.join(c + '\n' for c in commands + ['review']),
                         text=True, capture_output=True, check=True).stdout
    native = json.loads(out.strip().splitlines()[-1])['Review']
    worker = driver.execute_script('return hint.answer.Review')
    if without_time(worker) != without_time(native):
        raise Failure('the page reviews the game as %s, the driver as %s' % (worker, native))
    browser.open_page(driver, address, keep=True)
    p = Player(driver)
    p.el('Button2').send_keys(Keys.F2)
    if hint_answer(driver, p, 'the review after a reload') != text:
        raise Failure('after a reload the review reads otherwise')
    compare(p, replay, commands, 'after the reviews')


def check_tab_order(driver, address):
    """Tab from the next-day button visits the usable controls in the desktop's order; the
    activity group is one stop, at the chosen option."""
    browser.open_page(driver, address)
    p = Player(driver)
    p.el('CheckBox1Mark').click()
    p.inside('RadioGroup1Button1', By.TAG_NAME, 'input').click()
    driver.execute_script('document.getElementById("Button1").focus()')
    visited = []
    for _ in range(5):
        visited.append(driver.execute_script(
            'var e = document.activeElement; return e.id || e.closest("[id]").id'))
        p.keys(Keys.TAB)
    want = ['Button1', 'CheckBox1Mark', 'ComboBox1Edit', 'RadioGroup1Button1', 'ComboBox3Edit']
    if visited != want:
        raise Failure('Tab visits %s, not %s' % (visited, want))
    return p


def check_list_keys(driver, address, replay):
    """Alt+Down opens a box's list, the arrows walk it, Enter picks; a closed box steps with the
    arrows; Escape closes the list and picks nothing."""
    p = check_tab_order(driver, address)
    p.el('ComboBox3Edit').click()
    ActionChains(driver).key_down(Keys.ALT).send_keys(Keys.DOWN).key_up(Keys.ALT).perform()
    if driver.execute_script('return document.getElementById("ComboBox3List").hidden'):
        raise Failure('Alt+Down did not open the list')
    p.keys(Keys.DOWN, Keys.ENTER)
    compare(p, replay, ['eat on', 'activity create', 'pick create 1'], 'Alt+Down, Down, Enter')
    p.keys(Keys.DOWN, Keys.DOWN, Keys.UP)
    compare(p, replay, ['eat on', 'activity create', 'pick create 2'], 'arrows in a closed box')
    p.keys(Keys.F4, Keys.END, Keys.ESCAPE)
    compare(p, replay, ['eat on', 'activity create', 'pick create 2'], 'F4, End, Escape')


# Where an open list stands: wholly on the screen, and each row the topmost thing at its middle.
# Noted as the mouse presses a row of it.
NOTE_LIST_SEEN = r'''
window.picked = [];
input.act = function (line) { picked.push(line); };
document.addEventListener('mousedown', function (e) {
  var list = e.target.closest('.list');
  if (!list) return;
  var r = list.getBoundingClientRect(), seen;
  if (r.top < 0 || r.left < 0 || r.bottom > innerHeight + 0.5 || r.right > innerWidth + 0.5) {
    seen = 'cut off: ' + JSON.stringify(r) + ' in ' + innerWidth + 'x' + innerHeight;
  } else {
    seen = r.top >= list.parentNode.getBoundingClientRect().bottom - 0.5 ? 'below' : 'above';
    for (var i = 0; i < list.children.length; ++i) {
      var b = list.children[i].getBoundingClientRect();
      var top = document.elementFromPoint(b.left + b.width / 2, b.top + b.height / 2);
      if (top !== list.children[i]) seen = 'row ' + i + ' is covered by ' + (top && top.id);
    }
  }
  picked.push(seen);
}, true);
// Each list made as long as a list gets; a pick is noted rather than played.
var s = rules.state();
for (var key in s.Boxes) {
  s.Boxes[key].Enabled = true;
  s.Boxes[key].Options = arguments[0];
}
view.show(s);
'''


def check_longest_lists(driver, address, scale):
    """Every box's list at its longest, opened by a real click on its arrow with the box at the
    screen's foot: each row is on the screen and takes a real click. Returns where they opened."""
    opened = set()
    browser.open_page(driver, address)
    p = Player(driver)
    driver.execute_script(NOTE_LIST_SEEN, LONGEST)
    for word, box in BOX_OF.items():
        driver.execute_script(
            'document.getElementById(arguments[0]).scrollIntoView({block: "end"})', box)
        for row in range(len(LONGEST)):
            ActionChains(driver, duration=0).click(p.inside(box, By.CLASS_NAME, "arrow")) \
                .click(p.el('%sOption%d' % (box, row))).perform()
            seen, picked = driver.execute_script('return picked.splice(0)')
            if seen not in ('below', 'above'):
                raise Failure('at %d%% the list of %s: %s' % (scale * 100, box, seen))
            opened.add(seen)
            if picked != 'pick %s %d' % (word, row):
                raise Failure('at %d%% a click on row %d of %s gave %s' %
                              (scale * 100, row, box, picked))
    return opened


def key_event(driver, kind, key, code, repeat=False):
    """A key as the keyboard sends it, with its auto-repeat flag."""
    event = {'type': kind, 'key': key, 'code': code, 'autoRepeat': repeat,
             'windowsVirtualKeyCode': {'Enter': 13, ' ': 32}[key]}
    if kind == 'keyDown':
        event['text'] = event['unmodifiedText'] = {'Enter': '\r', ' ': ' '}[key]
    driver.execute_cdp_cmd('Input.dispatchKeyEvent', event)


def check_held_keys_and_report(driver, address, replay):
    """Enter or Space held on the next-day button runs one day, and a held key does not skip a
    message box unread. The polite live region says nothing at start-up, then after each turn,
    once its boxes are closed, the new date and what changed."""
    browser.open_page(driver, address)
    p = Player(driver)

    def said():
        return driver.execute_script('return document.getElementById("Announce").textContent')

    if said():
        raise Failure('the page announced "%s" at start-up' % said())
    commands = []
    for key, code in (('Enter', 'Enter'), (' ', 'Space')):
        driver.execute_script('document.getElementById("Button1").focus()')
        key_event(driver, 'keyDown', key, code)
        for _ in range(3):
            key_event(driver, 'keyDown', key, code, repeat=True)
        key_event(driver, 'keyUp', key, code)
        commands.append('next')
        compare(p, replay, commands, 'Button1 with %s held' % code)
    if said() != QUIET_DAY:
        raise Failure('after a day without messages the live region says "%s"' % said())
    # Days on until one brings a message: the box is read, and the day told, after it.
    while True:
        messages = replay.play(commands + ['next'])[-1][0]['Messages']
        before = said()
        p.el('Button1').click()
        commands.append('next')
        if messages:
            break
    if said() != before:
        raise Failure('the live region spoke while a message box was open: "%s"' % said())
    key_event(driver, 'keyDown', 'Enter', 'Enter')
    key_event(driver, 'keyDown', 'Enter', 'Enter', repeat=True)
    key_event(driver, 'keyUp', 'Enter', 'Enter')
    page = p.read()
    if len(messages) > 1 and (page['message'] or {}).get('text') != messages[1]:
        raise Failure('a held Enter skipped a message box: %s' % page['message'])
    p.answer_messages(messages[1:])
    compare(p, replay, commands, 'the days to the first message')
    if said() != MESSAGE_DAY:
        raise Failure('after a day with messages the live region says "%s"' % said())


def check_without_script(driver, address):
    """Without JavaScript the page says so, in Russian, and no control pretends to work."""
    driver.execute_cdp_cmd('Emulation.setScriptExecutionDisabled', {'value': True})
    try:
        driver.get(address)
        shown = driver.execute_script  # scripts of WebDriver itself still run
        state = shown('var n = document.getElementById("NoScript");'
                      'return [n && n.getClientRects().length > 0 && n.textContent,'
                      ' Array.from(document.querySelectorAll("#Form1 input"))'
                      '   .filter(function (e) { return !e.disabled; }).map(function (e) {'
                      '     return e.id || e.value; })]')
    finally:
        driver.execute_cdp_cmd('Emulation.setScriptExecutionDisabled', {'value': False})
    if not state[0] or not state[0].startswith('Для игры нужен JavaScript'):
        raise Failure('without JavaScript the page says %s' % state[0])
    if state[1]:
        raise Failure('without JavaScript these controls still work: %s' % state[1])


def screenshots(site, address, shots, audit):
    """The page at 100% and 200%: at start, and mid-game with a message box and the credits.
    At 100% the page is audited at start, with a list, the menu and a message box open, and the
    help page after it."""
    os.makedirs(shots, exist_ok=True)
    errors = []
    for scale in (1, 2):
        with browser.chromium(scale=scale, width=760, height=700) as driver:
            look = (lambda what: audit(driver, 'desktop, ' + what)) if scale == 1 else \
                (lambda what: None)
            browser.open_page(driver, address)
            time.sleep(0.2)  # the web font is in, the pictures are decoded
            driver.save_screenshot(os.path.join(shots, 'start-%dx.png' % scale))
            look('at start')
            p = Player(driver)
            p.el('CheckBox1Mark').click()
            p.el('RadioGroup1Button1').find_element(By.TAG_NAME, 'input').click()
            p.el('ComboBox3Edit').send_keys(Keys.F4, Keys.DOWN, Keys.DOWN)
            look('a list open')
            p.el('ComboBox3Edit').send_keys(Keys.ENTER)
            p.el('CheckBox1Mark').click()
            ActionChains(driver).context_click(p.el('Label56')).perform()
            look('the menu open')
            p.el('About1').click()
            for _ in range(8):
                p.el('Button1').click()
                if p.read()['message']:
                    break
            driver.save_screenshot(os.path.join(shots, 'message-%dx.png' % scale))
            look('a message box open')
            # The rules the menu's "Help" opens, audited as the game is.
            driver.get(address + 'help.html')
            look('help.html')
            errors += browser.console_errors(driver)
    return errors


class Audit:
    """axe-core run on the page at the moments the checks name; every finding is kept, and the
    run fails at its end if any was made (but the specified red captions' contrast)."""

    def __init__(self, axe_path):
        with open(axe_path, encoding='utf-8') as f:
            self.source = f.read()
        self.found = []
        self.count = 0

    def __call__(self, driver, where):
        self.count += 1
        self.found += ['%s: %s' % (where, v) for v in browser.axe_violations(driver, self.source)]


# What the live region says after the first two days of a game, and after the first day that
# brings a message box (the new date, then only what changed).
QUIET_DAY = '3 Января. Дней без еды: 2. Старая одежда, осталось дней действия: 28'
MESSAGE_DAY = "7 Января. Дней без еды: 6. Старая одежда, осталось дней действия: 24"

STRICT_POLICY = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'"

# Each control's border box in the window's client area, in the window's own pixels (the page
# scales the window to the browser's).
PLACES = r'''
var origin = document.getElementById('Form1').getBoundingClientRect();
var scale = fit.scale;
var out = {};
arguments[0].forEach(function (id) {
  var r = document.getElementById(id).getBoundingClientRect();
  out[id] = [(r.left - origin.left) / scale, (r.top - origin.top) / scale, r.width / scale,
             r.height / scale];
});
return out;
'''


def check_strict_policy(site, replay, failed):
    """The site served with a strict content security policy, which refuses any style or script
    written into a page: the controls still stand at the window's places and a day is played;
    the help page keeps its style. Under a policy that refuses WebAssembly the page says the
    game could not start. Returns what the browser reported under the strict policy."""
    plan = {name: (parent, box) for name, parent, box, _ in window_plan.places()}

    def in_window(name):
        parent, (x, y, w, h) = plan[name]
        while parent and parent != 'Form1':
            x, y = x + plan[parent][1][0], y + plan[parent][1][1]
            parent = plan[parent][0]
        return [x, y, w, h]

    names = ['Form1', 'Button1', 'GroupBox6', 'ComboBox4', 'Panel3', 'Label45', 'CheckBox1']
    with browser.served(site, policy=STRICT_POLICY, failed=failed) as address, \
            browser.chromium() as driver:
        browser.open_page(driver, address)
        got = driver.execute_script(PLACES, names)
        for name in names:
            want = in_window(name)
            if name == 'Form1':
                want[:2] = [0, 0]
            measured = len(want) if not name.startswith('Label') else 2
            if any(abs(g - w) > 1 for g, w in list(zip(got[name], want))[:measured]):
                raise Failure('under a strict policy %s stands at %s, not %s' %
                              (name, [round(g) for g in got[name]], want))
        Player(driver).el('Button1').click()
        compare(Player(driver), replay, ['next'], 'a day under a strict policy')
        driver.get(address + 'help.html')
        size = driver.execute_script('return getComputedStyle(document.body).fontSize')
        if size != '16px':
            raise Failure('under a strict policy the help page lost its style (%s)' % size)
        errors = browser.console_errors(driver)
    # A policy that refuses WebAssembly: the page says the game could not start.
    with browser.served(site, policy="default-src 'self'", failed=failed) as address, \
            browser.chromium() as driver:
        driver.get(address)
        end = time.time() + 20
        while time.time() < end and driver.execute_script(
                'return document.documentElement.dataset.ready') != 'failed':
            time.sleep(0.05)
        told = driver.execute_script(
            'var e = document.getElementById("NotStarted");'
            'return e.getClientRects().length > 0 && e.textContent')
        if not told or not told.startswith('Игра не запустилась'):
            raise Failure('with WebAssembly refused the page says %s' % told)
    return errors


def allowed(error, site):
    # A screen of twice the pixels asks for the pictures drawn at twice the size; they are
    # optional, and the page falls back to the plain ones when they are not there.
    return '@2x.jpg' in error and not glob.glob(os.path.join(site, 'pictures', '*@2x.jpg'))


def touch(args, address, replay, audit):
    """The touch layout on a phone both ways and a tablet; the game kept across reloads and
    tabs; offline, and a new build taken at the next start; the manifest. Each in a browser
    profile of its own."""
    errors = []
    plans = {name: plan_commands(os.path.join(args.plans, name + '.txt'))
             for name in ('example', 'died-of-hunger', 'won-by-boat')}
    read = None
    with browser.chromium() as driver:
        read = Player(driver).read
        for device in browser.DEVICES:
            # The phone upright is audited at start, with the menu, a list and a message open.
            look = (lambda what: audit(driver, what)) if device == 'phone-portrait' else \
                (lambda what: None)
            browser.emulate(driver, device)
            browser.open_page(driver, address)
            time.sleep(0.2)
            driver.save_screenshot(os.path.join(args.shots, 'touch-%s.png' % device))
            look(device + ', at start')
            name, w, h, text = touch_checks.check_sizes(driver, device)
            print('  %-16s smallest target %dx%d (%s), text %g px' % (device, w, h, name[:30],
                                                                      text))
            touch_checks.menu_by_touch(driver, args.shots, device, look)
            touch_checks.list_by_touch(driver, args.shots, device, look)
        touch_checks.check_menu_when_turned(driver, address)
        touch_checks.check_focus_below_bar(driver, address)
        browser.emulate(driver, 'phone-portrait')
        touch_checks.play_by_taps(driver, address, replay, plans['example'], read)
        touch_checks.end_by_taps(driver, address, replay, plans['died-of-hunger'], read)
        # A message box on the phone.
        browser.open_page(driver, address)
        for _ in range(8):
            browser.tap(driver, 'Button1')
            if read()['message']:
                break
        driver.save_screenshot(os.path.join(args.shots, 'touch-phone-portrait-message.png'))
        audit(driver, 'phone-portrait, a message box open')
        driver.get(address + 'help.html')
        audit(driver, 'phone-portrait, help.html')
        errors += browser.console_errors(driver)
        touch_checks.check_two_tabs(driver, address, replay, read)
        errors += browser.console_errors(driver)
    with browser.chromium() as driver:
        touch_checks.check_kept_games(driver, address, replay, Player(driver).read, plans)
        errors += [e for e in browser.console_errors(driver) if 'SecurityError' not in e]
    with browser.chromium() as driver:
        touch_checks.check_offline(driver, args.site, replay, Player(driver).read)
        # The server is gone: what the browser could not fetch is no fault of the page.
        browser.console_errors(driver)
    with browser.chromium() as driver:
        touch_checks.check_update(driver, args.site)
        errors += browser.console_errors(driver)
    touch_checks.check_manifest(args.site)
    return errors


def plan_limit(args, path):
    """How many of a plan's commands the page plays: the shortest victory is played to its end,
    as it must win on the page too."""
    whole = os.path.basename(path).startswith('shortest-victory')
    return None if whole else args.limit or None


def play_plans(args, address, replay, paths):
    """The given plans through the page, in a browser of its own; returns the errors reported."""
    errors = []
    with browser.chromium() as driver:
        for path in paths:
            t = time.time()
            n = play_plan(driver, address, replay, path, plan_limit(args, path))
            print('%-32s %4d commands  %5.1f s' % (os.path.basename(path), n, time.time() - t))
            errors += browser.console_errors(driver)
    return errors


def two_shares(args):
    """The plans in two shares of about as many commands each, the longest dealt first."""
    played = {path: len(plan_commands(path, plan_limit(args, path)))
              for path in glob.glob(os.path.join(args.plans, '*.txt'))}
    shares, sizes = [[], []], [0, 0]
    for path in sorted(played, key=lambda p: (-played[p], p)):
        smaller = sizes.index(min(sizes))
        shares[smaller].append(path)
        sizes[smaller] += played[path]
    return shares


def other_checks(args, address, replay, audit, failed):
    """Bad input, the menu and credits, held keys, the hint, the page from disk, screenshots,
    the longest lists, phones and tablets, a strict policy; returns the errors reported."""
    errors = []
    with browser.chromium() as driver:
        t = time.time()
        commands = check_bad_input(driver, address, replay)
        check_game_over(driver, address, replay, commands)
        errors += browser.console_errors(driver)
        check_menu_and_credits(driver, address, replay)
        errors += browser.console_errors(driver)
        check_held_keys_and_report(driver, address, replay)
        check_without_script(driver, address)
        check_hint(driver, address, replay, args.plans)
        errors += browser.console_errors(driver)
        # The same page opened from disk, as a player may open index.html.
        browser.open_page(driver, 'file://' + os.path.abspath(os.path.join(args.site, 'index.html')))
        Player(driver).el('Button1').click()
        compare(Player(driver), replay, ['next'], 'the page opened from disk')
        # From disk the browser starts no worker: the hint says what it needs instead.
        Player(driver).el('Button1').send_keys(Keys.F2)
        if hint_answer(driver, Player(driver), 'the hint from disk') != HINT_NEEDS_SERVER:
            raise Failure('the hint from disk did not say it needs the page served')
        compare(Player(driver), replay, ['next'], 'the hint from disk')
        errors += browser.console_errors(driver)
        print('%-32s %5.1f s' % ('bad input, menu, credits, disk', time.time() - t))
        t = time.time()
        errors += screenshots(args.site, address, args.shots, audit)
        print('%-32s %5.1f s  (%s)' % ('screenshots', time.time() - t, args.shots))
        t = time.time()
        opened = check_longest_lists(driver, address, 1)
        with browser.chromium(scale=2) as magnified:
            opened |= check_longest_lists(magnified, address, 2)
            errors += browser.console_errors(magnified)
        if opened != {'below', 'above'}:
            raise Failure('the lists opened only %s' % opened)
        print('%-32s %5.1f s' % ('the longest lists, 100%, 200%', time.time() - t))
        t = time.time()
        errors += touch(args, address, replay, audit)
        print('%-32s %5.1f s' % ('phones and tablets', time.time() - t))
    t = time.time()
    errors += check_strict_policy(args.site, replay, failed)
    print('%-32s %5.1f s' % ('a strict security policy', time.time() - t))
    return errors


def audited(audit):
    if audit.found:
        raise Failure('axe-core found, in %d audits:\n  %s' % (audit.count,
                                                              '\n  '.join(audit.found)))
    print('axe-core: %d audits, desktop and phone, no finding but the specified red captions'
          % audit.count)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--site', required=True)
    ap.add_argument('--replay', required=True)
    ap.add_argument('--native', required=True,
                    help='web_rules_check: the states behind the messages, the day\'s report')
    ap.add_argument('--plans', required=True)
    ap.add_argument('--axe', help='axe-core\'s axe.min.js, put into the page to audit it')
    ap.add_argument('--shots', required=True)
    ap.add_argument('--limit', type=int, default=0,
                    help='play at most this many commands of each plan (0: all)')
    ap.add_argument('--engines', action='store_true',
                    help='only the page in Firefox ESR and WebKitGTK (needs an X display)')
    ap.add_argument('--touch-only', action='store_true',
                    help='only the phones, tablets, kept games, offline and manifest checks')
    args = ap.parse_args()
    browser.site_ok(args.site)
    replay = Replay(args.replay, args.native)
    if args.engines:
        with browser.served(args.site) as address:
            firefox = browser.Marionette()
            try:
                touch_checks.check_engine(
                    'Firefox ESR', firefox, address, replay, lambda d: d.execute_script(READ_PAGE),
                    lambda: [e for e in firefox.console_errors() if address in e])
            finally:
                firefox.quit()
            webkit = browser.webkitgtk()
            try:
                touch_checks.check_engine(
                    'WebKitGTK', webkit, address, replay, lambda d: d.execute_script(READ_PAGE),
                    lambda: [])
            finally:
                webkit.quit()
        print('Firefox ESR and WebKitGTK passed')
        return
    if args.touch_only:
        os.makedirs(args.shots, exist_ok=True)
        with browser.served(args.site) as address:
            audit = Audit(args.axe)
            errors = [e for e in touch(args, address, replay, audit) if not allowed(e, args.site)]
        if errors:
            raise Failure('the page reported errors:\n  ' + '\n  '.join(errors))
        audited(audit)
        print('touch checks passed')
        return
    started = time.time()
    failed = []  # requests the site could not answer
    audit = Audit(args.axe)
    # Three browsers at once: two share the plans, the third runs every other check. A lane
    # spends most of its time waiting for its browser's answers, so together they take little
    # more than the longest (a fourth lane would find both cores busy).
    with browser.served(args.site, failed=failed) as address, \
            concurrent.futures.ThreadPoolExecutor(3) as pool:
        lanes = [pool.submit(play_plans, args, address, replay, share)
                 for share in two_shares(args)]
        lanes.append(pool.submit(other_checks, args, address, replay, audit, failed))
        errors = [e for lane in lanes for e in lane.result()]
    if failed:
        raise Failure('the pages asked for files the site lacks:\n  ' + '\n  '.join(failed))
    errors = [e for e in errors if not allowed(e, args.site)]
    if errors:
        raise Failure('the page reported errors:\n  ' + '\n  '.join(errors))
    audited(audit)
    print('all passed in %.1f s' % (time.time() - started))


if __name__ == '__main__':
    try:
        main()
    except (Failure, touch_checks.Failure) as f:
        print('FAILED: %s' % f)
        sys.exit(1)
