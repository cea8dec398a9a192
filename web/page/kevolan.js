// The main window in a browser. Every player action becomes the command the replay driver
// knows, run by the rules module; the page then shows the state the module reports. No rule of
// the game lives here.
(function () {
  'use strict';

  var $ = function (id) { return document.getElementById(id); };

  // --- The rules module -----------------------------------------------------------------

  var rules = null; // {run, newGame, messageCount, messageState} once the module is loaded
  var shown = null; // the state the window shows

  var played = []; // every command since the game began, `state` aside

  function runLine(line) {
    var out = rules.run(line);
    if (line !== 'state') played.push(line);
    if (!out) return null;
    return JSON.parse(out.split('\n')[0]);
  }

  // Runs a player's command and shows the state it leaves.
  function act(line) {
    if (!rules || turnRunning) return;
    runLine(line);
    show(runLine('state').State);
  }

  // --- Showing the state ------------------------------------------------------------------

  var counters = [
    // [label, the words before the number, how to read it from the state]
    ['Label57', null, function (s) { return { v: s.Day, on: true }; }],
    ['Label58', null, function (s) { return { v: s.Month, on: true }; }],
    ['Label56', 'Осталось дней болезни', function (s) { return { v: s.SickDays, on: true }; }],
    ['Label46', 'Дней без еды', function (s) { return { v: s.HungryDays, on: true }; }],
    ['Label37', 'Фрукты в запасе', function (s) { return { v: s.FruitStock, on: true }; }],
    ['Label38', 'Рыба в запасе', function (s) { return { v: s.FishStock, on: true }; }],
    ['Label39', 'Дичь в запасе', function (s) { return { v: s.WildGameStock, on: true }; }],
    ['Label47', 'Фрукты дней подряд', function (s) { return { v: s.FruitStreak, on: true }; }],
    ['Label48', 'Рыба дней подряд', function (s) { return { v: s.FishStreak, on: true }; }],
    ['Label49', 'Дичь дней подряд', function (s) { return { v: s.WildGameStreak, on: true }; }]
  ];

  // Each item's labels: owned, creation, repair and wear counters.
  var items = [
    ['FishingTackle', 'Рыболовные снасти', 'Label50', 'Label40', 'Label31', 'Label25'],
    ['HuntingWeapon', 'Орудие охоты', 'Label51', 'Label41', 'Label32', 'Label26'],
    ['Hut', 'Хижина', 'Label52', 'Label42', 'Label33', 'Label27'],
    ['Cave', 'Пещера', 'Label53', 'Label43', 'Label34', 'Label28'],
    ['NewClothes', 'Новая одежда', 'Label54', 'Label44', 'Label35', 'Label30'],
    ['OldClothes', 'Старая одежда', 'Label55', null, 'Label36', 'Label29'],
    ['Boat', 'Лодка', null, 'Label45', null, null]
  ];

  items.forEach(function (row) {
    var key = row[0];
    var kinds = [[3, 'BuildDaysLeft', 'BuildShown', 'осталось дней на создание'],
                 [4, 'RepairDaysLeft', 'RepairShown', 'осталось дней на ремонт'],
                 [5, 'WearDaysLeft', 'WearShown', 'осталось дней действия']];
    kinds.forEach(function (k) {
      if (!row[k[0]]) return;
      counters.push([row[k[0]], row[1] + ', ' + k[3], function (s) {
        var it = s.Items[key];
        // The boat's creation counter is always shown.
        return { v: it[k[1]], on: k[2] in it ? it[k[2]] : true };
      }]);
    });
  });

  // Screen readers hear each counter with its meaning ("Фрукты в запасе: 3"), not a bare number:
  // the words stand, unseen, right after the number they speak for.
  var spoken = {};
  counters.forEach(function (c) {
    var label = $(c[0]);
    label.setAttribute('aria-hidden', 'true');
    var words = document.createElement('span');
    words.className = 'unseen';
    label.parentNode.insertBefore(words, label.nextSibling);
    spoken[c[0]] = words;
  });

  var boxes = [
    // [box, the driver's word for it, the state's key]
    ['ComboBox1', 'food', 'FoodChoice'],
    ['ComboBox2', 'gather', 'GatherChoice'],
    ['ComboBox3', 'create', 'CreateChoice'],
    ['ComboBox4', 'repair', 'RepairChoice']
  ];
  var activities = ['GatherFood', 'Create', 'Repair'];
  var activityWords = ['gather', 'create', 'repair'];

  function setText(el, text) {
    if (el.textContent !== text) el.textContent = text;
  }

  function setHidden(el, hidden) {
    if (el.hidden !== hidden) el.hidden = hidden;
  }

  function show(s) {
    shown = s;
    counters.forEach(function (c) {
      var value = c[2](s);
      var label = $(c[0]);
      setText(label, String(value.v));
      setHidden(label, !value.on);
      setHidden(spoken[c[0]], !value.on);
    });
    setText(spoken.Label57, 'Дата: ' + s.Day + ' ' + s.Month);
    setText(spoken.Label58, 'Месяц: ' + s.Month);
    counters.forEach(function (c) {
      if (c[1]) setText(spoken[c[0]], c[1] + ': ' + $(c[0]).textContent);
    });
    items.forEach(function (row) {
      if (row[2]) setHidden($(row[2]), !s.Items[row[0]].Owned);
    });

    $('CheckBox1Mark').checked = s.EatToday;
    var radios = document.querySelectorAll('#RadioGroup1 input');
    for (var i = 0; i < radios.length; ++i) {
      radios[i].checked = activities[i] === s.Activity;
      radios[i].disabled = !s.ActivityEnabled;
    }
    $('RadioGroup1').setAttribute('aria-disabled', String(!s.ActivityEnabled));

    boxes.forEach(function (b) { showBox(b[0], s.Boxes[b[2]]); });

    // Once the game is over the next-day button gives way to the game-over button. The focus is
    // not moved onto it, so a key pressed again does not end the page; a screen reader hears it.
    var wasOver = !$('Button2').hidden;
    if (s.GameOver && !wasOver) {
      var focusLost = document.activeElement === $('Button1');
      setHidden($('Button1'), true);
      setHidden($('Button2'), false);
      if (focusLost) $('Form1').focus();
      setText($('Announce'), 'Игра окончена');
    } else {
      setHidden($('Button1'), s.GameOver);
      setHidden($('Button2'), !s.GameOver);
    }
  }

  function showBox(id, box) {
    var edit = $(id + 'Edit');
    var list = $(id + 'List');
    if (edit.value !== box.Text) edit.value = box.Text;
    edit.disabled = !box.Enabled;
    var options = list.children;
    var same = options.length === box.Options.length;
    for (var i = 0; same && i < options.length; ++i) same = options[i].textContent === box.Options[i];
    if (!same) {
      closeList(id);
      list.textContent = '';
      box.Options.forEach(function (name, index) {
        var li = document.createElement('li');
        li.id = id + 'Option' + index;
        li.setAttribute('role', 'option');
        li.setAttribute('aria-selected', 'false');
        li.textContent = name;
        list.appendChild(li);
      });
    }
    if (!box.Enabled) closeList(id);
  }

  // --- The choice boxes -------------------------------------------------------------------

  function boxOf(id) {
    for (var i = 0; i < boxes.length; ++i) if (boxes[i][0] === id) return boxes[i];
    return null;
  }

  function listOpen(id) { return !$(id + 'List').hidden; }

  function openList(id) {
    var edit = $(id + 'Edit');
    var list = $(id + 'List');
    if (edit.disabled || list.children.length === 0) return;
    closeMenu();
    boxes.forEach(function (b) { if (b[0] !== id) closeList(b[0]); });
    list.hidden = false;
    edit.setAttribute('aria-expanded', 'true');
    var current = -1;
    for (var i = 0; i < list.children.length; ++i) {
      if (list.children[i].textContent === edit.value) { current = i; break; }
    }
    highlight(id, current < 0 ? 0 : current);
  }

  function closeList(id) {
    var list = $(id + 'List');
    if (list.hidden) return;
    list.hidden = true;
    var edit = $(id + 'Edit');
    edit.setAttribute('aria-expanded', 'false');
    edit.removeAttribute('aria-activedescendant');
  }

  function highlighted(id) {
    var options = $(id + 'List').children;
    for (var i = 0; i < options.length; ++i) {
      if (options[i].getAttribute('aria-selected') === 'true') return i;
    }
    return -1;
  }

  function highlight(id, index) {
    var options = $(id + 'List').children;
    if (options.length === 0) return;
    index = Math.max(0, Math.min(options.length - 1, index));
    for (var i = 0; i < options.length; ++i) {
      options[i].setAttribute('aria-selected', i === index ? 'true' : 'false');
    }
    options[index].scrollIntoView({ block: 'nearest' });
    $(id + 'Edit').setAttribute('aria-activedescendant', options[index].id);
  }

  function pick(id, index) {
    closeList(id);
    act('pick ' + boxOf(id)[1] + ' ' + index);
    var edit = $(id + 'Edit');
    if (!edit.disabled) edit.select();
  }

  function boxKey(id, e) {
    var open = listOpen(id);
    var options = $(id + 'List').children;
    var k = e.key;
    if ((k === 'ArrowDown' || k === 'ArrowUp') && e.altKey || k === 'F4') {
      if (open) closeList(id); else openList(id);
    } else if (open && (k === 'ArrowDown' || k === 'ArrowUp')) {
      highlight(id, highlighted(id) + (k === 'ArrowDown' ? 1 : -1));
    } else if (open && (k === 'Home' || k === 'End')) {
      highlight(id, k === 'Home' ? 0 : options.length - 1);
    } else if (open && (k === 'PageDown' || k === 'PageUp')) {
      highlight(id, highlighted(id) + (k === 'PageDown' ? 8 : -8));
    } else if (open && k === 'Enter') {
      var index = highlighted(id);
      if (index >= 0) pick(id, index); else closeList(id);
    } else if (open && (k === 'Escape' || k === 'Tab')) {
      closeList(id);
      if (k === 'Tab') return;
    } else if (!open && (k === 'ArrowDown' || k === 'ArrowUp')) {
      // A closed box steps to the option after or before the one it shows.
      var at = -1;
      for (var i = 0; i < options.length; ++i) {
        if (options[i].textContent === $(id + 'Edit').value) { at = i; break; }
      }
      var next = k === 'ArrowDown' ? at + 1 : at - 1;
      if (at < 0 && k === 'ArrowUp') next = -1;
      if (next >= 0 && next < options.length) pick(id, next);
    } else {
      return;
    }
    e.preventDefault();
  }

  boxes.forEach(function (b) {
    var id = b[0];
    var edit = $(id + 'Edit');
    // The player's typing: the whole text as it stands, however long.
    edit.addEventListener('input', function () {
      act('type ' + b[1] + ' ' + edit.value);
    });
    edit.addEventListener('keydown', function (e) { boxKey(id, e); });
    edit.addEventListener('blur', function () { closeList(id); });
    $(id).querySelector('.arrow').addEventListener('mousedown', function (e) {
      e.preventDefault();
      if (edit.disabled || turnRunning) return;
      edit.focus();
      if (listOpen(id)) closeList(id); else openList(id);
    });
    var list = $(id + 'List');
    list.addEventListener('mousedown', function (e) { e.preventDefault(); });
    list.addEventListener('mousemove', function (e) {
      var li = e.target.closest('li');
      if (li) highlight(id, Array.prototype.indexOf.call(list.children, li));
    });
    list.addEventListener('click', function (e) {
      var li = e.target.closest('li');
      if (li) pick(id, Array.prototype.indexOf.call(list.children, li));
    });
  });

  // --- The check box, the activities and the buttons ---------------------------------------

  $('CheckBox1Mark').addEventListener('change', function () {
    act(this.checked ? 'eat on' : 'eat off');
  });

  // Enter ticks the check box and chooses an activity, as it presses a button.
  $('CheckBox1Mark').addEventListener('keydown', function (e) {
    if (e.key === 'Enter' && !e.repeat) { e.preventDefault(); this.click(); }
  });

  Array.prototype.forEach.call(document.querySelectorAll('#RadioGroup1 input'), function (r, i) {
    r.addEventListener('change', function () {
      if (r.checked) act('activity ' + activityWords[i]);
    });
    r.addEventListener('keydown', function (e) {
      if (e.key === 'Enter' && !e.repeat) { e.preventDefault(); r.click(); }
    });
  });

  // --- The day turn and its message boxes --------------------------------------------------

  var turnRunning = false;
  var pending = [];   // the turn's messages still to be shown, with the state behind each
  var finalState = null;

  function nextDay() {
    if (!rules || turnRunning || shown.GameOver) return;
    var answer = runLine('next');
    if (!answer || !answer.State) {
      show(runLine('state').State);
      return;
    }
    pending = answer.Messages.map(function (text, i) {
      return { text: text, state: JSON.parse(rules.messageState(i)) };
    });
    finalState = answer.State;
    if (pending.length === 0) {
      show(finalState);
      return;
    }
    turnRunning = true;
    closeMenu();
    boxes.forEach(function (b) { closeList(b[0]); });
    showMessage();
  }

  function showMessage() {
    var m = pending.shift();
    show(m.state);
    var box = $('MessageBox');
    $('MessageText').textContent = m.text;
    if (!box.open) box.showModal();
    placeOverWindow(box);
    $('MessageOk').focus();
  }

  // A message box stands in the middle of the game's window, as the desktop puts it.
  function placeOverWindow(box) {
    var f = $('Form1').getBoundingClientRect();
    box.style.margin = '0';
    box.style.left = Math.max(0, f.left + (f.width - box.offsetWidth) / 2) + 'px';
    box.style.top = Math.max(0, f.top + (f.height - box.offsetHeight) / 2) + 'px';
  }

  // OK, Enter, Space or Escape: the next message, or the new day once all have been read.
  function messageRead() {
    if (!turnRunning) return;
    if (pending.length > 0) {
      showMessage();
      return;
    }
    var box = $('MessageBox');
    turnRunning = false;
    show(finalState);
    if (box.open) box.close();
    if (document.activeElement === document.body || $('Button1').hidden &&
        document.activeElement === $('Button1')) {
      $('Form1').focus();
    }
  }

  $('MessageOk').addEventListener('click', messageRead);
  $('MessageBox').addEventListener('keydown', function (e) {
    // Keys held down do not skip boxes unread.
    if (e.repeat && (e.key === 'Enter' || e.key === ' ' || e.key === 'Escape')) {
      e.preventDefault();
    } else if (e.key === 'Escape') {
      // Handled here, so that the browser never closes the box on its own.
      e.preventDefault();
      messageRead();
    }
  });
  $('MessageBox').addEventListener('cancel', function (e) {
    e.preventDefault();
    messageRead();
  });
  // Should the browser close the box anyway, the turn's messages still come one by one.
  $('MessageBox').addEventListener('close', function () {
    if (!turnRunning) return;
    if (pending.length > 0) {
      showMessage();
    } else {
      messageRead();
    }
  });

  $('Button1').addEventListener('click', nextDay);
  $('Button2').addEventListener('click', function () {
    if (!rules || turnRunning || !shown.GameOver) return;
    endPage();
  });

  // A page cannot close itself: the game ends here and a new one can be started.
  function endPage() {
    closeMenu();
    $('Window').hidden = true;
    $('Form2').hidden = true;
    $('Ended').hidden = false;
    $('NewGame').focus();
  }
  $('NewGame').addEventListener('click', function () { window.location.reload(); });

  // --- The context menu --------------------------------------------------------------------

  var menuReturn = null;

  function openMenu(x, y) {
    if (!rules || turnRunning || $('Window').hidden) return;
    boxes.forEach(function (b) { closeList(b[0]); });
    var menu = $('PopupMenu1');
    menuReturn = document.activeElement;
    menu.hidden = false;
    var w = menu.offsetWidth;
    var h = menu.offsetHeight;
    menu.style.left = Math.max(0, Math.min(x, window.innerWidth - w)) + 'px';
    menu.style.top = Math.max(0, Math.min(y, window.innerHeight - h)) + 'px';
    $('Help1').focus();
  }

  function closeMenu(keepFocus) {
    var menu = $('PopupMenu1');
    if (menu.hidden) return;
    menu.hidden = true;
    if (!keepFocus && menuReturn && document.contains(menuReturn)) menuReturn.focus();
    menuReturn = null;
  }

  // The menu from the keyboard belongs to the focused control: it opens below it.
  function keyboardMenuPlace() {
    var focus = document.activeElement;
    var form = $('Form1');
    var target = focus && form.contains(focus) && focus !== form ? focus : form;
    var r = target.getBoundingClientRect();
    return target === form ? [r.left, r.top] : [r.left, r.bottom];
  }

  $('Form1').addEventListener('contextmenu', function (e) {
    e.preventDefault();
    if (e.button === 2 || e.clientX || e.clientY) {
      openMenu(e.clientX, e.clientY);
    } else {
      var p = keyboardMenuPlace();
      openMenu(p[0], p[1]);
    }
  });
  document.addEventListener('keydown', function (e) {
    if (e.key === 'ContextMenu' || e.key === 'F10' && e.shiftKey) {
      if (!$('Form1').contains(document.activeElement) && document.activeElement !== document.body) {
        return;
      }
      e.preventDefault();
      var p = keyboardMenuPlace();
      openMenu(p[0], p[1]);
    }
  });
  $('PopupMenu1').addEventListener('contextmenu', function (e) { e.preventDefault(); });

  var menuItems = [$('Help1'), $('About1')];
  $('PopupMenu1').addEventListener('keydown', function (e) {
    var at = menuItems.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      menuItems[(at + (e.key === 'ArrowDown' ? 1 : menuItems.length - 1)) % menuItems.length].focus();
    } else if (e.key === 'Enter' || e.key === ' ') {
      if (at >= 0) menuItems[at].click();
    } else if (e.key === 'Escape' || e.key === 'Tab') {
      closeMenu();
    } else {
      return;
    }
    e.preventDefault();
  });
  document.addEventListener('mousedown', function (e) {
    if (!$('PopupMenu1').contains(e.target)) closeMenu(true);
    boxes.forEach(function (b) { if (!$(b[0]).contains(e.target)) closeList(b[0]); });
  });

  // "Help": the player's rules, as a web page beside this one.
  $('Help1').addEventListener('click', function () {
    closeMenu();
    window.open('help.html', '_blank');
  });

  // "About": the credits window, the same one each time, above the game.
  $('About1').addEventListener('click', function () {
    closeMenu(true);
    $('Form2').hidden = false;
    $('Form2Close').focus();
  });
  $('Form2Close').addEventListener('click', function () {
    $('Form2').hidden = true;
    $('Form1').focus();
  });

  // --- The credits --------------------------------------------------------------------------

  // Six lines; the first goes to the end every 400 ms, from the page's start, shown or hidden.
  var creditLines = ['', '', 'Составил', 'Команда игры «Кеволан»', '', 'Игра "Кеволан"'];
  function showCredits() {
    var box = $('ZelCredits1');
    box.textContent = '';
    creditLines.forEach(function (line) {
      var div = document.createElement('div');
      div.textContent = line;
      box.appendChild(div);
    });
  }
  showCredits();
  window.setInterval(function () {
    creditLines.push(creditLines.shift());
    showCredits();
  }, 400);

  // --- Start ---------------------------------------------------------------------------------

  // The rules as the other parts of the page reach them.
  window.rules = {
    load: function () { return KevolanRules().then(started); },
    run: function (line) {
      var out = rules.run(line);
      if (line !== 'state') played.push(line);
      return out;
    },
    state: function () { return runLine('state').State; },
    newGame: function () { rules.newGame(); played = []; },
    script: function () { return played.slice(); }
  };

  function started(m) {
    var encoder = new TextEncoder();
    var run = m.cwrap('kevolan_run', 'number', ['number']);
    rules = {
      // The line goes through the module's heap, not its small stack, so that a typed text of
      // any length reaches the game whole (a text too long for the heap changes nothing).
      // Halves of a surrogate pair, which are no letter at all, arrive as U+FFFD.
      run: function (line) {
        var bytes = encoder.encode(line);
        var at = m._malloc(bytes.length + 1);
        if (!at) return '';
        try {
          m.HEAPU8.set(bytes, at);
          m.HEAPU8[at + bytes.length] = 0;
          return m.UTF8ToString(run(at));
        } finally {
          m._free(at);
        }
      },
      newGame: m.cwrap('kevolan_new_game', null, []),
      messageCount: m.cwrap('kevolan_message_count', 'number', []),
      messageState: m.cwrap('kevolan_message_state', 'string', ['number'])
    };
  }

  window.addEventListener('DOMContentLoaded', function () {
    window.rules.load().then(function () {
    show(runLine('state').State);
    $('Button1').focus();
    performance.mark('kevolan-first-state');
    document.documentElement.dataset.ready = 'true';
  });
  });
})();
