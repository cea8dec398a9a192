'use strict';
// The credits window "Form2": six lines rolling upwards, the first going to the end every
// 400 ms, from the page's start, shown or hidden.
const credits = (() => {
  const lines = ['', '', 'Составил', 'Команда игры «Кеволан»', '', 'Игра "Кеволан"'];

  function draw() {
    const box = $('ZelCredits1');
    box.textContent = '';
    for (const line of lines) {
      const div = document.createElement('div');
      div.textContent = line;
      box.appendChild(div);
    }
  }
  draw();
  window.setInterval(() => {
    lines.push(lines.shift());
    draw();
  }, 400);

  $('Form2Close').addEventListener('click', () => {
    $('Form2').hidden = true;
    $('Form1').focus();
  });

  return {
    open() {
      $('Form2').hidden = false;
      $('Form2Close').focus();
    },
  };
})();
