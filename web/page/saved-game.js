'use strict';
// The game kept in the browser's storage, so that a reload, which a phone's browser also does on
// its own, is not a new start. The game is kept as the commands played since the start (the
// replay driver's script) and played again through the rules on load; the rules leave nothing
// to chance, so the same game comes back. A record carries the rules' version, a digest of the
// state it must lead to and a checksum of itself: a record that fails any of them is dropped
// with a notice, never played into a different game.
const savedGame = (() => {
  const KEY = 'kevolan-game';
  const OWNER = 'kevolan-tab';   // the tab that plays the stored game
  // [the commands kept, the messages read] while the last day's message boxes are open
  const READING = 'kevolan-reading';
  const FORMAT = 1;
  const RULES = '@KEVOLAN_RULES_VERSION@';
  // Browsers give a site about five million characters; a record is kept well inside that.
  const MAX_CHARS = 4000000;

  const NOTICES = {
    damaged: 'Сохранённая игра повреждена, продолжить её нельзя. Начата новая игра.',
    version: 'Сохранённая игра записана другой версией игры, продолжить её нельзя. ' +
             'Начата новая игра.',
    tooLong: 'Сохранённая игра слишком длинная, продолжить её нельзя. Начата новая игра.',
    lost: 'Последние ходы не удалось сохранить: в хранилище браузера не хватило места. ' +
          'Начата новая игра.',
    off: 'Браузер не даёт сохранять игру: если страницу перезагрузить, игра начнётся заново.',
    full: 'Игру больше не удаётся сохранить: в хранилище браузера не хватает места. Если ' +
          'страницу перезагрузить, игра начнётся заново.',
    elsewhere: 'Эта игра открыта в другой вкладке и продолжается там. Здесь она остановлена, ' +
               'чтобы ходы двух вкладок не смешались.'
  };

  const tab = String(Date.now()) + '-' + String(Math.random()).slice(2);
  let storage = null;
  let owner = false;     // this tab plays the stored game
  let failed = false;    // a write failed: the record is gone, the player has been told
  let takenOver = null;  // called once another tab takes the game

  // A 53-bit hash (two 32-bit lanes), enough to tell a damaged record or a different state.
  function hash(text) {
    let h1 = 0xdeadbeef;
    let h2 = 0x41c6ce57;
    for (let i = 0; i < text.length; ++i) {
      const c = text.charCodeAt(i);
      h1 = Math.imul(h1 ^ c, 2654435761);
      h2 = Math.imul(h2 ^ c, 1597334677);
    }
    h1 = Math.imul(h1 ^ (h1 >>> 16), 2246822507) ^ Math.imul(h2 ^ (h2 >>> 13), 3266489909);
    h2 = Math.imul(h2 ^ (h2 >>> 16), 2246822507) ^ Math.imul(h1 ^ (h1 >>> 13), 3266489909);
    return (4294967296 * (2097151 & h2) + (h1 >>> 0)).toString(36);
  }

  function body(record) {
    return JSON.stringify([record.format, record.rules, record.digest, record.commands]);
  }

  function get(key) {
    try { return storage.getItem(key); } catch (e) { return null; }
  }

  function put(key, value) {
    try { storage.setItem(key, value); return true; } catch (e) { return false; }
  }

  function drop(key) {
    try { storage.removeItem(key); } catch (e) { /* nothing kept, nothing to drop */ }
  }

  // Reading the record: {commands, digest}, or {notice} when it cannot be played, or null.
  function read() {
    const text = get(KEY);
    if (text === null) return null;
    let record = null;
    try { record = JSON.parse(text); } catch (e) { record = null; }
    if (record && record.lost === true) return { notice: NOTICES.lost };
    // Only a record that says which format and rules wrote it can be of another version;
    // anything else ({}, [], a number) is a damaged one.
    if (!record || typeof record !== 'object' || typeof record.format !== 'number' ||
        typeof record.rules !== 'string') {
      return { notice: NOTICES.damaged };
    }
    if (record.format !== FORMAT || record.rules !== RULES) return { notice: NOTICES.version };
    if (text.length > MAX_CHARS) return { notice: NOTICES.tooLong };
    const commands = record.commands;
    let sound = Array.isArray(commands) && typeof record.digest === 'string' &&
                record.sum === hash(body(record));
    for (let i = 0; sound && i < commands.length; ++i) {
      sound = typeof commands[i] === 'string' && commands[i].indexOf('\n') < 0;
    }
    if (!sound) return { notice: NOTICES.damaged };
    return { commands, digest: record.digest };
  }

  function claim() {
    owner = put(OWNER, tab);
  }

  return {
    NOTICES,
    digest: hash,

    // On load: plays the stored game through `game` ({replay(commands) -> whether every line
    // was a command, state() -> the state's text, reset()}), and says what the player must be
    // told ('' for nothing). A game that does not come back exactly is dropped and reset.
    restore(game) {
      try {
        storage = window.localStorage;
        storage.getItem(KEY);
      } catch (e) {
        storage = null;
      }
      if (!storage) return NOTICES.off;
      claim();
      if (!owner) return NOTICES.off;
      const stored = read();
      if (!stored) {
        drop(READING);
        return '';
      }
      if (!stored.notice) {
        // A reload while the last day's boxes were read: that day is played again with its
        // boxes held, from the one that was open.
        const commands = stored.commands;
        let reading = null;
        try { reading = JSON.parse(get(READING)); } catch (e) { reading = null; }
        const open = Array.isArray(reading) && reading[0] === commands.length &&
                     commands[commands.length - 1] === 'next' && Number.isInteger(reading[1]) &&
                     reading[1] >= 0;
        const played = open ? game.replay(commands.slice(0, -1)) && game.replayTurn(reading[1])
                            : game.replay(commands);
        if (played && hash(game.state()) === stored.digest) return '';
        game.reset();
        stored.notice = NOTICES.damaged;
      }
      drop(KEY);
      drop(READING);
      return stored.notice;
    },

    // After every action: the commands played so far and the state they led to. Says what
    // the player must be told, once, when the game can no longer be kept.
    save(commands, state) {
      if (!storage || !owner || failed) return '';
      if (get(OWNER) !== tab) {
        owner = false;
        if (takenOver) takenOver();
        return '';
      }
      const record = { format: FORMAT, rules: RULES, digest: hash(state), commands };
      record.sum = hash(body(record));
      const text = JSON.stringify(record);
      if (text.length <= MAX_CHARS && put(KEY, text)) return '';
      // An older record would bring back an older game: it goes, and the next start says so.
      failed = true;
      drop(KEY);
      put(KEY, JSON.stringify({ lost: true }));
      return NOTICES.full;
    },

    // While a day's message boxes are open: the commands kept and how many of the day's
    // messages have been read (null once all are), so that a reload shows the open one again.
    reading(count, read) {
      if (!storage || !owner || failed) return;
      if (read === null) drop(READING);
      else put(READING, JSON.stringify([count, read]));
    },

    // "Новая игра" and the end of a game: nothing to come back to.
    clear() {
      if (storage && owner) {
        drop(KEY);
        drop(READING);
      }
    },

    // Another tab that opens the page takes the game over (it plays on from the last action
    // this one kept); this tab stops, so that the two never write over each other's moves.
    onTakenOver(callback) {
      takenOver = callback;
      window.addEventListener('storage', (e) => {
        if (e.key === OWNER && owner && e.newValue !== tab) {
          owner = false;
          callback();
        }
      });
    }
  };
})();
