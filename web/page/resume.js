'use strict';
// A reload gives back the game: the stored commands are played again before the window first
// shows a state, and every action the player takes is stored at once. Told to the player in a
// box of the game's own: a stored game that could not be played, a game that can no longer be
// kept, and another tab that took the game over.
(() => {
  let kept = 0;        // commands already stored
  let stopped = false; // another tab plays the game now

  function notice(text, button, then) {
    let box = $('Notice');
    if (!box) {
      box = document.createElement('dialog');
      box.id = 'Notice';
      box.className = 'box';
      box.setAttribute('aria-labelledby', 'NoticeCaption');
      box.setAttribute('aria-describedby', 'NoticeText');
      box.innerHTML = '<div class="caption"><span id="NoticeCaption">kevolan</span></div>' +
                      '<p id="NoticeText"></p><button id="NoticeOk" type="button"></button>';
      document.body.appendChild(box);
      box.addEventListener('cancel', (e) => e.preventDefault());
    }
    $('NoticeText').textContent = text;
    const ok = $('NoticeOk');
    ok.textContent = button;
    ok.onclick = () => {
      if (then) {
        then();
        return;
      }
      box.close();
    };
    if (!box.open) box.showModal();
    ok.focus();
  }

  let keptReading; // the day's messages read, as last stored (first stored after the load)
  function store() {
    // Every event of the player comes here: the whole game is copied only when it has grown.
    if (stopped) return;
    if (rules.commandCount !== kept) {
      const script = rules.script();
      kept = script.length;
      const said = savedGame.save(script, JSON.stringify(rules.state()));
      if (said) notice(said, 'OK');
    }
    if (messages.reading !== keptReading) {
      keptReading = messages.reading;
      savedGame.reading(kept, keptReading);
    }
  }

  // The stored game is played before the first state is shown.
  const load = rules.load;
  rules.load = async () => {
    await load();
    const begun = performance.now();
    const said = savedGame.restore({
      replay: (commands) => rules.replay(commands),
      replayTurn: (read) => messages.replayTurn(read),
      state: () => JSON.stringify(rules.state()),
      reset: () => rules.newGame(),
    });
    kept = rules.commandCount;
    performance.measure('kevolan-resume', { start: begun });
    // Once the first state is shown: the notice, or the box that was open at the reload.
    if (said) window.setTimeout(() => notice(said, 'OK'), 0);
    else window.setTimeout(() => messages.showHeld(), 0);
  };

  // Every action of the player ends in one of these events; the game is stored right after it.
  for (const type of ['click', 'change', 'input', 'keydown']) {
    document.addEventListener(type, () => window.setTimeout(store, 0), true);
  }

  // The game ended by its own button, or a new one asked for: nothing to come back to.
  $('Button2').addEventListener('click', () => {
    if ($('Window').hidden) savedGame.clear();
  });
  $('NewGame').addEventListener('click', () => savedGame.clear(), true);

  savedGame.onTakenOver(() => {
    stopped = true;
    notice(savedGame.NOTICES.elsewhere, 'Продолжить здесь', () => window.location.reload());
  });
})();
