"""The page on phones and tablets, with real touch events: the touch layout's sizes, every control
reached by taps, the menu by its button and by a long press, a box's list without the keyboard,
a plan played by taps; the game kept across reloads, refused stored games, two tabs; offline;
a new build taken at the next start; the manifest. Used by play_plans.py."""

import json
import os
import random
import shutil
import struct
import tempfile
import time
import urllib.request

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser
from page_state import differences

# Every visible control a finger uses, and every visible text: the sizes the layout must keep.
MEASURE = r'''
var seen = function (e) { var r = e.getBoundingClientRect(); return r.width > 0 && r.height > 0 &&
  getComputedStyle(e).visibility !== 'hidden'; };
var targets = [];
document.querySelectorAll('#Form1 button, .check, .radio, .combo input, .combo .arrow, ' +
                          '.combo .list li, .menu [role=menuitem], #Form2Close, .box button')
  .forEach(function (e) {
    if (!seen(e)) return;
    var r = e.getBoundingClientRect();
    targets.push([e.id || e.className || e.textContent, Math.round(r.width), Math.round(r.height)]);
  });
var small = [], sizes = [];
var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
for (var n = walker.nextNode(); n; n = walker.nextNode()) {
  var e = n.parentElement;
  if (!n.textContent.trim() || !seen(e) || e.closest('.unseen')) continue;
  var size = parseFloat(getComputedStyle(e).fontSize);
  sizes.push(size);
  if (size < arguments[0]) small.push([e.id || e.className, n.textContent.trim(), size]);
}
var b = document.getElementById('Button1').getBoundingClientRect();
var d = document.getElementById('Label57').getBoundingClientRect();
var lowest = 0;
document.querySelectorAll('#Form1 > *').forEach(function (e) {
  if (seen(e)) lowest = Math.max(lowest, e.getBoundingClientRect().bottom + scrollY);
});
return {targets: targets, small: small, smallest: Math.min.apply(null, sizes),
        wide: document.documentElement.scrollWidth, width: innerWidth, height: innerHeight,
        tall: document.documentElement.scrollHeight, lowest: lowest,
        swipe: getComputedStyle(document.documentElement).overscrollBehaviorX,
        reach: [b.top >= 0 && b.bottom <= innerHeight, d.top >= 0 && d.bottom <= innerHeight]};
'''

ACTIVITY_OF = {'gather': 0, 'create': 1, 'repair': 2}
BOX_OF = {'food': 'ComboBox1', 'gather': 'ComboBox2', 'create': 'ComboBox3', 'repair': 'ComboBox4'}


class Failure(Exception):
    pass


def js(driver, script, *args):
    return driver.execute_script(script, *args)


def shown(driver, element_id):
    return js(driver, 'var e = document.getElementById(arguments[0]);'
                      'return !!e && e.getClientRects().length > 0', element_id)


def check_sizes(driver, device):
    """No sideways scroll, no text under 14 px (20 on a tablet), no target under 44 by 44 (48),
    the date and the next-day button on screen wherever the page is scrolled; a tablet's window
    fills its screen, unscrolled; no swipe from the screen's edge leaves the game."""
    tablet = device in browser.TABLETS
    least_text, least_target = (20, 48) if tablet else (14, 44)
    smallest = None
    for where in ('top', 'bottom'):
        js(driver, 'window.scrollTo(0, %s)' % ('0' if where == 'top' else
                                                'document.body.scrollHeight'))
        m = js(driver, MEASURE, least_text)
        if m['wide'] > m['width']:
            raise Failure('%s: the page is %d px wide on a %d px screen' %
                          (device, m['wide'], m['width']))
        if m['small']:
            raise Failure('%s: texts under %d px: %s' % (device, least_text, m['small'][:5]))
        if not all(m['reach']):
            raise Failure('%s: scrolled to the %s, the date or the next-day button is off screen'
                          % (device, where))
        if m['swipe'] != 'none':
            raise Failure('%s: a sideways swipe may leave the game (overscroll-behavior-x: %s)'
                          % (device, m['swipe']))
        if tablet and not (0.9 * m['height'] <= m['lowest'] and m['tall'] <= m['height']):
            raise Failure('%s: the window reaches %d px down a %d px screen, the page is %d px '
                          'tall' % (device, m['lowest'], m['height'], m['tall']))
        for name, w, h in m['targets']:
            if smallest is None or min(w, h) < min(smallest[1:]):
                smallest = (name, w, h)
    if min(smallest[1:]) < least_target:
        raise Failure('%s: the target %s is %dx%d' % ((device,) + smallest))
    js(driver, 'window.scrollTo(0, 0)')
    return smallest + (m['smallest'],)


