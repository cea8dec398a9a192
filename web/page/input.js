'use strict';
// The player's actions: each becomes the command the replay driver knows, run by the rules;
// the window then shows the state it leaves.
const input = (() => {
  function act(line) {
    if (!rules.loaded || messages.running) return;
    rules.run(line);
    view.show(rules.state());
  }

  // A key held down acts once, as on the desktop: its repeats press, tick, pick and close
  // nothing. Only a held Space typed into a box's text repeats, as typing does.
  const actionKeys = new Set(['Enter', ' ', 'Escape', 'F4', 'F10', 'ContextMenu']);
  document.addEventListener('keydown', (e) => {
    if (!e.repeat || !actionKeys.has(e.key)) return;
    if (e.key === ' ' && e.target.matches('input[type="text"]')) return;
    e.preventDefault();
    e.stopImmediatePropagation();
  }, true);

  $('CheckBox1Mark').addEventListener('change', function () {
    act(this.checked ? 'eat on' : 'eat off');
  });

  // Enter ticks the check box and chooses an activity, as it presses a button.
  $('CheckBox1Mark').addEventListener('keydown', function (e) {
    if (e.key === 'Enter') { e.preventDefault(); this.click(); }
  });

  const activityWords = ['gather', 'create', 'repair'];
  document.querySelectorAll('#RadioGroup1 input').forEach((radio, i) => {
    radio.addEventListener('change', () => {
      if (radio.checked) act('activity ' + activityWords[i]);
    });
    radio.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') { e.preventDefault(); radio.click(); }
    });
  });

  $('Button1').addEventListener('click', () => messages.nextDay());
  $('Button2').addEventListener('click', () => {
    if (!rules.loaded || messages.running || !view.shown.GameOver) return;
    endPage();
  });

  // A page cannot close itself: the game ends here and a new one can be started.
  function endPage() {
    menu.close();
    hint.stop();
    $('Window').hidden = true;
    $('Form2').hidden = true;
    $('Ended').hidden = false;
    $('NewGame').focus();
  }
  $('NewGame').addEventListener('click', () => window.location.reload());

  return { act };
})();
