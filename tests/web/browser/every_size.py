"""The page at every size a browser window may have, touch and mouse: one page, its window
resized in place, measured whole in one script call per size. No two texts overlap, none runs
out of its frame, its box or the screen, nothing drawn covers a text, the page never scrolls
sideways, every target takes a finger, and each box's list opens whole wherever the page is
scrolled. Used by check_layout.py."""

import browser
from page_state import LONGEST


class Failure(Exception):
    pass


# The layouts change at these sizes (touch.css, and where the window starts to be scaled):
# each is crossed 20 px at a time, 100 px either side, at a few sizes of the other side.
THRESHOLDS = [
    # (input, the side that crosses, where, the other side's sizes)
    ('mouse', 'width', 564, (480, 1080)),   # the touch layout below, the window above
    ('mouse', 'height', 516, (1366,)),      # the window scaled from here up
    ('touch', 'width', 360, (568, 740)),    # the frames two to a row
    ('touch', 'width', 700, (400, 900)),    # the choices beside the frames
    ('touch', 'height', 700, (760, 1024)),  # a tablet
    ('touch', 'width', 880, (720, 800)),    # a tablet on its side: the frames in two columns
    ('touch', 'height', 912, (720, 768)),   # a tablet upright fills its screen unscrolled
    ('touch', 'width', 1000, (1000,)),      # a tablet turned: upright, then on its side
]
GRID_SIDES = (320, 414, 768, 1024, 1366, 1920, 2560, 3840)
SMALLEST, LARGEST = 320, 3840


def sizes():
    """[(input, width, height)]: every threshold crossed, then a coarse grid both ways up from
    320x480 to 3840x2160, touch and mouse; each size once."""
    out = []
    for kind, side, at, others in THRESHOLDS:
        for step in range(-100, 101, 20):
            for other in others:
                w, h = (at + step, other) if side == 'width' else (other, at + step)
                if min(w, h) >= SMALLEST:
                    out.append((kind, w, h))
    for kind in ('touch', 'mouse'):
        for w in GRID_SIDES:
            for h in GRID_SIDES:
                if min(w, h) >= SMALLEST and max(w, h) <= LARGEST and \
                        (min(w, h) <= 2160 and min(w, h) * 4 >= max(w, h)):
                    out.append((kind, w, h))
    seen = set()
    return [s for s in out if not (s in seen or seen.add(s))]


# The fullest window: every counter shown with three digits, everything owned, the longest date,
# every box usable with its longest list and showing its longest option.
FULLEST = r'''
var s = rules.state(), longest = arguments[0];
s.Day = 30; s.Month = 'Сентября';
['SickDays', 'HungryDays', 'FruitStock', 'FishStock', 'WildGameStock', 'FruitStreak',
 'FishStreak', 'WildGameStreak'].forEach(function (k) { s[k] = 188; });
for (var item in s.Items) {
  var it = s.Items[item];
  ['BuildDaysLeft', 'RepairDaysLeft', 'WearDaysLeft'].forEach(function (k) {
    if (k in it) it[k] = 188;
  });
  ['BuildShown', 'RepairShown', 'WearShown', 'Owned'].forEach(function (k) {
    if (k in it) it[k] = true;
  });
}
for (var key in s.Boxes) {
  s.Boxes[key].Enabled = true;
  s.Boxes[key].Options = longest;
  s.Boxes[key].Text = longest.reduce(function (a, b) { return b.length > a.length ? b : a; });
}
view.show(s);
'''

