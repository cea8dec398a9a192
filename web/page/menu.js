'use strict';
// The window's context menu, "Help", "About" and «Подсказка», by the mouse or the keyboard.
const menu = (() => {
  let returnTo = null;
  let openWidth = 0; // the screen's width when the menu opened

  function open(x, y) {
    if (!rules.loaded || messages.running || $('Window').hidden) return;
    choices.closeAll();
    const popup = $('PopupMenu1');
    returnTo = document.activeElement;
    popup.hidden = false;
    // Placed on the screen in the window's pixels, which a large screen scales.
    const scale = fit.scale;
    const { width: w, height: h } = popup.getBoundingClientRect();
    popup.style.left = Math.max(0, Math.min(x, window.innerWidth - w)) / scale + 'px';
    popup.style.top = Math.max(0, Math.min(y, window.innerHeight - h)) / scale + 'px';
    openWidth = window.innerWidth;
    $('Help1').focus();
  }

  function close(keepFocus) {
    const popup = $('PopupMenu1');
    if (popup.hidden) return;
    popup.hidden = true;
    if (!keepFocus && returnTo && document.contains(returnTo)) returnTo.focus();
    returnTo = null;
  }

  // The menu from the keyboard belongs to the focused control: it opens below it.
  function keyboardPlace() {
    const focus = document.activeElement;
    const form = $('Form1');
    const target = focus && form.contains(focus) && focus !== form ? focus : form;
    const r = target.getBoundingClientRect();
    return target === form ? [r.left, r.top] : [r.left, r.bottom];
  }

  $('Form1').addEventListener('contextmenu', (e) => {
    e.preventDefault();
    if (e.button === 2 || e.clientX || e.clientY) {
      open(e.clientX, e.clientY);
    } else {
      open(...keyboardPlace());
    }
  });
  document.addEventListener('keydown', (e) => {
    if (e.key === 'ContextMenu' || e.key === 'F10' && e.shiftKey) {
      const focus = document.activeElement;
      if (!$('Form1').contains(focus) && focus !== document.body ||
          $('PopupMenu1').contains(focus)) {
        return;
      }
      e.preventDefault();
      open(...keyboardPlace());
    }
  });
  // A right click on the open menu is not one on the window below it.
  $('PopupMenu1').addEventListener('contextmenu', (e) => {
    e.preventDefault();
    e.stopPropagation();
  });

  const items = [$('Help1'), $('About1'), $('Hint1')];
  $('PopupMenu1').addEventListener('keydown', (e) => {
    const at = items.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length].focus();
    } else if (e.key === 'Enter' || e.key === ' ') {
      if (at >= 0) items[at].click();
    } else if (e.key === 'Escape' || e.key === 'Tab') {
      close();
    } else {
      return;
    }
    e.preventDefault();
  });
  document.addEventListener('mousedown', (e) => {
    if (!$('PopupMenu1').contains(e.target)) close(true);
  });
  // A turned phone or a resized window leaves the menu beside nothing it was opened on: it
  // closes, as the lists do. A phone's toolbar sliding away changes only the height.
  window.addEventListener('resize', () => {
    if (window.innerWidth !== openWidth) close();
  });

  // "Help": the player's rules, as a web page beside this one.
  $('Help1').addEventListener('click', () => {
    close();
    window.open('help.html', '_blank');
  });

  // "About": the credits window, the same one each time, above the game.
  $('About1').addEventListener('click', () => {
    close(true);
    credits.open();
  });

  // «Подсказка»: whether escape is still possible, asked of the hint's worker.
  $('Hint1').addEventListener('click', () => {
    close();
    hint.ask();
  });

  return { open, close };
})();
