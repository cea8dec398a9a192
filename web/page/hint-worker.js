'use strict';
// The hint's worker: it loads the hint's own rules module, plays the page's commands again from
// a new game and asks the search about the position they reach, away from the page's thread.
importScripts('kevolan-hint.js');

const ready = KevolanHint();

// A line goes through the module's heap, whatever its length.
function withLine(module, line, use) {
  const bytes = new TextEncoder().encode(line);
  const at = module._malloc(bytes.length + 1);
  if (!at) return;
  try {
    module.HEAPU8.set(bytes, at);
    module.HEAPU8[at + bytes.length] = 0;
    use(at);
  } finally {
    module._free(at);
  }
}

onmessage = async (e) => {
  const module = await ready;
  const started = performance.now();
  module._kevolan_hint_new_game();
  for (const line of e.data.script) withLine(module, String(line), (at) => module._kevolan_hint_line(at));
  const answer = JSON.parse(module.UTF8ToString(module._kevolan_hint_answer(e.data.maxTurns || 0)));
  // The whole time the player waited in the worker: the game played again and the search.
  answer.WorkerMilliseconds = performance.now() - started;
  postMessage(answer);
};