# One size measured: returns the problems found, each a short sentence.
MEASURE = r'''
var touch = arguments[0], W = innerWidth, H = innerHeight, least = arguments[4], out = [];
var form = document.getElementById('Form1');
var bar = parseFloat(getComputedStyle(document.documentElement).scrollPaddingTop) || 0;
var name = function (e) { var n = e.closest('[id]'); return n ? n.id : e.tagName; };
var seen = function (e) {
  var r = e.getBoundingClientRect();
  return r.width > 0 && r.height > 0 && getComputedStyle(e).visibility !== 'hidden';
};
var fixed = function (e) {
  for (; e && e !== form; e = e.parentElement) {
    if (getComputedStyle(e).position === 'fixed') return true;
  }
  return false;
};
var meets = function (a, b) {
  return Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
         Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
};
var inside = function (a, b) {
  return a.left >= b.left - 0.5 && a.right <= b.right + 0.5 && a.top >= b.top - 0.5 &&
         a.bottom <= b.bottom + 0.5;
};
var round = function (r) { return [r.left, r.top, r.right, r.bottom].map(Math.round).join(','); };
var screen = {left: 0, right: W, top: 0, bottom: H};
// Every text shown under `root`, none smaller than allowed: its letters' box, as tall as its
// font (the line's room above and below is no part of it).
var textsOf = function (root) {
  var found = [], walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT);
  for (var n = walker.nextNode(); n; n = walker.nextNode()) {
    var e = n.parentElement;
    if (!n.textContent.trim() || e.closest('.unseen') || !seen(e)) continue;
    var range = document.createRange();
    range.selectNodeContents(n);
    var c = range.getBoundingClientRect(), size = parseFloat(getComputedStyle(e).fontSize);
    var said = name(e) + ' «' + n.textContent.trim().slice(0, 24) + '»';
    if (size < least) out.push(said + ' is ' + size + ' px');
    found.push({e: e, said: said, r: {left: c.left, right: c.right,
                                      top: (c.top + c.bottom - size) / 2,
                                      bottom: (c.top + c.bottom + size) / 2}});
  }
  return found;
};
// A finger's targets.
var small = function (e) {
  var r = e.getBoundingClientRect();
  if (touch && seen(e) && (r.width < 44 || r.height < 44)) {
    out.push('the target ' + name(e) + ' is ' + Math.round(r.width) + 'x' + Math.round(r.height));
  }
};
if (W !== arguments[1] || H !== arguments[2]) out.push('the window is ' + W + 'x' + H);
if (document.documentElement.scrollWidth > W) {
  out.push('the page scrolls sideways: ' + document.documentElement.scrollWidth + ' px wide');
}
window.scrollTo(0, 0);
var page = {left: 0, right: W, top: 0, bottom: document.documentElement.scrollHeight};

// The window's texts: each inside the frame, box or button it belongs to, and on the screen
// (the bar's on the screen as it stands, the rest on the page); no two overlap.
var texts = textsOf(form);
texts.forEach(function (t, i) {
  var holder = t.e.closest('.frame, .combo, button') || (fixed(t.e) ? null : form);
  if (!inside(t.r, fixed(t.e) ? screen : page)) {
    out.push(t.said + ' runs off the screen at ' + round(t.r));
  } else if (holder && !inside(t.r, holder.getBoundingClientRect())) {
    out.push(t.said + ' runs out of ' + holder.id + ' at ' + round(t.r) + ' (' +
             round(holder.getBoundingClientRect()) + ')');
  }
  texts.slice(i + 1).forEach(function (o) {
    if (meets(t.r, o.r)) out.push(t.said + ' overlaps ' + o.said);
  });
});
// What is drawn solid: pictures, boxes, buttons and the marks; none covers a text of another
// or another of them.
var solid = Array.prototype.filter.call(form.querySelectorAll(
  '.panel, .combo, #Form1 > button, .check input, .radio input'), seen);
solid.forEach(function (s, i) {
  var r = s.getBoundingClientRect();
  texts.forEach(function (t) {
    if (!s.contains(t.e) && meets(r, t.r)) out.push(name(s) + ' covers ' + t.said);
  });
  solid.slice(i + 1).forEach(function (o) {
    if (!s.contains(o) && !o.contains(s) && meets(r, o.getBoundingClientRect())) {
      out.push(name(s) + ' and ' + name(o) + ' overlap');
    }
  });
});
// The text in each box fits it.
form.querySelectorAll('.combo input').forEach(function (edit) {
  if (seen(edit) && edit.scrollWidth > edit.clientWidth) {
    out.push(edit.id + ' «' + edit.value + '» is cut: ' + edit.scrollWidth + ' px in ' +
             edit.clientWidth);
  }
});
document.querySelectorAll('#Form1 button, .check, .radio, .combo input, .combo .arrow')
  .forEach(small);

// Each box's list opened wherever the page may be scrolled with the box on the screen: wholly
// on the screen below the bar, beside its box, every row seen and the topmost thing at its
// middle, and as tall as it wants or as the screen beside the box allows. Where the lists open
// depends on the screen's height, the page's and the boxes' places: a size that repeats those of
// a size already measured is not opened again.
var most = document.documentElement.scrollHeight - H;
var ids = ['ComboBox1', 'ComboBox2', 'ComboBox3', 'ComboBox4'];
var heights = [touch, H, most, bar, fit.scale].concat(ids.map(function (id) {
  var b = document.getElementById(id).getBoundingClientRect();
  return Math.round(b.top) + ':' + Math.round(b.bottom);
})).join(' ');
window.listsSeen = window.listsSeen || {};
if (listsSeen[heights]) ids = [];
listsSeen[heights] = true;
ids.forEach(function (id) {
  var box = document.getElementById(id), list = document.getElementById(id + 'List');
  var tried = {};
  [0, 1, 2, 3, 4].forEach(function (k) {
    var y = Math.round(most * k / 4);
    window.scrollTo(0, y);
    var b = box.getBoundingClientRect();
    if (b.top < bar - 0.5 || b.bottom > H + 0.5 || tried[Math.round(b.top)]) return;
    tried[Math.round(b.top)] = true;
    document.getElementById(id + 'Edit').dispatchEvent(
      new KeyboardEvent('keydown', {key: 'F4', bubbles: true, cancelable: true}));
    var where = id + "'s list opened at scroll " + y + ' of ' + most;
    if (list.hidden) { out.push(where + ': did not open'); return; }
    b = box.getBoundingClientRect();
    var l = list.getBoundingClientRect();
    var keep = list.style.maxHeight;
    list.style.maxHeight = '';
    var room = Math.min(list.getBoundingClientRect().height, H - bar - b.height);
    list.style.maxHeight = keep;
    if (!inside(l, {left: 0, right: W, top: bar, bottom: H})) {
      out.push(where + ' stands off the screen at ' + round(l));
    } else if (meets(l, b)) {
      out.push(where + ' covers its box');
    } else if (l.height < room - 1) {
      out.push(where + ' is cut: ' + Math.round(l.height) + ' of ' + Math.round(room) + ' px');
    }
    Array.prototype.forEach.call(list.children, function (li) {
      var r = li.getBoundingClientRect();
      var top = Math.max(r.top, l.top), bottom = Math.min(r.bottom, l.bottom);
      if (bottom - top < 8) return; // scrolled away inside the list
      var at = document.elementFromPoint(r.left + r.width / 2, (top + bottom) / 2);
      if (!at || !li.contains(at)) {
        out.push(where + ': ' + li.textContent + ' under ' + (at && name(at)));
      }
      if (li.scrollWidth > li.clientWidth) out.push(where + ': ' + li.textContent + ' is cut');
    });
    choices.closeAll();
  });
});
window.scrollTo(0, 0);

// The credits and a message box over them, then the menu opened at the screen's far corner:
// each wholly on the screen, its texts inside it, its targets a finger's size.
var opened = function (id) {
  var e = document.getElementById(id);
  if (!seen(e)) { out.push(id + ' did not open'); return; }
  if (!inside(e.getBoundingClientRect(), screen)) {
    out.push(id + ' stands off the screen at ' + round(e.getBoundingClientRect()));
  }
  textsOf(e).forEach(function (t) {
    var holder = t.e.closest('#ZelCredits1') || e;
    if (!inside(t.r, holder.getBoundingClientRect())) out.push(t.said + ' runs out of ' + id);
  });
  e.querySelectorAll('button, [role=menuitem]').forEach(small);
};
credits.open();
messages.say(arguments[3]);
opened('Form2');
opened('MessageBox');
document.getElementById('MessageOk').click();
document.getElementById('Form2Close').click();
menu.open(W - 1, H - 1);
opened('PopupMenu1');
menu.close();
return out;
'''


