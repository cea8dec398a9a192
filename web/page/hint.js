'use strict';
// «Подсказка»: can the island still be escaped from? The search runs in a worker with its own
// rules module, so the page goes on answering the player while it thinks. One question at a
// time; the answer comes in the game's message box. Once the game is over the worker, which
// plays the commands again from a new game and so knows every day, answers with the review of
// the game: the same question, asked until the game-over button or «Новая игра» clears the game.
const hint = (() => {
  const staleText = 'Пока шёл поиск подсказки, прошёл день, и она устарела. Спросите снова.';
  // Chromium starts no worker for a page opened straight from disk.
  const needsServerText = 'Подсказке нужна страница, открытая с веб-сервера (например, make ' +
      'run-web): у страницы, открытой прямо с диска, браузер не даёт подсказке думать в ' +
      'стороне от игры.';
  const failedText = 'Подсказка не смогла ответить. Спросите снова.';
  let worker = null;
  let asking = false;
  let askedAtTurn = 0;
  let lastAnswer = null;  // the worker's last answer as it came, for tests
  // Day turns each search may play (0: the search's own budget, the one the window and the
  // driver use, so that the page's answer is theirs).
  let maxTurns = 0;

  // Days played: a day played while the search thinks leaves its answer behind.
  function turns() { return rules.script().filter((line) => line === 'next').length; }

  function thinking(on) {
    asking = on;
    document.documentElement.dataset.hint = on ? 'thinking' : 'idle';
  }

  function answered(e) {
    thinking(false);
    lastAnswer = e.data;
    messages.say(turns() !== askedAtTurn ? staleText : e.data.Text);
  }

  function failed(e) {
    if (e && e.preventDefault) e.preventDefault();
    if (worker) worker.terminate();
    worker = null;
    thinking(false);
    messages.say(window.location.protocol === 'file:' ? needsServerText : failedText);
  }

  function ask() {
    if (!rules.loaded || asking || $('Window').hidden) return;
    if (!worker) {
      try {
        worker = new Worker('hint-worker.js');
      } catch (err) {
        worker = null;
        messages.say(needsServerText);
        return;
      }
      worker.onmessage = answered;
      worker.onerror = failed;
    }
    thinking(true);
    askedAtTurn = turns();
    worker.postMessage({ script: rules.script(), maxTurns });
  }

  // The game ended on this page: a search still thinking is of no use any more.
  function stop() {
    if (worker) worker.terminate();
    worker = null;
    thinking(false);
  }

  document.addEventListener('keydown', (e) => {
    if (e.key !== 'F2' || e.repeat || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    if (messages.running || $('Window').hidden) return;
    e.preventDefault();
    menu.close(true);
    ask();
  });

  return {
    ask,
    stop,
    get asking() { return asking; },
    // Tests give the search a smaller budget.
    setBudget(turnsAllowed) { maxTurns = Number(turnsAllowed) || 0; },
    get budget() { return maxTurns; },
    get answer() { return lastAnswer; },
  };
})();