def menu_by_touch(driver, shots, device, audit):
    """The menu button opens the menu, "About" the credits; a long press opens it too."""
    browser.tap(driver, 'MenuButton')
    items = [e.text for e in driver.find_elements(By.CSS_SELECTOR,
                                                   '#PopupMenu1 [role=menuitem]')]
    if not shown(driver, 'PopupMenu1') or not {'Help', 'About'} <= set(items):
        raise Failure('%s: the menu button opened %s' % (device, items))
    driver.save_screenshot(os.path.join(shots, 'touch-%s-menu.png' % device))
    audit(device + ', the menu open')
    browser.tap(driver, 'About1')
    if not shown(driver, 'Form2'):
        raise Failure('%s: "About" by touch did not show the credits' % device)
    r = js(driver, 'return document.getElementById("Form2").getBoundingClientRect().toJSON()')
    if r['left'] < 0 or r['right'] > js(driver, 'return innerWidth'):
        raise Failure('%s: the credits window does not fit the screen: %s' % (device, r))
    driver.save_screenshot(os.path.join(shots, 'touch-%s-credits.png' % device))
    browser.tap(driver, 'Form2Close')
    if shown(driver, 'Form2'):
        raise Failure('%s: the close box did not hide the credits' % device)
    # A long press on a frame; the finger lifted opens nothing under it.
    browser.tap(driver, 'GroupBox1', hold=0.8)
    if not shown(driver, 'PopupMenu1'):
        raise Failure('%s: a long press did not open the menu' % device)
    handles = set(driver.window_handles)
    browser.tap(driver, 'Help1')
    end = time.time() + 5
    while set(driver.window_handles) == handles and time.time() < end:
        time.sleep(0.05)
    opened = set(driver.window_handles) - handles
    if not opened:
        raise Failure('%s: "Help" by touch opened nothing' % device)
    main = driver.current_window_handle
    driver.switch_to.window(opened.pop())
    driver.close()
    driver.switch_to.window(main)


# Where each row of an open list stands: on the screen below the bar, the topmost thing at its
# middle, and wholly inside its list with nothing of the list scrolled away.
ROWS_SEEN = r'''
var list = document.getElementById(arguments[0] + 'List');
var bar = parseFloat(getComputedStyle(document.documentElement).scrollPaddingTop) || 0;
var l = list.getBoundingClientRect(), out = [];
Array.prototype.forEach.call(list.children, function (li, i) {
  var r = li.getBoundingClientRect();
  var top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
  if (r.top < Math.max(bar, l.top) - 0.5 || r.bottom > Math.min(innerHeight, l.bottom) + 0.5 ||
      top !== li) out.push(li.textContent + ' at ' + Math.round(r.top) + '-' +
                           Math.round(r.bottom) + ' under ' + (top && (top.id || top.tagName)));
});
if (list.scrollHeight > list.clientHeight) out.push('the list scrolls by ' +
                                                    (list.scrollHeight - list.clientHeight));
return out;
'''


