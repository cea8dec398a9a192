// The WebAssembly rules answer every script exactly as kevolan-replay does, line by line and
// byte by byte, show behind each message the state the native rules showed at that moment, and
// tell each day as the native report does.
//   node --no-experimental-fetch rules-equivalence.js MODULE REPLAY CHECK PLANS_DIR [SCRIPTS]
// MODULE is kevolan-rules.js, REPLAY kevolan-replay, CHECK web_rules_check (seeded scripts and
// the native per-message states); SCRIPTS is how many seeded scripts to play (default 40).
'use strict';
const { spawnSync } = require('child_process');
const fs = require('fs');
const path = require('path');

const [modulePath, replayPath, checkPath, plansDir, scriptCountArg] = process.argv.slice(2);
if (!plansDir) {
  console.error('usage: rules-equivalence.js MODULE REPLAY CHECK PLANS_DIR [SCRIPTS]');
  process.exit(2);
}
const scriptCount = Number(scriptCountArg || 40);
const NL = 0x0a;
const failures = [];
let messageStates = 0;

function fail(name, why) {
  failures.push(`${name}: ${why}`);
}

function native(program, args, input) {
  const r = spawnSync(program, args, { input, maxBuffer: 1 << 30 });
  if (r.error) throw r.error;
  return r;
}

// The lines as the driver reads them: split at "\n", a final empty piece is no line.
function lines(script) {
  const out = [];
  let start = 0;
  for (let i = 0; i < script.length; ++i) {
    if (script[i] === NL) {
      out.push(script.subarray(start, i));
      start = i + 1;
    }
  }
  if (start < script.length) out.push(script.subarray(start));
  return out;
}

class Rules {
  constructor(m) {
    this.m = m;
  }
  text(pointer) {
    const heap = this.m.HEAPU8;
    let end = pointer;
    while (heap[end] !== 0) ++end;
    return Buffer.from(heap.subarray(pointer, end));
  }
  run(lineBytes) {
    const p = this.m._malloc(lineBytes.length + 1);
    this.m.HEAPU8.set(lineBytes, p);
    this.m.HEAPU8[p + lineBytes.length] = 0;
    const answer = this.text(this.m._kevolan_run(p));
    this.m._free(p);
    return answer;
  }
  snapshots() {
    const out = [];
    for (let i = 0; i < this.m._kevolan_message_count(); ++i) {
      out.push(this.text(this.m._kevolan_message_state(i)).toString('utf8'));
    }
    return out;
  }
  dayReport() {
    return this.text(this.m._kevolan_day_report()).toString('utf8');
  }
}

function dateOf(state) {
  return `${state.Day} ${state.Month}`;
}

// Plays one script on the module the way the driver reads it; returns what it printed, whether
// it stopped at a usage error, and the per-turn message states in the check tool's format.
function playModule(rules, name, script) {
  rules.m._kevolan_new_game();
  const printed = [];
  const turns = [];
  let usage = false;
  let ran = 0;
  for (const line of lines(script)) {
    const before = JSON.parse(rules.run(Buffer.from('state')).toString('utf8')).State;
    const answer = rules.run(line);
    if (answer.toString('utf8').startsWith('{"UsageError": ')) {
      usage = true;
      const after = rules.run(Buffer.from('state'));
      if (JSON.stringify(JSON.parse(after.toString('utf8')).State) !== JSON.stringify(before)) {
        fail(name, 'a usage error changed the game');
      }
      break;
    }
    ++ran;
    printed.push(answer);
    const text = answer.toString('utf8');
    if (!text.startsWith('{"Turn": ')) continue;
    const turn = JSON.parse(text);
    const states = rules.snapshots();
    messageStates += states.length;
    const report = JSON.stringify(rules.dayReport());
    turns.push(`{"Turn": ${turn.Turn}, "Snapshots": [${states.join(', ')}], "Report": ${report}}\n`);
    if (states.length !== turn.Messages.length) {
      fail(name, `turn ${turn.Turn}: ${states.length} states for ${turn.Messages.length} messages`);
    }
    let over = before.GameOver;
    for (const s of states.map((j) => JSON.parse(j))) {
      // The calendar moves last: the box never shows the next day's date.
      if (dateOf(s) !== dateOf(before)) {
        fail(name, `turn ${turn.Turn}: a message shows ${dateOf(s)}, the turn began on ${dateOf(before)}`);
      }
      if (over && !s.GameOver) fail(name, `turn ${turn.Turn}: a game over was undone`);
      over = s.GameOver;
      if (Object.keys(s).join() !== Object.keys(turn.State).join()) {
        fail(name, `turn ${turn.Turn}: a message state lacks keys of the state`);
      }
    }
    if (turn.State.GameOver && !before.GameOver && states.length === 0) {
      fail(name, `turn ${turn.Turn}: the game ended without a message`);
    }
  }
  return { printed: Buffer.concat(printed), usage, ran, turns: turns.join('') };
}