# A message longer than any the game or the hint says, in the box at every size.
LONG_MESSAGE = ('Вы не построили жилище до февраля и замёрзли. ' * 4).strip()


def least_text(kind, width, height):
    """The smallest text allowed: 20 px on a tablet, 14 on a phone; the desktop's own sizes
    with the mouse."""
    if kind == 'mouse':
        return 0
    return 20 if min(width, height) >= 700 else 14


def emulate(driver, kind, width, height):
    driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': width, 'height': height, 'deviceScaleFactor': 1, 'mobile': kind == 'touch',
        'screenOrientation': {'type': 'portraitPrimary' if height >= width else
                              'landscapePrimary', 'angle': 0 if height >= width else 90}})


def check_every_size(driver, address, shots=None):
    """Every size of sizes(), touch sizes first; fails with every problem found (the first few
    of each size). `shots(driver, input, width, height)` may look at each size. Returns the
    sizes measured."""
    problems = []
    done = 0
    for kind in ('touch', 'mouse'):
        driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled',
                               {'enabled': kind == 'touch', 'maxTouchPoints': 5})
        first = True
        for k, w, h in sizes():
            if k != kind:
                continue
            emulate(driver, kind, w, h)
            if first:
                browser.open_page(driver, address)
                driver.execute_script(FULLEST, LONGEST)
                first = False
            found = driver.execute_script(MEASURE, kind == 'touch', w, h, LONG_MESSAGE,
                                          least_text(kind, w, h))
            done += 1
            if found:
                problems.append('%s %dx%d: %s' % (kind, w, h, '; '.join(found[:4])))
            if shots:
                shots(driver, kind, w, h)
    driver.execute_cdp_cmd('Emulation.clearDeviceMetricsOverride', {})
    driver.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})
    if problems:
        raise Failure('%d of %d sizes:\n  %s' % (len(problems), done, '\n  '.join(problems)))
    return done
