'use strict';
// The window fitted to a screen larger than it: kevolan.css scales it, and everything drawn
// with it, by --scale. What a script places on the screen by hand (a list, the menu, a message
// box) is given in the window's own pixels, so it divides by `fit.scale`. A picture is asked
// for at the size it is drawn, so that a scaled window gets the one drawn at twice the size.
const fit = (() => {
  const root = document.documentElement;
  const pictures = Array.from(document.querySelectorAll('.panel img'));

  function scale() {
    return parseFloat(getComputedStyle($('Window')).zoom) || 1;
  }

  // A browser whose style sheets cannot divide one length by another is given the scale here.
  const divides = window.CSS && CSS.supports('zoom', 'calc(1px / 1px)');
  function place() {
    if (!divides) {
      const style = getComputedStyle(root);
      const width = parseFloat(style.getPropertyValue('--form-width')) + 18;
      const height = parseFloat(style.getPropertyValue('--form-height')) + 18;
      const wanted = Math.max(1, Math.min(window.innerWidth / width, window.innerHeight / height));
      root.style.setProperty('--scale', String(wanted));
    }
    const s = scale();
    for (const img of pictures) img.sizes = Math.round(img.offsetWidth * s) + 'px';
  }
  place();
  window.addEventListener('resize', place);

  return {
    get scale() { return scale(); },
  };
})();
