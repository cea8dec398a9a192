'use strict';
// Over http the game can be installed, and the site's worker keeps its files so that the game
// starts again with no network. From disk there is neither: a browser refuses a manifest read
// from a file, and runs no worker there. The worker is asked for once the page has loaded, so
// that it never holds up the first state.
if (/^https?:$/.test(window.location.protocol)) {
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'kevolan.webmanifest';
  document.head.appendChild(manifest);
}
if ('serviceWorker' in navigator && /^https?:$/.test(window.location.protocol)) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {
      // Without the worker the game plays as before, only not offline.
    });
  });
}
