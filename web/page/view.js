'use strict';
// Showing a state: every counter, what the castaway owns, the check box, the activities and the
// choice boxes, as the desktop window shows them.
const $ = (id) => document.getElementById(id);

const view = (() => {
  let shown = null; // the state the window shows

  const counters = [
    // [label, the words before the number, how to read it from the state]
    ['Label57', null, (s) => ({ v: s.Day, on: true })],
    ['Label58', null, (s) => ({ v: s.Month, on: true })],
    ['Label56', 'Осталось дней болезни', (s) => ({ v: s.SickDays, on: true })],
    ['Label46', 'Дней без еды', (s) => ({ v: s.HungryDays, on: true })],
    ['Label37', 'Фрукты в запасе', (s) => ({ v: s.FruitStock, on: true })],
    ['Label38', 'Рыба в запасе', (s) => ({ v: s.FishStock, on: true })],
    ['Label39', 'Дичь в запасе', (s) => ({ v: s.WildGameStock, on: true })],
    ['Label47', 'Фрукты дней подряд', (s) => ({ v: s.FruitStreak, on: true })],
    ['Label48', 'Рыба дней подряд', (s) => ({ v: s.FishStreak, on: true })],
    ['Label49', 'Дичь дней подряд', (s) => ({ v: s.WildGameStreak, on: true })],
  ];

  // Each item's labels: owned, creation, repair and wear counters.
  const items = [
    ['FishingTackle', 'Рыболовные снасти', 'Label50', 'Label40', 'Label31', 'Label25'],
    ['HuntingWeapon', 'Орудие охоты', 'Label51', 'Label41', 'Label32', 'Label26'],
    ['Hut', 'Хижина', 'Label52', 'Label42', 'Label33', 'Label27'],
    ['Cave', 'Пещера', 'Label53', 'Label43', 'Label34', 'Label28'],
    ['NewClothes', 'Новая одежда', 'Label54', 'Label44', 'Label35', 'Label30'],
    ['OldClothes', 'Старая одежда', 'Label55', null, 'Label36', 'Label29'],
    ['Boat', 'Лодка', null, 'Label45', null, null],
  ];

  const kinds = [[3, 'BuildDaysLeft', 'BuildShown', 'осталось дней на создание'],
                 [4, 'RepairDaysLeft', 'RepairShown', 'осталось дней на ремонт'],
                 [5, 'WearDaysLeft', 'WearShown', 'осталось дней действия']];
  for (const row of items) {
    const key = row[0];
    for (const [column, value, visible, words] of kinds) {
      if (!row[column]) continue;
      counters.push([row[column], row[1] + ', ' + words, (s) => {
        const it = s.Items[key];
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
    for (const row of items) {
      if (row[2]) setHidden($(row[2]), !s.Items[row[0]].Owned);
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
    if (s.GameOver && !wasOver) {
      const focusLost = document.activeElement === $('Button1');
      setHidden($('Button1'), true);
      setHidden($('Button2'), false);
      if (focusLost) $('Form1').focus();
      setText($('Announce'), 'Игра окончена');
    } else {
      setHidden($('Button1'), s.GameOver);
      setHidden($('Button2'), !s.GameOver);
    }
  }

  return {
    show,
    get shown() { return shown; },
  };
})();
