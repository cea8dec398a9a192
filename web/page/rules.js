'use strict';
// The rules module's binding: the game runs inside the WebAssembly module, one driver command
// at a time, and answers in the driver's JSON. It also keeps the commands played since the
// game began, so that a game can be played again to the same state. Nothing here touches the
// page, so that a worker can load it too.
const rules = (() => {
  let module = null;
  let runLine = null;
  let played = [];
  const encoder = new TextEncoder();

  // The line goes through the module's heap, not its small stack, so that a typed text of any
  // length reaches the game whole (a text too long for the heap changes nothing). Halves of a
  // surrogate pair, which are no letter at all, arrive as U+FFFD.
  function run(line) {
    const bytes = encoder.encode(line);
    const at = module._malloc(bytes.length + 1);
    if (!at) return '';
    let out;
    try {
      module.HEAPU8.set(bytes, at);
      module.HEAPU8[at + bytes.length] = 0;
      out = module.UTF8ToString(runLine(at));
    } finally {
      module._free(at);
    }
    // Asking for the state changes nothing and is not part of the game.
    if (line !== 'state') played.push(line);
    return out;
  }

  // The first line the command printed, read, or null when it printed nothing.
  function ask(line) {
    const out = run(line);
    return out ? JSON.parse(out.split('\n')[0]) : null;
  }

  return {
    async load() {
      const m = await KevolanRules();
      runLine = m.cwrap('kevolan_run', 'number', ['number']);
      module = m;
    },
    get loaded() { return module !== null; },
    run,
    ask,
    state() { return ask('state').State; },
    // The state the window showed behind the last turn's message `index`.
    messageState(index) {
      return JSON.parse(module.UTF8ToString(module._kevolan_message_state(index)));
    },
    messageCount() { return module._kevolan_message_count(); },
    newGame() {
      module._kevolan_new_game();
      played = [];
    },
    // A stored game's commands played at once, their answers unwritten (a long game comes
    // back in a blink); says whether every line was a command.
    replay(commands) {
      const bytes = encoder.encode(commands.join('\n'));
      const at = module._malloc(bytes.length + 1);
      if (!at) return false;
      let count = 0;
      try {
        module.HEAPU8.set(bytes, at);
        module.HEAPU8[at + bytes.length] = 0;
        count = module._kevolan_replay(at);
      } finally {
        module._free(at);
      }
      played = commands.slice(0, count);
      return count === commands.length;
    },
    // Every command played since the game began, in order, and how many there are.
    script() { return played.slice(); },
    get commandCount() { return played.length; },
    // What the last day changed, in words; empty before the first day.
    dayReport() { return module.UTF8ToString(module._kevolan_day_report()); },
  };
})();