def list_by_touch(driver, shots, device, audit):
    """A tap on the arrow opens the list with no text field in focus, every row on the screen;
    a tap on a row picks it and leaves the text field alone; a tap on the text then lets the
    player type, and opens no menu."""
    browser.tap(driver, 'CheckBox1')
    browser.tap(driver, 'RadioGroup1Button1')
    browser.tap(driver, 'ComboBox3', hold=0)  # the box's middle is its text
    if js(driver, 'return document.activeElement.id') != 'ComboBox3Edit':
        raise Failure('%s: a tap on the text did not let the player type' % device)
    js(driver, 'document.activeElement.blur()')
    tap_arrow(driver, 'ComboBox3')
    state = js(driver, 'return [!document.getElementById("ComboBox3List").hidden,'
                       ' document.activeElement.tagName]')
    if state != [True, 'BODY']:
        raise Failure('%s: a tap on the arrow gave list open, focus = %s' % (device, state))
    rows = js(driver, 'return Array.from(document.querySelectorAll("#ComboBox3List li"))'
                      '.map(function (li) { return li.getBoundingClientRect().height; })')
    if min(rows) < 44:
        raise Failure('%s: list rows %s px high' % (device, rows))
    hidden = js(driver, ROWS_SEEN, 'ComboBox3')
    if hidden:
        raise Failure('%s: rows of the open list are not wholly seen: %s' % (device, hidden))
    driver.save_screenshot(os.path.join(shots, 'touch-%s-list.png' % device))
    audit(device + ', a list open')
    js(driver, 'window.editFocused = 0; document.getElementById("ComboBox3Edit")'
               '.addEventListener("focus", function () { ++editFocused; })')
    browser.tap(driver, 'ComboBox3Option2')
    state = js(driver, 'var e = document.getElementById("ComboBox3Edit");'
                       'return [e.value, document.activeElement.tagName, editFocused,'
                       ' e.selectionEnd - e.selectionStart]')
    if state[1:] != ['BODY', 0, 0] or not state[0]:
        raise Failure('%s: a tapped row left text, focus, times focused, letters selected = %s'
                      % (device, state))
    # The text tapped after the pick, then a pick from the list while the field is focused:
    # the text is still not selected, and a tap on it opens no menu.
    for row in ('', 'ComboBox3Option1'):
        if row:
            tap_arrow(driver, 'ComboBox3')
            browser.tap(driver, row)
        browser.tap(driver, 'ComboBox3Edit')
        state = js(driver, 'var e = document.activeElement; return [e.id,'
                           ' !document.getElementById("PopupMenu1").hidden,'
                           ' e.selectionEnd - e.selectionStart]')
        if state != ['ComboBox3Edit', False, 0]:
            raise Failure('%s: a tap on the text after a pick%s gave focus, menu open, letters '
                          'selected = %s' % (device, ' in the focused field' if row else '',
                                             state))
    js(driver, 'document.activeElement.blur()')


def check_focus_below_bar(driver, address):
    """On a small phone scrolled to its foot, Shift+Tab from the menu button back through every
    control: each one the keyboard reaches is wholly on the screen, none behind the bar."""
    browser.emulate(driver, 'phone-portrait', size=(360, 640))
    browser.open_page(driver, address)
    js(driver, 'document.getElementById("CheckBox1Mark").click();'
               'document.querySelector("#RadioGroup1Button2 input").click();'
               'window.scrollTo(0, document.body.scrollHeight);'
               'document.getElementById("MenuButton").focus()')
    bar = js(driver, 'return parseFloat(getComputedStyle(document.documentElement)'
                     '.scrollPaddingTop) || 56')
    for _ in range(8):
        ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        at = js(driver, 'var e = document.activeElement, r = e.getBoundingClientRect();'
                        'return [e.id || e.closest("[id]").id, r.top, r.bottom, innerHeight]')
        if at[0] == 'Button1':
            break  # the first control, in the bar itself
        if at[1] < bar - 0.5 or at[2] > at[3] + 0.5:
            raise Failure('Shift+Tab on a small phone: %s at y %d-%d, under the %d px bar or off '
                          'the %d px screen' % (at[0], at[1], at[2], bar, at[3]))


def between_pages(driver, address):
    """The page opened with a page of the site both behind it and ahead of it in the tab's
    history, as a back or a forward swipe would find it."""
    driver.get(address + 'help.html')
    browser.open_page(driver, address, keep=True)
    driver.get(address + 'help.html')
    driver.back()
    end = time.time() + 10
    while js(driver, 'return document.documentElement.dataset.ready') != 'true':
        if time.time() > end:
            raise Failure('the page never became ready on going back to it')
        time.sleep(0.02)


def swipe(start, end, steps=12):
    (x0, y0), (x1, y1) = start, end
    return [[(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps)]
            for i in range(steps + 1)] + [[]]