function firstDifference(a, b) {
  const n = Math.min(a.length, b.length);
  let i = 0;
  while (i < n && a[i] === b[i]) ++i;
  const lineNo = a.subarray(0, i).toString('utf8').split('\n').length;
  return `output line ${lineNo}: module "${a.subarray(i, i + 80)}" vs driver "${b.subarray(i, i + 80)}"`;
}

// A stored game played again in one call, as a reloaded page does, ends where the same lines
// played one by one ended, and stops at the line the driver stops at.
function checkReplay(rules, name, script, wanted) {
  const final = rules.run(Buffer.from('state')).toString('utf8');
  rules.m._kevolan_new_game();
  const p = rules.m._malloc(script.length + 1);
  rules.m.HEAPU8.set(script, p);
  rules.m.HEAPU8[p + script.length] = 0;
  const played = rules.m._kevolan_replay(p);
  rules.m._free(p);
  const counted = lines(script.subarray(0, lineEnd(script, played))).length;
  if (counted !== wanted) fail(name, `replayed ${counted} commands, not ${wanted}`);
  if (rules.run(Buffer.from('state')).toString('utf8') !== final) {
    fail(name, 'a replay in one call ends in another state');
  }
}

// Where the first `count` lines of a script end.
function lineEnd(script, count) {
  let at = 0;
  for (let i = 0; i < count && at < script.length; ++i) {
    const next = script.indexOf(10, at);
    at = next < 0 ? script.length : next + 1;
  }
  return at;
}

function compare(rules, name, script) {
  const driver = native(replayPath, [], script);
  const mine = playModule(rules, name, script);
  if (!mine.printed.equals(driver.stdout)) fail(name, firstDifference(mine.printed, driver.stdout));
  if (mine.usage !== (driver.status === 2)) {
    fail(name, `driver exit ${driver.status}, module usage error ${mine.usage}`);
  }
  const reference = native(checkPath, ['snapshots'], script).stdout.toString('utf8');
  if (mine.turns !== reference) fail(name, 'message states or reports differ from the native rules');
  checkReplay(rules, name, script, mine.ran);
  return { turns: (mine.turns.match(/\n/g) || []).length, bytes: driver.stdout.length };
}

require(path.resolve(modulePath))().then((m) => {
  const rules = new Rules(m);
  let turns = 0;
  let longest = 0;
  let pastAYear = 0;
  const plans = fs.readdirSync(plansDir).filter((f) => f.endsWith('.txt')).sort();
  for (const plan of plans) {
    turns += compare(rules, plan, fs.readFileSync(path.join(plansDir, plan))).turns;
  }
  for (let seed = 1; seed <= scriptCount; ++seed) {
    // Every third script is a long game; every fifth ends at a usage error.
    const long = seed % 3 === 0;
    const args = ['script', String(seed), long ? '2500' : '150', long ? '0.02' : '0.3'];
    if (seed % 5 === 0) args.push('usage');
    const script = native(checkPath, args).stdout;
    const r = compare(rules, `seed ${seed}`, script);
    turns += r.turns;
    longest = Math.max(longest, r.turns);
    if (r.turns > 365) ++pastAYear;
  }
  // The page's own entry points: a string in, the same answer out, a new game starts afresh.
  const run = m.cwrap('kevolan_run', 'string', ['string']);
  m._kevolan_new_game();
  const first = run('state');
  const report = () => m.UTF8ToString(m._kevolan_day_report());
  if (report() !== '') fail('entry points', 'a report before any day');
  run('activity gather');
  run('next');
  run('state');
  if (report() !== '2 Января. Фрукты в запасе: 3. Дней без еды: 1. ' +
      'Старая одежда, осталось дней действия: 29. Старая одежда, осталось дней на ремонт: 2. ' +
      'В списке «Какую еду съесть» появилось: Фрукты') {
    fail('entry points', `the first day told as "${report()}"`);
  }
  if (run('eat on') !== '' || !run('a\nb').startsWith('{"UsageError": ')) {
    fail('entry points', 'unexpected answer to a plain or a two-line command');
  }
  m._kevolan_new_game();
  if (run('state') !== first || m._kevolan_message_count() !== 0 || report() !== '') {
    fail('entry points', 'a new game is not the initial one');
  }
  if (m.UTF8ToString(m._kevolan_message_state(5)) !== '') fail('entry points', 'state past the end');

  for (const f of failures.slice(0, 20)) console.error(f);
  console.log(`${plans.length} plans and ${scriptCount} seeded scripts, ${turns} turns ` +
              `(longest game ${longest} turns, ${pastAYear} past a year), ${messageStates} message states: ` +
              `${failures.length} differences`);
  process.exit(failures.length ? 1 : 0);
}, (e) => {
  console.error(e);
  process.exit(1);
});
