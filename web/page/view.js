'use strict';
// Showing a state: every counter, what the castaway owns, the check box, the activities and the
// choice boxes, as the desktop window shows them.
const $ = (id) => document.getElementById(id);

// A screen without the pictures drawn at twice the size shows the plain ones, magnified.
for (const img of document.querySelectorAll('.panel img')) {
  const plain = () => {
    img.removeAttribute('srcset');
    img.className = 'single';
  };
  if (img.complete && img.naturalWidth === 0) plain();
  else img.addEventListener('error', plain, { once: true });
}

const view = (() => {
  let shown = null; // the state the window shows

  // The words a screen reader says before a counter's number; the date is read whole.
  const counterWords = {
    SickDays: 'Осталось дней болезни',
    HungryDays: 'Дней без еды',
    FruitStock: 'Фрукты в запасе',
    FishStock: 'Рыба в запасе',
    WildGameStock: 'Дичь в запасе',
    FruitStreak: 'Фрукты дней подряд',
    FishStreak: 'Рыба дней подряд',
    WildGameStreak: 'Дичь дней подряд',
  };
  // An item's counters: the field each shows, the field that says whether it is shown, words.
  const itemCounters = [['BuildDaysLeft', 'BuildShown', 'осталось дней на создание'],
                        ['RepairDaysLeft', 'RepairShown', 'осталось дней на ремонт'],
                        ['WearDaysLeft', 'WearShown', 'осталось дней действия']];

  // [label, the words before the number, how to read it from the state], from the window's map.
  const counters = Object.entries(controls.counters).map(([label, field]) => [
    label, counterWords[field] || null, (s) => ({ v: s[field], on: true })]);
  for (const row of controls.items) {
    for (const [value, visible, words] of itemCounters) {
      if (!row[value]) continue;
      counters.push([row[value], row.Name + ', ' + words, (s) => {
        const it = s.Items[row.Item];
        // The boat's creation counter is always shown.
        return { v: it[value], on: visible in it ? it[visible] : true };
      }]);
    }
  }

  // Screen readers hear each counter with its meaning ("Фрукты в запасе: 3"), not a bare number:
  // the words stand, unseen, right after the number they speak for.
  const spoken = {};
  for (const [id] of counters) {
    const label = $(id);
    label.setAttribute('aria-hidden', 'true');
    const words = document.createElement('span');
    words.className = 'unseen';
    label.parentNode.insertBefore(words, label.nextSibling);
    spoken[id] = words;
  }

  const activities = ['GatherFood', 'Create', 'Repair'];

  function setText(el, text) {
    if (el.textContent !== text) el.textContent = text;
  }

  function setHidden(el, hidden) {
    if (el.hidden !== hidden) el.hidden = hidden;
  }

  function show(s) {
    shown = s;
    for (const [id, , read] of counters) {
      const value = read(s);
      const label = $(id);
      setText(label, String(value.v));
      setHidden(label, !value.on);
      setHidden(spoken[id], !value.on);
    }
    setText(spoken.Label57, 'Дата: ' + s.Day + ' ' + s.Month);
    setText(spoken.Label58, 'Месяц: ' + s.Month);
    for (const [id, words] of counters) {
      if (words) setText(spoken[id], words + ': ' + $(id).textContent);
    }
    for (const row of controls.items) {
      if (row.Owned) setHidden($(row.Owned), !s.Items[row.Item].Owned);
    }

    $('CheckBox1Mark').checked = s.EatToday;
    document.querySelectorAll('#RadioGroup1 input').forEach((radio, i) => {
      radio.checked = activities[i] === s.Activity;
      radio.disabled = !s.ActivityEnabled;
    });
    $('RadioGroup1').setAttribute('aria-disabled', String(!s.ActivityEnabled));

    choices.show(s.Boxes);

    // Once the game is over the next-day button gives way to the game-over button. The focus is
    // not moved onto it, so a key pressed again does not end the page; a screen reader hears it.
    const wasOver = !$('Button2').hidden;
    setHidden($('Button1'), s.GameOver);
    setHidden($('Button2'), !s.GameOver);
    if (s.GameOver && !wasOver) {
      $('Form1').setAttribute('aria-describedby', 'GameOverHow');
      if (!$('MessageBox').open) takeFocusAtEnd();
    }
  }

  // At the game's end the window itself takes the focus, described as over, unless the player
  // has moved it to another control.
  function takeFocusAtEnd() {
    const focus = document.activeElement;
    if (!focus || focus === document.body || focus === $('Button1') ||
        focus === $('MessageOk')) {
      $('Form1').focus();
    }
  }

  // The polite voice of the page: what a day did, said once its message boxes are closed.
  function say(text) {
    setText($('Announce'), text);
  }

  return {
    show,
    takeFocusAtEnd,
    say,
    get shown() { return shown; },
  };
})();