def check_swipes(driver, address):
    """On a phone and a tablet, a swipe from either edge and across the middle, either way, and
    a pull down from the top: the tab stays on the game, neither going back or forward nor
    reloading. Leaves the tablet's page with a page behind and ahead of it."""
    for device in ('phone-portrait', 'tablet'):
        browser.emulate(driver, device)
        between_pages(driver, address)
        w, h = js(driver, 'return [innerWidth, innerHeight]')
        gestures = [swipe((1, h / 2), (w * 0.8, h / 2)), swipe((w / 3, h / 2), (w - 1, h / 2)),
                    swipe((w - 1, h / 2), (w * 0.2, h / 2)), swipe((w * 2 / 3, h / 2), (1, h / 2)),
                    swipe((w / 2, 80), (w / 2, h - 1))]
        _, left = browser.touches(driver, gestures, watch=0.5)
        if left:
            raise Failure('%s: a swipe took the tab to %s' % (device, left))


def touch_monkey(driver, address, events=2000, seed=27):
    """Random taps, long and short swipes from anywhere (the edges often), pulls and two-finger
    pinches on a tablet, `events` touch events in all, on the page check_swipes left: the tab
    never leaves the game (a new game after an ended one reloads it, which is no leaving).
    Returns the events the page took (a reload drops those still on their way) and the new
    games started."""
    rng = random.Random(seed)
    w, h = js(driver, 'return [innerWidth, innerHeight]')
    main = driver.current_window_handle
    # Half the taps fall on a control (or where a message box's button stands), so that days
    # are played, lists opened, boxes answered and the menu used.
    controls = js(driver, 'return Array.from(document.querySelectorAll("#Form1 button, .check,'
                          ' .radio, .combo .arrow, .combo input")).map(function (e) {'
                          ' var r = e.getBoundingClientRect();'
                          ' return [r.left + r.width / 2, r.top + r.height / 2]; })')
    controls.append((w / 2, h / 2 + 40))

    def point(edge=False):
        x = rng.choice((rng.uniform(0, 6), rng.uniform(w - 6, w - 0.5))) if edge else \
            rng.uniform(0, w - 0.5)
        return x, rng.uniform(0, h - 0.5)

    gestures, count = [], 0
    while count < events:
        kind = rng.random()
        if kind < 0.55:
            x, y = rng.choice(controls) if rng.random() < 0.5 else point()
            gesture = [[(x + rng.uniform(-8, 8), y + rng.uniform(-8, 8))], []]
        elif kind < 0.9:
            gesture = swipe(point(edge=rng.random() < 0.4), point(), steps=rng.randint(3, 12))
        else:
            (a, b), (c, d) = point(), point()
            gesture = [[(a - i * 9, b), (c + i * 9, d)] for i in range(6)] + [[]]
        gestures.append(gesture)
        count += len(gesture)
    taken, went = browser.touches(driver, gestures, watch=0.5)
    left = [url for url in went if url != address]
    for handle in driver.window_handles:
        if handle != main:
            driver.switch_to.window(handle)
            driver.close()
    driver.switch_to.window(main)
    if left:
        raise Failure('%d touch events on a tablet took the tab to %s' % (taken, left))
    return taken, len(went)


def check_menu_when_turned(driver, address):
    """The menu open on a phone held sideways closes when it is turned upright, and the
    keyboard's focus goes back to where it was, not to the hidden menu."""
    browser.emulate(driver, 'phone-landscape')
    browser.open_page(driver, address)
    browser.tap(driver, 'MenuButton')
    if not shown(driver, 'PopupMenu1'):
        raise Failure('the menu button opened no menu')
    browser.emulate(driver, 'phone-portrait')
    time.sleep(0.2)
    state = js(driver, 'var m = document.getElementById("PopupMenu1");'
                       'return [!m.hidden, m.contains(document.activeElement)]')
    if state != [False, False]:
        raise Failure('turned upright, the menu is open = %s, holds the focus = %s' %
                      tuple(state))


def tap_arrow(driver, box):
    x, y = js(driver, 'var a = document.querySelector("#" + arguments[0] + " .arrow");'
                      'a.scrollIntoView({block: "nearest"}); var r = a.getBoundingClientRect();'
                      'return [r.left + r.width / 2, r.top + r.height / 2]', box)
    browser.touch(driver, 'touchStart', x, y)
    browser.touch(driver, 'touchEnd')


