'use strict';
// Over http the site's worker keeps its files, so that the game starts again with no network
// (from disk there is no worker, and nothing to keep). The worker is asked for once the page
// has loaded, so that it never holds up the first state.
if ('serviceWorker' in navigator && /^https?:$/.test(window.location.protocol)) {
  window.addEventListener('load', () => {
    navigator.serviceWorker.register('sw.js').catch(() => {
      // Without the worker the game plays as before, only not offline.
    });
  });
}
