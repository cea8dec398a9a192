'use strict';
// The four choice boxes: a text the player may type, and a list that drops down to pick from.
const choices = (() => {
  const boxes = [
    // [box, the driver's word for it, the state's key]
    ['ComboBox1', 'food', 'FoodChoice'],
    ['ComboBox2', 'gather', 'GatherChoice'],
    ['ComboBox3', 'create', 'CreateChoice'],
    ['ComboBox4', 'repair', 'RepairChoice'],
  ];

  function showBox(id, box) {
    const edit = $(id + 'Edit');
    const list = $(id + 'List');
    if (edit.value !== box.Text) edit.value = box.Text;
    edit.disabled = !box.Enabled;
    const options = list.children;
    let same = options.length === box.Options.length;
    for (let i = 0; same && i < options.length; ++i) same = options[i].textContent === box.Options[i];
    if (!same) {
      close(id);
      list.textContent = '';
      box.Options.forEach((name, index) => {
        const li = document.createElement('li');
        li.id = id + 'Option' + index;
        li.setAttribute('role', 'option');
        li.setAttribute('aria-selected', 'false');
        li.textContent = name;
        list.appendChild(li);
      });
    }
    if (!box.Enabled) close(id);
  }

  function isOpen(id) { return !$(id + 'List').hidden; }

  function open(id) {
    const edit = $(id + 'Edit');
    const list = $(id + 'List');
    if (edit.disabled || list.children.length === 0) return;
    menu.close();
    for (const [other] of boxes) if (other !== id) close(other);
    list.hidden = false;
    $(id).classList.add('open');
    place(id);
    edit.setAttribute('aria-expanded', 'true');
    const current = Array.prototype.findIndex.call(list.children,
                                                   (li) => li.textContent === edit.value);
    highlight(id, current < 0 ? 0 : current);
  }

  // A list drops down past the window's edge, as the desktop's does, and opens upwards when the
  // screen has no room below the box; it is never cut off by the window, nor laid under the bar
  // that stays at the top of a phone's screen (the page's scroll padding). When it fits neither
  // way, the page first scrolls the box up until the list fits below it, at most until the box
  // reaches the bar; a page that ends too soon for that is lengthened while the list is open.
  // The list is placed in the window's pixels, which a large screen scales.
  let scrolledTo = null; // the page's scroll this script made, which closes no list
  const root = document.documentElement;

  function place(id) {
    const list = $(id + 'List');
    const scale = fit.scale;
    list.style.maxHeight = '';
    const wanted = list.getBoundingClientRect().height;
    const bar = parseFloat(getComputedStyle(root).scrollPaddingTop) || 0;
    let box = $(id).getBoundingClientRect();
    if (wanted > Math.max(window.innerHeight - box.bottom, box.top - bar)) {
      const by = Math.min(box.top - bar, box.bottom + wanted - window.innerHeight);
      const room = root.scrollHeight - window.innerHeight - window.scrollY;
      if (by > room) root.style.paddingBottom = Math.ceil(by - room) + 'px';
      if (by > 0) {
        window.scrollBy(0, by);
        scrolledTo = window.scrollY;
        box = $(id).getBoundingClientRect();
      }
    }
    list.style.left = box.left / scale + 'px';
    list.style.width = box.width / scale + 'px';
    const below = window.innerHeight - box.bottom;
    const above = box.top - bar;
    const downwards = wanted <= below || below >= above;
    if (wanted > Math.max(below, above)) {
      list.style.maxHeight = Math.max(below, above) / scale + 'px';
    }
    const height = list.getBoundingClientRect().height;
    list.style.top = (downwards ? box.bottom : box.top - height) / scale + 'px';
  }

  function close(id) {
    const list = $(id + 'List');
    if (list.hidden) return;
    list.hidden = true;
    $(id).classList.remove('open');
    root.style.paddingBottom = '';
    const edit = $(id + 'Edit');
    edit.setAttribute('aria-expanded', 'false');
    edit.removeAttribute('aria-activedescendant');
  }

  function closeAll() {
    for (const [id] of boxes) close(id);
  }

  function highlighted(id) {
    return Array.prototype.findIndex.call($(id + 'List').children,
                                          (li) => li.getAttribute('aria-selected') === 'true');
  }

  function highlight(id, index) {
    const options = $(id + 'List').children;
    if (options.length === 0) return;
    index = Math.max(0, Math.min(options.length - 1, index));
    for (let i = 0; i < options.length; ++i) {
      options[i].setAttribute('aria-selected', i === index ? 'true' : 'false');
    }
    options[index].scrollIntoView({ block: 'nearest' });
    $(id + 'Edit').setAttribute('aria-activedescendant', options[index].id);
  }

  // A pick made at the keyboard or with the mouse leaves the new text selected in the focused
  // field, as the desktop's box does. A finger's pick (`select` false) leaves the field as it
  // was, never focused nor selected: a browser turns the next tap on a selected text into its
  // context menu.
  function pick(id, word, index, select = true) {
    close(id);
    input.act('pick ' + word + ' ' + index);
    const edit = $(id + 'Edit');
    if (select && !edit.disabled && document.activeElement === edit) edit.select();
  }

  function onKey(id, word, e) {
    const open_ = isOpen(id);
    const options = $(id + 'List').children;
    const k = e.key;
    if ((k === 'ArrowDown' || k === 'ArrowUp') && e.altKey || k === 'F4') {
      if (open_) close(id); else open(id);
    } else if (open_ && (k === 'ArrowDown' || k === 'ArrowUp')) {
      highlight(id, highlighted(id) + (k === 'ArrowDown' ? 1 : -1));
    } else if (open_ && (k === 'Home' || k === 'End')) {
      highlight(id, k === 'Home' ? 0 : options.length - 1);
    } else if (open_ && (k === 'PageDown' || k === 'PageUp')) {
      highlight(id, highlighted(id) + (k === 'PageDown' ? 8 : -8));
    } else if (open_ && k === 'Enter') {
      const index = highlighted(id);
      if (index >= 0) pick(id, word, index); else close(id);
    } else if (open_ && (k === 'Escape' || k === 'Tab')) {
      close(id);
      if (k === 'Tab') return;
    } else if (!open_ && (k === 'ArrowDown' || k === 'ArrowUp')) {
      // A closed box steps to the option after or before the one it shows.
      const at = Array.prototype.findIndex.call(options,
                                                (li) => li.textContent === $(id + 'Edit').value);
      let next = k === 'ArrowDown' ? at + 1 : at - 1;
      if (at < 0 && k === 'ArrowUp') next = -1;
      if (next >= 0 && next < options.length) pick(id, word, next);
    } else {
      return;
    }
    e.preventDefault();
  }

  for (const [id, word] of boxes) {
    const edit = $(id + 'Edit');
    // The player's typing: the whole text as it stands, however long.
    edit.addEventListener('input', () => input.act('type ' + word + ' ' + edit.value));
    edit.addEventListener('keydown', (e) => onKey(id, word, e));
    edit.addEventListener('blur', () => close(id));
    $(id).querySelector('.arrow').addEventListener('mousedown', (e) => {
      e.preventDefault();
      if (edit.disabled || messages.running) return;
      edit.focus();
      if (isOpen(id)) close(id); else open(id);
    });
    const list = $(id + 'List');
    const rowAt = (e) => {
      const li = e.target.closest('li');
      return li ? Array.prototype.indexOf.call(list.children, li) : -1;
    };
    list.addEventListener('mousedown', (e) => e.preventDefault());
    let pointer = 'mouse'; // what pressed the row last
    list.addEventListener('pointerdown', (e) => { pointer = e.pointerType; });
    list.addEventListener('mousemove', (e) => {
      const index = rowAt(e);
      if (index >= 0) highlight(id, index);
    });
    list.addEventListener('click', (e) => {
      const index = rowAt(e);
      if (index >= 0) pick(id, word, index, pointer === 'mouse');
    });
  }

  // A press anywhere outside a box closes its list; so does the page moving under it.
  document.addEventListener('mousedown', (e) => {
    for (const [id] of boxes) if (!$(id).contains(e.target)) close(id);
  });
  window.addEventListener('scroll', () => {
    if (window.scrollY !== scrolledTo) closeAll();
    scrolledTo = null;
  });
  window.addEventListener('resize', closeAll);

  return {
    show(states) {
      for (const [id, , key] of boxes) showBox(id, states[key]);
    },
    closeAll,
  };
})();