def tap_command(driver, command):
    """One driver command done with a finger (typing with the keys once the field is tapped)."""
    verb, _, rest = command.partition(' ')
    if verb == 'eat':
        if js(driver, 'return document.getElementById("CheckBox1Mark").checked') != (rest == 'on'):
            browser.tap(driver, 'CheckBox1')
    elif verb == 'activity':
        browser.tap(driver, 'RadioGroup1Button%d' % ACTIVITY_OF[rest])
    elif verb == 'pick':
        box, _, index = rest.partition(' ')
        tap_arrow(driver, BOX_OF[box])
        browser.tap(driver, '%sOption%s' % (BOX_OF[box], index))
    elif verb == 'type':
        box, _, text = rest.partition(' ')
        browser.tap(driver, BOX_OF[box] + 'Edit')
        edit = driver.find_element(By.ID, BOX_OF[box] + 'Edit')
        js(driver, 'arguments[0].select()', edit)
        edit.send_keys(text)
    elif verb == 'next':
        browser.tap(driver, 'Button1')


def play_by_taps(driver, address, replay, commands, read):
    browser.open_page(driver, address)
    expected = replay.play(commands)
    for number, (command, (said, state)) in enumerate(zip(commands, expected), 1):
        if not (said and 'Refused' in said):
            tap_command(driver, command)
        for _ in (said or {}).get('Messages', []):
            browser.tap(driver, 'MessageOk')
        diff = differences(read(), state)
        if diff:
            raise Failure('by taps, command %d "%s": %s' % (number, command, diff))


def end_by_taps(driver, address, replay, commands, read):
    """A game lost by taps, ended by its button and a new one started, all by taps."""
    play_by_taps(driver, address, replay, commands, read)
    browser.tap(driver, 'Button2')
    if not shown(driver, 'Ended') or shown(driver, 'Window'):
        raise Failure('a tap on the game-over button did not end the page')
    browser.tap(driver, 'NewGame')
    end = time.time() + 20
    while js(driver, 'return document.documentElement.dataset.ready') != 'true':
        if time.time() > end:
            raise Failure('no new game after a tap on "Новая игра"')
        time.sleep(0.05)
    if differences(read(), replay.play(['state'])[0][1]) or notice(driver):
        raise Failure('the new game after the taps is not a new game')


def reloaded(driver, address):
    driver.refresh()
    end = time.time() + 20
    while js(driver, 'return document.documentElement.dataset.ready') != 'true':
        if time.time() > end:
            raise Failure('the page never became ready after a reload')
        time.sleep(0.02)


def notice(driver):
    return js(driver, 'var b = document.getElementById("Notice");'
                      'return b && b.open ? document.getElementById("NoticeText").textContent : null')


