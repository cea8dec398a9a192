'use strict';
// The window under a finger. A phone sends no right click: the menu opens from the menu button
// of the touch layout and by a long press anywhere on the window, as the right click does. A tap
// on a choice box's arrow opens its list without putting the text field in focus, so no
// on-screen keyboard covers the window; a tap on the text itself still lets the player type.
(() => {
  const form = $('Form1');
  const LONG_PRESS_MS = 500;
  const SLOP = 10; // px a finger may wander and still be pressing

  // The menu opens where a right click at (x, y) on `target` would open it.
  function openMenuAt(target, x, y) {
    target.dispatchEvent(new MouseEvent('contextmenu', {
      bubbles: true, cancelable: true, button: 2, clientX: x, clientY: y,
    }));
  }

  $('MenuButton').addEventListener('click', () => {
    const r = $('MenuButton').getBoundingClientRect();
    openMenuAt($('MenuButton'), Math.max(1, r.right - 160), r.bottom);
  });

  let press = null; // {timer, x, y, fired}
  function cancelPress() {
    if (press) window.clearTimeout(press.timer);
    press = null;
  }
  form.addEventListener('touchstart', (e) => {
    cancelPress();
    if (e.touches.length !== 1) return;
    const t = e.touches[0];
    const at = { x: t.clientX, y: t.clientY, target: e.target, fired: false };
    at.timer = window.setTimeout(() => {
      at.fired = true;
      openMenuAt(at.target, at.x, at.y);
    }, LONG_PRESS_MS);
    press = at;
  }, { passive: true });
  form.addEventListener('touchmove', (e) => {
    const t = e.touches[0];
    if (press && !press.fired &&
        (Math.abs(t.clientX - press.x) > SLOP || Math.abs(t.clientY - press.y) > SLOP)) {
      cancelPress();
    }
  }, { passive: true });
  form.addEventListener('touchend', (e) => {
    // The finger lifted after a long press: no tap on what lies under it.
    if (press && press.fired && e.cancelable) e.preventDefault();
    cancelPress();
  });
  form.addEventListener('touchcancel', cancelPress);

  // A box's arrow under a finger: the list opens or closes as Alt+Down would, the text field
  // left as it was; a pick from the list leaves it so too (the list takes no focus).
  for (const id of ['ComboBox1', 'ComboBox2', 'ComboBox3', 'ComboBox4']) {
    const edit = $(id + 'Edit');
    // The list opens on the click that ends the tap, not when the finger lands: the list
    // may scroll the page, and the tap's click must still fall on the arrow.
    const arrow = $(id).querySelector('.arrow');
    let tapped = false;
    arrow.addEventListener('pointerdown', (e) => {
      tapped = e.pointerType !== 'mouse';
      if (!tapped) return;
      e.preventDefault(); // no mouse events follow, so nothing moves the focus
      e.stopPropagation();
    });
    arrow.addEventListener('click', () => {
      if (!tapped) return;
      tapped = false;
      edit.dispatchEvent(new KeyboardEvent('keydown', { key: 'F4', bubbles: true, cancelable: true }));
    });
  }
})();
