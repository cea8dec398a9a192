'use strict';
// The day turn and its message boxes: each message is read in its own box, in front of the
// state the window showed when it was said; the new day is shown once the last is closed.
const messages = (() => {
  let running = false;
  let pending = []; // the turn's messages still to be shown, with the state behind each
  let finalState = null;
  let later = null; // a message of the page's own that came while a turn's boxes were read
  let dayMessages = 0; // the messages of the day being read; 0 for a message of the page's own
  let held = [];       // a day's messages played again on load, shown with its first state

  function nextDay() {
    if (!rules.loaded || running || view.shown.GameOver) return;
    const answer = rules.ask('next');
    if (!answer || !answer.State) {
      view.show(rules.state());
      return;
    }
    pending = answer.Messages.map((text, i) => ({ text, state: rules.messageState(i) }));
    finalState = answer.State;
    if (pending.length === 0) {
      view.show(finalState);
      view.say(rules.dayReport());
      return;
    }
    dayMessages = pending.length;
    running = true;
    menu.close();
    choices.closeAll();
    showNext();
  }

  // The last day of a game played again on load, while its boxes were being read: its
  // messages from the `read`-th on are held until showHeld(). Says whether the day was played.
  function replayTurn(read) {
    const answer = rules.ask('next');
    if (!answer || !answer.State) return false;
    const all = answer.Messages.map((text, i) => ({ text, state: rules.messageState(i) }));
    held = all.slice(read);
    dayMessages = all.length;
    finalState = answer.State;
    return true;
  }

  function showHeld() {
    if (held.length === 0 || running) return;
    pending = held;
    held = [];
    running = true;
    showNext();
  }

  function showNext() {
    const m = pending.shift();
    view.show(m.state);
    const box = $('MessageBox');
    $('MessageText').textContent = m.text;
    if (!box.open) box.showModal();
    placeOverWindow(box);
    $('MessageOk').focus();
  }

  // A message box stands in the middle of the game's window, as the desktop puts it; the box is
  // placed in its own pixels, which a large screen scales with the window.
  function placeOverWindow(box) {
    const f = $('Form1').getBoundingClientRect();
    const scale = fit.scale;
    box.style.margin = '0';
    const { width, height } = box.getBoundingClientRect();
    box.style.left = Math.max(0, f.left + (f.width - width) / 2) / scale + 'px';
    box.style.top = Math.max(0, f.top + (f.height - height) / 2) / scale + 'px';
  }

  // OK, Enter, Space or Escape: the next message, or the new day once all have been read.
  function read() {
    if (!running) return;
    if (pending.length > 0) {
      showNext();
      return;
    }
    const box = $('MessageBox');
    running = false;
    dayMessages = 0;
    view.show(finalState);
    if (box.open) box.close();
    if (finalState.GameOver) view.takeFocusAtEnd();
    else if (document.activeElement === document.body) $('Form1').focus();
    view.say(rules.dayReport());
    if (later !== null) {
      const text = later;
      later = null;
      say(text);
    }
  }

  // A message of the page's own, not of a turn (the hint): the same box, the day unchanged;
  // while a turn's boxes are read it waits for the last of them.
  function say(text) {
    if (!view.shown) return false;
    if (running) {
      later = text;
      return true;
    }
    pending = [{ text, state: view.shown }];
    finalState = view.shown;
    dayMessages = 0;
    running = true;
    menu.close(true);
    choices.closeAll();
    showNext();
    return true;
  }

  $('MessageOk').addEventListener('click', read);
  $('MessageBox').addEventListener('keydown', (e) => {
    // Handled here, so that the browser never closes the box on its own.
    if (e.key === 'Escape') {
      e.preventDefault();
      read();
    } else if (e.key === 'Tab') {
      // The box's one button keeps the focus, as in the desktop's box.
      e.preventDefault();
    }
  });
  // While a box is open its button keeps the keyboard, wherever the mouse presses, so that
  // Enter still answers the box.
  document.addEventListener('mousedown', (e) => {
    if (running && e.target !== $('MessageOk')) e.preventDefault();
  }, true);
  document.addEventListener('focusin', () => {
    if (running && document.activeElement !== $('MessageOk')) $('MessageOk').focus();
  });
  $('MessageBox').addEventListener('cancel', (e) => {
    e.preventDefault();
    read();
  });
  // Should the browser close the box anyway, the turn's messages still come one by one.
  $('MessageBox').addEventListener('close', () => {
    if (!running) return;
    if (pending.length > 0) showNext(); else read();
  });

  return {
    nextDay,
    say,
    replayTurn,
    showHeld,
    get running() { return running; },
    // How many of the day's messages have been read while its boxes are open; else null.
    get reading() { return running && dayMessages ? dayMessages - pending.length - 1 : null; },
  };
})();