def check_kept_games(driver, address, replay, read, plans):
    """A reload gives back the driver's state: with a message box open, after a death, after a
    victory. A stored game that is damaged, of another version or too long: a notice and a new
    game. A second tab takes the game over; the first says so and stops."""
    start = replay.play(['state'])[0][1]
    # Played by the page's own clicks, reloaded while the turn's message box is open: the box
    # comes back, the same message in front of the same window, and the turn goes on from it.
    hunger = [c for c in plans['died-of-hunger'] if c != 'state']
    browser.open_page(driver, address)
    for i, command in enumerate(hunger):
        js(driver, 'document.getElementById("Button1").click()')
        if js(driver, 'return document.getElementById("MessageBox").open'):
            break
    else:
        raise Failure('no message box opened in died-of-hunger')
    played = hunger[:i + 1]
    said = replay.play(played)[-1][0]['Messages']
    behind = replay.turns(played)[-1][0]
    read_before = 1 if len(said) > 1 else 0
    for _ in range(read_before):
        js(driver, 'document.getElementById("MessageOk").click()')
    for reload in range(2):
        reloaded(driver, address)
        page = read()
        diff = differences(page, behind[read_before])
        if page['message'] != {'title': 'kevolan', 'text': said[read_before]} or diff or \
                notice(driver):
            raise Failure('reloaded (%d) with message %d of %d open: the page shows %s, %s %s' %
                          (reload + 1, read_before + 1, len(said), page['message'], diff,
                           notice(driver)))
    for _ in said[read_before:]:
        js(driver, 'document.getElementById("MessageOk").click()')
    reloaded(driver, address)
    diff = differences(read(), replay.play(played)[-1][1])
    if diff or notice(driver) or read()['message']:
        raise Failure('reloaded after the turn\'s boxes were read: %s %s %s' %
                      (diff, notice(driver), read()['message']))
    # Ended games, kept as the page keeps them, come back ended.
    for name in ('died-of-hunger', 'won-by-boat'):
        commands = plans[name]
        js(driver, 'rules.newGame(); arguments[0].forEach(function (c) { rules.run(c); });'
                   'savedGame.save(rules.script(), JSON.stringify(rules.state()))',
           commands)
        reloaded(driver, address)
        diff = differences(read(), replay.play(commands)[-1][1])
        if diff or notice(driver) or not read()['gameover']:
            raise Failure('reloaded after %s: %s %s' % (name, diff, notice(driver)))
    # The game-over button ends the game: nothing is kept.
    js(driver, 'document.getElementById("Button2").click()')
    reloaded(driver, address)
    if differences(read(), start) or notice(driver):
        raise Failure('after the game-over button a reload did not start a new game')

    notices = js(driver, 'return savedGame.NOTICES')
    js(driver, 'document.getElementById("Button1").click()')  # a day, kept
    time.sleep(0.1)
    good = json.loads(js(driver, 'return localStorage.getItem("kevolan-game")'))
    damaged = dict(good, commands=good['commands'] + ['next'])
    edited = dict(good, digest='0')
    edited['sum'] = js(driver, 'var r = arguments[0]; return savedGame.digest('
                               'JSON.stringify([r.format, r.rules, r.digest, r.commands]))', edited)
    older = dict(good, rules='0000000000000000')
    too_long = dict(good, commands=['state'] * 520000)
    for what, record, told in (('damaged', 'x' + json.dumps(good), notices['damaged']),
                               ('edited to {}', '{}', notices['damaged']),
                               ('edited to []', '[]', notices['damaged']),
                               ('a command added', json.dumps(damaged), notices['damaged']),
                               ('edited to another state', json.dumps(edited), notices['damaged']),
                               ('of another version', json.dumps(older), notices['version']),
                               ('too long', json.dumps(too_long), notices['tooLong'])):
        js(driver, 'localStorage.setItem("kevolan-game", arguments[0])', record)
        reloaded(driver, address)
        if notice(driver) != told or differences(read(), start):
            raise Failure('a stored game %s: notice %r, page differs: %s' %
                          (what, notice(driver), differences(read(), start)))
        js(driver, 'document.getElementById("NoticeOk").click()')
    # The storage fills up during a game: told at once; the older record is not left to bring
    # back an older game, and the next start says the game was lost.
    js(driver, 'var put = Storage.prototype.setItem;'
               'Storage.prototype.setItem = function (k, v) {'
               ' if (v.length > 60) throw new DOMException("full", "QuotaExceededError");'
               ' return put.call(this, k, v); };'
               'document.getElementById("Button1").click()')
    time.sleep(0.1)
    if notice(driver) != notices['full']:
        raise Failure('a full storage: notice %r' % notice(driver))
    reloaded(driver, address)
    if notice(driver) != notices['lost'] or differences(read(), start):
        raise Failure('after a full storage the next start: notice %r' % notice(driver))
    # Storage switched off: told, and the game plays.
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {
        'source': 'Object.defineProperty(window, "localStorage", {get: function () {'
                  ' throw new DOMException("off", "SecurityError"); }});'})
    reloaded(driver, address)
    if notice(driver) != notices['off']:
        raise Failure('storage switched off: notice %r' % notice(driver))
    js(driver, 'document.getElementById("NoticeOk").click();'
               'document.getElementById("Button1").click()')
    if differences(read(), replay.play(['next'])[-1][1]):
        raise Failure('with storage switched off, a day played differs')


