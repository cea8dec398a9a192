// Keeps the site's files, so that once the game has been opened over http it starts and plays
// with no network. VERSION is a hash of every file below, written when the site is assembled:
// a new build makes a new worker that fills a cache of its own beside the old one and takes
// over only when no tab of the old build is open, at the next start. A page is therefore never
// served with a rules module of another build.
'use strict';

var VERSION = '@KEVOLAN_SITE_VERSION@';
var FILES = @KEVOLAN_SITE_FILES@;
var CACHE = 'kevolan-' + VERSION;

self.addEventListener('install', function (e) {
  e.waitUntil(caches.open(CACHE).then(function (cache) {
    // Past the browser's own cache, so that the files are this build's.
    return cache.addAll(FILES.map(function (f) { return new Request(f, { cache: 'reload' }); }));
  }));
});

self.addEventListener('activate', function (e) {
  e.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (n) {
      return n.indexOf('kevolan-') === 0 && n !== CACHE;
    }).map(function (n) { return caches.delete(n); }));
  }));
});

self.addEventListener('fetch', function (e) {
  var request = e.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  e.respondWith(caches.open(CACHE).then(function (cache) {
    return cache.match(request, { ignoreSearch: true }).then(function (kept) {
      return kept || fetch(request);
    });
  }));
});