def check_two_tabs(driver, address, replay, read):
    browser.open_page(driver, address)
    js(driver, 'document.getElementById("CheckBox1Mark").click();'
               'document.getElementById("Button1").click()')
    first = driver.current_window_handle
    driver.switch_to.new_window('tab')
    browser.open_page(driver, address, keep=True)
    expected = replay.play(['eat on', 'next'])[-1][1]
    if differences(read(), expected) or notice(driver):
        raise Failure('the second tab did not take the game over: %s' %
                      differences(read(), expected))
    driver.switch_to.window(first)
    end = time.time() + 5
    while notice(driver) is None and time.time() < end:
        time.sleep(0.05)
    told = js(driver, 'return savedGame.NOTICES.elsewhere')
    if notice(driver) != told:
        raise Failure('the first tab was not told: %r' % notice(driver))
    # Its page stays as it was, and writes nothing over the second tab's game.
    js(driver, 'document.getElementById("Button1").click()')
    driver.switch_to.window(driver.window_handles[-1])
    js(driver, 'document.getElementById("Button1").click()')
    reloaded(driver, address)
    if differences(read(), replay.play(['eat on', 'next', 'next'])[-1][1]):
        raise Failure('the second tab lost a move to the first')
    driver.close()
    driver.switch_to.window(first)


def check_offline(driver, site, replay, read):
    """Served, loaded, the server stopped, reloaded: the game starts and plays a day."""
    with browser.served(site) as address:
        browser.open_page(driver, address)
        if js(driver, 'var l = document.querySelector("link[rel=manifest]");'
                      'return l && l.getAttribute("href")') != 'kevolan.webmanifest':
            raise Failure('the page over http names no manifest')
        if not js(driver, 'return navigator.serviceWorker.ready.then(function () { return true; })'):
            raise Failure('no offline worker')
    try:
        urllib.request.urlopen(address, timeout=2)
        raise Failure('the server still answers')
    except OSError:
        pass
    reloaded(driver, address)
    js(driver, 'document.getElementById("Button1").click()')
    if differences(read(), replay.play(['next'])[-1][1]):
        raise Failure('offline, a day played differs')


def check_update(driver, site):
    """A new build on the server: the open game keeps the build it started with, page and rules
    module together, across reloads; the new build is used from the next start, when no tab of
    the old one is open."""
    folder = tempfile.mkdtemp(prefix='kevolan-site-')
    try:
        shutil.copytree(site, folder, dirs_exist_ok=True)
        with browser.served(folder) as address:
            browser.open_page(driver, address)
            js(driver, 'return navigator.serviceWorker.ready.then(function () { return true; })')
            reloaded(driver, address)  # now under the worker
            # The next build: another rules module and page, and the worker's new version.
            for name, old, new in (('index.html', '</title>', '</title><meta name="build" content="2">'),
                                   ('kevolan-rules.js', '\n', '\n// build 2\n'),
                                   ('sw.js', "const VERSION = '", "const VERSION = '2")):
                path = os.path.join(folder, name)
                with open(path, encoding='utf-8') as f:
                    text = f.read()
                if old not in text:
                    raise Failure('%s no longer holds %r to stand for a new build' % (name, old))
                with open(path, 'w', encoding='utf-8') as f:
                    f.write(text.replace(old, new, 1))
            # Which build the page is, and which its rules module (as the page fetches it).
            build = ('return Promise.all([!!document.querySelector("meta[name=build]"),'
                     ' fetch("kevolan-rules.js").then(function (r) { return r.text(); })'
                     '.then(function (t) { return t.indexOf("// build 2") >= 0; })])')
            # The browser finds the new worker and lets it fetch the new build, while the tab
            # stays with the old one.
            js(driver, 'return navigator.serviceWorker.getRegistration().then(function (r) {'
                       ' return r.update().then(function () { return new Promise(function (done) {'
                       '  var w = r.installing || r.waiting; if (!w || w.state !== "installing")'
                       '   return done(); w.addEventListener("statechange", function () {'
                       '   if (w.state !== "installing") done(); }); }); }); })')
            reloaded(driver, address)
            seen = js(driver, build)
            if seen != [False, False]:
                raise Failure('a reload mixed in the new build: page, rules = %s' % seen)
            old = driver.current_window_handle
            driver.switch_to.new_window('tab')
            driver.switch_to.window(old)
            driver.close()
            driver.switch_to.window(driver.window_handles[-1])
            end = time.time() + 15
            while True:
                browser.open_page(driver, address, keep=True)
                seen = js(driver, build)
                if seen == [True, True]:
                    break
                if time.time() > end:
                    raise Failure('the next start did not bring the new build: %s' % seen)
                driver.get('about:blank')
                time.sleep(0.5)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def png_size(data):
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        return None
    return struct.unpack('>II', data[16:24])


def check_manifest(site):
    with open(os.path.join(site, 'kevolan.webmanifest'), encoding='utf-8') as f:
        m = json.load(f)
    want = {'name': 'Игра "Кеволан"', 'short_name': 'Кеволан', 'lang': 'ru',
            'display': 'standalone', 'start_url': './', 'background_color': '#d4d0c8'}
    wrong = {k: m.get(k) for k, v in want.items() if m.get(k) != v}
    if wrong:
        raise Failure('the manifest has %s' % wrong)
    sizes = set()
    for icon in m['icons']:
        with open(os.path.join(site, icon['src']), 'rb') as f:
            w, h = png_size(f.read()) or (0, 0)
        if icon['sizes'] != '%dx%d' % (w, h):
            raise Failure('icon %s is %dx%d, not %s' % (icon['src'], w, h, icon['sizes']))
        sizes.add((icon['sizes'], icon.get('purpose', 'any')))
    if not {('192x192', 'any'), ('512x512', 'any'), ('512x512', 'maskable')} <= sizes:
        raise Failure('the manifest lacks an icon size: %s' % sizes)
    with open(os.path.join(site, 'sw.js'), encoding='utf-8') as f:
        worker = f.read()
    if '@KEVOLAN' in worker or '"kevolan-rules.js"' not in worker:
        raise Failure('the offline worker was not written with the site\'s files')
    # The site ships only what a page loads: the page's parts reach it bundled, never beside
    # the bundle, and the worker keeps no file the site lacks.
    scripts = sorted(f for f in os.listdir(site) if f.endswith('.js'))
    if scripts != ['hint-worker.js', 'kevolan-hint.js', 'kevolan-rules.js', 'kevolan.js', 'sw.js']:
        raise Failure('the site ships the scripts %s' % scripts)
    kept = json.loads(worker[worker.index('const FILES = ') + 14:worker.index('];') + 1])
    lacking = [f for f in kept if f != './' and not os.path.isfile(os.path.join(site, f))]
    if lacking:
        raise Failure('the offline worker keeps files the site lacks: %s' % lacking)


# Errors the page meets after it has loaded; the engines without a console log to read are
# asked for these (an error while loading shows as a page that never becomes ready).
CATCH_ERRORS = ('window.kevolanErrors = [];'
                'window.addEventListener("error", function (e) { kevolanErrors.push(e.message); });'
                'window.addEventListener("unhandledrejection", function (e) {'
                ' kevolanErrors.push(String(e.reason)); });')


def check_engine(name, driver, address, replay, read, errors_of):
    """Loads, shows the first state, plays a day with food and one without; no error."""
    driver.get(address)
    end = time.time() + 30
    while driver.execute_script('return document.documentElement.dataset.ready') != 'true':
        if time.time() > end:
            raise Failure('%s: the page never became ready' % name)
        time.sleep(0.1)
    driver.execute_script(CATCH_ERRORS)
    if differences(read(driver), replay.play(['state'])[0][1]):
        raise Failure('%s: the first state differs' % name)
    commands = ['activity gather', 'next', 'next']
    driver.execute_script('document.querySelector("#RadioGroup1Button0 input").click();'
                          'document.getElementById("Button1").click();'
                          'document.getElementById("Button1").click()')
    diff = differences(read(driver), replay.play(commands)[-1][1])
    if diff:
        raise Failure('%s: two days played differ: %s' % (name, diff))
    errors = errors_of() + driver.execute_script('return window.kevolanErrors')
    if errors:
        raise Failure('%s reported errors: %s' % (name, errors))
